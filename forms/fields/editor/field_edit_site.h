// The edit site of a form object (field, table cell or text object) edited
// in a view: it passes the editor's reports on to the view through what
// form objects may ask of a view, and sizes the object to its text.
#pragma once

#include "forms/fields/richtext/edit_site.h"

class FORMOBJ;
class OBJECT_VIEW;

class FIELDEDITSITE : public EDITSITE {
public:
    // Neither is owned; the site never outlives them.
    FIELDEDITSITE(OBJECT_VIEW* view, FORMOBJ* object);
    ~FIELDEDITSITE() override;

    // The fill view's next (previous) field in the filling order.
    void MoveToField(int backwards) override;
    // The view's format bar shows the format.
    void OnSelChange(TEXTATTR attr) override;
    // The format bar shows the format and is brought up to date.
    void ReportCaretAttr(TEXTATTR attr) override;
    // The object's help: a field's pop-up, else the program's help index.
    void ShowFieldHelp(ui::Wnd* window, const RECT& rect) override;
    // Page Up and Page Down (with Ctrl or not) as the view's own key-ups.
    void OnKeyUp(unsigned key, unsigned repeat, unsigned flags) override;
    void InvalidateEditRect(const RECT& screen) override;
    // The view scrolls on the object's page.
    int AutoScroll(int32_t dx, int32_t dy) override;
    // Only a table cell moves to the cell above or below.
    void MoveToCellAbove() override;
    void MoveToCellBelow() override;
    void OnCaretKey(int) override {}
    // Keeps the object's left and top and changes its size by as much as
    // the needed text rectangle differs from the present text area; the new
    // rectangle, turned as the object is, must be a valid placement. A
    // field or a table cell never changes: its rectangle belongs to the
    // form's design, and what is typed into it must fit it.
    int FitObjectToText(const RECT& needed) override;
    void GetObjectRect(RECT& out) override;

    OBJECT_VIEW* GetView() const { return view; }
    FORMOBJ* GetObject() const { return object; }

private:
    OBJECT_VIEW* view;
    FORMOBJ* object;
};
