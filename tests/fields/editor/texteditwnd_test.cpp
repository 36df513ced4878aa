// The in-place editor window over a view-like parent at 150 %, driven by
// hand-made key and mouse events, reporting to a recording site.
#include "tests/common/run_events.h"
#include "tests/fields/richtext/layout_fixture.h"

#include "forms/fields/editor/edithandle.h"
#include "forms/fields/editor/texteditwnd.h"
#include "forms/fields/richtext/edit_site.h"
#include "forms/fields/richtext/richeditor.h"
#include "forms/fields/richtext/richtext.h"

#include "platform/gdi/recording_surface.h"
#include "platform/ui/beep.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/virtual_keys.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

#include <algorithm>
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

class RecordingSite : public EDITSITE {
public:
    void MoveToField(int backwards) override
    {
        calls.push_back("field " + std::to_string(backwards));
        if (endOnTab)
            endOnTab->EndEdit(1);
    }
    void OnSelChange(TEXTATTR) override {}
    void ShowFieldHelp(ui::Wnd* window, const RECT& rect) override
    {
        helpWindow = window;
        helpRect = rect;
        calls.push_back("help");
    }
    void OnKeyUp(unsigned key, unsigned, unsigned) override { calls.push_back("keyup " + std::to_string(key)); }
    void InvalidateEditRect(const RECT& rect) override { invalidated = rect; }
    int AutoScroll(int32_t dx, int32_t dy) override
    {
        calls.push_back("scroll " + std::to_string(dx) + "," + std::to_string(dy));
        return 0;
    }
    void MoveToCellAbove() override { calls.push_back("above"); }
    void MoveToCellBelow() override { calls.push_back("below"); }

    std::vector<std::string> calls;
    ui::Wnd* helpWindow = nullptr;
    RECT helpRect {};
    RECT invalidated {};
    // Ends the edit from inside the Tab, as moving to the next field does.
    EDITHANDLE* endOnTab = nullptr;
};

// 96 dpi at 150 %: a pixel is ten twips.
constexpr EDITZOOM kZoom150 {150, 150, 100, 100};

