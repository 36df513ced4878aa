// The drop-down list of the in-place editor over a list field: its keys,
// its button, a values-only field's refusals and a rebuild at a new zoom,
// with the list's values from a test source and, once, from a field's own
// value list.
#include "tests/common/run_events.h"
#include "tests/fields/richtext/layout_fixture.h"

#include "forms/fields/datatypes/fieldvalues.h"
#include "forms/fields/editor/edithandle.h"
#include "forms/fields/editor/texteditwnd.h"
#include "forms/fields/richtext/edit_site.h"
#include "forms/fields/richtext/richeditor.h"
#include "forms/objects/ffield.h"

#include "platform/ui/clipboard.h"
#include "platform/ui/list_box.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

#include <filesystem>
#include <string>
#include <vector>

namespace {

// The view beneath the editor: records every key that reaches it.
class ViewWidget : public QWidget {
public:
    std::vector<int> keys;

protected:
    void keyPressEvent(QKeyEvent* e) override { keys.push_back(e->key()); }
};

class QuietSite : public EDITSITE {
public:
    void OnSelChange(TEXTATTR) override {}
    int AutoScroll(int32_t, int32_t) override { return 0; }
};

// The list's values, counting how often the list was filled.
class TestSource : public VALUESOURCE {
public:
    void Fill(VALUELISTBOX& box) override
    {
        ++fills;
        box.ResetContent();
        for (const std::string& value : values)
            box.AddString(value);
    }
    // "Éclair" to match a text ignoring case by Windows-1252 rules.
    std::vector<std::string> values {"Apple", "Banana", "Cherry",
        "\xC9"
        "clair"};
    int fills = 0;
};

// At 100 % on 96 dpi a pixel is 15 twips: the field is 300 × 30 pixels,
// its button the right 24 pixels less the insets, its list 100 pixels tall.
constexpr EDITZOOM kZoom100 {100, 100, 100, 100};
constexpr EDITZOOM kZoom200 {200, 200, 100, 100};
constexpr RECT kWindow {20, 30, 320, 60};
constexpr RECT kLayout {0, 0, 4500, 450};
constexpr RECT kButton {4125, 15, 4485, 435};
constexpr RECT kList {0, 450, 4500, 1950};

// One key: pressed, and released when it carries Alt (Alt+Up and Alt+Down
// act on their release).
struct Key {
    int key;
    QString text;
    Qt::KeyboardModifiers mods = Qt::NoModifier;
};
const Key kDown {Qt::Key_Down, {}};
const Key kUp {Qt::Key_Up, {}};
const Key kEnter {Qt::Key_Return, "\r"};
const Key kEscape {Qt::Key_Escape, "\x1b"};
const Key kAltDown {Qt::Key_Down, {}, Qt::AltModifier};
const Key kAltUp {Qt::Key_Up, {}, Qt::AltModifier};
const Key kBackspace {Qt::Key_Backspace, "\b"};
const Key kDelete {Qt::Key_Delete, "\x7f"};
Key Typed(const char* text)
{
    return {Qt::Key_unknown, QString::fromLatin1(text)};
}

class DropListTest : public LayoutTest {
protected:
    void SetUp() override
    {
        view.resize(400, 300);
        view.show();
        view.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    }
    void TearDown() override { handle.EndEdit(1); }

