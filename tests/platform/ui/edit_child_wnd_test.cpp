#include "platform/gdi/dc.h"
#include "platform/gdi/window_surface.h"
#include "platform/ui/beep.h"
#include "platform/ui/edit_child_wnd.h"
#include "platform/ui/virtual_keys.h"
#include "tests/common/run_events.h"

#include <QAction>
#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ui;

namespace {

// Records every call the window makes, one line each.
class RecordingWnd : public EditChildWnd {
public:
    std::vector<std::string> calls;
    int paints = 0;
    gdi::RECT lastPaint {};
    bool destroyOnTab = false;
    bool eatF1 = false;

protected:
    static std::string Key(const char* what, unsigned vk, unsigned flags)
    {
        return std::string(what) + " " + std::to_string(vk) + " " + std::to_string(flags);
    }
    bool PreTranslateKeyDown(unsigned vk, unsigned, unsigned) override
    {
        if (eatF1 && vk == VK_F1) {
            calls.push_back("eaten F1");
            return true;
        }
        return false;
    }
    void OnKeyDown(unsigned vk, unsigned, unsigned flags) override
    {
        calls.push_back(Key("down", vk, flags));
        if (destroyOnTab && vk == VK_TAB)
            DestroyWnd();
    }
    void OnKeyUp(unsigned vk, unsigned repeat, unsigned flags) override
    {
        calls.push_back(Key("up", vk, flags) + " x" + std::to_string(repeat));
    }
    void OnChar(unsigned char ch, unsigned, unsigned) override { calls.push_back("char " + std::to_string(ch)); }
    void OnSysKeyDown(unsigned vk, unsigned, unsigned flags) override { calls.push_back(Key("sysdown", vk, flags)); }
    void OnSysKeyUp(unsigned vk, unsigned, unsigned flags) override { calls.push_back(Key("sysup", vk, flags)); }
    void OnSysChar(unsigned char ch, unsigned, unsigned) override { calls.push_back("syschar " + std::to_string(ch)); }
    void OnLButtonDown(unsigned flags, gdi::POINT p) override { Mouse("press", flags, p); }
    void OnMouseMove(unsigned flags, gdi::POINT p) override { Mouse("move", flags, p); }
    void OnLButtonUp(unsigned flags, gdi::POINT p) override { Mouse("release", flags, p); }
    void OnLButtonDblClk(unsigned flags, gdi::POINT p) override { Mouse("dblclk", flags, p); }
    void OnSetFocus() override { calls.push_back("setfocus"); }
    void OnKillFocus() override { calls.push_back("killfocus"); }
    void OnPaint(gdi::DC& dc, const gdi::RECT& area) override
    {
        ++paints;
        lastPaint = area;
        dc.PatBlt(area.left, area.top, area.Width(), area.Height(), gdi::PATCOPY);
    }

private:
    void Mouse(const char* what, unsigned flags, gdi::POINT p)
    {
        calls.push_back(
            std::string(what) + " " + std::to_string(flags) + " " + std::to_string(p.x) + "," + std::to_string(p.y));
    }
};

class EditChildWndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        top.resize(300, 200);
        other = new QWidget(&top);
        other->setFocusPolicy(Qt::StrongFocus);
        other->setGeometry(200, 150, 50, 30);
        top.show();
        top.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&top));
        ASSERT_TRUE(wnd.CreateWnd(&top, 93, {20, 30, 180, 90}, true));
        wnd.SetFocus();
        RunEventsFor(0);
        wnd.calls.clear();
    }

    // A key press carrying its text, as the keyboard sends it.
    void Press(int key, const QString& text, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QKeyEvent e(QEvent::KeyPress, key, mods, text);
        QApplication::sendEvent(wnd.GetWidget(), &e);
    }
    void Release(int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QKeyEvent e(QEvent::KeyRelease, key, mods);
        QApplication::sendEvent(wnd.GetWidget(), &e);
    }
    void MouseEvent(QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QMouseEvent e(type, p, wnd.GetWidget()->mapToGlobal(p), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(wnd.GetWidget(), &e);
    }

    QWidget top;
    QWidget* other = nullptr;
    RecordingWnd wnd;
};

