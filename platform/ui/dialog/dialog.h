// A modal dialog built from its definition: the controls placed absolutely
// in dialog units of the dialog font, each found by its id (objectName
// "ctl_<id>"); OnInitDialog before it shows, OnCommand with each control's
// notifications, EndDialog with any result. Enter runs the default button
// (the focused push button, else the definition's default, else OK), Esc
// and closing the window send Cancel. Radio buttons check one of their
// group, a group running from a control with the group style to the next.
#pragma once

#include "platform/res/dialog_template.h"
#include "platform/ui/dialog/dialog_font.h"
#include "platform/ui/dialog/owner_draw.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

class QEventLoop;
class QLabel;
class QWidget;

namespace ui {

class DialogWindow;

class Dialog {
public:
    // The definition must outlive the dialog; the window is made by DoModal.
    explicit Dialog(const res::DialogTemplate& definition, QWidget* parent = nullptr);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    const res::DialogTemplate& Definition() const { return definition_; }
    unsigned GetId() const { return definition_.id; }

    // Makes the window, runs OnInitDialog and the modal loop until
    // EndDialog, destroys the window and answers the result. With a dialog
    // hook set, the hook runs inside the loop. Throws UnansweredDialog when
    // nobody can answer: no hook and no screen, or a hook that returned
    // with the dialog open (which is then closed with 2).
    int DoModal();
    void EndDialog(int result);
    // Between the window's making and EndDialog.
    bool IsRunning() const { return running_; }

    // The window while the dialog runs, and its controls by id.
    QWidget* GetWindow() const;
    QWidget* GetDlgItem(int id) const;
    template<class Widget>
    Widget* Item(int id) const
    {
        return dynamic_cast<Widget*>(GetDlgItem(id));
    }
    DialogBaseUnits GetBaseUnits() const { return base_; }

    // What Windows' dialog functions do, texts in Windows-1252. Setting an
    // edit's text sends EN_UPDATE and EN_CHANGE; the quiet setter sends none.
    void SetDlgItemText(int id, std::string_view text);
    void SetDlgItemTextQuietly(int id, std::string_view text);
    std::string GetDlgItemText(int id) const;
    void CheckDlgButton(int id, bool check);
    bool IsDlgButtonChecked(int id) const;
    // Checks `id` and unchecks the other radio buttons from first to last.
    void CheckRadioButton(int first, int last, int id);
    void EnableItem(int id, bool enable);
    void ShowItem(int id, bool show);
    void GotoDlgCtrl(int id);
    // Combo and list boxes; no notifications.
    int AddString(int id, std::string_view text, uintptr_t data = 0);
    void ResetContent(int id);
    void SetCurSel(int id, int index);
    int GetCurSel(int id) const;
    int GetCount(int id) const;
    uintptr_t GetItemData(int id, int index) const;
    std::string GetItemText(int id, int index) const;
    // The first item whose text is this one, in any case; -1 for none.
    int FindStringExact(int id, std::string_view text) const;

    // An owner-drawn control of this dialog draws through the drawer (the
    // dialog does not own it); RedrawItem has it draw again at once.
    void AttachDrawer(int id, OwnerDrawer* drawer);
    void RedrawItem(int id);

    // A control's rectangle in pixels of the dialog's window, and moving it
    // there.
    gdi::RECT GetItemRect(int id) const;
    void MoveItem(int id, const gdi::RECT& rect);

    // A notification from a control, as WM_COMMAND brings it.
    bool SendCommand(int id, unsigned code) { return OnCommand(id, code); }

protected:
    // The controls exist; true: the focus goes to the first tab stop.
    virtual bool OnInitDialog() { return true; }
    // The base runs OnOK for a click on 1 and OnCancel for one on 2;
    // answers whether the command was handled.
    virtual bool OnCommand(int id, unsigned code);
    virtual void OnOK() { EndDialog(1); }
    virtual void OnCancel() { EndDialog(2); }
    // The base hands the item to the drawer attached to the control.
    virtual void OnDrawItem(int id, DRAWITEMSTRUCT& item);
    virtual void OnMeasureItem(int id, MEASUREITEMSTRUCT& item);
    // The window is about to go (a sheet takes its pages' windows first).
    virtual void OnDestroyWindow() {}

    // A page of a sheet: the window is made as a child of `host`, with its
    // controls, and OnInitDialog runs; notifications flow until
    // DestroyChildWindow. Enter and Esc are left to the host's window.
    void CreateChildWindow(QWidget* host);
    void DestroyChildWindow();

private:
    friend class DialogWindow;
    // A top-level window, or a page's child window of `host`.
    void Create(QWidget* host = nullptr);
    void CreateControl(const res::DialogControl& control, QWidget*& previousFocus);
    void Notify(int id, unsigned code);
    // Enter: the focused push button, else the default one, else OK.
    int DefaultCommandId() const;
    // A user's click on a radio button unchecks the others of its group.
    void CheckInGroup(int id);

    const res::DialogTemplate& definition_;
    QWidget* parent_;
    DialogBaseUnits base_;
    std::unique_ptr<DialogWindow> window_;
    std::map<int, QWidget*> items_;
    std::map<int, OwnerDrawer*> drawers_;
    // A text whose mnemonic goes to the next control that takes the focus.
    QLabel* pendingBuddy_ = nullptr;
    QEventLoop* loop_ = nullptr;
    bool running_ = false;
    int result_ = 0;
};

} // namespace ui
