// The Align, Options and Toolbars dialogs: Align checks a typed position
// against the margins only when it aligns to it, and enables its edits by
// what it aligns to; Options shows and reads back the unit and switches;
// Toolbars shares its eight boxes between the bars and three options.
#include "forms/dialogs/designer/align_objects_dlg.h"
#include "forms/dialogs/designer/options_dlg.h"
#include "forms/dialogs/designer/toolbars_dlg.h"

#include "tests/platform/ui/dialog_input.h"

#include "platform/res/missing_handler.h"
#include "platform/ui/dialog/dialog_hook.h"
#include "platform/ui/dialog/notifications.h"
#include "platform/ui/message_box.h"

#include <QDir>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

template<class D>
int RunDialog(D& dialog, const std::function<void(D&)>& drive, std::vector<std::string>* messages = nullptr)
{
    res::ScopedMissingHandler missing(res::ThrowMissing);
    ui::ScopedDialogHook hook([&](ui::Dialog& running) { drive(static_cast<D&>(running)); });
    ui::ScopedMessageBoxHook boxes([messages](const ui::MessageBoxRequest& request) {
        if (messages)
            messages->push_back(request.text);
        else
            ADD_FAILURE() << request.text;
        return ui::IDOK;
    });
    return dialog.DoModal();
}

void Save(ui::Dialog& d, const char* name)
{
    QDir().mkpath(FORMS_TEST_OUTPUT_DIR "/dialogs");
    d.GetWindow()->grab().save(QString(FORMS_TEST_OUTPUT_DIR "/dialogs/") + name);
}

AlignSettings Margins()
{
    AlignSettings s;
    s.leftMargin = 0.5;
    s.rightMargin = 7.768;
    s.topMargin = 0.5;
    s.bottomMargin = 11.193;
    return s;
}

