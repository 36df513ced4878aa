// The splash window and the About box with the program's own pictures.
#include "tests/app/support/started_app.h"

#include "forms/app/program/about_dlg.h"
#include "forms/app/program/splash_dlg.h"
#include "forms/res/program_icons.h"

#include "platform/ui/cmd_target.h"

#include <QIcon>
#include <QLabel>
#include <QMainWindow>
#include <QPixmap>

#include <filesystem>

namespace {

using SplashAboutTest = StartedAppTest;

QString OutputFile(const char* name)
{
    return QString::fromStdString((std::filesystem::path(FORMS_TEST_OUTPUT_DIR) / name).string());
}

TEST(SplashWindow, IsSizedToItsPicture)
{
    SPLASH_DLG splash;
    splash.ShowNow();
    auto* picture = splash.findChild<SPLASHBTN*>("ctl_1424");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->GetBitmap().size(), QSize(400, 240));
    EXPECT_EQ(splash.size(), QSize(400, 240));
    EXPECT_EQ(picture->geometry(), QRect(0, 0, 400, 240));
    EXPECT_TRUE(splash.grab().save(OutputFile("splash.png")));
}

TEST_F(SplashAboutTest, AboutBoxShowsNameVersionAndBothIcons)
{
    auto app = StartApp();
    EXPECT_TRUE(app->OnCmdMsg(ID_APP_ABOUT, ui::CmdCode::Probe, nullptr));
    ABOUT_DLG about;
    EXPECT_EQ(about.windowTitle(), "About Quirewell");
    auto* product = about.findChild<QLabel*>("product");
    ASSERT_NE(product, nullptr);
    EXPECT_TRUE(product->text().startsWith("Quirewell version "));
    for (const char* icon : {"icon_2226", "icon_328"}) {
        auto* label = about.findChild<QLabel*>(icon);
        ASSERT_NE(label, nullptr) << icon;
        EXPECT_EQ(label->pixmap().size(), QSize(32, 32)) << icon;
    }
    // The first is the program's own icon, the one its windows carry.
    const QImage programIcon = ProgramIcon(kProgramIconId, 32);
    ASSERT_FALSE(programIcon.isNull());
    EXPECT_EQ(
        about.findChild<QLabel*>("icon_2226")->pixmap().toImage().convertToFormat(programIcon.format()), programIcon);
    const QIcon windowIcon = app->GetMainFrame()->GetWindow()->windowIcon();
    for (int size : {16, 32, 48})
        EXPECT_EQ(windowIcon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
            ProgramIcon(kProgramIconId, size))
            << size;
    // Drawn a size at a time, it answers every size as the whole set would.
    QIcon wholeSet;
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        wholeSet.addPixmap(QPixmap::fromImage(ProgramIcon(kProgramIconId, side)));
    EXPECT_EQ(windowIcon.availableSizes(), wholeSet.availableSizes());
    for (int size : {300, 8, 20, 100, 24, 40, 256, 64}) {
        EXPECT_EQ(windowIcon.actualSize(QSize(size, size)), wholeSet.actualSize(QSize(size, size))) << size;
        EXPECT_EQ(windowIcon.pixmap(size).toImage(), wholeSet.pixmap(size).toImage()) << size;
        EXPECT_EQ(windowIcon.pixmap(size, QIcon::Disabled).toImage(), wholeSet.pixmap(size, QIcon::Disabled).toImage())
            << size;
    }
    about.show();
    EXPECT_TRUE(about.grab().save(OutputFile("about.png")));
    about.close();
    CloseApp(*app);
}

} // namespace