class TextEditWndTest : public LayoutTest {
protected:
    void SetUp() override
    {
        view.resize(400, 300);
        view.show();
        view.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    }
    // An editor of the text over (20, 30)–(320, 130), laid out 3000 × 1000
    // twips, with the focus.
    void Open(const std::string& stored, RECT window = {20, 30, 320, 130}, RECT layout = {0, 0, 3000, 1000})
    {
        ASSERT_EQ(handle.Create(&site), 1);
        ASSERT_EQ(handle.Open(EDITDRAWVALUES {}, kZoom150, stored, attr, kTextAlignLeft, kNaturalHeight, window, layout,
                      &view, 1),
            1);
        Wnd().SetFocus();
        RunEventsFor(0);
        site.calls.clear();
    }
    TEXTEDITWND& Wnd() { return *handle.Window(); }
    void Send(QEvent::Type type, int key, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QKeyEvent e(type, key, mods, text);
        QApplication::sendEvent(Wnd().GetWidget(), &e);
    }
    void Press(int key, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        Send(QEvent::KeyPress, key, text, mods);
    }
    void Mouse(QEvent::Type type, QPoint p, Qt::MouseButtons buttons)
    {
        QMouseEvent e(type, p, Wnd().GetWidget()->mapToGlobal(p), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(Wnd().GetWidget(), &e);
    }

    ViewWidget view;
    RecordingSite site;
    EDITHANDLE handle;
};

TEST_F(TextEditWndTest, CharactersArriveAsWindows1252Bytes)
{
    struct Case {
        const char* name;
        QString typed;
        std::string text;
        int beeps;
    };
    const Case cases[] = {
        {"ascii", "abc", "abc", 0},
        {"e acute and euro", QString(QChar(0xE9)) + QChar(0x20AC), "\xE9\x80", 0},
        {"l stroke refused", QString("a") + QChar(0x142), "a", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open("");
        ui::ScopedBeepCounter beeps;
        for (QChar ch : c.typed)
            Press(Qt::Key_unknown, QString(ch));
        EXPECT_EQ(handle.GetText(), c.text);
        EXPECT_EQ(beeps.Count(), c.beeps);
        handle.EndEdit(1);
    }
}

TEST_F(TextEditWndTest, KeysGoToTheSiteOrTheText)
{
    struct Case {
        const char* name;
        int key;
        QString text;
        Qt::KeyboardModifiers mods;
        std::string after;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"tab", Qt::Key_Tab, "\t", Qt::NoModifier, "ab", {"field 0"}},
        {"backtab", Qt::Key_Backtab, "", Qt::ShiftModifier, "ab", {"field 1"}},
        {"enter", Qt::Key_Return, "\r", Qt::NoModifier, "\nab", {}},
        {"escape", Qt::Key_Escape, "\x1b", Qt::NoModifier, "ab", {}},
        {"up on the first line", Qt::Key_Up, "", Qt::NoModifier, "ab", {"above"}},
        {"f1", Qt::Key_F1, "", Qt::NoModifier, "ab", {"help"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open("ab");
        view.keys.clear();
        Press(c.key, c.text, c.mods);
        EXPECT_EQ(handle.GetText(), c.after);
        // Position 0 has no cell above to move into from a field's first line.
        std::vector<std::string> calls;
        for (const std::string& call : site.calls)
            if (call.rfind("scroll", 0) != 0)
                calls.push_back(call);
        EXPECT_EQ(calls, c.calls);
        EXPECT_TRUE(view.keys.empty()) << "the view saw a key";
        handle.EndEdit(1);
    }
}

TEST_F(TextEditWndTest, TabMayEndTheEditFromInsideTheKey)
{
    Open("ab");
    site.endOnTab = &handle;
    Press(Qt::Key_Tab, "\t");
    EXPECT_EQ(handle.Window(), nullptr);
    EXPECT_EQ(site.calls, (std::vector<std::string> {"field 0"}));
    RunEventsFor(0);
}

TEST_F(TextEditWndTest, HelpGetsTheWindowAndAScreenRectangle)
{
    Open("ab");
    Press(Qt::Key_F1);
    EXPECT_EQ(site.helpWindow, &Wnd());
    const QPoint topLeft = Wnd().GetWidget()->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(site.helpRect, (RECT {topLeft.x(), topLeft.y(), topLeft.x() + 300, topLeft.y() + 100}));
}

TEST_F(TextEditWndTest, PageKeyUpGoesToTheSite)
{
    Open("ab");
    Send(QEvent::KeyRelease, Qt::Key_PageDown);
    EXPECT_EQ(site.calls, (std::vector<std::string> {"keyup " + std::to_string(ui::VK_NEXT)}));
}

TEST_F(TextEditWndTest, ClickPlacesDragSelectsDoubleClickTakesAWord)
{
    Open("hello world");
    Mouse(QEvent::MouseButtonPress, QPoint(1, 5), Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, QPoint(1, 5), Qt::NoButton);
    EXPECT_FALSE(Wnd().Editor()->IsSelectionActive());
    EXPECT_EQ(Wnd().Editor()->GetCaret().GetChar(), 'h');

    Mouse(QEvent::MouseButtonPress, QPoint(1, 5), Qt::LeftButton);
    Mouse(QEvent::MouseMove, QPoint(290, 5), Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, QPoint(290, 5), Qt::NoButton);
    EXPECT_EQ(Wnd().Editor()->GetSelectionText(), std::string("hello world") + '\0');

    Mouse(QEvent::MouseButtonPress, QPoint(1, 5), Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, QPoint(1, 5), Qt::NoButton);
    Mouse(QEvent::MouseButtonDblClick, QPoint(1, 5), Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, QPoint(1, 5), Qt::NoButton);
    EXPECT_EQ(Wnd().Editor()->GetSelectionText().substr(0, 5), "hello");
}

TEST_F(TextEditWndTest, ClipboardCommandsFollowTheSelectionAndTheClipboard)
{
    Open("hello");
    ui::DataSource plain;
    plain.SetData(ui::kFormatText, "x");
    ui::SetClipboard(plain);
    struct Case {
        unsigned id;
        bool withoutSelection;
        bool withSelection;
    };
    const Case cases[] = {
        {ID_EDIT_COPY, false, true},
        {ID_EDIT_CUT, false, true},
        {ID_EDIT_CLEAR, false, true},
        {ID_EDIT_PASTE, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        Wnd().Editor()->ClearSelection();
        EXPECT_EQ(Wnd().IsCommandEnabled(c.id), c.withoutSelection);
        Wnd().SelectAll();
        EXPECT_EQ(Wnd().IsCommandEnabled(c.id), c.withSelection);
    }
    // Clear deletes the selected characters.
    Wnd().SelectAll();
    EXPECT_TRUE(Wnd().OnCommand(ID_EDIT_CLEAR));
    EXPECT_EQ(handle.GetText(), "");
}

TEST_F(TextEditWndTest, CaretStaysInsideTheWindow)
{
    Open("ab");
    Wnd().UpdateCaret(50000, 0);
    EXPECT_EQ(Wnd().GetCaretPos().x, 299);
    Wnd().UpdateCaret(1000, 0);
    EXPECT_EQ(Wnd().GetCaretPos().x, 100);
}

TEST_F(TextEditWndTest, CaretPastTheVisibleEdgeAsksTheSiteToScroll)
{
    // The view shows the window's first 380 pixels: 3800 twips.
    Open("ab", {20, 30, 620, 130}, {0, 0, 6000, 1000});
    struct Case {
        int32_t x;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {3805, {"scroll 365,0"}},
        {3800, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        site.calls.clear();
        Wnd().ScrollToCaret(c.x, 0, 0);
        EXPECT_EQ(site.calls, c.calls);
    }
}

TEST_F(TextEditWndTest, DragPastTheVisibleEdgeScrollsBeyondIt)
{
    Open("a wide line of text that runs past the view", {20, 30, 620, 130}, {0, 0, 6000, 1000});
    Mouse(QEvent::MouseButtonPress, QPoint(1, 5), Qt::LeftButton);
    site.calls.clear();
    // 390 pixels is 3900 twips, 100 past what the view shows.
    Mouse(QEvent::MouseMove, QPoint(390, 5), Qt::LeftButton);
    EXPECT_NE(std::find(site.calls.begin(), site.calls.end(), "scroll 460,0"), site.calls.end());
    Mouse(QEvent::MouseButtonRelease, QPoint(390, 5), Qt::NoButton);
    EXPECT_FALSE(Wnd().HasCapture());
    EXPECT_TRUE(Wnd().Editor()->IsSelectionActive());
}

TEST_F(TextEditWndTest, EndEditAnswersTheHeightAndLeavesTheRepaintRectangle)
{
    Open("ab");
    const int16_t expected = static_cast<int16_t>(Wnd().Text()->Layout(*Wnd().GetDrawInfo(), nullptr, false));
    const QPoint topLeft = Wnd().GetWidget()->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(handle.EndEdit(0), expected);
    EXPECT_GT(expected, 0);
    EXPECT_FALSE(handle.Window()->HasWnd());
    EXPECT_EQ(site.invalidated, (RECT {topLeft.x(), topLeft.y(), topLeft.x() + 300, topLeft.y() + 100}));
    handle.Destroy();
    EXPECT_EQ(handle.Window(), nullptr);
}

TEST(EmptyEditHandle, AnswersZeroNullOrFive)
{
    EDITHANDLE handle;
    TEXTATTR attr;
    EXPECT_EQ(handle.Open(EDITDRAWVALUES {}, kZoom150, "x", attr, 0, 0, {}, {}, nullptr, 0), 0);
    EXPECT_EQ(handle.EndEdit(1), 0);
    EXPECT_EQ(handle.GetTextLength(), 0);
    EXPECT_EQ(handle.GetText(), "");
    EXPECT_EQ(handle.GetSite(), nullptr);
    EXPECT_EQ(handle.GetValueSource(), nullptr);
    EXPECT_EQ(handle.ApplyTextAttr(attr), 0);
    char buffer[8];
    EXPECT_EQ(handle.NextSpellWord(buffer, sizeof buffer), 5);
    // The rest do nothing.
    handle.Close();
    handle.CreateWnd({0, 0, 10, 10}, nullptr);
    handle.SetZoom(kZoom150);
    handle.MoveWindow({0, 0, 10, 10}, true);
    handle.Redraw();
    handle.SetAlignment(1);
    handle.InvalidateText();
    handle.SelectAll();
    handle.StripCodes();
    handle.ReportCaretAttr();
    handle.SetBackColour(0);
    handle.SetBackColour2(0);
    handle.SetRichPaste(0);
    EXPECT_EQ(handle.Window(), nullptr);
}

TEST_F(TextEditWndTest, DrawTextDrawsNothingWhileTheEditorShowsTheText)
{
    Open("ab");
    gdi::RecordingSurface surface(gdi::DeviceKind::Window, 96, 96);
    gdi::DC dc(surface);
    const auto draw = [&] {
        surface.Clear();
        const TEXTDRAWREQUEST request {.deviceKind = kTextOnWindow,
            .text = "ab",
            .attr = attr,
            .alignment = kTextAlignLeft,
            .lineSpacing = kNaturalHeight,
            .width = 2000,
            .height = 1000};
        EXPECT_EQ(EDITHANDLE::DrawText(dc, request, nullptr, &handle), 1);
        return !surface.Calls().empty();
    };
    EXPECT_FALSE(draw());
    handle.Close();
    EXPECT_TRUE(draw());
}

TEST_F(TextEditWndTest, TypedTextIsPaintedWithItsSelectionAndCaret)
{
    Open("");
    for (QChar ch : QString("Edit in place"))
        Press(Qt::Key_unknown, QString(ch));
    Wnd().UpdateWindow();
    RunEventsFor(0);
    const std::string dir = FORMS_TEST_OUTPUT_DIR;
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(Wnd().IsCaretVisible());
    ASSERT_TRUE(view.grab().save(QString::fromStdString(dir + "/texteditwnd_caret.png")));

    // Select "place" with Shift and Ctrl: the caret goes while the word is
    // highlighted.
    Press(Qt::Key_Left, {}, Qt::ShiftModifier | Qt::ControlModifier);
    Wnd().UpdateWindow();
    RunEventsFor(0);
    EXPECT_FALSE(Wnd().IsCaretVisible());
    const QImage shot = view.grab().toImage();
    ASSERT_TRUE(shot.save(QString::fromStdString(dir + "/texteditwnd_selection.png")));
    // After the first paint the editor fills its text area: white below
    // the line, over the view's own background.
    EXPECT_EQ(shot.pixel(25, 120) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(handle.GetText(), "Edit in place");
}

} // namespace
