// Dialogs built from definitions and run through the dialog hook: placement
// in dialog units of the mapped font, Enter, Esc and closing, the
// notifications controls send (and those they do not), edits of several
// lines, radio groups,
// owner-drawn buttons, and dialogs or pop-ups that nobody answers.
#include "platform/ui/dialog/dialog.h"
#include "platform/ui/dialog/dialog_hook.h"
#include "platform/ui/dialog/notifications.h"
#include "platform/ui/dialog/popup_menu.h"

#include "tests/platform/ui/dialog_input.h"

#include "platform/gdi/image_surface.h"
#include "platform/gdi/palette.h"
#include "platform/res/dialog_template.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontInfo>
#include <QLineEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

namespace {

using ui::Dialog;

const res::DialogTemplate& TestDefinition()
{
    static const res::DialogTemplate definition
        = res::ParseDialogTemplate("DIALOG\t300\n"
                                   "CAPTION\tTest dialog\n"
                                   "SIZE\t200 120\n"
                                   "FONT\t8\tMS Sans Serif\n"
                                   "CONTROL\t65535\tLTEXT\t4 4 40 8\t-\t&Value:\n"
                                   "CONTROL\t10\tEDITTEXT\t48 4 60 12\tGROUP TABSTOP\t\n"
                                   "CONTROL\t11\tCHECKBOX\t4 20 60 10\tTABSTOP\t&Bold\n"
                                   "CONTROL\t20\tRADIOBUTTON\t4 34 40 10\tGROUP TABSTOP\tOne\n"
                                   "CONTROL\t21\tRADIOBUTTON\t4 44 40 10\t-\tTwo\n"
                                   "CONTROL\t22\tRADIOBUTTON\t4 54 40 10\t-\tThree\n"
                                   "CONTROL\t30\tRADIOBUTTON\t60 34 40 10\tGROUP TABSTOP\tInches\n"
                                   "CONTROL\t31\tRADIOBUTTON\t60 44 40 10\t-\tCentimetres\n"
                                   "CONTROL\t40\tCOMBOBOX\t110 20 60 60\tGROUP TABSTOP DROPDOWNLIST\t\n"
                                   "CONTROL\t41\tCOMBOBOX\t110 36 60 60\tTABSTOP DROPDOWN SORT\t\n"
                                   "CONTROL\t50\tPUSHBUTTON\t110 54 30 20\tOWNERDRAW TABSTOP\tSwatch\n"
                                   "CONTROL\t60\tPUSHBUTTON\t4 100 40 14\tTABSTOP\t&Apply\n"
                                   "CONTROL\t1\tDEFPUSHBUTTON\t100 100 40 14\tTABSTOP\tOK\n"
                                   "CONTROL\t2\tPUSHBUTTON\t150 100 40 14\tTABSTOP\tCancel\n",
            "300.dlg");
    return definition;
}

// Notes every command it is sent; a command given an action runs it.
class TestDialog : public Dialog {
public:
    TestDialog()
        : Dialog(TestDefinition())
    {}
    std::vector<std::pair<int, unsigned>> commands;
    std::function<void(TestDialog&)> onInit;
    std::map<int, std::function<void()>> actions;
    bool initialised = false;

protected:
    bool OnInitDialog() override
    {
        initialised = true;
        if (onInit)
            onInit(*this);
        return true;
    }
    bool OnCommand(int id, unsigned code) override
    {
        commands.emplace_back(id, code);
        if (auto it = actions.find(id); it != actions.end() && code == ui::BN_CLICKED) {
            it->second();
            return true;
        }
        return Dialog::OnCommand(id, code);
    }
};

using Commands = std::vector<std::pair<int, unsigned>>;

Commands Clicks(const Commands& commands)
{
    Commands clicks;
    for (const auto& command : commands)
        if (command.second == ui::BN_CLICKED)
            clicks.push_back(command);
    return clicks;
}

// Runs the dialog with the hook; answers its result.
int RunDialog(TestDialog& dialog, const std::function<void(TestDialog&)>& drive)
{
    ui::ScopedDialogHook hook([&](Dialog& running) { drive(static_cast<TestDialog&>(running)); });
    return dialog.DoModal();
}

TEST(Dialog, ControlsArePlacedInDialogUnitsOfTheMappedFont)
{
    EXPECT_EQ(ui::MapDialogFace("MS Sans Serif"), "Liberation Sans");
    EXPECT_EQ(ui::MapDialogFace("ms sans serif"), "Liberation Sans");
    EXPECT_EQ(ui::MapDialogFace("Courier New"), "Courier New");
    const ui::DialogBaseUnits base = ui::BaseUnitsOf(ui::DialogLogFont(8, "MS Sans Serif"));
    EXPECT_EQ(base, (ui::DialogBaseUnits {6, 12}));
    EXPECT_EQ(ui::BaseUnitsOf(ui::DialogLogFont(8, "Arial")), base);

    // x × 6 / 4 and y × 12 / 8, halves away from zero.
    struct Case {
        int x, y, width, height;
        gdi::RECT pixels;
    };
    const Case cases[] = {
        {0, 0, 4, 8, {0, 0, 6, 12}},
        {1, 1, 1, 1, {2, 2, 4, 4}},
        {3, 5, 50, 14, {5, 8, 80, 29}},
        {-2, 34, 60, 30, {-3, 51, 87, 96}},
    };
    for (const Case& c : cases) {
        const gdi::RECT r = ui::MapDialogRect(c.x, c.y, c.width, c.height, base);
        EXPECT_EQ(r, c.pixels) << c.x << "," << c.y << " " << c.width << "x" << c.height;
    }

    TestDialog dialog;
    RunDialog(dialog, [&](TestDialog& d) {
        EXPECT_EQ(d.GetBaseUnits(), base);
        EXPECT_EQ(d.GetWindow()->size(), QSize(300, 180));
        EXPECT_EQ(d.GetWindow()->windowTitle(), "Test dialog");
        EXPECT_EQ(QFontInfo(d.GetWindow()->font()).family(), "Liberation Sans");
        for (const res::DialogControl& control : TestDefinition().controls) {
            if (control.id == 65535 || control.kind == res::ControlKind::ComboBox)
                continue;
            QWidget* widget = d.GetDlgItem(control.id);
            ASSERT_NE(widget, nullptr) << control.id;
            EXPECT_EQ(widget->objectName(), QStringLiteral("ctl_%1").arg(control.id));
            const gdi::RECT r = ui::MapDialogRect(control.x, control.y, control.width, control.height, base);
            EXPECT_EQ(widget->geometry(), QRect(r.left, r.top, r.Width(), r.Height())) << control.id;
        }
        // OK at (100, 100) and Cancel 50 units to its right: 75 pixels apart.
        EXPECT_EQ(d.GetDlgItem(2)->x() - d.GetDlgItem(1)->x(), 75);
        EXPECT_EQ(d.GetWindow()->findChild<QWidget*>("ctl_40"), d.GetDlgItem(40));
        d.EndDialog(1);
    });
}

TEST(Dialog, EnterRunsTheDefaultButtonEscAndClosingCancel)
{
    struct Case {
        const char* what;
        std::function<void(TestDialog&)> drive;
        int result;
        Commands commands;
    };
    const Case cases[] = {
        {"Enter in the edit", [](TestDialog& d) { SendKey(Qt::Key_Return, "\r", d.GetDlgItem(10)); }, 1,
            {{1, ui::BN_CLICKED}}},
        {"Enter on a focused push button runs that button, then Esc",
            [](TestDialog& d) {
                d.GetDlgItem(60)->setFocus();
                SendKey(Qt::Key_Return, "\r", d.GetDlgItem(60));
                EXPECT_TRUE(d.IsRunning());
                SendKey(Qt::Key_Escape, {}, d.GetDlgItem(10));
            },
            2, {{60, ui::BN_CLICKED}, {2, ui::BN_CLICKED}}},
        {"closing the window", [](TestDialog& d) { d.GetWindow()->close(); }, 2, {{2, ui::BN_CLICKED}}},
        {"a click on Cancel", [](TestDialog& d) { SendClick(d.GetDlgItem(2)); }, 2, {{2, ui::BN_CLICKED}}},
        {"any result", [](TestDialog& d) { d.EndDialog(77); }, 77, {}},
        {"Enter with a disabled default button does nothing",
            [](TestDialog& d) {
                d.EnableItem(1, false);
                SendKey(Qt::Key_Enter, "\r", d.GetDlgItem(10));
                EXPECT_TRUE(d.IsRunning());
                d.EndDialog(5);
            },
            5, {}},
    };
    for (const Case& c : cases) {
        TestDialog dialog;
        EXPECT_EQ(RunDialog(dialog, c.drive), c.result) << c.what;
        EXPECT_EQ(Clicks(dialog.commands), c.commands) << c.what;
        EXPECT_EQ(dialog.GetWindow(), nullptr) << c.what;
    }
}

TEST(Dialog, ControlsNotifyWhatTheUserDoesAndNotWhatTheProgramSets)
{
    TestDialog dialog;
    RunDialog(dialog, [](TestDialog& d) {
        auto take = [&d] { return std::exchange(d.commands, {}); };
        // The first tab stop has the focus from the start.
        EXPECT_EQ(take(), (Commands {{10, ui::EN_SETFOCUS}}));
        d.SetDlgItemText(10, "1.5");
        EXPECT_EQ(take(), (Commands {{10, ui::EN_UPDATE}, {10, ui::EN_CHANGE}}));
        d.SetDlgItemText(10, "1.5");
        EXPECT_EQ(take(), (Commands {{10, ui::EN_UPDATE}, {10, ui::EN_CHANGE}}));
        d.SetDlgItemTextQuietly(10, "2.25");
        EXPECT_EQ(take(), Commands {});
        EXPECT_EQ(d.GetDlgItemText(10), "2.25");
        d.GetDlgItem(10)->setFocus();
        take();
        d.Item<QLineEdit>(10)->setCursorPosition(4);
        TypeText("0", d.GetDlgItem(10));
        EXPECT_EQ(d.GetDlgItemText(10), "2.250");
        EXPECT_EQ(take(), (Commands {{10, ui::EN_UPDATE}, {10, ui::EN_CHANGE}}));

        d.CheckDlgButton(11, true);
        EXPECT_TRUE(d.IsDlgButtonChecked(11));
        EXPECT_EQ(take(), Commands {});
        SendClick(d.GetDlgItem(11));
        EXPECT_FALSE(d.IsDlgButtonChecked(11));
        EXPECT_EQ(take(), (Commands {{11, ui::BN_CLICKED}}));

        // A combo: filling and selecting send nothing, the user's key does.
        for (const char* size : {"8", "10", "12"})
            d.AddString(40, size, static_cast<uintptr_t>(std::atoi(size)));
        EXPECT_EQ(d.GetCurSel(40), -1);
        d.SetCurSel(40, 0);
        EXPECT_EQ(take(), Commands {});
        d.GetDlgItem(40)->setFocus();
        EXPECT_EQ(take(), (Commands {{10, ui::EN_KILLFOCUS}, {40, ui::CBN_SETFOCUS}}));
        SendKey(Qt::Key_Down, {}, d.GetDlgItem(40));
        EXPECT_EQ(d.GetCurSel(40), 1);
        EXPECT_EQ(d.GetItemData(40, 1), 10u);
        EXPECT_EQ(take(), (Commands {{40, ui::CBN_SELCHANGE}}));

        // A sorted editable combo: typing sends edit notifications only.
        d.AddString(41, "Times");
        d.AddString(41, "arial");
        d.AddString(41, "Courier");
        EXPECT_EQ(d.Item<QComboBox>(41)->itemText(0), "arial");
        EXPECT_EQ(d.Item<QComboBox>(41)->itemText(2), "Times");
        d.GetDlgItem(41)->setFocus();
        take();
        TypeText("x", d.Item<QComboBox>(41)->lineEdit());
        EXPECT_EQ(take(), (Commands {{41, ui::CBN_EDITUPDATE}, {41, ui::CBN_EDITCHANGE}}));
        d.EndDialog(1);
    });
}

// Two edits of several lines: one that wants Enter, one that leaves it to
// the dialog. Their text has CR LF line ends both ways.
class LinesDialog : public Dialog {
public:
    LinesDialog()
        : Dialog(Definition())
    {}
    std::vector<std::pair<int, unsigned>> commands;

protected:
    bool OnCommand(int id, unsigned code) override
    {
        commands.emplace_back(id, code);
        return Dialog::OnCommand(id, code);
    }

private:
    static const res::DialogTemplate& Definition()
    {
        static const res::DialogTemplate definition
            = res::ParseDialogTemplate("DIALOG\t301\n"
                                       "SIZE\t200 120\n"
                                       "CONTROL\t10\tEDITTEXT\t4 4 120 40\tTABSTOP MULTILINE WANTRETURN\t\n"
                                       "CONTROL\t11\tEDITTEXT\t4 50 120 40\tTABSTOP MULTILINE\t\n"
                                       "CONTROL\t1\tDEFPUSHBUTTON\t150 100 40 14\tTABSTOP\tOK\n",
                "301.dlg");
        return definition;
    }
};

TEST(Dialog, AnEditOfSeveralLinesTakesEnterOnlyWhenItWantsIt)
{
    LinesDialog dialog;
    ui::ScopedDialogHook hook([](Dialog& running) {
        auto& d = static_cast<LinesDialog&>(running);
        QWidget* lines = d.GetDlgItem(10);
        lines->setFocus();
        d.commands.clear();
        TypeText("One", lines);
        SendKey(Qt::Key_Return, "\r", lines);
        TypeText("Two", lines);
        EXPECT_TRUE(d.IsRunning());
        EXPECT_EQ(d.GetDlgItemText(10), "One\r\nTwo");
        EXPECT_NE(std::find(d.commands.begin(), d.commands.end(), std::pair<int, unsigned>(10, ui::EN_CHANGE)),
            d.commands.end());
        d.SetDlgItemTextQuietly(11, "First\r\nSecond");
        EXPECT_EQ(d.GetDlgItemText(11), "First\r\nSecond");
        SendKey(Qt::Key_Return, "\r", d.GetDlgItem(11));
        EXPECT_FALSE(d.IsRunning()) << "Enter in an edit that does not want it runs the default button";
    });
    EXPECT_EQ(dialog.DoModal(), 1);
}

TEST(Dialog, PickingFromAComboListNotifiesAsTheListCloses)
{
    TestDialog dialog;
    RunDialog(dialog, [](TestDialog& d) {
        for (const char* size : {"8", "10", "12"})
            d.AddString(40, size);
        d.SetCurSel(40, 0);
        auto* combo = d.Item<QComboBox>(40);
        combo->setFocus();
        d.commands.clear();

        combo->showPopup();
        combo->view()->setCurrentIndex(combo->model()->index(2, 0));
        SendKey(Qt::Key_Return, "\r", combo->view());
        QCoreApplication::processEvents();
        EXPECT_EQ(d.GetCurSel(40), 2);
        EXPECT_EQ(d.commands,
            (Commands {
                {40, ui::CBN_DROPDOWN}, {40, ui::CBN_SELENDOK}, {40, ui::CBN_CLOSEUP}, {40, ui::CBN_SELCHANGE}}));

        d.commands.clear();
        combo->showPopup();
        SendKey(Qt::Key_Escape, {}, combo->view());
        QCoreApplication::processEvents();
        EXPECT_EQ(d.GetCurSel(40), 2);
        EXPECT_EQ(d.commands, (Commands {{40, ui::CBN_DROPDOWN}, {40, ui::CBN_SELENDCANCEL}, {40, ui::CBN_CLOSEUP}}));
        EXPECT_TRUE(d.IsRunning());
        d.EndDialog(1);
    });
}

// Draws each item as a block of the colour its data names.
class BlockDrawer : public ui::OwnerDrawer {
public:
    void DrawItem(ui::DRAWITEMSTRUCT& item) override
    {
        drawn.push_back(item);
        item.dc->FillRect(
            item.rcItem, gdi::Brush::Solid(item.itemID < 0 ? 0 : static_cast<gdi::COLORREF>(item.itemData)));
    }
    void MeasureItem(ui::MEASUREITEMSTRUCT& item) override { item.itemHeight = 20; }
    std::vector<ui::DRAWITEMSTRUCT> drawn;
};

TEST(Dialog, AnOwnerDrawnComboDrawsItsChosenItemThroughItsOwner)
{
    static const res::DialogTemplate definition
        = res::ParseDialogTemplate("DIALOG\t301\nSIZE\t120 60\n"
                                   "CONTROL\t1194\tCOMBOBOX\t4 4 80 60\tTABSTOP DROPDOWNLIST OWNERDRAW\t\n",
            "301.dlg");
    Dialog dialog(definition);
    BlockDrawer drawer;
    ui::ScopedDialogHook hook([&](Dialog& d) {
        d.AttachDrawer(1194, &drawer);
        d.AddString(1194, "", gdi::RGB(0xFF, 0, 0));
        d.AddString(1194, "", gdi::RGB(0, 0, 0xFF));
        d.SetCurSel(1194, 1);
        auto* combo = d.Item<QComboBox>(1194);
        const QImage shown = combo->grab().toImage();
        ASSERT_FALSE(drawer.drawn.empty());
        const ui::DRAWITEMSTRUCT& field = drawer.drawn.back();
        EXPECT_EQ(field.CtlType, ui::ODT_COMBOBOX);
        EXPECT_EQ(field.CtlID, 1194u);
        EXPECT_EQ(field.itemID, 1);
        EXPECT_NE(field.itemState & ui::ODS_COMBOBOXEDIT, 0u);
        EXPECT_EQ(shown.pixel(10, combo->height() / 2), qRgb(0, 0, 0xFF));
        d.EndDialog(1);
    });
    EXPECT_EQ(dialog.DoModal(), 1);
}

TEST(Dialog, ARadioButtonChecksOneOfItsGroupOnly)
{
    TestDialog dialog;
    dialog.onInit = [](TestDialog& d) {
        d.CheckRadioButton(20, 22, 20);
        d.CheckRadioButton(30, 31, 31);
    };
    RunDialog(dialog, [](TestDialog& d) {
        EXPECT_TRUE(Clicks(d.commands).empty());
        SendClick(d.GetDlgItem(22));
        SendClick(d.GetDlgItem(22));
        EXPECT_EQ(Clicks(d.commands), (Commands {{22, ui::BN_CLICKED}, {22, ui::BN_CLICKED}}));
        std::vector<bool> checked;
        for (int id : {20, 21, 22, 30, 31})
            checked.push_back(d.IsDlgButtonChecked(id));
        EXPECT_EQ(checked, (std::vector<bool> {false, false, true, false, true}));
        SendClick(d.GetDlgItem(30));
        EXPECT_TRUE(d.IsDlgButtonChecked(30));
        EXPECT_FALSE(d.IsDlgButtonChecked(31));
        EXPECT_TRUE(d.IsDlgButtonChecked(22));
        d.EndDialog(1);
    });
}

// Draws a red swatch, framed black while held down.
class SwatchDrawer : public ui::OwnerDrawer {
public:
    void DrawItem(ui::DRAWITEMSTRUCT& item) override
    {
        states.push_back(item.itemState);
        item.dc->FillRect(item.rcItem, gdi::Brush::Solid(gdi::RGB(255, 0, 0)));
        if (item.itemState & ui::ODS_SELECTED)
            item.dc->FillRect({0, 0, item.rcItem.right, 2}, gdi::Brush::Solid(0));
    }
    std::vector<unsigned> states;
};

TEST(Dialog, AnOwnerDrawnButtonIsDrawnByItsOwnerWithItsState)
{
    TestDialog dialog;
    SwatchDrawer drawer;
    RunDialog(dialog, [&](TestDialog& d) {
        auto* button = d.GetDlgItem(50);
        QImage before = button->grab().toImage();
        EXPECT_EQ(before.pixel(10, 10), qRgb(0xC0, 0xC0, 0xC0));
        d.AttachDrawer(50, &drawer);
        ASSERT_FALSE(drawer.states.empty());
        EXPECT_EQ(drawer.states.back() & ui::ODS_SELECTED, 0u);
        QImage drawn = button->grab().toImage();
        EXPECT_EQ(drawn.pixel(10, 10), qRgb(255, 0, 0));
        EXPECT_EQ(drawn.pixel(10, 0), qRgb(255, 0, 0));

        drawer.states.clear();
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
            Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(button, &press);
        ASSERT_FALSE(drawer.states.empty());
        EXPECT_NE(drawer.states.back() & ui::ODS_SELECTED, 0u);
        EXPECT_EQ(button->grab().toImage().pixel(10, 0), qRgb(0, 0, 0));
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)),
            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(button, &release);
        EXPECT_EQ(drawer.states.back() & ui::ODS_SELECTED, 0u);
        EXPECT_EQ(Clicks(d.commands), (Commands {{50, ui::BN_CLICKED}}));

        d.EnableItem(50, false);
        EXPECT_NE(drawer.states.back() & ui::ODS_DISABLED, 0u);
        d.EndDialog(1);
    });
}

