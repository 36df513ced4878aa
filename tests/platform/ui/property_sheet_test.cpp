// Property sheets through the dialog hook: pages made when first shown,
// a page that refuses to be left keeps the sheet on it and blocks OK, the
// buttons found and changed by id, and a sheet without pages.
#include "platform/ui/dialog/dialog_hook.h"
#include "platform/ui/dialog/notifications.h"
#include "platform/ui/dialog/property_page.h"
#include "platform/ui/dialog/property_sheet.h"

#include "tests/platform/ui/dialog_input.h"

#include "platform/res/dialog_template.h"

#include <QApplication>
#include <QTabBar>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

res::DialogTemplate PageDefinition(int id, const std::string& caption, int width, int height)
{
    return res::ParseDialogTemplate("PAGE\t" + std::to_string(id) + "\nCAPTION\t" + caption + "\nSIZE\t"
            + std::to_string(width) + " " + std::to_string(height)
            + "\nFONT\t8\tMS Sans Serif\n"
              "CONTROL\t10\tCHECKBOX\t4 4 60 10\tGROUP TABSTOP\t&Check\n"
              "CONTROL\t11\tEDITTEXT\t4 20 60 12\tTABSTOP\t\n",
        std::to_string(id) + ".dlg");
}

// Notes what the sheet asks of it, in order, as "<caption> <step>".
class NotingPage : public ui::PropertyPage {
public:
    NotingPage(const res::DialogTemplate& definition, std::vector<std::string>& log)
        : ui::PropertyPage(definition)
        , log(log)
    {}
    bool refuseLeaving = false;

    bool OnSetActive() override
    {
        log.push_back(GetCaption() + " active");
        return true;
    }
    bool OnKillActive() override
    {
        log.push_back(GetCaption() + (refuseLeaving ? " refuses" : " leaves"));
        return !refuseLeaving;
    }
    void OnOK() override { log.push_back(GetCaption() + " ok"); }
    void OnCancel() override { log.push_back(GetCaption() + " cancel"); }

protected:
    bool OnInitDialog() override
    {
        log.push_back(GetCaption() + " made");
        return true;
    }
    bool OnCommand(int id, unsigned code) override
    {
        if (code == ui::BN_CLICKED)
            log.push_back(GetCaption() + " click " + std::to_string(id));
        return ui::PropertyPage::OnCommand(id, code);
    }

private:
    std::vector<std::string>& log;
};

int RunSheet(ui::PropertySheet& sheet, const std::function<void(ui::PropertySheet&)>& drive)
{
    ui::ScopedDialogHook hook([&](ui::Dialog& running) { drive(static_cast<ui::PropertySheet&>(running)); });
    return sheet.DoModal();
}

TEST(PropertySheet, PagesAreMadeWhenFirstShownAndCloseWithTheirSteps)
{
    const res::DialogTemplate first = PageDefinition(401, "First", 120, 60);
    const res::DialogTemplate second = PageDefinition(402, "Second", 160, 80);
    const res::DialogTemplate third = PageDefinition(403, "Third", 100, 40);
    std::vector<std::string> log;
    NotingPage a(first, log), b(second, log), c(third, log);
    ui::PropertySheet sheet("Sheet", nullptr, 1);
    sheet.AddPage(&a);
    sheet.AddPage(&b);
    sheet.AddPage(&c);
    const int result = RunSheet(sheet, [&](ui::PropertySheet& s) {
        EXPECT_EQ(s.GetActiveIndex(), 1);
        EXPECT_FALSE(a.IsCreated());
        EXPECT_TRUE(b.IsCreated());
        auto* tabs = s.GetWindow()->findChild<QTabBar*>("sheet_tabs");
        ASSERT_NE(tabs, nullptr);
        ASSERT_EQ(tabs->count(), 3);
        EXPECT_EQ(tabs->tabText(0), "First");
        EXPECT_EQ(tabs->tabText(2), "Third");
        // A page's controls notify the page.
        SendClick(b.GetDlgItem(10));
        tabs->setCurrentIndex(0);
        EXPECT_EQ(s.GetActiveIndex(), 0);
        EXPECT_TRUE(a.IsCreated());
        EXPECT_FALSE(c.IsCreated());
        SendClick(s.GetDlgItem(1));
    });
    EXPECT_EQ(result, 1);
    const std::vector<std::string> expected {"Second made", "Second active", "Second click 10", "Second leaves",
        "First made", "First active", "First leaves", "First ok", "Second ok"};
    EXPECT_EQ(log, expected);
    EXPECT_FALSE(a.IsCreated());
    EXPECT_FALSE(b.IsCreated());
}

