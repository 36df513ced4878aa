// The design view's page commands: Delete Page asks only about a page that
// holds objects, Insert and Append Page deselect and keep the other views
// on the pages they showed, and Snap To Grid reaches every design window of
// every open form.
#include "tests/app/support/designer_window.h"
#include "tests/app/support/started_app.h"

#include "forms/app/program/form_classes.h"
#include "forms/app/views/design/design_pages.h"
#include "forms/document/fdocument.h"
#include "forms/model/formobj.h"
#include "forms/objects/fselection.h"

#include "forms/dialogs/designer/griddialog.h"
#include "forms/dialogs/designer/page_setup_dlg.h"
#include "forms/document/print/flayout.h"
#include "forms/model/record_archive.h"

#include "tests/platform/ui/dialog_input.h"

#include "platform/io/archive.h"
#include "platform/io/memory_file.h"
#include "platform/ui/cmd_ui.h"
#include "platform/ui/dialog/dialog.h"
#include "platform/ui/dialog/dialog_hook.h"
#include "platform/ui/dialog/notifications.h"
#include "platform/ui/message_box.h"

#include <QLineEdit>

#include <algorithm>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class DesignerPagesTest : public DesignerTest {
protected:
    ui::ScopedMessageBoxHook Answering(int answer)
    {
        return ui::ScopedMessageBoxHook([this, answer](const ui::MessageBoxRequest& request) {
            questions.push_back(request);
            return answer;
        });
    }
    FORMOBJ* AddOn(uint16_t page, RECT rect)
    {
        std::unique_ptr<FORMOBJ> object = doc->GetObjects().CreateObject(kTypeBox);
        object->SetRect(rect.left, rect.top, rect.right, rect.bottom);
        FORMOBJ* added = object.get();
        doc->GetObjects().SetObjectPage(std::move(object), page);
        return added;
    }
    std::vector<uint16_t> PagesOfObjects()
    {
        std::vector<uint16_t> pages;
        for (FORMOBJ* o : Objects())
            pages.push_back(o->GetPage());
        return pages;
    }

    std::vector<ui::MessageBoxRequest> questions;
};

struct DeleteCase {
    const char* name;
    uint16_t pages; // pages of the form
    std::vector<uint16_t> objectPages; // a box on each
    uint16_t shown; // the page deleted
    int answer;
    bool asked;
    uint16_t pagesAfter;
    std::vector<uint16_t> objectPagesAfter;
    int shownAfter;
};

TEST_F(DesignerPagesTest, DeletePageAsksOnlyAboutObjectsAndKeepsOnePage)
{
    const DeleteCase cases[] = {
        {"one page with objects, Yes", 1, {1, 1}, 1, ui::IDYES, true, 1, {}, 1},
        {"one page with objects, No", 1, {1, 1}, 1, ui::IDNO, true, 1, {1, 1}, 1},
        {"empty page of two", 2, {2}, 1, ui::IDNO, false, 1, {1}, 1},
        {"middle page, Yes", 3, {1, 2, 3}, 2, ui::IDYES, true, 2, {1, 2}, 2},
        {"last page moves the view back", 3, {1, 3}, 3, ui::IDYES, true, 2, {1}, 2},
        {"empty one-page form", 1, {}, 1, ui::IDNO, false, 1, {}, 1},
    };
    for (const DeleteCase& c : cases) {
        SCOPED_TRACE(c.name);
        // Back to one empty page.
        view.GetSelection()->Deselect(&view);
        while (doc->GetPageCount() > 1)
            doc->DeletePage(doc->GetPageCount());
        doc->DeletePage(1);
        for (uint16_t n = 1; n < c.pages; ++n)
            doc->AppendPage();
        for (uint16_t page : c.objectPages)
            AddOn(page, {1440, 1440, 2880, 2880});
        view.SetPage(c.shown);
        if (!c.objectPages.empty() && c.objectPages.front() == c.shown)
            Objects().front()->Select(&view);
        questions.clear();
        {
            auto hook = Answering(c.answer);
            ASSERT_TRUE(view.ExecuteCommand(ID_EDIT_DELETE_PAGE));
        }
        ASSERT_EQ(questions.size(), c.asked ? 1u : 0u);
        if (c.asked) {
            EXPECT_EQ(questions[0].text, "Delete the current page and objects?");
            EXPECT_EQ(questions[0].flags & ui::MB_TYPEMASK, ui::MB_YESNO);
            EXPECT_EQ(questions[0].flags & ui::MB_ICONMASK, ui::MB_ICONQUESTION);
        }
        EXPECT_EQ(doc->GetPageCount(), c.pagesAfter);
        EXPECT_EQ(PagesOfObjects(), c.objectPagesAfter);
        EXPECT_EQ(view.GetCurrentPage(), c.shownAfter);
        if (c.answer == ui::IDYES) {
            EXPECT_EQ(view.GetSelection()->GetCount(), 0);
        }
    }
}

