// Filling a table: its cells in the filling order with the form's fields,
// Tab through them, a total over a column recalculated as numbers are
// typed, and check-box and list cells.
#include "tests/app/views/fill/fill_view_fixture.h"

#include "forms/document/windowless_view.h"
#include "forms/editor/editor_listener.h"
#include "forms/editor/form_editor.h"
#include "forms/fields/datatypes/check_datatype.h"
#include "forms/fields/datatypes/datatype.h"
#include "forms/fields/datatypes/datatype_factory.h"
#include "forms/fields/editor/texteditwnd.h"
#include "forms/fields/editor/texteditwnd_droplist.h"
#include "forms/model/fobjlist.h"
#include "forms/model/viewdc.h"
#include "forms/objects/fcell.h"
#include "forms/objects/fselection.h"
#include "forms/objects/ftable.h"
#include "forms/objects/table_format.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Columns of T1: text, number, check box and a list of colours.
enum { kText, kNumber, kBox, kList };

// A field "Name" above a 4 × 4 table T1 with both header bands, and below
// it a protected "Total" of the table's number column.
class TableFillTest : public FillViewTest {
protected:
    TableFillTest()
        : name(AddField(kKindText, "Name"))
    {
        TABLE_FORMAT format;
        format.columns = 4;
        format.rows = 4;
        format.rect = {720, 1200, 6480, 3200};
        format.cellText = Font(0, 200);
        auto made = std::make_unique<FTABLE>();
        EXPECT_TRUE(made->CreateFromFormat(format));
        const std::unique_ptr<LISTBOXVALUES> colours = Values({"Red", "Green", "Blue"}, true);
        for (int r = 0; r < 4; ++r) {
            made->GetCell(kNumber, r)->SetDataType(*CreateDataType(kKindNumber), nullptr);
            made->GetCell(kBox, r)->SetDataType(*CreateDataType(kKindCheckBox), nullptr);
            made->GetCell(kList, r)->SetValueList(colours.get(), nullptr);
        }
        table = &PlaceTable(std::move(made), "T1", 3400);
        total = &AddField(kKindNumber, "Total");
        SetProtected(*total);
        EXPECT_EQ(Formula(*total, "SUM(T1.ColB[1..4])"), "");
    }

    FCELL* Cell(int column, int row) const { return table->GetCell(column, row); }
    // The cells row by row.
    std::vector<FORMOBJ*> Cells() const
    {
        std::vector<FORMOBJ*> out;
        table->ForEachCell([&out](FORMOBJ& cell) { out.push_back(&cell); });
        return out;
    }
    std::vector<FORMOBJ*> Order() const
    {
        std::vector<FORMOBJ*> out;
        for (int i = 0; i < doc->GetTabOrder().GetCount(); ++i)
            out.push_back(doc->GetTabOrder().GetAt(i));
        return out;
    }
    RECT WindowRect(FFIELD& field)
    {
        RECT inner;
        {
            VIEWDC dc(view.get(), kOwnWindow);
            field.GetInnerRect(inner, dc);
        }
        return ToWindow(inner);
    }

    FFIELD& name;
    FTABLE* table = nullptr;
    FFIELD* total = nullptr;
};

class NoListener : public EDITOR_LISTENER {
public:
    void PasteTooLarge() override {}
    void PastePlaced() override {}
    void PageChanged(const FHINT&) override {}
};

TEST_F(TableFillTest, CellsEnterTheOrderRowByRowAndFollowTheTableWhenAMoveChangesThePlaces)
{
    std::vector<FORMOBJ*> expected {&name};
    for (FORMOBJ* cell : Cells())
        expected.push_back(cell);
    expected.push_back(total);
    ASSERT_EQ(Order(), expected);
    EXPECT_EQ(FullName(Order()[2]), "T1.ColB[1]");
    EXPECT_EQ(FullName(Order()[5]), "T1.ColA[2]");

    WINDOWLESS_VIEW windowless(*doc);
    FSELECTION selection(&doc->GetObjects());
    NoListener listener;
    FORM_EDITOR editor(*doc, selection, windowless, listener);
    const std::vector<FORMOBJ*> cells = Cells();
    struct Move {
        const char* what;
        RECT to;
        std::vector<FORMOBJ*> order;
    };
    std::vector<FORMOBJ*> belowTotal {&name, total};
    belowTotal.insert(belowTotal.end(), cells.begin(), cells.end());
    std::vector<FORMOBJ*> aboveName = cells;
    aboveName.insert(aboveName.end(), {&name, total});
    const Move moves[] = {
        {"below the total", {720, 4000, 6480, 6000}, belowTotal},
        {"above the name", {720, 0, 6480, 2000}, aboveName},
    };
    for (const Move& move : moves) {
        const std::vector<FORMOBJ*> before = editor.FieldsByPosition();
        table->SetRectBy(move.to.left, move.to.top, move.to.right, move.to.bottom);
        editor.FollowFillingOrder(before);
        EXPECT_EQ(Order(), move.order) << move.what;
    }
}