TEST(AlignSettings, APositionIsCheckedOnlyWhenAlignedTo)
{
    const struct {
        const char* name;
        uint8_t horizontal, vertical, relative;
        double across, down;
        std::optional<std::string> message;
    } cases[] = {
        {"each other, any position", 2, 4, 7, -5, 99, std::nullopt},
        {"margin, any position", 2, 0, 6, -5, 99, std::nullopt},
        {"position without alignment", 0, 0, 8, -5, 99, std::nullopt},
        {"across on the right margin", 3, 0, 8, 7.768, 1, std::nullopt},
        {"across left of the margin", 2, 0, 8, 0.499, 1,
            "The minimum value for Across is the position of the left margin 0.500."},
        {"across right of the margin", 2, 0, 8, 7.769, 1,
            "The maximum value for Across is the position of the right margin  7.768."},
        {"down above the margin", 0, 4, 8, 1, 0.25,
            "The minimum value for Down is the position of the top margin 0.500."},
        {"down below the margin", 0, 5, 8, 1, 12,
            "The maximum value for Down is the position of the bottom margin 11.193."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AlignSettings s = Margins();
        s.horizontal = c.horizontal;
        s.vertical = c.vertical;
        s.relative = c.relative;
        s.across = c.across;
        s.down = c.down;
        const auto problem = s.CheckPosition();
        EXPECT_EQ(problem ? std::optional<std::string>(problem->message) : std::nullopt, c.message);
    }
    AlignSettings code;
    code.horizontal = 3;
    code.vertical = 5;
    code.relative = 7;
    EXPECT_EQ(code.Code(), 0x070503u);
}

TEST(AlignDialog, OpensByWhatItAlignsToAndEnablesThePositionForAPosition)
{
    for (const uint8_t relative : {7, 6, 8}) {
        SCOPED_TRACE(relative);
        ALIGN_OBJECTS_DLG dialog;
        dialog.settings = Margins();
        dialog.settings.relative = relative;
        EXPECT_EQ(RunDialog<ALIGN_OBJECTS_DLG>(dialog,
                      [relative](ALIGN_OBJECTS_DLG& d) {
                          EXPECT_TRUE(d.IsDlgButtonChecked(1201));
                          EXPECT_TRUE(d.IsDlgButtonChecked(1205));
                          EXPECT_EQ(d.GetDlgItemText(1212), "0.500");
                          EXPECT_EQ(d.GetDlgItem(1209)->isEnabled(), relative == 7);
                          EXPECT_EQ(d.GetDlgItem(1212)->isEnabled(), relative == 8);
                          EXPECT_TRUE(d.IsDlgButtonChecked(relative == 7 ? 1209 : relative == 6 ? 1210 : 1211));
                          if (relative == 8)
                              Save(d, "align.png");
                          d.SendCommand(2, ui::BN_CLICKED);
                      }),
            2);
    }
}

TEST(AlignDialog, APositionOutsideTheMarginsKeepsTheDialogOpen)
{
    ALIGN_OBJECTS_DLG dialog;
    dialog.settings = Margins();
    dialog.settings.relative = 6;
    std::vector<std::string> messages;
    EXPECT_EQ(RunDialog<ALIGN_OBJECTS_DLG>(
                  dialog,
                  [](ALIGN_OBJECTS_DLG& d) {
                      SendClick(d.GetDlgItem(1211));
                      EXPECT_TRUE(d.GetDlgItem(1213)->isEnabled());
                      SendClick(d.GetDlgItem(1203));
                      d.SetDlgItemText(1212, "9");
                      d.SendCommand(1, ui::BN_CLICKED);
                      EXPECT_TRUE(d.IsRunning());
                      EXPECT_TRUE(d.GetDlgItem(1212)->hasFocus());
                      d.SetDlgItemText(1212, "2.25");
                      d.SendCommand(1, ui::BN_CLICKED);
                  },
                  &messages),
        1);
    EXPECT_EQ(messages,
        std::vector<std::string> {"The maximum value for Across is the position of the right margin  7.768."});
    EXPECT_EQ(dialog.settings.horizontal, 1);
    EXPECT_EQ(dialog.settings.relative, 8);
    EXPECT_DOUBLE_EQ(dialog.settings.across, 2.25);
    EXPECT_DOUBLE_EQ(dialog.settings.down, 0.5);
}

TEST(OptionsDialog, ShowsAndReadsBackTheUnitAndSwitches)
{
    OPTIONS_DLG dialog;
    dialog.units = 0;
    dialog.checkBoxOutlines = 1;
    dialog.baselines = 0;
    dialog.margins = 1;
    EXPECT_EQ(RunDialog<OPTIONS_DLG>(dialog,
                  [](OPTIONS_DLG& d) {
                      EXPECT_TRUE(d.IsDlgButtonChecked(1240));
                      EXPECT_TRUE(d.IsDlgButtonChecked(1223));
                      EXPECT_FALSE(d.IsDlgButtonChecked(1313));
                      Save(d, "options.png");
                      SendClick(d.GetDlgItem(1241));
                      SendClick(d.GetDlgItem(1313));
                      SendClick(d.GetDlgItem(1314));
                      d.SendCommand(1, ui::BN_CLICKED);
                  }),
        1);
    EXPECT_EQ(dialog.units, 1);
    EXPECT_EQ(dialog.checkBoxOutlines, 1);
    EXPECT_EQ(dialog.baselines, 1);
    EXPECT_EQ(dialog.margins, 0);
}

TEST(ToolbarsDialog, ThreeBarsThenThreeOptionsAndTwoHiddenBoxes)
{
    ToolbarState state;
    state.bars = {{1, "Standard"}, {0, "Design"}, {1, "Format"}};
    state.colour = 1;
    state.large = 0;
    state.toolTips = 1;
    TOOLBARS_DLG dialog;
    dialog.SetToolbarState(state);
    EXPECT_EQ(RunDialog<TOOLBARS_DLG>(dialog,
                  [](TOOLBARS_DLG& d) {
                      const int boxes[] = {1404, 1405, 1406, 1407, 1224, 1225, 1226, 1409};
                      const char* texts[]
                          = {"Standard", "Design", "Format", "C&olour Buttons", "&Large Buttons", "&Show ToolTips"};
                      const bool checks[] = {true, false, true, true, false, true};
                      for (int i = 0; i < 6; ++i) {
                          EXPECT_EQ(d.GetDlgItemText(boxes[i]), texts[i]);
                          EXPECT_EQ(d.IsDlgButtonChecked(boxes[i]), checks[i]);
                          EXPECT_FALSE(d.GetDlgItem(boxes[i])->isHidden());
                      }
                      for (int i = 6; i < 8; ++i) {
                          EXPECT_TRUE(d.GetDlgItem(boxes[i])->isHidden());
                          EXPECT_FALSE(d.GetDlgItem(boxes[i])->isEnabled());
                      }
                      Save(d, "toolbars.png");
                      SendClick(d.GetDlgItem(1405));
                      SendClick(d.GetDlgItem(1407));
                      SendClick(d.GetDlgItem(1224));
                      d.SendCommand(1, ui::BN_CLICKED);
                  }),
        1);
    const ToolbarState& after = dialog.GetToolbarState();
    EXPECT_EQ(after.bars[0].shown, 1u);
    EXPECT_EQ(after.bars[1].shown, 1u);
    EXPECT_EQ(after.bars[2].shown, 1u);
    EXPECT_EQ(after.colour, 0u);
    EXPECT_EQ(after.large, 1u);
    EXPECT_EQ(after.toolTips, 1u);
}

} // namespace
