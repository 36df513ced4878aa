// Tables in the design view: the Table command with its dialog, where the
// new table lands, Delete while a cell is current, Undo Deletion and a
// pasted copy, and a boundary dragged with the mouse.
#include "tests/app/support/designer_window.h"

#include "forms/app/views/design/design_format.h"
#include "forms/dialogs/table/table_props_dlg.h"
#include "forms/document/fdocument.h"
#include "forms/document/print/flayout.h"
#include "forms/document/ptrarray.h"
#include "forms/model/shadow.h"
#include "forms/objects/fbdry.h"
#include "forms/objects/fcell.h"
#include "forms/objects/fselection.h"
#include "forms/objects/ftable.h"
#include "forms/res/command_ids.h"

#include "platform/ui/dialog/dialog_hook.h"
#include "platform/ui/dialog/notifications.h"
#include "platform/ui/message_box.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int kNameEdit = 1269;
constexpr int kColumnsEdit = 1215;

class DesignerTableTest : public DesignerTest {
protected:
    // Runs the Table command; drive works the dialog, message boxes are
    // recorded and answered OK.
    void RunTable(const std::function<void(TABLE_PROPS_DLG&)>& drive)
    {
        ui::ScopedDialogHook hook([&](ui::Dialog& running) { drive(static_cast<TABLE_PROPS_DLG&>(running)); });
        ui::ScopedMessageBoxHook answer([this](const ui::MessageBoxRequest& request) {
            messages.push_back(request.text);
            return ui::IDOK;
        });
        ASSERT_TRUE(view.ExecuteCommand(ID_TOOL_TABLE));
    }
    static void Ok(TABLE_PROPS_DLG& d) { d.SendCommand(1, ui::BN_CLICKED); }
    std::vector<FTABLE*> Tables()
    {
        std::vector<FTABLE*> tables;
        for (FORMOBJ* o : Objects())
            if (auto* t = dynamic_cast<FTABLE*>(o))
                tables.push_back(t);
        return tables;
    }
    std::vector<uint16_t> Order()
    {
        std::vector<uint16_t> ids;
        for (int i = 0; i < doc->GetTabOrderCount(); ++i)
            ids.push_back(doc->GetFieldIDAt(i));
        return ids;
    }
    static std::vector<uint16_t> CellIds(FTABLE& table)
    {
        std::vector<uint16_t> ids;
        table.ForEachCell([&ids](FORMOBJ& cell) { ids.push_back(dynamic_cast<FCELL&>(cell).GetFieldID()); });
        return ids;
    }

    std::vector<std::string> messages;
};

TEST_F(DesignerTableTest, TheCommandProposesANameAndPlacesTheTableAtTheMarginsSelectedAndInOrder)
{
    const FLAYOUT& layout = *doc->GetPageLayout(1);
    RunTable([](TABLE_PROPS_DLG& d) {
        EXPECT_EQ(d.GetDlgItemText(kNameEdit), "T1");
        EXPECT_EQ(d.columns, 4);
        EXPECT_EQ(d.rows, 4);
        EXPECT_TRUE(d.columnHeaders && d.rowHeaders);
        Ok(d);
    });
    ASSERT_EQ(Tables().size(), 1u);
    FTABLE& table = *Tables()[0];
    EXPECT_EQ(table.GetName(), "T1");
    EXPECT_EQ(Selected(), std::vector<FORMOBJ*> {&table});
    EXPECT_EQ(table.GetColumnCount(), 4);
    EXPECT_EQ(table.GetRowCount(), 4);
    EXPECT_TRUE(table.HasColumnHeaders() && table.HasRowHeaders());
    const RECT r = RectOf(&table);
    EXPECT_EQ(r.left, layout.left);
    EXPECT_EQ(r.top, layout.top);
    EXPECT_EQ(r.right - r.left, 1440 * 5 / 2) << "four columns and the header column, half an inch each";
    EXPECT_EQ(r.bottom - r.top, 1440 * 5 / 3);
    EXPECT_EQ(Order(), CellIds(table)) << "the cells in the filling order, row by row";
    EXPECT_EQ(doc->GetTableCounter(false), 2) << "the proposed name was taken";
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(messages.empty());

    // A name of the user's, tidied: the counter stays.
    RunTable([](TABLE_PROPS_DLG& d) {
        d.SetDlgItemText(kNameEdit, "budget  ");
        Ok(d);
    });
    ASSERT_EQ(Tables().size(), 2u);
    EXPECT_EQ(Tables()[1]->GetName(), "Budget");
    EXPECT_EQ(doc->GetTableCounter(false), 2);
    // A name in use, in any case, is refused and the dialog stays open.
    RunTable([](TABLE_PROPS_DLG& d) {
        d.SetDlgItemText(kNameEdit, "BUDGET");
        Ok(d);
        EXPECT_TRUE(d.GetWindow()->isVisible()) << "still open after the refusal";
        d.SendCommand(2, ui::BN_CLICKED);
    });
    EXPECT_EQ(messages, std::vector<std::string> {"A table of this name is already on the form."});
    EXPECT_EQ(Tables().size(), 2u);
    EXPECT_NE(Tables()[0]->GetTableId(), Tables()[1]->GetTableId());
}

