// The controls a dialog is built of, each a Qt widget that sends its
// dialog the notifications a Windows control sends, and only those: what
// the program itself sets (a check, a selection, a quiet text) sends none.
#pragma once

#include "platform/ui/dialog/owner_draw.h"

#include <QAbstractButton>
#include <QAbstractItemDelegate>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <functional>
#include <memory>

namespace gdi {
class WindowSurface;
}

namespace ui {

using NotifyFunction = std::function<void(unsigned code)>;
using DrawFunction = std::function<void(DRAWITEMSTRUCT&)>;
using MeasureFunction = std::function<void(MEASUREITEMSTRUCT&)>;

// Whether a focus event is a change of the dialog's focus: the control's
// own pop-up list taking and giving back the keyboard is not, nor is the
// window losing activation; each change is told once.
struct FocusTracker {
    bool In(const QFocusEvent* e);
    bool Out(const QFocusEvent* e);
    bool told = false;
};

// A push button drawn by the Qt style; Enter is the dialog's business.
class PushButtonControl : public QPushButton {
public:
    PushButtonControl(const QString& text, QWidget* parent);
};

// A button drawn by its owner on its own surface, again whenever its state
// (held down, focus, enabled) changes or the owner asks.
class OwnerButton : public QAbstractButton {
public:
    OwnerButton(unsigned id, const QString& text, QWidget* parent);
    ~OwnerButton() override;

    void SetDrawFunction(DrawFunction draw);
    void SetDefault(bool isDefault) { default_ = isDefault; }
    // The owner's drawing of the button as it now is.
    void Redraw();
    gdi::WindowSurface& Surface() { return *surface_; }
    unsigned ItemState() const;

protected:
    void paintEvent(QPaintEvent*) override {}
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void changeEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    unsigned id_;
    bool default_ = false;
    DrawFunction draw_;
    std::unique_ptr<gdi::WindowSurface> surface_;
};

// An automatic radio button: a click checks it (never unchecks); the
// dialog unchecks the others of its group.
class RadioControl : public QRadioButton {
public:
    RadioControl(const QString& text, QWidget* parent);

protected:
    void nextCheckState() override { setChecked(true); }
};

// An edit control. Every change of its text sends EN_UPDATE and EN_CHANGE,
// also one the program makes, unless the program sets it quietly.
class EditControl : public QLineEdit {
public:
    EditControl(NotifyFunction notify, QWidget* parent);
    void SetText(const QString& text, bool quietly);

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    NotifyFunction notify_;
    FocusTracker focus_;
    bool quiet_ = false;
};

// An edit control of several lines, its text with CR LF line ends as the
// program reads and sets it. Enter makes a new line when it wants returns,
// else it goes to the dialog; Tab always moves on. Notifications as for
// EditControl.
class MultiLineEditControl : public QPlainTextEdit {
public:
    MultiLineEditControl(NotifyFunction notify, bool wantReturn, QWidget* parent);
    void SetText(const QString& text, bool quietly);
    QString Text() const;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    NotifyFunction notify_;
    bool wantReturn_;
    FocusTracker focus_;
    bool quiet_ = false;
};

// Draws the items of a list or combo box through the owner.
class OwnerItemDelegate : public QAbstractItemDelegate {
public:
    OwnerItemDelegate(unsigned ctlType, unsigned id, DrawFunction draw, MeasureFunction measure, QObject* parent);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Draws one item into an image of its size.
    QImage DrawItem(int item, uintptr_t data, unsigned state, QSize size) const;

private:
    unsigned ctlType_;
    unsigned id_;
    DrawFunction draw_;
    MeasureFunction measure_;
};

// A combo box that picks from its list (or, editable, takes typing too).
// User choices send CBN_DROPDOWN as the list opens; CBN_SELENDOK (or
// CBN_SELENDCANCEL), CBN_CLOSEUP and, when the choice changed,
// CBN_SELCHANGE as it closes; a choice by key in the closed box sends
// CBN_SELCHANGE; typing sends CBN_EDITUPDATE and CBN_EDITCHANGE; focus
// CBN_SETFOCUS and CBN_KILLFOCUS. A selection the program makes sends none.
class ComboControl : public QComboBox {
public:
    ComboControl(bool editable, NotifyFunction notify, QWidget* parent);
    // Owner-drawn items, the closed box's field included.
    void SetOwnerDraw(unsigned id, DrawFunction draw, MeasureFunction measure);
    void SetCurSel(int index);
    // Adds an item (in its sorted place when told), leaving the selection;
    // answers its index.
    int AddString(const QString& text, uintptr_t data, bool sorted);
    void ResetContent();

    void showPopup() override;
    void hidePopup() override;

protected:
    void paintEvent(QPaintEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void CloseUp();

    NotifyFunction notify_;
    FocusTracker focus_;
    OwnerItemDelegate* owner_ = nullptr;
    bool quiet_ = false;
    bool dropped_ = false;
    bool picked_ = false;
    int indexAtDrop_ = -1;
};

// A list box: a selection by the user sends LBN_SELCHANGE, a double click
// LBN_DBLCLK; one by the program sends nothing.
class ListControl : public QListWidget {
public:
    ListControl(NotifyFunction notify, QWidget* parent);
    void SetOwnerDraw(unsigned id, DrawFunction draw, MeasureFunction measure);
    void SetCurSel(int index);
    int AddString(const QString& text, uintptr_t data, bool sorted);
    void ResetContent();

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    NotifyFunction notify_;
    FocusTracker focus_;
    bool quiet_ = false;
};

} // namespace ui
