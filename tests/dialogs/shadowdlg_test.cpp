// The Shadow dialog through the dialog hook: the corner latched from the
// offsets without applying, corners and swatches applied at once to the
// view, the same swatch again applying nothing, and a picture of it.
#include "forms/dialogs/appearance/shadow_corners.h"
#include "forms/dialogs/appearance/shadowdlg.h"
#include "forms/model/object_view.h"

#include "tests/dialogs/recording_view.h"

#include "tests/platform/ui/dialog_input.h"

#include "platform/res/missing_handler.h"
#include "platform/ui/dialog/dialog_hook.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <vector>

namespace {

// Notes what the dialog applies.
class ShadowView : public RecordingView {
public:
    std::vector<SHADOW>& applied = shadows;
};

SHADOW Shadow(uint32_t colour, int16_t x, int16_t y)
{
    SHADOW s;
    s.colour = colour;
    s.x = x;
    s.y = y;
    return s;
}

int RunShadowDialog(SHADOWDLG& dialog, const std::function<void(SHADOWDLG&)>& drive)
{
    res::ScopedMissingHandler missing(res::ThrowMissing);
    ui::ScopedDialogHook hook([&](ui::Dialog& running) { drive(static_cast<SHADOWDLG&>(running)); });
    return dialog.DoModal();
}

TEST(ShadowCorners, OffsetsFallTowardsTheCornerOfTheirSigns)
{
    struct Case {
        int16_t x, y;
        const char* corner;
    };
    const char* names[] = {"None", "TL", "TR", "BL", "BR"};
    const Case cases[] = {
        {0, 0, "None"},
        {-90, -90, "TL"},
        {90, -90, "TR"},
        {0, -1, "TR"},
        {-90, 90, "BL"},
        {-30, 45, "BL"},
        {-1, 0, "BL"},
        {90, 90, "BR"},
        {0, 1, "BR"},
        {1, 0, "BR"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(names[ShadowCornerOf(c.x, c.y)], c.corner) << c.x << "," << c.y;
    EXPECT_EQ(ShadowCornerOfControl(1069), 4);
    EXPECT_EQ(ShadowCornerOfControl(1027), -1);
}

TEST(ShadowDialog, OpensOnTheCornerAndColourOfTheShadowWithoutApplyingThem)
{
    ShadowView view;
    SHADOWDLG dialog;
    dialog.SetShadow(Shadow(gdi::RGB(0, 0, 0xFF), -30, 45), &view);
    const int result = RunShadowDialog(dialog, [&](SHADOWDLG& d) {
        EXPECT_EQ(d.GetWindow()->windowTitle(), "Shadow");
        EXPECT_EQ(d.GetCorner(), 3);
        EXPECT_EQ(d.GetSwatch(), 12);
        EXPECT_TRUE(view.applied.empty());
        for (int id : {1295, 1067, 1296, 1068, 1069})
            EXPECT_NE(d.GetDlgItem(id), nullptr) << id;
        EXPECT_EQ(d.GetDlgItemText(1295), "None");
        EXPECT_EQ(d.GetDlgItemText(1069), "BR");
        SendKey(Qt::Key_Escape);
    });
    EXPECT_EQ(result, 2);
    EXPECT_TRUE(view.applied.empty());
    EXPECT_TRUE(dialog.GetShadow().IsEqual(Shadow(gdi::RGB(0, 0, 0xFF), -30, 45)));
}

TEST(ShadowDialog, CornersAndSwatchesApplyAtOnce)
{
    ShadowView view;
    SHADOWDLG dialog;
    dialog.SetShadow(Shadow(0, 0, 0), &view);
    const int result = RunShadowDialog(dialog, [&](SHADOWDLG& d) {
        EXPECT_EQ(d.GetCorner(), 0);
        SendClick(d.GetDlgItem(1296));
        EXPECT_EQ(d.GetCorner(), 2);
        SendClick(d.GetDlgItem(1296));
        SendClick(d.GetDlgItem(1036));
        EXPECT_EQ(d.GetSwatch(), 9);
        SendClick(d.GetDlgItem(1036));
        SendClick(d.GetDlgItem(1295));
        SendClick(d.GetDlgItem(1));
    });
    EXPECT_EQ(result, 1);
    const uint32_t red = gdi::RGB(0xFF, 0, 0);
    const std::vector<SHADOW> expected {
        Shadow(0, 90, -90), Shadow(0, 90, -90), Shadow(red, 90, -90), Shadow(red, 0, 0)};
    ASSERT_EQ(view.applied.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_TRUE(view.applied[i].IsEqual(expected[i])) << i;
    EXPECT_TRUE(dialog.GetShadow().IsEqual(Shadow(red, 0, 0)));
    // A Format dialog applies with flag 0.
    for (uintptr_t flag : view.flags)
        EXPECT_EQ(flag, 0u);
}

TEST(ShadowDialog, WithoutAViewNothingIsAppliedAndEnterIsOk)
{
    SHADOWDLG dialog;
    dialog.SetShadow(Shadow(0, 90, 90), nullptr);
    EXPECT_EQ(RunShadowDialog(dialog,
                  [](SHADOWDLG& d) {
                      SendClick(d.GetDlgItem(1067));
                      SendKey(Qt::Key_Return, "\r", d.GetWindow());
                  }),
        1);
    EXPECT_TRUE(dialog.GetShadow().IsEqual(Shadow(0, -90, -90)));
}

TEST(ShadowDialog, APictureOfTheDialog)
{
    SHADOWDLG dialog;
    dialog.SetShadow(Shadow(gdi::RGB(0x80, 0x80, 0x80), 90, 90), nullptr);
    RunShadowDialog(dialog, [](SHADOWDLG& d) {
        QWidget* window = d.GetWindow();
        d.GetDlgItem(1069)->setFocus();
        const QImage picture = window->grab().toImage();
        const std::filesystem::path dir(FORMS_TEST_OUTPUT_DIR);
        std::filesystem::create_directories(dir);
        EXPECT_TRUE(picture.save(QString::fromStdString((dir / "shadow_dialog.png").string())));
        EXPECT_EQ(picture.size(), QSize(348, 162));
        // The grey swatch (1034) framed as selected: its inner black frame.
        QWidget* grey = d.GetDlgItem(1034);
        const QPoint inner = grey->mapTo(window, QPoint(3, grey->height() / 2));
        EXPECT_EQ(picture.pixel(inner), qRgb(0, 0, 0));
        d.EndDialog(2);
    });
}

} // namespace
