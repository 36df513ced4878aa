// A table's parts in the design view: the shortcut menu's table commands
// by where the right click falls, Select Column and Select Row followed by
// a shade, a double-clicked cell's appearance sheet, and a double-clicked
// header's text typed in place.
#include "tests/app/support/text_editor_probe.h"
#include "tests/app/views/design/designer_table_fixture.h"
#include "tests/platform/ui/dialog_input.h"

#include "forms/dialogs/appearance/objappdlg.h"
#include "forms/dialogs/appearance/shade_page.h"
#include "forms/fields/editor/texteditwnd.h"
#include "forms/fields/richtext/rich_clipboard.h"
#include "forms/model/shade.h"
#include "forms/model/textattr.h"
#include "forms/objects/tablecolrow.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

constexpr uint32_t kRed = 0x0000FF;
// The Shade dialog's and page's red colour button.
constexpr int kRedButton = 1036;
constexpr int kFirstPattern = 1002;

class DesignerTablePartsTest : public TableDesignerTest {
protected:
    // The editor takes the focus in the active window.
    DesignerTablePartsTest()
    {
        host.activateWindow();
        QCoreApplication::processEvents();
    }
    uint32_t ShadeOf(FORMOBJ* part)
    {
        BASICSHADE shade;
        EXPECT_TRUE(part->GetShade(&shade));
        return shade.colour1;
    }
    // Every cell's and header's fill colour, "R" for red and "." else,
    // row by row with the column headers first.
    std::string RedParts()
    {
        std::string map;
        for (int c = 0; c < table->GetColumnCount(); ++c)
            map += ShadeOf(table->GetColumnHeader(c)) == kRed ? 'R' : '.';
        for (int r = 0; r < table->GetRowCount(); ++r) {
            map += ' ';
            map += ShadeOf(table->GetRowHeader(r)) == kRed ? 'R' : '.';
            map += '|';
            for (int c = 0; c < table->GetColumnCount(); ++c)
                map += ShadeOf(table->GetCell(c, r)) == kRed ? 'R' : '.';
        }
        return map;
    }
    // Format > Shade with red chosen and OK.
    void ShadeRed()
    {
        WithDialog([&] { view.ExecuteCommand(ID_FORMAT_SHADE); },
            [&](ui::Dialog& running) {
                SendClick(running.GetDlgItem(kRedButton));
                SendClick(running.GetDlgItem(kFirstPattern));
                SendClick(running.GetDlgItem(1));
            });
    }
    TEXTEDITWND* Editor() { return view.GetSelectedRichText(); }
    std::string HeaderText(int column) { return std::string(table->GetColumnHeader(column)->GetText().View()); }
};

TEST_F(DesignerTablePartsTest, TheShortcutMenuOffersColumnAndRowOnACellOnly)
{
    RECT outline;
    table->GetRect(outline);
    // Above the row headers and left of the column headers: off the table.
    const POINT corner = At(outline.left + 100, outline.top + 100);
    struct Case {
        const char* where;
        POINT at;
        int popup;
        // Select Column and Select Row: enabled, disabled or not listed.
        std::optional<bool> columnOrRow;
        std::optional<bool> properties;
    };
    const Case cases[] = {
        {"a cell", CellPoint(2, 1), 3, true, true},
        {"a column header", HeaderPoint(2), 3, false, true},
        {"the empty corner", corner, 0, std::nullopt, std::nullopt},
        {"a cell again", CellPoint(0, 3), 3, true, true},
    };
    for (const Case& c : cases) {
        RightClick(c.at);
        ASSERT_TRUE(shown.has_value()) << c.where;
        EXPECT_EQ(view.GetContextMenu().ContextPopupIndex(), c.popup) << c.where;
        EXPECT_EQ(Selected().size(), c.popup == 3 ? 1u : 0u) << c.where;
        EXPECT_EQ(EnabledInMenu(ID_TABLE_SELECT_COLUMN), c.columnOrRow) << c.where;
        EXPECT_EQ(EnabledInMenu(ID_TABLE_SELECT_ROW), c.columnOrRow) << c.where;
        EXPECT_EQ(EnabledInMenu(ID_TABLE_PROPERTIES), c.properties) << c.where;
    }
}

