// The check box's window in the fill view, driven by synthetic keys and
// clicks: Space and both mouse buttons toggle, a radio group clears its
// other members and tells the formula host, Tab and Shift+Tab ask the fill
// view to move on, and Up, Down, F1 and the page keys reach the fill view.
#include "tests/objects/field_test_support.h"

#include "forms/fields/datatypes/check_datatype.h"
#include "forms/fields/richtext/textdrawinfo.h"
#include "forms/model/border.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"
#include "forms/objects/fgroup.h"

#include "platform/ui/checkbox_wnd.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class FormulaHost : public CountingDocument {
public:
    void Calculate(uint16_t id) override { calls.push_back("calculate " + std::to_string(id)); }
    void SetFieldDependantsOOD(uint16_t id) override { calls.push_back("out of date " + std::to_string(id)); }
    std::vector<std::string> calls;
};

class FillView : public FakeView {
public:
    OBJECT_DOCUMENT* GetObjectDocument() override { return &host; }
    QWidget* GetTrackingWindow() override { return &window; }
    void MoveToField(bool forward) override { moves.push_back(forward ? "next" : "previous"); }
    void MoveToCellAbove() override { moves.push_back("cell above"); }
    void MoveToCellBelow() override { moves.push_back("cell below"); }
    void ShowFieldHelp(FORMOBJ* field, const RECT& r) override
    {
        helpFor = field;
        helpRect = r;
        moves.push_back("help");
    }
    void OnPageKeyUp(bool pageUp, bool control) override
    {
        moves.push_back(std::string(control ? "ctrl " : "") + (pageUp ? "page up" : "page down"));
    }
    FORMOBJ* helpFor = nullptr;
    RECT helpRect {};
    RECT GetClientRect() const override { return {0, 0, 600, 400}; }
    int AutoScroll(int16_t dx, int16_t dy, uint16_t page) override
    {
        scrolls.push_back({dx, dy, page});
        return 1;
    }
    struct Scroll {
        int32_t dx, dy;
        uint16_t page;
        friend bool operator==(const Scroll&, const Scroll&) = default;
    };
    std::vector<Scroll> scrolls;
    FormulaHost host;
    QWidget window;
    std::vector<std::string> moves;
};

class CheckBoxWindowTest : public FieldTest {
protected:
    CheckBoxWindowTest()
    {
        view.window.resize(600, 400);
        view.window.show();
        group.Init();
        for (int i = 0; i < 3; ++i) {
            auto box = std::make_unique<FFIELD>();
            EXPECT_TRUE(box->SetType(kKindCheckBox, 0, BORDER(), BASICSHADE(), Font(0, 200), SHADOW()));
            box->SetRect(1000, 1000 + 400 * i, 3000, 1300 + 400 * i);
            box->SetFieldID(static_cast<uint16_t>(10 + i));
            Box(*box).nChecked = 0;
            radios.push_back(box.get());
            group.GetMembers().AddTail(std::move(box));
        }
        group.SetFieldsRadioGroup(&group);
        auto plain = std::make_unique<FFIELD>();
        EXPECT_TRUE(plain->SetType(kKindCheckBox, 0, BORDER(), BASICSHADE(), Font(0, 200), SHADOW()));
        plain->SetFieldID(20);
        Box(*plain).nChecked = 1;
        plainBox = plain.get();
        group.GetMembers().AddTail(std::move(plain));
    }

    static CHECK_DATATYPE& Box(FFIELD& field) { return *dynamic_cast<CHECK_DATATYPE*>(field.GetDataType()); }

    // Opens the field's window as the fill view does.
    QWidget* Open(FFIELD& field, RECT device = {10, 10, 200, 30})
    {
        Box(field).CreateControl(TEXTDRAWINFO(), device, RECT {}, TEXTATTR(), 0, 0, nullptr, nullptr, &view, &field, 0);
        return Box(field).GetWindow()->GetWidget();
    }

    static void Key(QWidget* w, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        Press(w, key, modifiers);
        Release(w, key, modifiers);
    }
    static void Press(QWidget* w, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(w, &press);
    }
    static void Release(QWidget* w, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent release(QEvent::KeyRelease, key, modifiers);
        QApplication::sendEvent(w, &release);
    }

    static void Click(QWidget* w, Qt::MouseButton button)
    {
        QMouseEvent press(
            QEvent::MouseButtonPress, QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), button, button, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
    }

    FillView view;
    FGROUP group;
    std::vector<FFIELD*> radios;
    FFIELD* plainBox = nullptr;
};

TEST_F(CheckBoxWindowTest, SpaceAndBothMouseButtonsToggleAPlainCheckBox)
{
    QWidget* w = Open(*plainBox);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->parentWidget(), &view.window);
    const struct {
        const char* name;
        void (*act)(QWidget*);
        uint32_t after;
    } steps[] = {
        {"space", [](QWidget* x) { Key(x, Qt::Key_Space); }, 0},
        {"left click", [](QWidget* x) { Click(x, Qt::LeftButton); }, 1},
        {"right click", [](QWidget* x) { Click(x, Qt::RightButton); }, 0},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        view.host.calls.clear();
        step.act(w);
        EXPECT_EQ(Box(*plainBox).nChecked, step.after);
        EXPECT_EQ(view.host.calls, std::vector<std::string> {"calculate 20"});
    }
    EXPECT_EQ(Box(*plainBox).EndEdit(&view, RECT {}, {}), 1);
    EXPECT_EQ(Box(*plainBox).GetWindow(), nullptr);
}