    void Open(const std::string& stored, int valuesOnly, VALUESOURCE* valueSource = nullptr)
    {
        handle.EndEdit(1);
        ASSERT_EQ(handle.Create(&site), 1);
        ASSERT_EQ(handle.Open(EDITDRAWVALUES {}, kZoom100, stored, attr, kTextAlignLeft, kNaturalHeight, kWindow,
                      kLayout, &view, 1),
            1);
        handle.OpenDropList({kList, kButton, valuesOnly, valueSource ? valueSource : &source});
        Wnd().SetFocus();
        RunEventsFor(0);
    }
    TEXTEDITWND& Wnd() { return *handle.Window(); }
    ui::ListBox& Box() { return *Wnd().GetDropListBox(); }
    void Press(const Key& k)
    {
        QKeyEvent press(QEvent::KeyPress, k.key, k.mods, k.text);
        QApplication::sendEvent(Wnd().GetWidget(), &press);
        if (k.mods & Qt::AltModifier) {
            QKeyEvent release(QEvent::KeyRelease, k.key, k.mods);
            QApplication::sendEvent(Wnd().GetWidget(), &release);
        }
    }
    void Mouse(QWidget* widget, QEvent::Type type, QPoint p, Qt::MouseButtons buttons)
    {
        QMouseEvent e(type, p, widget->mapToGlobal(p), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(widget, &e);
    }
    void Click(QWidget* widget, QPoint p)
    {
        Mouse(widget, QEvent::MouseButtonPress, p, Qt::LeftButton);
        Mouse(widget, QEvent::MouseButtonRelease, p, Qt::NoButton);
    }

    ViewWidget view;
    QuietSite site;
    TestSource source;
    EDITHANDLE handle;
};

TEST_F(DropListTest, OpeningFillsTheHiddenListUnderTheFieldAndSelectsTheText)
{
    Open("Banana", 0);
    EXPECT_EQ(handle.GetValueSource(), &source);
    ASSERT_TRUE(Wnd().HasDropList());
    EXPECT_FALSE(Wnd().IsDropListShown());
    ASSERT_EQ(Box().GetCount(), 4);
    EXPECT_EQ(Box().GetText(3),
        "\xC9"
        "clair");
    EXPECT_EQ(Box().GetCurSel(), ui::ListBox::kNone);
    EXPECT_EQ(Wnd().Editor()->GetSelectionText(), std::string("Banana") + '\0');
    // Below the field, from its left edge, one pixel wider than the list,
    // trimmed to whole entries.
    const gdi::RECT frame = Wnd().GetDropListFrame()->GetWindowRect();
    EXPECT_EQ(frame.left, 20);
    EXPECT_EQ(frame.top, 60);
    EXPECT_EQ(frame.right, 321);
    EXPECT_LE(frame.bottom, 161);
    EXPECT_GT(frame.bottom, 161 - Box().GetItemHeight());
    EXPECT_EQ(Wnd().GetDropButton()->GetWindowRect(), (gdi::RECT {275, 1, 299, 29}));
}

TEST_F(DropListTest, AListBelowTheViewIsCutAtItsBottom)
{
    view.resize(400, 100);
    RunEventsFor(0);
    Open("", 0);
    const int bottom = Wnd().GetDropListFrame()->GetWindowRect().bottom;
    EXPECT_LE(bottom, 101);
    EXPECT_GT(bottom, 101 - Box().GetItemHeight());
}

TEST_F(DropListTest, ValuesOnlyFieldRefusesEditing)
{
    struct Case {
        const char* name;
        std::vector<Key> keys;
    };
    const Case cases[] = {
        {"typing", {Typed("xy")}},
        {"backspace", {kBackspace}},
        {"delete", {kDelete}},
        {"ctrl backspace", {{Qt::Key_Backspace, {}, Qt::ControlModifier}}},
        {"paste text", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open("Banana", 1);
        for (const Key& k : c.keys)
            Press(k);
        Wnd().InsertText("pasted");
        EXPECT_EQ(handle.GetText(), "Banana");
        EXPECT_TRUE(Wnd().Editor()->IsSelectionActive());
    }

    // Clicks, drags and double-clicks neither move the caret nor select.
    Open("Banana", 1);
    QWidget* editor = Wnd().GetWidget();
    Click(editor, {5, 10});
    Mouse(editor, QEvent::MouseButtonPress, {5, 10}, Qt::LeftButton);
    Mouse(editor, QEvent::MouseMove, {40, 10}, Qt::LeftButton);
    Mouse(editor, QEvent::MouseButtonRelease, {40, 10}, Qt::NoButton);
    Mouse(editor, QEvent::MouseButtonDblClick, {5, 10}, Qt::LeftButton);
    Mouse(editor, QEvent::MouseButtonRelease, {5, 10}, Qt::NoButton);
    EXPECT_EQ(handle.GetText(), "Banana");
    EXPECT_EQ(Wnd().Editor()->GetSelectionText(), std::string("Banana") + '\0');
    EXPECT_FALSE(Wnd().HasCapture());
}

TEST_F(DropListTest, ClipboardCommandsOfAValuesOnlyField)
{
    ui::DataSource plain;
    plain.SetData(ui::kFormatText, "x");
    ui::SetClipboard(plain);
    struct Case {
        unsigned id;
        bool valuesOnly;
        bool free;
    };
    const Case cases[] = {
        {ID_EDIT_COPY, true, true},
        {ID_EDIT_CUT, false, true},
        {ID_EDIT_PASTE, false, true},
        {ID_EDIT_CLEAR, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        Open("Banana", 1);
        EXPECT_EQ(Wnd().IsCommandEnabled(c.id), c.valuesOnly);
        // Even sent, a command that is off changes nothing.
        Wnd().OnCommand(c.id);
        EXPECT_EQ(handle.GetText(), "Banana");
        Open("Banana", 0);
        EXPECT_EQ(Wnd().IsCommandEnabled(c.id), c.free);
    }
}

TEST_F(DropListTest, ListKeys)
{
    struct Case {
        const char* name;
        int valuesOnly;
        const char* text;
        std::vector<Key> keys;
        std::string after;
        int selected;
    };
    const Case cases[] = {
        {"down on the last stays", 1, "Cherry", {kDown, kDown, kDown, kDown},
            "\xC9"
            "clair",
            3},
        {"up on the first stays", 1, "Apple", {kUp, kUp}, "Apple", 0},
        {"down then up", 1, "Apple", {kDown, kDown, kDown, kUp}, "Banana", 1},
        {"no match: down selects the first, text kept", 0, "Kiwi", {kDown}, "Kiwi", 0},
        {"no match: up selects the first, text kept", 0, "Kiwi", {kUp}, "Kiwi", 0},
        {"no match: the second down takes the next", 0, "Kiwi", {kDown, kDown}, "Banana", 1},
        {"a match ignoring case takes the entry's spelling", 0,
            "\xE9"
            "CLAIR",
            {kUp},
            "\xC9"
            "clair",
            3},
        {"enter takes the entry", 1, "Apple", {kDown, kDown, kEnter}, "Banana", 1},
        {"enter in a free field inserts no line break", 0, "Apple", {kEnter, kEnter}, "Apple", ui::ListBox::kNone},
        {"typing replaces the selected text", 0, "Apple", {Typed("K")}, "K", ui::ListBox::kNone},
        {"enter after typing keeps the typed text", 0, "Apple", {kDown, Typed("K"), kEnter}, "K", ui::ListBox::kNone},
        {"typed text forgets the selection", 0, "", {kDown, kDown, Typed("Fig")}, "Fig", ui::ListBox::kNone},
        {"ampersand and parenthesis are typed", 0, "", {kDown, Typed("(&")}, "(&", ui::ListBox::kNone},
        {"escape keeps the text", 0, "Kiwi", {kAltDown, kEscape}, "Kiwi", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open(c.text, c.valuesOnly);
        view.keys.clear();
        for (const Key& k : c.keys)
            Press(k);
        EXPECT_EQ(handle.GetText(), c.after);
        EXPECT_EQ(Box().GetCurSel(), c.selected);
        EXPECT_FALSE(Wnd().IsDropListShown());
        EXPECT_TRUE(Wnd().HasFocus());
        EXPECT_TRUE(view.keys.empty()) << "the view saw a key";
    }
}

TEST_F(DropListTest, AltUpAndAltDownShowAndHideTheList)
{
    for (const Key& k : {kAltDown, kAltUp}) {
        SCOPED_TRACE(k.key);
        Open("Cherry", 1);
        Press(k);
        EXPECT_TRUE(Wnd().IsDropListShown());
        // Shown with the text's entry selected.
        EXPECT_EQ(Box().GetCurSel(), 2);
        Press(k);
        EXPECT_FALSE(Wnd().IsDropListShown());
        EXPECT_TRUE(Wnd().HasFocus());
        EXPECT_EQ(handle.GetText(), "Cherry");
    }
}

TEST_F(DropListTest, TheButtonDropsTheListAndAPickedEntryIsTaken)
{
    Open("Apple", 0);
    QWidget* button = Wnd().GetDropButton()->GetWidget();
    Click(button, {5, 5});
    EXPECT_TRUE(Wnd().IsDropListShown());
    EXPECT_TRUE(Wnd().HasFocus());
    EXPECT_EQ(Box().GetCurSel(), 0);
    Click(button, {5, 5});
    EXPECT_FALSE(Wnd().IsDropListShown());
    EXPECT_TRUE(Wnd().HasFocus());

    // A click on an entry takes it and closes the list.
    Click(button, {5, 5});
    auto* list = qobject_cast<QListWidget*>(Box().GetWidget());
    ASSERT_NE(list, nullptr);
    RunEventsFor(0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
    EXPECT_EQ(handle.GetText(), "Cherry");
    EXPECT_FALSE(Wnd().IsDropListShown());
    EXPECT_TRUE(Wnd().HasFocus());
}

TEST_F(DropListTest, SetZoomRebuildsTheListAndKeepsItsSelection)
{
    Open("Apple", 1);
    Press(kDown);
    Press(kDown);
    ASSERT_EQ(Box().GetCurSel(), 1);
    handle.MoveWindow({20, 30, 620, 90}, true);
    handle.SetZoom(kZoom200);
    EXPECT_EQ(source.fills, 2);
    ASSERT_EQ(Box().GetCount(), 4);
    EXPECT_EQ(Box().GetCurSel(), 1);
    EXPECT_EQ(handle.GetText(), "Banana");
    // The list keeps its full height now, twice as large; the button
    // stands 15 twips in from the top, right and bottom, 360 twips wide.
    EXPECT_EQ(Wnd().GetDropListFrame()->GetWindowRect(), (gdi::RECT {20, 90, 621, 291}));
    EXPECT_EQ(Wnd().GetDropButton()->GetWindowRect(), (gdi::RECT {550, 2, 598, 58}));
    // The next key goes on from the kept selection.
    Press(kDown);
    EXPECT_EQ(handle.GetText(), "Cherry");
}

TEST_F(DropListTest, MovingTheEditorTakesTheListAlong)
{
    Open("Apple", 0);
    const gdi::RECT before = Wnd().GetDropListFrame()->GetWindowRect();
    handle.MoveWindow({50, 40, 350, 70}, true);
    EXPECT_EQ(Wnd().GetDropListFrame()->GetWindowRect(), before.Offset(30, 10));
}

TEST_F(DropListTest, EndingTheEditTakesTheListAway)
{
    Open("Apple", 0);
    Press(kAltDown);
    QWidget* frame = Wnd().GetDropListFrame()->GetWidget();
    ASSERT_TRUE(frame->isVisible());
    handle.EndEdit(0);
    EXPECT_FALSE(handle.Window()->HasDropList());
    EXPECT_TRUE(view.findChildren<QListWidget*>().isEmpty());
    // The field still knows its source after the edit.
    EXPECT_EQ(handle.GetValueSource(), &source);
}

TEST_F(DropListTest, AFieldsValueListFillsTheList)
{
    LISTBOXVALUES values;
    values.AppendValue("Red");
    values.AppendValue("Green");
    FIELDLISTSOURCE fieldSource(&values);
    Open("", 0, &fieldSource);
    ASSERT_EQ(Box().GetCount(), 2);
    EXPECT_EQ(Box().GetText(1), "Green");
    Press(kDown);
    Press(kDown);
    EXPECT_EQ(handle.GetText(), "Green");
}

TEST_F(DropListTest, DroppedListAtOneAndTwoHundredPercent)
{
    const std::string dir = FORMS_TEST_OUTPUT_DIR;
    std::filesystem::create_directories(dir);
    // Drops the list and saves what the view shows.
    const auto shot = [&](const char* name) {
        Press(kAltDown);
        Wnd().UpdateWindow();
        RunEventsFor(20);
        QImage image = view.grab().toImage();
        EXPECT_TRUE(image.save(QString::fromStdString(dir + "/" + name)));
        EXPECT_TRUE(Wnd().IsDropListShown());
        return image;
    };
    view.resize(700, 400);
    RunEventsFor(0);
    Open("Banana", 0);
    const QImage at100 = shot("droplist_100.png");
    // The button face is grey, the list's selected entry highlighted.
    EXPECT_EQ(at100.pixel(300, 45) & 0xFFFFFF, 0xC0C0C0u);
    auto* list = qobject_cast<QListWidget*>(Box().GetWidget());
    ASSERT_NE(list, nullptr);
    const QPoint banana = list->viewport()->mapTo(&view, list->visualItemRect(list->item(1)).topLeft());
    EXPECT_NE(at100.pixel(banana + QPoint(2, 2)) & 0xFFFFFF, 0xFFFFFFu);

    handle.MoveWindow({20, 30, 620, 90}, true);
    handle.SetZoom(kZoom200);
    const QImage at200 = shot("droplist_200.png");
    EXPECT_EQ(at200.pixel(575, 60) & 0xFFFFFF, 0xC0C0C0u);
}

} // namespace