TEST_F(TableFillTest, TabWalksFromTheFieldThroughTheCellsRowByRowPassingTheProtectedTotal)
{
    Start();
    ASSERT_EQ(Current(), &name);
    for (FORMOBJ* cell : Cells()) {
        Key(Qt::Key_Tab);
        ASSERT_EQ(Current(), cell) << FullName(cell);
    }
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), &name);
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Current(), Cell(kList, 3));
}

TEST_F(TableFillTest, NumbersTypedIntoTheNumberColumnRecalculateTheTotal)
{
    Start();
    EXPECT_EQ(Number(*total), 0);
    for (int r = 0; r < 4; ++r) {
        Click(At(*Cell(kNumber, r)));
        ASSERT_EQ(Current(), Cell(kNumber, r));
        ASSERT_NE(view->CanEditCurrentField(), nullptr) << "the number cell opens its editor";
        Type(std::to_string(r + 1));
        Key(Qt::Key_Tab);
        EXPECT_EQ(Current(), Cell(kBox, r));
    }
    EXPECT_EQ(Number(*total), 1 + 2 + 3 + 4);
    // A changed cell in the middle of the range recalculates the total.
    Click(At(*Cell(kNumber, 1)));
    view->CanEditCurrentField()->SelectAll();
    Type("20");
    Key(Qt::Key_Tab);
    EXPECT_EQ(Number(*total), 1 + 20 + 3 + 4);
}

TEST_F(TableFillTest, ACheckBoxCellTogglesBySpaceAndClick)
{
    FCELL& box = *Cell(kBox, 0);
    Start();
    Click(At(box));
    ASSERT_EQ(Current(), &box);
    EXPECT_TRUE(IsChecked(box)) << "a click on the box checks it";
    Key(Qt::Key_Space);
    EXPECT_FALSE(IsChecked(box)) << "Space clears it";
    Key(Qt::Key_Space);
    EXPECT_TRUE(IsChecked(box));
    Click(At(box));
    EXPECT_FALSE(IsChecked(box));
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), Cell(kList, 0));
    EXPECT_TRUE(ShowsAsRedrawn(box)) << "the cell's focus outline went with it";
}

TEST_F(TableFillTest, AListCellDropsItsListThreeCellsTallAndTakesAnEntry)
{
    FCELL& colour = *Cell(kList, 0);
    Start();
    RECT button;
    {
        VIEWDC dc(view.get(), kOwnWindow);
        colour.GetDropButtonRect(button, dc);
    }
    const RECT device = ToWindow(button);
    Click({(device.left + device.right) / 2, (device.top + device.bottom) / 2});
    ASSERT_EQ(Current(), &colour);
    TEXTEDITWND* editor = view->CanEditCurrentField();
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(editor->IsDropListShown());
    RECT cell;
    colour.GetRect(cell);
    const RECT cellPixels = ToWindow(cell);
    const gdi::RECT list = editor->GetDropListFrame()->GetWindowRect();
    const int listHeight = list.bottom - list.top;
    EXPECT_LE(std::abs(listHeight - 3 * (cellPixels.bottom - cellPixels.top)), 3)
        << "list " << listHeight << " pixels, cell " << cellPixels.bottom - cellPixels.top;
    Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    EXPECT_FALSE(editor->IsDropListShown());
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), Cell(kText, 1));
    std::string text;
    colour.GetDataType()->GetText(text);
    EXPECT_EQ(text, "Green");
}

} // namespace