TEST_F(DesignerPagesTest, DeletingAPageForgetsThePendingUndoDeletion)
{
    auto hook = Answering(ui::IDYES);
    doc->AppendPage();
    FORMOBJ* box = AddOn(1, {1440, 1440, 2880, 2880});
    AddOn(2, {1440, 1440, 2880, 2880});
    box->Select(&view);
    view.DeleteSelection(false);
    ASSERT_TRUE(Enabled(ID_EDIT_UNDO));
    view.SetPage(2);
    ASSERT_TRUE(view.ExecuteCommand(ID_EDIT_DELETE_PAGE));
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
    EXPECT_EQ(view.GetCurrentPage(), 1);
    EXPECT_TRUE(Objects().empty());
}

TEST_F(DesignerPagesTest, InsertAndAppendKeepEveryViewOnItsContent)
{
    doc->AppendPage();
    FORMOBJ* first = AddOn(1, {1440, 1440, 2880, 2880});
    FORMOBJ* second = AddOn(2, {1440, 1440, 2880, 2880});
    // A second design view of the form shows page 2.
    FDESIGNVIEW other;
    ui::ViewHost otherHost;
    otherHost.resize(600, 400);
    otherHost.SetView(&other);
    other.SetDocument(doc.get());
    other.OnInitialUpdate();
    other.SetPage(2);

    first->Select(&view);
    ASSERT_TRUE(view.ExecuteCommand(ID_EDIT_INSERT_PAGE));
    EXPECT_EQ(doc->GetPageCount(), 3);
    EXPECT_EQ(view.GetCurrentPage(), 1);
    EXPECT_EQ(view.GetSelection()->GetCount(), 0);
    EXPECT_FALSE(first->IsSelected(nullptr));
    EXPECT_EQ(first->GetPage(), 2);
    EXPECT_EQ(second->GetPage(), 3);
    // The other view still shows the box it showed.
    EXPECT_EQ(other.GetCurrentPage(), 3);

    ASSERT_TRUE(view.ExecuteCommand(ID_EDIT_APPEND_PAGE));
    EXPECT_EQ(doc->GetPageCount(), 4);
    EXPECT_EQ(view.GetCurrentPage(), 4);
    EXPECT_EQ(other.GetCurrentPage(), 3);
    EXPECT_EQ(PagesOfObjects(), (std::vector<uint16_t> {2, 3}));
    EXPECT_TRUE(doc->IsModified());

    otherHost.SetView(nullptr);
    other.SetDocument(nullptr);
}

// The layout's group as the form file holds it.
std::vector<uint8_t> LayoutBytes(const FLAYOUT& layout)
{
    io::MemoryFile file;
    {
        io::Archive archive(file, io::Archive::Store);
        RECORDARCHIVE ar(archive);
        layout.Write(ar, 0x43, nullptr);
        archive.Close();
    }
    return file.Data();
}

TEST_F(DesignerPagesTest, PageSetupWritesTheLayoutRecordAndAnUntouchedOKChangesNothing)
{
    FLAYOUT& layout = *doc->GetPageLayout(1);
    const std::vector<uint8_t> before = LayoutBytes(layout);
    {
        ui::ScopedDialogHook hook([](ui::Dialog& running) { running.SendCommand(1, ui::BN_CLICKED); });
        ASSERT_TRUE(view.ExecuteCommand(ID_FILE_PAGE_SETUP));
    }
    EXPECT_EQ(LayoutBytes(layout), before);

    // Letter in landscape, margins of 1 inch left and 0.5 inch right, and
    // contents only.
    {
        ui::ScopedDialogHook hook([](ui::Dialog& running) {
            running.SetCurSel(kPaperList, 0);
            running.SendCommand(kPaperList, ui::CBN_SELCHANGE);
            SendClick(running.GetDlgItem(kLandscape));
            running.SetDlgItemText(kLeftEdit, "1");
            running.SetDlgItemText(kRightEdit, "0.5");
            running.CheckDlgButton(kContentsOnly, true);
            running.SendCommand(1, ui::BN_CLICKED);
        });
        ASSERT_TRUE(view.ExecuteCommand(ID_FILE_PAGE_SETUP));
    }
    EXPECT_TRUE(doc->IsModified());
    // Record 0x81: options 1 and 2, height 12240, width 15840, left 1440,
    // top 720, right edge 15120, bottom edge 11520, one page.
    const std::vector<uint8_t> record
        = {0x81, 16, 0, 1, 1, 0xD0, 0x2F, 0xE0, 0x3D, 0xA0, 0x05, 0xD0, 0x02, 0x10, 0x3B, 0x00, 0x2D, 1, 0};
    const std::vector<uint8_t> after = LayoutBytes(layout);
    EXPECT_NE(std::search(after.begin(), after.end(), record.begin(), record.end()), after.end());
    EXPECT_EQ(view.GetPageWidth(), 15840);
}