TEST_F(EditChildWndTest, CharactersArriveAsWindows1252Bytes)
{
    struct Case {
        const char* name;
        QString text;
        std::vector<std::string> calls;
        int beeps;
    };
    const Case cases[] = {
        {"ascii", "a", {"down 65 0", "char 97"}, 0},
        {"e acute", QString(QChar(0xE9)), {"down 0 0", "char 233"}, 0},
        {"euro", QString(QChar(0x20AC)), {"down 0 0", "char 128"}, 0},
        {"l stroke", QString(QChar(0x142)), {"down 0 0"}, 1},
        {"enter", "\r", {"down 13 0", "char 13"}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        wnd.calls.clear();
        ScopedBeepCounter beeps;
        const int key = c.text == "a" ? Qt::Key_A : c.text == "\r" ? Qt::Key_Return : Qt::Key_unknown;
        Press(key, c.text);
        EXPECT_EQ(wnd.calls, c.calls);
        EXPECT_EQ(beeps.Count(), c.beeps);
    }
}

TEST_F(EditChildWndTest, InputMethodCommitsAreCharacters)
{
    ScopedBeepCounter beeps;
    QInputMethodEvent e;
    e.setCommitString(QString::fromUtf8("\xC3\xA9\xE2\x82\xAC\xC5\x82z"));
    QApplication::sendEvent(wnd.GetWidget(), &e);
    EXPECT_EQ(wnd.calls, (std::vector<std::string> {"char 233", "char 128", "char 122"}));
    EXPECT_EQ(beeps.Count(), 1);
}

TEST_F(EditChildWndTest, TabAndBacktabReachTheWindowNotTheFocusChain)
{
    Press(Qt::Key_Tab, "\t");
    Press(Qt::Key_Backtab, "", Qt::ShiftModifier);
    EXPECT_EQ(wnd.calls, (std::vector<std::string> {"down 9 0", "down 9 1"}));
    EXPECT_TRUE(wnd.HasFocus());
    EXPECT_FALSE(other->hasFocus());
}

TEST_F(EditChildWndTest, AltKeysAreSystemKeys)
{
    Press(Qt::Key_X, "x", Qt::AltModifier);
    Release(Qt::Key_Down, Qt::AltModifier);
    Release(Qt::Key_PageDown);
    EXPECT_EQ(wnd.calls, (std::vector<std::string> {"sysdown 88 4", "syschar 120", "sysup 40 4", "up 34 0 x1"}));
}

TEST_F(EditChildWndTest, KeysTheWindowKeepsAreTakenBeforeShortcuts)
{
    int escapes = 0;
    int copies = 0;
    auto* escape = new QAction(&top);
    escape->setShortcut(Qt::Key_Escape);
    escape->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(escape, &QAction::triggered, [&] { ++escapes; });
    auto* copy = new QAction(&top);
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    QObject::connect(copy, &QAction::triggered, [&] { ++copies; });
    top.addAction(escape);
    top.addAction(copy);

    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        bool taken;
    };
    const Case cases[] = {
        {Qt::Key_Escape, Qt::NoModifier, true},
        {Qt::Key_F1, Qt::NoModifier, true},
        {Qt::Key_Up, Qt::AltModifier, true},
        {Qt::Key_Down, Qt::AltModifier, true},
        {Qt::Key_Down, Qt::NoModifier, false},
        {Qt::Key_C, Qt::ControlModifier, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        QKeyEvent e(QEvent::ShortcutOverride, c.key, c.mods);
        e.ignore();
        QApplication::sendEvent(wnd.GetWidget(), &e);
        EXPECT_EQ(e.isAccepted(), c.taken);
    }

    // Through the toolkit's shortcut handling: Esc reaches the window and
    // no accelerator, Ctrl+C goes to its accelerator.
    int parentKeys = 0;
    struct Counter : QObject {
        int& n;
        explicit Counter(int& n)
            : n(n)
        {}
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::KeyPress)
                ++n;
            return false;
        }
    } counter(parentKeys);
    top.installEventFilter(&counter);
    QTest::keyClick(wnd.GetWidget(), Qt::Key_Escape);
    QTest::keyClick(wnd.GetWidget(), Qt::Key_C, Qt::ControlModifier);
    top.removeEventFilter(&counter);
    EXPECT_EQ(escapes, 0);
    EXPECT_EQ(copies, 1);
    EXPECT_EQ(parentKeys, 0);
    EXPECT_EQ(wnd.calls.front(), "down 27 0");
}

TEST_F(EditChildWndTest, EatenKeysMakeNoCharacters)
{
    wnd.eatF1 = true;
    Press(Qt::Key_F1, "");
    Press(Qt::Key_B, "b");
    EXPECT_EQ(wnd.calls, (std::vector<std::string> {"eaten F1", "down 66 0", "char 98"}));
}

TEST_F(EditChildWndTest, DestroyingTheWindowInItsOwnCallIsSafe)
{
    wnd.destroyOnTab = true;
    Press(Qt::Key_Tab, "\t");
    EXPECT_FALSE(wnd.HasWnd());
    RunEventsFor(0);
    EXPECT_EQ(wnd.calls, (std::vector<std::string> {"down 9 0"}));
}

