// The Grid Spacings dialog: numbers read as the data exchange reads them,
// the ranges checked on OK with the framework's messages, and a unit
// switch converting what the edits hold through whole twips.
#include "forms/dialogs/designer/edit_number.h"
#include "forms/dialogs/designer/griddialog.h"
#include "forms/edit/fgrid.h"

#include "tests/platform/ui/dialog_input.h"

#include "platform/res/missing_handler.h"
#include "platform/ui/dialog/dialog_hook.h"
#include "platform/ui/dialog/notifications.h"
#include "platform/ui/message_box.h"

#include <QDir>
#include <QLineEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

TEST(NumberText, ReadsWhatTheDataExchangeReads)
{
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"0.050", 0.05}, {"  1.5\t", 1.5}, {"-2", -2.0}, {"+.25", 0.25}, {"1e1", 10.0}, {"0", 0.0}, {"0.000", 0.0},
        {"  0", 0.0}, {".0", std::nullopt}, // 0 not written beginning with '0'
        {"-0", std::nullopt}, {"", std::nullopt}, {"   ", std::nullopt}, {"abc", std::nullopt}, {"1.5x", std::nullopt},
        {"1 2", std::nullopt}, {"0x10", std::nullopt}, {"inf", std::nullopt}, {"nan", std::nullopt},
        // Only the first 32 characters are read.
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseNumberText(c.text), c.value);
    }
    // Only the first 32 characters are read.
    EXPECT_EQ(ParseNumberText(std::string(31, '0') + "1x"), 1.0);
    EXPECT_EQ(ParseNumberText(std::string(32, '0') + "1"), 0.0);
}

TEST(GridValues, ConvertFromTheGridAndBackTruncating)
{
    FGRID grid;
    grid.SetSpacing(72, 144);
    grid.SetOrigin(1440, 567);
    GridValues inches = GridValues::FromGrid(grid, kUnitInches);
    EXPECT_DOUBLE_EQ(inches.hSpacing, 0.05);
    EXPECT_DOUBLE_EQ(inches.vSpacing, 0.1);
    EXPECT_DOUBLE_EQ(inches.hOffset, 1.0);
    EXPECT_DOUBLE_EQ(inches.vOffset, 567.0 / 1440);

    // Typed values come back truncated: 0.127 cm is 72.009 twips.
    GridValues typed {0.127, 0.0, 0.9999, 2.5, kUnitCentimetres};
    typed.ToGrid(grid);
    EXPECT_EQ(grid.GetHorizontalSpacing(), 72);
    EXPECT_EQ(grid.GetVerticalSpacing(), 144) << "a spacing of 0 keeps the old one";
    EXPECT_EQ(grid.GetHorizontalOrigin(), 566);
    EXPECT_EQ(grid.GetVerticalOrigin(), 1417);
}

TEST(GridValues, SwitchingTheUnitGoesThroughWholeTwips)
{
    GridValues values {0.05, 0.1, 1.0, 10.0, kUnitInches};
    values.SwitchUnit(kUnitCentimetres);
    EXPECT_EQ(values.unit, kUnitCentimetres);
    EXPECT_DOUBLE_EQ(values.hSpacing, 72.0 / 567);
    EXPECT_DOUBLE_EQ(values.vSpacing, 144.0 / 567);
    EXPECT_DOUBLE_EQ(values.hOffset, 1440.0 / 567);
    EXPECT_DOUBLE_EQ(values.vOffset, 14400.0 / 567);
    values.SwitchUnit(kUnitInches);
    EXPECT_DOUBLE_EQ(values.hSpacing, 0.05);
    EXPECT_DOUBLE_EQ(values.vOffset, 10.0);
    values.SwitchUnit(kUnitInches);
    EXPECT_DOUBLE_EQ(values.vOffset, 10.0);
}

class GridDialogTest : public ::testing::Test {
protected:
    int Run(const std::function<void(GRIDDIALOG&)>& drive)
    {
        res::ScopedMissingHandler missing(res::ThrowMissing);
        ui::ScopedDialogHook hook([&](ui::Dialog& running) { drive(static_cast<GRIDDIALOG&>(running)); });
        ui::ScopedMessageBoxHook boxes([this](const ui::MessageBoxRequest& request) {
            messages.push_back(request.text);
            return ui::IDOK;
        });
        return dialog.DoModal();
    }
    // Replaces an edit's text as the user would and presses OK.
    static void Type(GRIDDIALOG& d, int id, const char* text)
    {
        auto* edit = d.Item<QLineEdit>(id);
        ASSERT_NE(edit, nullptr);
        edit->setFocus();
        edit->selectAll();
        TypeText(QString::fromLatin1(text), edit);
    }

