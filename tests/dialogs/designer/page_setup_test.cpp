// The Page Setup dialog: the layout's printable edges shown as margins,
// the checks OK makes with their messages, the paper list following the
// size and the orientation, the unit switch, and an untouched OK that gives
// back the exact sizes.
#include "forms/dialogs/designer/page_setup_dlg.h"
#include "forms/dialogs/designer/page_setup_values.h"
#include "forms/document/print/flayout.h"

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

// A4 with margins of 1, 0.5, 0.75 and 0.25 inches.
FLAYOUT Layout()
{
    FLAYOUT layout;
    layout.left = 1440;
    layout.top = 720;
    layout.right = 11906 - 1080;
    layout.bottom = 16838 - 360;
    return layout;
}

TEST(PageSetupValues, MarginsComeFromThePrintableEdgesAndGoBack)
{
    FLAYOUT layout = Layout();
    layout.option1 = 1;
    layout.option2 = 1;
    PageSetupValues v = PageSetupValues::FromLayout(layout, {0, 0, 11520, 2000}, 1);
    EXPECT_EQ(v.width, 11906);
    EXPECT_EQ(v.height, 16838);
    EXPECT_EQ(v.left, 1440);
    EXPECT_EQ(v.top, 720);
    EXPECT_EQ(v.right, 1080);
    EXPECT_EQ(v.bottom, 360);
    EXPECT_TRUE(v.contentsOnly);
    EXPECT_EQ(v.orientation, 1);
    EXPECT_EQ(v.unit, 1);
    EXPECT_EQ(v.minWidth, 11520) << "the objects' extent";
    EXPECT_EQ(v.minHeight, 2000);
    EXPECT_EQ(v.maxWidth, 32400);

    v.width = 12240;
    v.right = 720;
    v.contentsOnly = false;
    v.orientation = 0;
    v.ToLayout(layout);
    EXPECT_EQ(layout.pageWidth, 12240);
    EXPECT_EQ(layout.right, 11520);
    EXPECT_EQ(layout.bottom, 16838 - 360);
    EXPECT_EQ(layout.option1, 0);
    EXPECT_EQ(layout.option2, 0);
}

TEST(PageSetupValues, OKChecksInOrderWithTheirMessages)
{
    const PageSetupValues fine = PageSetupValues::FromLayout(Layout(), {0, 0, 11520, 1440}, 0);
    ASSERT_FALSE(fine.Check().has_value());
    const struct {
        const char* name;
        std::function<void(PageSetupValues&)> change;
        const char* message;
        int control;
    } cases[] = {
        {"negative left", [](PageSetupValues& v) { v.left = -1; }, "The value entered must be positive.", kLeftEdit},
        {"negative bottom, and too narrow", [](PageSetupValues& v) { v.bottom = -5, v.width = 100; },
            "The value entered must be positive.", kBottomEdit},
        {"narrower than the objects", [](PageSetupValues& v) { v.width = 11519; },
            "The minimum width for this form is  8.00 inches", kWidthEdit},
        {"too wide", [](PageSetupValues& v) { v.width = 32401; }, "The maximum width for this form is  22.50 inches",
            kWidthEdit},
        {"too low, in centimetres", [](PageSetupValues& v) { v.height = 1000, v.unit = 1; },
            "The minimum height for this form is  2.54 cm.", kHeightEdit},
        {"too high", [](PageSetupValues& v) { v.height = 40000; }, "The maximum height for this form  is 22.50 inches",
            kHeightEdit},
        {"margins too close sideways", [](PageSetupValues& v) { v.left = 5000, v.right = 5467; },
            "The gap between the left and right margins is too small.", kLeftEdit},
        {"margins too close upright", [](PageSetupValues& v) { v.top = 8000, v.bottom = 7399; },
            "The gap between the top and bottom margins is too small.", kTopEdit},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PageSetupValues v = fine;
        c.change(v);
        const std::optional<PageSetupValues::Problem> problem = v.Check();
        ASSERT_TRUE(problem.has_value());
        EXPECT_EQ(problem->message, c.message);
        EXPECT_EQ(problem->control, c.control);
    }
    PageSetupValues edge = fine;
    edge.left = 5000;
    edge.right = 11906 - 5000 - 1440;
    EXPECT_FALSE(edge.Check().has_value()) << "exactly an inch between the margins";
}

class PageSetupDialogTest : public ::testing::Test {
protected:
    PageSetupDialogTest() { dialog.values = PageSetupValues::FromLayout(Layout(), {0, 0, 2880, 2880}, 0); }
    int Run(const std::function<void(PAGE_SETUP_DLG&)>& drive)
    {
        res::ScopedMissingHandler missing(res::ThrowMissing);
        ui::ScopedDialogHook hook([&](ui::Dialog& running) { drive(static_cast<PAGE_SETUP_DLG&>(running)); });
        ui::ScopedMessageBoxHook boxes([this](const ui::MessageBoxRequest& request) {
            messages.push_back(request.text);
            return ui::IDOK;
        });
        return dialog.DoModal();
    }
    // Types into an edit, then the focus leaves it.
    static void Type(PAGE_SETUP_DLG& d, int id, const char* text)
    {
        auto* edit = d.Item<QLineEdit>(id);
        ASSERT_NE(edit, nullptr);
        edit->setFocus();
        edit->selectAll();
        TypeText(QString::fromLatin1(text), edit);
        d.SendCommand(id, ui::EN_KILLFOCUS);
    }
    static std::vector<std::string> Lengths(PAGE_SETUP_DLG& d)
    {
        std::vector<std::string> texts;
        for (int id : {kWidthEdit, kHeightEdit, kLeftEdit, kTopEdit, kRightEdit, kBottomEdit})
            texts.push_back(d.GetDlgItemText(id));
        return texts;
    }