TEST_F(EditChildWndTest, MouseCallsCarryButtonsAndPoints)
{
    EXPECT_EQ(wnd.GetWidget()->cursor().shape(), Qt::IBeamCursor);
    MouseEvent(QEvent::MouseButtonPress, {5, 6}, Qt::LeftButton, Qt::LeftButton);
    wnd.SetCapture();
    // Past the window's edge, still the window's under the press.
    MouseEvent(QEvent::MouseMove, {200, -4}, Qt::NoButton, Qt::LeftButton);
    EXPECT_TRUE(wnd.HasCapture());
    MouseEvent(QEvent::MouseButtonRelease, {200, -4}, Qt::LeftButton, Qt::NoButton);
    wnd.ReleaseCapture();
    MouseEvent(QEvent::MouseButtonDblClick, {7, 8}, Qt::LeftButton, Qt::LeftButton);
    MouseEvent(QEvent::MouseButtonPress, {7, 8}, Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(
        wnd.calls, (std::vector<std::string> {"press 1 5,6", "move 1 200,-4", "release 0 200,-4", "dblclk 1 7,8"}));
    EXPECT_FALSE(wnd.HasCapture());
}

TEST_F(EditChildWndTest, FocusCallsFollowTheFocus)
{
    other->setFocus();
    wnd.SetFocus();
    EXPECT_EQ(wnd.calls, (std::vector<std::string> {"killfocus", "setfocus"}));
}

TEST_F(EditChildWndTest, CaretIsSeenOnlyShownAndWithTheFocus)
{
    wnd.CreateCaret(2, 15);
    wnd.SetCaretPos(10, 5);
    EXPECT_FALSE(wnd.IsCaretVisible()) << "made hidden";
    wnd.ShowCaret();
    EXPECT_TRUE(wnd.IsCaretVisible());
    EXPECT_EQ(wnd.GetCaretPos().x, 10);
    EXPECT_EQ(wnd.GetCaretPos().y, 5);
    EXPECT_EQ(wnd.GetCaretHeight(), 15);
    wnd.HideCaret();
    wnd.HideCaret();
    wnd.ShowCaret();
    EXPECT_FALSE(wnd.IsCaretVisible()) << "each hide needs a show";
    wnd.ShowCaret();
    EXPECT_TRUE(wnd.IsCaretVisible());
    other->setFocus();
    EXPECT_FALSE(wnd.IsCaretVisible());
    wnd.SetFocus();
    EXPECT_TRUE(wnd.IsCaretVisible());
    wnd.DestroyCaret();
    EXPECT_FALSE(wnd.IsCaretVisible());
}

TEST_F(EditChildWndTest, CaretIsDrawnOverTheSurfaceAndBlinks)
{
    RunEventsFor(0);
    wnd.CreateCaret(2, 15);
    wnd.SetCaretPos(10, 5);
    wnd.ShowCaret();
    QImage shown = wnd.GetWidget()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(11, 12), QColor(Qt::black));
    EXPECT_EQ(shown.pixelColor(13, 12), QColor(Qt::white));
    // The surface itself holds no caret.
    EXPECT_EQ(wnd.GetSurface()->Pixel(11, 12), 0xFFFFFFu);

    wnd.OnTimer(1);
    shown = wnd.GetWidget()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(11, 12), QColor(Qt::white)) << "blink phase off";
    wnd.OnTimer(1);
    wnd.HideCaret();
    shown = wnd.GetWidget()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(11, 12), QColor(Qt::white)) << "hidden";
}

TEST_F(EditChildWndTest, InvalidAreasArePaintedFromTheEventLoop)
{
    RunEventsFor(0);
    const int before = wnd.paints;
    const gdi::RECT area {3, 4, 13, 14};
    wnd.Invalidate(&area);
    wnd.Invalidate(&area);
    EXPECT_EQ(wnd.paints, before);
    RunEventsFor(0);
    EXPECT_EQ(wnd.paints, before + 1);
    EXPECT_EQ(wnd.lastPaint.left, 3);
    EXPECT_EQ(wnd.lastPaint.bottom, 14);
    wnd.Invalidate();
    wnd.UpdateWindow();
    EXPECT_EQ(wnd.paints, before + 2);
    EXPECT_EQ(wnd.lastPaint.right, 160);
}

TEST(EditChildWndSurface, StartsWithWhatTheParentShowsBeneath)
{
    QWidget top;
    top.resize(100, 100);
    top.setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0, 0, 255));
    top.setPalette(palette);
    top.show();
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateWnd(&top, 93, {10, 10, 50, 50}, false));
    EXPECT_EQ(wnd.GetSurface()->Pixel(5, 5), 0xFF0000u);
    EXPECT_FALSE(wnd.CreateWnd(&top, 93, {10, 10, 50, 50}, false)) << "one window at a time";
    EXPECT_FALSE(wnd.IsWindowVisible());
}

TEST(VirtualKeys, FromQtKeys)
{
    struct Case {
        int qt;
        unsigned vk;
    };
    const Case cases[] = {{Qt::Key_A, 'A'}, {Qt::Key_7, '7'}, {Qt::Key_F1, VK_F1}, {Qt::Key_F12, 0x7B},
        {Qt::Key_Backtab, VK_TAB}, {Qt::Key_Enter, VK_RETURN}, {Qt::Key_PageUp, VK_PRIOR}, {Qt::Key_PageDown, VK_NEXT},
        {Qt::Key_Delete, VK_DELETE}, {Qt::Key_Eacute, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(VirtualKeyFromQtKey(c.qt), c.vk) << c.qt;
}

} // namespace
