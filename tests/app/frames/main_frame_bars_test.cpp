// The main frame's three bars in the running program: their slots, boxes
// and images, the button style changing under them, and the Toolbars
// command.
#include "tests/app/support/started_app.h"

#include "forms/app/frames/factory_toolbar.h"
#include "forms/app/frames/std_toolbar.h"
#include "forms/app/frames/style_combo.h"
#include "forms/app/frames/text_toolbar.h"
#include "forms/app/program/form_classes.h"

#include "platform/ui/command_bar.h"
#include "platform/ui/dialog/dialog.h"
#include "platform/ui/dialog/dialog_hook.h"
#include "platform/ui/dialog/notifications.h"

#include <QAction>
#include <QDir>
#include <QMainWindow>
#include <QToolButton>

namespace {

using MainFrameBarsTest = StartedAppTest;

BarComboBox* BoxAt(QToolBar& bar, int slot)
{
    return dynamic_cast<BarComboBox*>(bar.widgetForAction(bar.actions().at(slot)));
}

struct BoxPlace {
    BarComboBox* box;
    QRect geometry;
    int fontHeight;
};

// The main window as the user sees it, for looking at.
void SaveShot(FFRAME& frame, const char* name)
{
    QDir().mkpath(QStringLiteral(FORMS_TEST_OUTPUT_DIR));
    frame.GetWindow()->grab().save(QStringLiteral(FORMS_TEST_OUTPUT_DIR "/%1").arg(QString::fromLatin1(name)));
}

std::vector<BoxPlace> Boxes(FFRAME& frame)
{
    std::vector<BoxPlace> places;
    for (QToolBar* bar : std::initializer_list<QToolBar*> {frame.GetStdToolBar(), frame.GetTextToolBar()})
        for (QComboBox* combo : bar->findChildren<QComboBox*>())
            if (auto* box = dynamic_cast<BarComboBox*>(combo))
                places.push_back({box, box->geometry(), box->font().pixelSize()});
    return places;
}

TEST_F(MainFrameBarsTest, BoxesStandInTheirSlotsAndEveryButtonHasItsImage)
{
    auto app = StartApp();
    FFRAME& frame = *app->GetMainFrame();
    STDTOOLBAR& standard = *frame.GetStdToolBar();
    TEXTTOOLBAR& format = *frame.GetTextToolBar();
    EXPECT_EQ(standard.GetBitmapId(), 7u);
    EXPECT_EQ(frame.GetFactoryToolBar()->GetBitmapId(), 130u);
    EXPECT_EQ(format.GetBitmapId(), 2110u);

    ASSERT_NE(BoxAt(standard, kZoomBoxSlot), nullptr);
    EXPECT_EQ(BoxAt(standard, kZoomBoxSlot)->GetId(), ID_ZOOM_BOX);
    EXPECT_EQ(BoxAt(standard, kZoomBoxSlot)->currentText(), "100%");
    const std::pair<int, unsigned> formatBoxes[] = {{0, ID_FACE_BOX}, {2, ID_SIZE_BOX}, {13, ID_ROTATION_BOX}};
    for (const auto& [slot, id] : formatBoxes) {
        ASSERT_NE(BoxAt(format, slot), nullptr) << slot;
        EXPECT_EQ(BoxAt(format, slot)->GetId(), id);
        EXPECT_EQ(BoxAt(format, slot)->font().pixelSize(), 12);
    }
    EXPECT_GE(format.GetFaceCombo()->width(), 125);
    EXPECT_EQ(format.GetSizeCombo()->currentText(), "12");
    EXPECT_EQ(format.GetRotationCombo()->count(), 8);
    // The style box stands in its slot.
    EXPECT_NE(dynamic_cast<STYLECOMBO*>(format.GetStyleCombo()), nullptr);

    for (QToolBar* bar : std::initializer_list<QToolBar*> {&standard, frame.GetFactoryToolBar(), &format})
        for (QAction* action : bar->actions())
            if (ui::CommandBar::CommandId(*action) && !bar->widgetForAction(action)->inherits("QComboBox")) {
                EXPECT_FALSE(action->icon().isNull()) << ui::CommandBar::CommandId(*action);
                EXPECT_EQ(bar->widgetForAction(action)->size(), QSize(23, 22));
            }
    CloseApp(*app);
}

TEST_F(MainFrameBarsTest, ColourToMonoKeepsTheBoxesAndLargeButtonsMoveThem)
{
    // A form in design, so that its commands' buttons are enabled.
    auto app = StartApp({}, FormAppClasses());
    FFRAME& frame = *app->GetMainFrame();
    RunEventsFor(20);
    SaveShot(frame, "main-frame-small-colour-bars.png");
    const std::vector<BoxPlace> before = Boxes(frame);
    ASSERT_EQ(before.size(), 4u);

    app->GetUserSettings().colorButtons = false;
    frame.UpdateBarButtons();
    RunEventsFor(20);
    EXPECT_EQ(frame.GetStdToolBar()->GetBitmapId(), 2192u);
    EXPECT_EQ(frame.GetFactoryToolBar()->GetBitmapId(), 2188u);
    EXPECT_EQ(frame.GetTextToolBar()->GetBitmapId(), 2185u);
    const std::vector<BoxPlace> mono = Boxes(frame);
    ASSERT_EQ(mono.size(), before.size());
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(mono[i].box, before[i].box);
        EXPECT_EQ(mono[i].geometry, before[i].geometry) << mono[i].box->GetId();
        EXPECT_EQ(mono[i].fontHeight, 12);
    }
    EXPECT_EQ(frame.GetStdToolBar()->GetZoomCombo()->currentText(), "100%");