TEST(PropertySheet, APageThatRefusesToBeLeftKeepsTheSheetOnItAndBlocksOk)
{
    const res::DialogTemplate first = PageDefinition(401, "First", 120, 60);
    const res::DialogTemplate second = PageDefinition(402, "Second", 120, 60);
    std::vector<std::string> log;
    NotingPage a(first, log), b(second, log);
    a.refuseLeaving = true;
    ui::PropertySheet sheet("Sheet", nullptr, 0);
    sheet.AddPage(&a);
    sheet.AddPage(&b);
    const int result = RunSheet(sheet, [&](ui::PropertySheet& s) {
        auto* tabs = s.GetWindow()->findChild<QTabBar*>("sheet_tabs");
        tabs->setCurrentIndex(1);
        EXPECT_EQ(s.GetActiveIndex(), 0);
        EXPECT_EQ(tabs->currentIndex(), 0);
        EXPECT_FALSE(b.IsCreated());
        SendClick(s.GetDlgItem(1));
        EXPECT_TRUE(s.IsRunning());
        SendKey(Qt::Key_Escape);
    });
    EXPECT_EQ(result, 2);
    const std::vector<std::string> expected {
        "First made", "First active", "First refuses", "First refuses", "First cancel"};
    EXPECT_EQ(log, expected);
}

TEST(PropertySheet, ButtonsAreFoundByIdAndCanBeHiddenMovedAndCaptioned)
{
    const res::DialogTemplate page = PageDefinition(401, "Only", 200, 100);
    std::vector<std::string> log;
    NotingPage a(page, log);
    ui::PropertySheet sheet("Sheet", nullptr, 0);
    sheet.AddPage(&a);
    RunSheet(sheet, [&](ui::PropertySheet& s) {
        for (int id : {1, 2, ui::ID_APPLY_NOW, ui::ID_HELP})
            ASSERT_NE(s.GetDlgItem(id), nullptr) << id;
        // The buttons stand in a row below the page, Help at the right.
        EXPECT_LT(s.GetItemRect(1).right, s.GetItemRect(2).left);
        EXPECT_LT(s.GetItemRect(ui::ID_APPLY_NOW).right, s.GetItemRect(ui::ID_HELP).left);
        EXPECT_GT(s.GetItemRect(1).top, a.GetWindow()->geometry().bottom());
        s.ShowItem(ui::ID_APPLY_NOW, false);
        EXPECT_TRUE(s.GetDlgItem(ui::ID_APPLY_NOW)->isHidden());
        gdi::RECT help = s.GetItemRect(ui::ID_HELP);
        const int width = help.Width();
        help.left -= 30;
        s.MoveItem(ui::ID_HELP, help);
        EXPECT_EQ(s.GetItemRect(ui::ID_HELP).Width(), width + 30);
        s.SetDlgItemText(ui::ID_HELP, "Data >>");
        EXPECT_EQ(s.GetDlgItemText(ui::ID_HELP), "Data >>");
        s.EndDialog(2);
    });
}

TEST(PropertySheet, ASheetWithoutPagesOpensNoWindowAndAnswersCancel)
{
    ui::PropertySheet sheet("Empty", nullptr, 0);
    bool hookRan = false;
    EXPECT_EQ(RunSheet(sheet, [&](ui::PropertySheet&) { hookRan = true; }), 2);
    EXPECT_FALSE(hookRan);
    EXPECT_EQ(sheet.GetWindow(), nullptr);
}

TEST(PropertySheet, ASheetThatNobodyAnswersThrows)
{
    const res::DialogTemplate page = PageDefinition(401, "Only", 100, 50);
    std::vector<std::string> log;
    NotingPage a(page, log);
    ui::PropertySheet sheet("Sheet", nullptr, 0);
    sheet.AddPage(&a);
    EXPECT_THROW(RunSheet(sheet, [](ui::PropertySheet&) {}), ui::UnansweredDialog);
    EXPECT_FALSE(a.IsCreated());
}

} // namespace