    PAGE_SETUP_DLG dialog;
    std::vector<std::string> messages;
};

TEST_F(PageSetupDialogTest, AnUntouchedOKGivesBackTheExactSizes)
{
    const PageSetupValues before = dialog.values;
    EXPECT_EQ(Run([](PAGE_SETUP_DLG& d) {
        EXPECT_EQ(Lengths(d), (std::vector<std::string> {"8.27", "11.69", "1.00", "0.50", "0.75", "0.25"}));
        EXPECT_EQ(d.GetCurSel(kPaperList), 3) << "A4";
        EXPECT_EQ(d.GetCount(kPaperList), 9);
        EXPECT_TRUE(d.IsDlgButtonChecked(kPortrait));
        EXPECT_TRUE(d.IsDlgButtonChecked(kInchesRadio));
        QDir().mkpath(FORMS_TEST_OUTPUT_DIR "/dialogs");
        d.GetWindow()->grab().save(FORMS_TEST_OUTPUT_DIR "/dialogs/page_setup.png");
        // Leaving an edit unchanged reads nothing back.
        d.SendCommand(kWidthEdit, ui::EN_KILLFOCUS);
        d.SendCommand(1, ui::BN_CLICKED);
    }),
        1);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(dialog.values.width, before.width);
    EXPECT_EQ(dialog.values.height, before.height);
    EXPECT_EQ(dialog.values.right, before.right);
}

TEST_F(PageSetupDialogTest, ThePaperListFollowsSizeAndOrientation)
{
    EXPECT_EQ(Run([](PAGE_SETUP_DLG& d) {
        SendClick(d.GetDlgItem(kLandscape));
        EXPECT_EQ(d.GetDlgItemText(kWidthEdit), "11.69");
        EXPECT_EQ(d.GetDlgItemText(kHeightEdit), "8.27");
        EXPECT_EQ(d.GetCurSel(kPaperList), 3) << "still A4";
        // Letter within the tolerance, either way round.
        Type(d, kWidthEdit, "11");
        Type(d, kHeightEdit, "8.45");
        EXPECT_EQ(d.GetCurSel(kPaperList), 0);
        Type(d, kHeightEdit, "9");
        EXPECT_EQ(d.GetCurSel(kPaperList), 8) << "Custom Size";
        EXPECT_EQ(d.GetDlgItemText(kHeightEdit), "9") << "the typed value stays";
        // Choosing Legal takes its sides, turned for landscape.
        d.SetCurSel(kPaperList, 1);
        d.SendCommand(kPaperList, ui::CBN_SELCHANGE);
        EXPECT_EQ(d.GetDlgItemText(kWidthEdit), "14.00");
        EXPECT_EQ(d.GetDlgItemText(kHeightEdit), "8.50");
        // A text that is no number waits for OK.
        Type(d, kTopEdit, "abc");
        d.SendCommand(1, ui::BN_CLICKED);
        EXPECT_TRUE(d.IsRunning());
        EXPECT_TRUE(d.GetDlgItem(kTopEdit)->hasFocus());
        Type(d, kTopEdit, "0.5");
        d.SendCommand(1, ui::BN_CLICKED);
    }),
        1);
    EXPECT_EQ(messages, std::vector<std::string> {"Please enter a number."});
    EXPECT_EQ(dialog.values.orientation, 1);
    EXPECT_EQ(dialog.values.width, 20160);
    EXPECT_EQ(dialog.values.height, 12240);
    EXPECT_EQ(dialog.values.top, 720);
}

TEST_F(PageSetupDialogTest, SwitchingUnitsShowsEveryLengthAgain)
{
    EXPECT_EQ(Run([](PAGE_SETUP_DLG& d) {
        Type(d, kLeftEdit, "2");
        SendClick(d.GetDlgItem(kCentimetresRadio));
        EXPECT_EQ(Lengths(d), (std::vector<std::string> {"21.00", "29.70", "5.08", "1.27", "1.90", "0.63"}));
        Type(d, kRightEdit, "1");
        d.SendCommand(1, ui::BN_CLICKED);
    }),
        1);
    EXPECT_EQ(dialog.values.unit, 1);
    EXPECT_EQ(dialog.values.left, 2880);
    EXPECT_EQ(dialog.values.right, 567);
    EXPECT_EQ(dialog.values.width, 11906) << "left as shown";
}

TEST_F(PageSetupDialogTest, AFormWiderThanThePaperIsRefused)
{
    dialog.values.minWidth = 11520;
    EXPECT_EQ(Run([](PAGE_SETUP_DLG& d) {
        Type(d, kWidthEdit, "7.5");
        d.SendCommand(1, ui::BN_CLICKED);
        EXPECT_TRUE(d.GetDlgItem(kWidthEdit)->hasFocus());
        d.SendCommand(2, ui::BN_CLICKED);
    }),
        2);
    EXPECT_EQ(messages, std::vector<std::string> {"The minimum width for this form is  8.00 inches"});
}

} // namespace