    GRIDDIALOG dialog;
    std::vector<std::string> messages;
};

TEST_F(GridDialogTest, OpensInTheUnitWithThreeDecimals)
{
    dialog.values = {0.05, 0.05, 0.0, 1.5, kUnitCentimetres};
    EXPECT_EQ(Run([](GRIDDIALOG& d) {
        EXPECT_TRUE(d.IsDlgButtonChecked(1242));
        EXPECT_FALSE(d.IsDlgButtonChecked(1241));
        EXPECT_EQ(d.GetDlgItemText(1000), "0.050");
        EXPECT_EQ(d.GetDlgItemText(1062), "1.500");
        EXPECT_EQ(d.Item<QLineEdit>(1000)->maxLength(), 5);
        QDir().mkpath(FORMS_TEST_OUTPUT_DIR "/dialogs");
        d.GetWindow()->grab().save(FORMS_TEST_OUTPUT_DIR "/dialogs/grid_spacings.png");
        d.SendCommand(1, ui::BN_CLICKED);
    }),
        1);
    EXPECT_TRUE(messages.empty());
}

TEST_F(GridDialogTest, OKRefusesWhatIsNoNumberOrOutOfRange)
{
    const struct {
        int id;
        const char* text;
        const char* message;
    } cases[] = {
        {1000, "abc", "Please enter a number."},
        {1001, "2.5", "Please enter a number between 0 and 2."},
        {1410, "-1", "Please enter a number between 0 and 10."},
        {1062, "10.5", "Please enter a number between 0 and 10."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        messages.clear();
        dialog.values = {0.05, 0.05, 0.0, 0.0, kUnitInches};
        EXPECT_EQ(Run([&](GRIDDIALOG& d) {
            Type(d, c.id, c.text);
            d.SendCommand(1, ui::BN_CLICKED);
            EXPECT_TRUE(d.IsRunning()) << "the dialog stays open";
            EXPECT_TRUE(d.GetDlgItem(c.id)->hasFocus());
            d.SendCommand(2, ui::BN_CLICKED);
        }),
            2);
        EXPECT_EQ(messages, std::vector<std::string> {c.message});
    }
    // Within range on every edge: accepted.
    messages.clear();
    EXPECT_EQ(Run([&](GRIDDIALOG& d) {
        Type(d, 1000, "2");
        Type(d, 1001, "0");
        Type(d, 1410, "10");
        Type(d, 1062, " 0.5 ");
        d.SendCommand(1, ui::BN_CLICKED);
    }),
        1);
    EXPECT_TRUE(messages.empty());
    EXPECT_DOUBLE_EQ(dialog.values.hSpacing, 2.0);
    EXPECT_DOUBLE_EQ(dialog.values.vOffset, 0.5);
}

TEST_F(GridDialogTest, ClickingTheOtherUnitConvertsTheEdits)
{
    dialog.values = {0.05, 0.1, 1.0, 0.0, kUnitInches};
    EXPECT_EQ(Run([](GRIDDIALOG& d) {
        Type(d, 1410, "2");
        SendClick(d.GetDlgItem(1242));
        EXPECT_TRUE(d.IsDlgButtonChecked(1242));
        EXPECT_EQ(d.GetDlgItemText(1000), "0.127");
        EXPECT_EQ(d.GetDlgItemText(1001), "0.254");
        EXPECT_EQ(d.GetDlgItemText(1410), "5.079");
        // The checked unit again changes nothing.
        SendClick(d.GetDlgItem(1242));
        EXPECT_EQ(d.GetDlgItemText(1410), "5.079");
        d.SendCommand(1, ui::BN_CLICKED);
    }),
        1);
    EXPECT_EQ(dialog.values.unit, kUnitCentimetres);
    EXPECT_NEAR(dialog.values.hOffset, 2880.0 / 567, 0.0005);
}

} // namespace
