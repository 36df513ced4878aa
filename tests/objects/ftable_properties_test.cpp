// A double click on a table: a cell becomes current and its appearance
// sheet runs; a header becomes current and its text is edited in place,
// the table answering with the header's editor while it lasts; an edit that
// leaves nothing leaves one space.
#include "tests/objects/table_test_support.h"

#include "forms/fields/editor/texteditwnd.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

// A design view with a window and a last press.
class PressView : public FakeView {
public:
    bool GetLastMouseDown(POINT& out) override
    {
        out = press;
        return true;
    }
    QWidget* GetTrackingWindow() override { return &window; }

    POINT press {0, 0};
    QWidget window;
};

class TablePropertiesTest : public TableTest {
protected:
    TablePropertiesTest()
    {
        g_twipsPerDevice = 1;
        view.window.resize(800, 800);
        view.window.show();
        // Lines at 480, 960 and 1440 both ways.
        table = MakeTable(2, 2, true, true, {0, 0, 1440, 1440});
        table->SetSelectFlag(1);
    }

    int DoubleClick(POINT p)
    {
        view.press = p;
        view.calls.clear();
        return table->ShowProperties(&view);
    }

    static void Key(QWidget* w, int key)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(w, &release);
    }

    PressView view;
    std::unique_ptr<FTABLE> table;
};

TEST_F(TablePropertiesTest, ACellsSheetRunsWithTheCellCurrentAndNothingOpensOffTheParts)
{
    EXPECT_EQ(DoubleClick({1200, 700}), 0) << "a cell's sheet answers 0";
    EXPECT_EQ(table->GetCurrentObject(), table->GetCell(1, 0));
    EXPECT_NE(std::find(view.calls.begin(), view.calls.end(), "run 464"), view.calls.end());
    EXPECT_EQ(table->GetEditedHeader(), nullptr);

    const struct {
        const char* what;
        POINT p;
    } misses[] = {
        {"the empty corner", {240, 240}},
        {"left of the table", {-100, 700}},
    };
    for (const auto& m : misses) {
        table->EndCurrentObject(&view);
        EXPECT_EQ(DoubleClick(m.p), 0) << m.what;
        EXPECT_EQ(table->GetCurrentObject(), nullptr) << m.what;
        EXPECT_TRUE(view.calls.empty()) << m.what;
    }
}

TEST_F(TablePropertiesTest, AHeaderIsEditedInPlaceAndNeverLeftEmpty)
{
    for (FHEADER* header : {table->GetColumnHeader(1), table->GetRowHeader(0)}) {
        RECT r;
        header->GetRect(r);
        ASSERT_EQ(DoubleClick({(r.left + r.right) / 2, (r.top + r.bottom) / 2}), 1);
        EXPECT_EQ(table->GetCurrentObject(), header);
        EXPECT_EQ(table->GetEditedHeader(), header);
        uintptr_t window = 0;
        ASSERT_EQ(table->GetRichText(&window), 1);
        auto* editor = reinterpret_cast<TEXTEDITWND*>(window);
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->GetText(), header == table->GetColumnHeader(1) ? "B" : "1");

        editor->SelectAll();
        Key(editor->GetWidget(), Qt::Key_Delete);
        EXPECT_EQ(editor->GetText(), "");
        table->EndCurrentObject(&view);
        EXPECT_EQ(table->GetEditedHeader(), nullptr);
        EXPECT_EQ(std::string(header->GetText().View()), " ");
        RECT after;
        header->FORMOBJ::GetRect(after);
        header->GetRect(r);
        EXPECT_EQ(after, r) << "the header keeps the place the table gives it";
    }
    uintptr_t window = 1;
    EXPECT_EQ(table->GetRichText(&window), 0);
    EXPECT_EQ(window, 0u);
    table->SetCurrentObject(table->GetColumnHeader(0), &view);
    EXPECT_EQ(table->GetEditedHeader(), nullptr) << "a header picked but not in edit";
}

} // namespace