using SnapToGridTest = StartedAppTest;

TEST_F(SnapToGridTest, SwitchedInOneWindowHoldsInEveryDesignWindowOfTwoForms)
{
    auto app = StartApp({}, FormAppClasses());
    ASSERT_TRUE(app->ExecuteCommand(ID_FILE_NEW));
    RunEventsFor(20);
    const std::vector<ui::Frame*> children = app->GetMainFrame()->GetChildren();
    ASSERT_EQ(children.size(), 2u);
    auto* view = dynamic_cast<FDESIGNVIEW*>(app->GetMainFrame()->GetActiveChild()->GetActiveView());
    ASSERT_NE(view, nullptr);
    const std::vector<FDESIGNVIEW*> all = view->Pages().AllDesignViews();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_NE(all[0]->GetDocument(), all[1]->GetDocument());

    for (const bool expected : {false, true}) {
        ASSERT_TRUE(view->ExecuteCommand(ID_DRAW_SNAP_TO_GRID));
        EXPECT_EQ(DESIGN_PAGES::IsSnapToGridOn(), expected);
        for (FDESIGNVIEW* each : all) {
            EXPECT_EQ(each->GetSnap(), expected);
            ui::CmdUI cmdUI(ID_DRAW_SNAP_TO_GRID);
            cmdUI.DoUpdate(*each, true);
            EXPECT_EQ(cmdUI.Check(), expected ? 1 : 0);
        }
    }
    for (ui::Frame* child : children)
        if (auto* doc = dynamic_cast<FDOCUMENT*>(child->GetActiveDocument()))
            doc->SetModified(false);
    CloseApp(*app);
}

// The orientation chosen in Page Setup becomes the program's printer's,
// either way.
using PageSetupPrinterTest = StartedAppTest;

TEST_F(PageSetupPrinterTest, PageSetupTurnsTheProgramsPrinter)
{
    auto app = StartApp({}, FormAppClasses());
    auto* view = dynamic_cast<FDESIGNVIEW*>(app->GetMainFrame()->GetActiveChild()->GetActiveView());
    ASSERT_NE(view, nullptr);
    for (const auto& [radio, orientation] :
        {std::pair {kLandscape, gdi::DMORIENT_LANDSCAPE}, {kPortrait, gdi::DMORIENT_PORTRAIT}}) {
        const int button = radio;
        ui::ScopedDialogHook hook([button](ui::Dialog& running) {
            SendClick(running.GetDlgItem(button));
            running.SendCommand(1, ui::BN_CLICKED);
        });
        ASSERT_TRUE(view->ExecuteCommand(ID_FILE_PAGE_SETUP));
        EXPECT_TRUE(app->GetDevMode().fields & gdi::DM_ORIENTATION);
        EXPECT_EQ(app->GetDevMode().orientation, orientation);
    }
    view->GetFormDocument()->SetModified(false);
    CloseApp(*app);
}

TEST_F(SnapToGridTest, AUnitChangedInTheGridDialogReachesEveryViewOfEveryForm)
{
    auto app = StartApp({}, FormAppClasses());
    ASSERT_TRUE(app->ExecuteCommand(ID_FILE_NEW));
    RunEventsFor(20);
    auto* view = dynamic_cast<FDESIGNVIEW*>(app->GetMainFrame()->GetActiveChild()->GetActiveView());
    ASSERT_NE(view, nullptr);
    const std::vector<FBASEVIEW*> all = view->Pages().AllFormViews();
    ASSERT_EQ(all.size(), 2u);
    {
        ui::ScopedDialogHook hook([](ui::Dialog& running) {
            EXPECT_EQ(running.GetDlgItemText(1000), "0.050");
            SendClick(running.GetDlgItem(1242));
            running.SetDlgItemText(1410, "1");
            running.SendCommand(1, ui::BN_CLICKED);
        });
        ASSERT_TRUE(view->ExecuteCommand(ID_TOOLS_GRID_SETTINGS));
    }
    EXPECT_EQ(app->GetUserSettings().inches, 1);
    for (FBASEVIEW* each : all)
        EXPECT_EQ(each->GetUnit(), 1);
    const FGRID& grid = view->GetFormDocument()->GetPageLayout(1)->grid;
    EXPECT_EQ(grid.GetHorizontalSpacing(), 72) << "0.127 cm";
    EXPECT_EQ(grid.GetHorizontalOrigin(), 567);
    EXPECT_TRUE(view->GetFormDocument()->IsModified());
    for (ui::Frame* child : app->GetMainFrame()->GetChildren())
        if (auto* doc = dynamic_cast<FDOCUMENT*>(child->GetActiveDocument()))
            doc->SetModified(false);
    CloseApp(*app);
}

} // namespace