    app->GetUserSettings().largeButtons = true;
    frame.UpdateBarButtons();
    RunEventsFor(20);
    EXPECT_EQ(frame.GetStdToolBar()->GetBitmapId(), 2191u);
    EXPECT_EQ(frame.GetTextToolBar()->GetBitmapId(), 2184u);
    for (const BoxPlace& place : Boxes(frame))
        EXPECT_EQ(place.fontHeight, 14) << place.box->GetId();
    QAction* bold = nullptr;
    for (QAction* action : frame.GetTextToolBar()->actions())
        if (ui::CommandBar::CommandId(*action) == 106)
            bold = action;
    ASSERT_NE(bold, nullptr);
    EXPECT_EQ(frame.GetTextToolBar()->widgetForAction(bold)->size(), QSize(30, 28));
    EXPECT_EQ(frame.GetTextToolBar()->iconSize(), QSize(24, 22));
    SaveShot(frame, "main-frame-large-mono-bars.png");
    CloseApp(*app);
}

TEST_F(MainFrameBarsTest, ToolbarsCommandListsTheThreeBarsAndAppliesTheChecks)
{
    auto app = StartApp();
    FFRAME& frame = *app->GetMainFrame();
    std::vector<std::string> names;
    {
        ui::ScopedDialogHook hook([&](ui::Dialog& running) {
            for (int id : {1404, 1405, 1406})
                names.push_back(running.GetDlgItemText(id));
            EXPECT_TRUE(running.IsDlgButtonChecked(1404));
            EXPECT_TRUE(running.IsDlgButtonChecked(1407));
            EXPECT_TRUE(running.GetDlgItem(1409)->isHidden());
            // The design bar off, mono buttons.
            running.CheckDlgButton(1406, false);
            running.CheckDlgButton(1407, false);
            running.SendCommand(1, ui::BN_CLICKED);
        });
        EXPECT_TRUE(ui::App::Current()->SendCommand(frame, ID_VIEW_TOOLBARS));
    }
    EXPECT_EQ(names, (std::vector<std::string> {"&Main toolbar", "&Formatting", "&Design"}));
    EXPECT_FALSE(frame.GetFactoryToolBar()->isVisible());
    EXPECT_TRUE(frame.GetStdToolBar()->isVisible());
    EXPECT_FALSE(app->GetUserSettings().colorButtons);
    EXPECT_EQ(frame.GetStdToolBar()->GetBitmapId(), 2192u);
    EXPECT_EQ(frame.GetFactoryToolBar()->GetBitmapId(), 2188u);
    CloseApp(*app);
}

} // namespace
