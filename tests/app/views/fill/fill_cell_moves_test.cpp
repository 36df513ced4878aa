// Up and Down between the cells of a table's column while filling: the
// text editor passes them on from its first or last line, a check-box
// cell's window passes them on at once; the value is committed first, and
// no move happens at the table's edge, onto a protected cell or outside a
// table.
#include "tests/app/views/fill/fill_view_fixture.h"

#include "forms/fields/datatypes/datatype.h"
#include "forms/fields/datatypes/datatype_factory.h"
#include "forms/fields/datatypes/datatype_texts.h"
#include "forms/fields/editor/texteditwnd.h"
#include "forms/model/fobjlist.h"
#include "forms/objects/fcell.h"
#include "forms/objects/ftable.h"
#include "forms/objects/table_format.h"

#include "platform/ui/message_box.h"

#include <QApplication>

#include <string>
#include <vector>

namespace {

// Columns of T1: text, number and check box.
enum { kText, kNumber, kBox };

// A field "Name" above a 3 × 4 table T1 whose rows hold two lines of text;
// below it a protected "Total" of the number column and a check box
// "Agree" outside the table. Messages are recorded, not shown.
class CellMoveTest : public FillViewTest {
protected:
    CellMoveTest()
        : name(AddField(kKindText, "Name"))
    {
        TABLE_FORMAT format;
        format.columns = 3;
        format.rows = 4;
        format.rect = {720, 1200, 6480, 5200};
        format.cellText = Font(0, 200);
        auto made = std::make_unique<FTABLE>();
        EXPECT_TRUE(made->CreateFromFormat(format));
        for (uint16_t r = 0; r < 4; ++r) {
            made->GetCell(kNumber, r)->SetDataType(*CreateDataType(kKindNumber), nullptr);
            made->GetCell(kBox, r)->SetDataType(*CreateDataType(kKindCheckBox), nullptr);
        }
        table = &PlaceTable(std::move(made), "T1", 5400);
        total = &AddField(kKindNumber, "Total");
        SetProtected(*total);
        agree = &AddField(kKindCheckBox, "Agree");
        EXPECT_EQ(Formula(*total, "SUM(T1.ColB[1..4])"), "");
        ui::SetMessageBoxHook([this](const ui::MessageBoxRequest& request) {
            messages.push_back(request.text);
            return ui::IDOK;
        });
    }
    ~CellMoveTest() override { ui::SetMessageBoxHook({}); }

    FCELL* Cell(int column, int row) const { return table->GetCell(column, row); }
    TEXTEDITWND* Editor() const { return view->CanEditCurrentField(); }
    // Makes the field current by a click and types the text into it.
    void Enter(FFIELD& field, const std::string& text)
    {
        Click(At(field));
        ASSERT_EQ(Current(), &field) << FullName(&field);
        ASSERT_NE(Editor(), nullptr) << FullName(&field);
        Editor()->SelectAll();
        Type(text);
    }