TEST_F(CheckBoxWindowTest, ARadioButtonClearsTheOthersOfItsGroupAndStaysChecked)
{
    QWidget* first = Open(*radios[0]);
    Key(first, Qt::Key_Space);
    EXPECT_EQ(view.host.calls, std::vector<std::string> {"calculate 10"});
    view.host.calls.clear();
    Click(first, Qt::LeftButton);
    EXPECT_EQ(Box(*radios[0]).nChecked, 1u) << "a checked radio button stays checked";
    EXPECT_TRUE(view.host.calls.empty());
    Box(*radios[0]).EndEdit(&view, RECT {}, {});

    QWidget* third = Open(*radios[2]);
    Click(third, Qt::RightButton);
    EXPECT_EQ(Box(*radios[0]).nChecked, 0u);
    EXPECT_EQ(Box(*radios[2]).nChecked, 1u);
    EXPECT_EQ(Box(*plainBox).nChecked, 1u) << "the plain check box beside the group";
    EXPECT_EQ(view.host.calls, (std::vector<std::string> {"out of date 10", "calculate 12"}));
}

TEST_F(CheckBoxWindowTest, TabAndShiftTabAskTheFillViewToMoveOn)
{
    QWidget* w = Open(*radios[1]);
    Key(w, Qt::Key_Tab);
    Key(w, Qt::Key_Backtab, Qt::ShiftModifier);
    Key(w, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(view.moves, (std::vector<std::string> {"next", "previous", "previous"}));
    EXPECT_EQ(Box(*radios[1]).nChecked, 0u) << "Tab does not toggle";
}

// Each key reaches the fill view once, as the one move it stands for, on
// the press or on the release as the key is handled, and none toggles.
TEST_F(CheckBoxWindowTest, ArrowsHelpAndPageKeysGoToTheFillViewAndNeverToggle)
{
    QWidget* w = Open(*plainBox);
    const struct {
        const char* name;
        int key;
        Qt::KeyboardModifiers modifiers;
        bool onPress;
        const char* move;
    } cases[] = {
        {"up", Qt::Key_Up, Qt::NoModifier, true, "cell above"},
        {"down", Qt::Key_Down, Qt::NoModifier, true, "cell below"},
        {"F1", Qt::Key_F1, Qt::NoModifier, true, "help"},
        {"page up released", Qt::Key_PageUp, Qt::NoModifier, false, "page up"},
        {"page down released", Qt::Key_PageDown, Qt::NoModifier, false, "page down"},
        {"ctrl page down released", Qt::Key_PageDown, Qt::ControlModifier, false, "ctrl page down"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        view.moves.clear();
        Press(w, c.key, c.modifiers);
        EXPECT_EQ(view.moves, c.onPress ? std::vector<std::string> {c.move} : std::vector<std::string> {});
        Release(w, c.key, c.modifiers);
        EXPECT_EQ(view.moves, std::vector<std::string> {c.move});
        EXPECT_EQ(Box(*plainBox).nChecked, 1u);
    }
    EXPECT_TRUE(view.host.calls.empty()) << "no recalculation without a toggle";
    // Help is asked for this field over the window's place on the screen.
    EXPECT_EQ(view.helpFor, plainBox);
    const QPoint corner = w->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(view.helpRect.left, corner.x());
    EXPECT_EQ(view.helpRect.top, corner.y());
    EXPECT_EQ(view.helpRect.right - view.helpRect.left, 190);
    EXPECT_EQ(view.helpRect.bottom - view.helpRect.top, 20);
}

// A box partly out of the 600 by 400 client area is scrolled in with 24
// pixels to spare, the distance in twips (15 a pixel here) on the field's
// page; a box in sight, or a field wholly out of it, scrolls nothing.
TEST_F(CheckBoxWindowTest, OpeningScrollsABoxPartlyOutOfSightIntoIt)
{
    g_twipsPerDevice = 15;
    const struct {
        const char* name;
        uint32_t textPos; // 0: box at the left
        RECT device;
        std::vector<FillView::Scroll> scrolls;
    } cases[] = {
        {"in sight", 0, {10, 10, 200, 30}, {}},
        {"box off the left", 0, {-10, 100, 180, 120}, {{-34 * 15, 0, 3}}},
        {"box off the right", 1, {500, 100, 610, 120}, {{34 * 15, 0, 3}}},
        {"box below", 1, {100, 390, 300, 410}, {{0, 34 * 15, 3}}},
        {"box above and left", 0, {-5, -8, 300, 12}, {{-29 * 15, -32 * 15, 3}}},
        {"box off the left, text in sight", 0, {-30, 100, 300, 120}, {{-54 * 15, 0, 3}}},
        {"wholly out of sight", 0, {700, 500, 900, 520}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        view.scrolls.clear();
        plainBox->SetPage(3);
        Box(*plainBox).nTextPos = c.textPos;
        Open(*plainBox, c.device);
        EXPECT_EQ(view.scrolls, c.scrolls);
        Box(*plainBox).EndEdit(&view, RECT {}, {});
    }
    g_twipsPerDevice = 1;
}

} // namespace