TEST_F(DesignerTableTest, ANarrowPageAllowsFewerColumnsAndCancelMakesNothing)
{
    FLAYOUT& layout = *doc->GetPageLayout(1);
    layout.right = static_cast<uint16_t>(layout.left + 720);
    RunTable([](TABLE_PROPS_DLG& d) {
        d.SetDlgItemText(kColumnsEdit, "5");
        Ok(d);
        d.SetDlgItemText(kColumnsEdit, "4");
        d.SendCommand(2, ui::BN_CLICKED);
    });
    EXPECT_EQ(messages, std::vector<std::string> {"Please enter an integer between 1 and 4."});
    EXPECT_TRUE(Tables().empty());
    EXPECT_EQ(doc->GetTableCounter(false), 1);
}

TEST_F(DesignerTableTest, DeleteWaitsWhileACellIsCurrentAndUndoPutsTheCellsBack)
{
    RunTable(Ok);
    FTABLE& table = *Tables()[0];
    const std::vector<uint16_t> order = Order();
    table.SetCurrentObject(table.GetCell(1, 1), &view);
    EXPECT_FALSE(Enabled(ID_EDIT_CLEAR));
    Key(Qt::Key_Delete);
    EXPECT_EQ(Tables().size(), 1u) << "nothing deleted while a cell is current";

    table.EndCurrentObject(&view);
    EXPECT_TRUE(Enabled(ID_EDIT_CLEAR));
    Key(Qt::Key_Delete);
    EXPECT_TRUE(Tables().empty());
    EXPECT_TRUE(Order().empty()) << "the cells left the filling order";
    ASSERT_TRUE(view.ExecuteCommand(ID_EDIT_UNDO));
    ASSERT_EQ(Tables().size(), 1u);
    EXPECT_EQ(Order(), order) << "every cell back at its index";
    EXPECT_EQ(doc->FindField(order[5]), Tables()[0]->FindCell(order[5]));
}

TEST_F(DesignerTableTest, APastedCopyTakesANewNameTableIdAndCellIds)
{
    RunTable(Ok);
    FTABLE& original = *Tables()[0];
    view.GetClipboard().OnEditCopy();
    view.GetClipboard().OnEditPaste();
    ASSERT_EQ(Tables().size(), 2u);
    FTABLE& copy = *Tables()[1];
    EXPECT_NE(copy.GetName(), original.GetName());
    EXPECT_NE(copy.GetTableId(), original.GetTableId());
    std::set<uint16_t> ids;
    for (uint16_t id : CellIds(original))
        ids.insert(id);
    for (uint16_t id : CellIds(copy))
        EXPECT_TRUE(ids.insert(id).second) << "cell id " << id << " given twice";
    EXPECT_EQ(Order().size(), 32u);
}

TEST_F(DesignerTableTest, AnInnerLineDraggedWithTheMouseWidensTheTable)
{
    RunTable(Ok);
    FTABLE& table = *Tables()[0];
    const RECT before = RectOf(&table);
    const int32_t x = table.GetColumnPos(2);
    const int32_t y = (table.GetRowPos(1) + table.GetRowPos(2)) / 2;
    // The table is selected: a click on the line makes it current; a press
    // on it then drags it 200 twips to the right.
    Click(At(x, y));
    ASSERT_NE(table.GetCurrentObject(), nullptr);
    EXPECT_EQ(table.GetCurrentObject(), static_cast<FORMOBJ*>(table.GetColumnBoundary(2)));
    const int32_t width3 = table.GetColumnPos(4) - table.GetColumnPos(3);
    view.SetSnap(false);
    Drag({At(x, y), At(x + 100, y), At(x + 200, y)});
    EXPECT_NEAR(RectOf(&table).right - before.right, 200, 15);
    EXPECT_EQ(table.GetColumnPos(4) - table.GetColumnPos(3), width3) << "columns to the right keep their width";
    EXPECT_TRUE(doc->IsModified());
}

} // namespace

namespace {

TEST_F(DesignerTableTest, TheObjectFactoryMakesADefaultTableWithTheCurrentShadow)
{
    SHADOW& current = view.Format().NewObjectShadow();
    current.x = 60;
    current.y = 60;
    current.colour = 0x808080;
    std::unique_ptr<FORMOBJ> made = view.NewObjectOfType(kTypeTable);
    auto* table = dynamic_cast<FTABLE*>(made.get());
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->GetColumnCount(), 2);
    EXPECT_EQ(table->GetRowCount(), 2);
    EXPECT_TRUE(table->HasColumnHeaders() && table->HasRowHeaders());
    SHADOW own;
    ASSERT_TRUE(table->GetShadow(&own));
    EXPECT_EQ(own.x, 60);
    EXPECT_EQ(own.colour, 0x808080u);
}

} // namespace