TEST(Dialog, ADialogThatNobodyAnswersThrows)
{
    {
        TestDialog dialog;
        EXPECT_THROW(dialog.DoModal(), ui::UnansweredDialog);
        EXPECT_FALSE(dialog.initialised);
    }
    {
        TestDialog dialog;
        EXPECT_THROW(RunDialog(dialog, [](TestDialog& d) { SendClick(d.GetDlgItem(11)); }), ui::UnansweredDialog);
        EXPECT_TRUE(dialog.initialised);
        EXPECT_FALSE(dialog.IsRunning());
        EXPECT_EQ(dialog.GetWindow(), nullptr);
    }
    {
        // A dialog that ends itself while it initialises needs no answer.
        TestDialog dialog;
        dialog.onInit = [](TestDialog& d) { d.EndDialog(9); };
        EXPECT_EQ(RunDialog(dialog, [](TestDialog&) { ADD_FAILURE() << "the hook ran"; }), 9);
    }
}

TEST(PopupMenu, TheHookSeesThePointAndItemsAndAnswersAnIdOrNothing)
{
    ui::PopupMenu menu;
    menu.AppendItem(176, "Left");
    menu.AppendSeparator();
    menu.AppendOwnerDrawItem(157, 157);
    std::vector<ui::PopupRequest> asked;
    unsigned answer = 157;
    {
        ui::ScopedPopupMenuHook hook([&](const ui::PopupRequest& request) {
            asked.push_back(request);
            return answer;
        });
        EXPECT_EQ(ui::TrackPopupMenu(menu, {40, 60}, nullptr), 157u);
        answer = 0;
        EXPECT_EQ(ui::TrackPopupMenu(menu, {40, 60}, nullptr), 0u);
        answer = 158;
        EXPECT_THROW(ui::TrackPopupMenu(menu, {40, 60}, nullptr), ui::UnansweredDialog);
    }
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[0].point, (gdi::POINT {40, 60}));
    ASSERT_EQ(asked[0].items.size(), 3u);
    EXPECT_EQ(asked[0].items[0].text, "Left");
    EXPECT_EQ(asked[0].items[1].id, 0u);
    EXPECT_TRUE(asked[0].items[2].ownerDraw);
    EXPECT_EQ(asked[0].items[2].itemData, 157u);
    EXPECT_THROW(ui::TrackPopupMenu(menu, {0, 0}, nullptr), ui::UnansweredDialog);
}

} // namespace