    FFIELD& name;
    FTABLE* table = nullptr;
    FFIELD* total = nullptr;
    FFIELD* agree = nullptr;
    std::vector<std::string> messages;
};

TEST_F(CellMoveTest, UpAndDownCommitTheNumberAndMoveInTheColumnRecalculatingTheTotal)
{
    Start();
    Enter(*Cell(kNumber, 0), "5");
    doc->calculated.clear();
    Key(Qt::Key_Down);
    ASSERT_EQ(Current(), Cell(kNumber, 1));
    EXPECT_EQ(Number(*Cell(kNumber, 0)), 5);
    EXPECT_EQ(Number(*total), 5);
    EXPECT_EQ(doc->calculated, std::vector<uint16_t> {Cell(kNumber, 0)->GetFieldID()});
    ASSERT_NE(Editor(), nullptr) << "the cell below opens its editor";
    EXPECT_EQ(QApplication::focusWidget(), Editor()->GetWidget()) << "and takes the keys";

    Type("7");
    Key(Qt::Key_Up);
    ASSERT_EQ(Current(), Cell(kNumber, 0));
    EXPECT_EQ(Number(*total), 5 + 7);
    // Moving on through a cell left as it was calculates nothing.
    doc->calculated.clear();
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    EXPECT_EQ(Current(), Cell(kNumber, 2));
    EXPECT_TRUE(doc->calculated.empty());
    EXPECT_TRUE(messages.empty());
}

TEST_F(CellMoveTest, UpAndDownInsideTwoLinesOfTextMoveTheCaretFirstAndTheCellAfter)
{
    Start();
    Enter(*Cell(kText, 1), "ab");
    Key(Qt::Key_Return);
    Type("cd");
    Key(Qt::Key_Up);
    EXPECT_EQ(Current(), Cell(kText, 1)) << "the caret was on the last line";
    Key(Qt::Key_Down);
    EXPECT_EQ(Current(), Cell(kText, 1)) << "the caret was on the first line";
    Key(Qt::Key_Down);
    ASSERT_EQ(Current(), Cell(kText, 2));
    std::string text;
    Cell(kText, 1)->GetDataType()->GetText(text);
    EXPECT_EQ(text, "ab\ncd");
}

TEST_F(CellMoveTest, ARefusedValueKeepsTheCellCurrentWithItsEditorOpen)
{
    std::string message;
    ASSERT_EQ(Cell(kNumber, 1)->GetDataType()->SetRule(kRuleGreater, 0, "0", "", message), 1) << message;
    Start();
    for (const int key : {Qt::Key_Down, Qt::Key_Up}) {
        messages.clear();
        Enter(*Cell(kNumber, 1), "-3");
        doc->calculated.clear();
        Key(key);
        EXPECT_EQ(Current(), Cell(kNumber, 1)) << key;
        EXPECT_NE(Editor(), nullptr) << key;
        EXPECT_EQ(messages.size(), 1u) << key;
        EXPECT_TRUE(doc->calculated.empty()) << key;
    }
    Editor()->SelectAll();
    Type("4");
    Key(Qt::Key_Down);
    EXPECT_EQ(Current(), Cell(kNumber, 2));
    EXPECT_EQ(Number(*total), 4);
}

TEST_F(CellMoveTest, NoMoveAndNoCommitAtTheEdgeOntoAProtectedCellOrOutsideATable)
{
    SetProtected(*Cell(kNumber, 2));
    Start();
    struct Case {
        const char* what;
        FFIELD* from;
        int key;
    };
    const Case cases[] = {
        {"Down in the last row", Cell(kNumber, 3), Qt::Key_Down},
        {"Up in the first row", Cell(kNumber, 0), Qt::Key_Up},
        // The protected cell is not passed over to the enterable one below.
        {"Down onto a protected cell", Cell(kNumber, 1), Qt::Key_Down},
        {"Up onto a protected cell", Cell(kNumber, 3), Qt::Key_Up},
        {"Up in a field", &name, Qt::Key_Up},
    };
    for (const Case& c : cases) {
        Enter(*c.from, "6");
        TEXTEDITWND* before = Editor();
        doc->calculated.clear();
        Key(c.key);
        EXPECT_EQ(Current(), c.from) << c.what;
        EXPECT_EQ(Editor(), before) << c.what << ": the editor stays open";
        EXPECT_TRUE(doc->calculated.empty()) << c.what << ": nothing was committed";
    }
    // A check box outside a table stays too.
    Click(At(*agree));
    ASSERT_EQ(Current(), agree);
    Key(Qt::Key_Down);
    EXPECT_EQ(Current(), agree);
    Key(Qt::Key_Up);
    EXPECT_EQ(Current(), agree);
    EXPECT_TRUE(messages.empty());
}

TEST_F(CellMoveTest, CheckBoxCellsMoveUpAndDownAndTakeSpaceWhereTheyArrive)
{
    Start();
    Click(At(*Cell(kBox, 0)));
    ASSERT_EQ(Current(), Cell(kBox, 0));
    ASSERT_TRUE(IsChecked(*Cell(kBox, 0)));
    Key(Qt::Key_Down);
    ASSERT_EQ(Current(), Cell(kBox, 1));
    EXPECT_TRUE(ShowsAsRedrawn(*Cell(kBox, 0))) << "the focus outline went with the cell left";
    Key(Qt::Key_Space);
    EXPECT_TRUE(IsChecked(*Cell(kBox, 1))) << "the window of the cell below has the keys";
    EXPECT_TRUE(IsChecked(*Cell(kBox, 0)));
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    ASSERT_EQ(Current(), Cell(kBox, 3));
    Key(Qt::Key_Down);
    EXPECT_EQ(Current(), Cell(kBox, 3)) << "the last row";
    Key(Qt::Key_Up);
    EXPECT_EQ(Current(), Cell(kBox, 2));
    EXPECT_FALSE(IsChecked(*Cell(kBox, 2)));
    EXPECT_FALSE(IsChecked(*Cell(kBox, 3)));
}

} // namespace