TEST_F(DesignerTablePartsTest, SelectColumnThenShadeColoursThatColumnOnly)
{
    RightClick(CellPoint(1, 2), ID_TABLE_SELECT_COLUMN);
    FORMOBJ* part = table->GetCurrentObject();
    ASSERT_NE(part, nullptr);
    ASSERT_EQ(part->GetType(), kTypeColumn);
    EXPECT_EQ(dynamic_cast<TABLECOL*>(part)->GetIndex(), 1);
    view.UpdateWindow();
    SavePicture(&host, "table_selected_column.png");

    ShadeRed();
    EXPECT_EQ(RedParts(),
        "...."
        " .|.R.."
        " .|.R.."
        " .|.R.."
        " .|.R..");
    EXPECT_TRUE(doc->IsModified());

    // The row the same way, through the same menu.
    RightClick(CellPoint(3, 3), ID_TABLE_SELECT_ROW);
    ASSERT_NE(table->GetCurrentObject(), nullptr);
    EXPECT_EQ(table->GetCurrentObject()->GetType(), kTypeRow);
    ShadeRed();
    EXPECT_EQ(RedParts(),
        "...."
        " .|.R.."
        " .|.R.."
        " .|.R.."
        " .|RRRR");
}

TEST_F(DesignerTablePartsTest, ADoubleClickedCellsSheetChangesThatCellOnly)
{
    int sheets = 0;
    WithDialog([&] { DoubleClick(CellPoint(2, 1)); },
        [&](ui::Dialog& running) {
            auto* sheet = dynamic_cast<OBJAPPDLG*>(&running);
            ASSERT_NE(sheet, nullptr);
            ++sheets;
            ASSERT_NE(sheet->GetShadePage(), nullptr);
            for (int i = 0; i < sheet->GetPageCount(); ++i)
                if (sheet->GetPage(i) == sheet->GetShadePage())
                    sheet->SetActivePage(i);
            SendClick(sheet->GetShadePage()->GetDlgItem(kRedButton));
            SendClick(sheet->GetShadePage()->GetDlgItem(kFirstPattern));
            SendClick(sheet->GetDlgItem(1));
        });
    EXPECT_EQ(sheets, 1);
    EXPECT_EQ(RedParts(),
        "...."
        " .|...."
        " .|..R."
        " .|...."
        " .|....");
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(DesignerTablePartsTest, ADoubleClickedHeaderIsTypedInPlaceAndNeverLeftEmpty)
{
    DoubleClick(HeaderPoint(1));
    ASSERT_NE(Editor(), nullptr) << "the header's text is open in the editor";
    EXPECT_EQ(table->GetEditedHeader(), table->GetColumnHeader(1));
    EXPECT_EQ(QApplication::focusWidget(), EditorWidget(Editor()));
    EXPECT_FALSE(Enabled(ID_TABLE_PROPERTIES)) << "no Table Properties while a header is typed in";

    // A new heading, made bold through the format bar's path.
    EditorSelectAll(Editor());
    TypeInto(Editor(), "Price");
    EditorSelectAll(Editor());
    TEXTATTR bold;
    bold.SetMixed();
    bold.bold = 1;
    view.ApplyTextAttr(bold);
    // The editor follows the header to its place at another zoom.
    const RECT small = EditorPlace(Editor());
    ASSERT_TRUE(view.ExecuteCommand(ID_ZOOM_200));
    ASSERT_NE(Editor(), nullptr);
    const RECT large = EditorPlace(Editor());
    EXPECT_NEAR(large.right - large.left, 2 * (small.right - small.left), 4);
    const POINT middle = HeaderPoint(1);
    EXPECT_TRUE(large.left < middle.x && middle.x < large.right && large.top < middle.y && middle.y < large.bottom);
    view.UpdateWindow();
    SavePicture(&host, "table_header_edited.png");
    Click(At(9000, 12000));
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(table->GetEditedHeader(), nullptr);
    const std::string typed = HeaderText(1);
    EXPECT_NE(typed.find("Price"), std::string::npos) << typed;

    EXPECT_NE(typed.find("\x1B"
                         "B"),
        std::string::npos)
        << "the bold typed stays";

    // Everything deleted: one space is left.
    table->Select(&view);
    DoubleClick(HeaderPoint(1));
    ASSERT_NE(Editor(), nullptr);
    EditorSelectAll(Editor());
    KeyInto(Editor(), Qt::Key_Delete, Qt::NoModifier);
    EXPECT_EQ(EditorText(Editor()), "");
    view.OnFrameActivate(false, nullptr);
    EXPECT_EQ(Editor(), nullptr) << "the frame losing activation ends the edit";
    EXPECT_EQ(Selected(), std::vector<FORMOBJ*> {table});
    EXPECT_EQ(VisibleCount(HeaderText(1)), 1);
    EXPECT_NE(HeaderText(1).find(' '), std::string::npos);
    EXPECT_TRUE(doc->IsModified());
}

} // namespace
