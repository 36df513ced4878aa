// The fill view, in which the form being designed is test-filled: one field
// at a time is current, clicks and Tab move between the fields in filling
// order, leaving a field commits its value through its data type, accepted
// values recalculate the formulas, and the form prints with its values.
// Nothing filled in is kept: filling starts from the fields' saved values,
// the document keeps the form's own values meanwhile, and leaving the view
// puts them back.
#pragma once

#include "forms/app/views/date_time_text.h"
#include "forms/app/views/fbaseview.h"
#include "forms/fields/datatypes/datatype.h"
#include "forms/res/command_ids.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

class FFIELD;
class FORMOBJ;
class TEXTEDITWND;

// String id of the spelling menu's current-field item, "&Current Field Only".
inline constexpr uint16_t kCurrentFieldOnlyText = 348;

class FFILLVIEW : public FBASEVIEW {
public:
    FFILLVIEW();
    ~FFILLVIEW() override;

    // Moves to the next (or, backward, the previous) enterable field in
    // filling order, committing the current one first.
    void MoveToField(bool forward) override;
    // In a table cell: moves to the enterable cell of the same column one
    // row up (or down), committing the current one first.
    void MoveToCellAbove() override;
    void MoveToCellBelow() override;
    // Makes the field current (null: none), brings it into view and opens it.
    void SetCurrentField(FORMOBJ* field) override;
    // Commits the current field with the two flags; on success no field is
    // current. 1 committed or nothing to commit, 0 refused.
    int CommitCurrentField(END_EDIT_FLAGS flags) override;
    // The current field's open text editor, or null.
    TEXTEDITWND* CanEditCurrentField() const;
    FFIELD* GetCurrentField() const { return currentField; }
    bool IsFillView() const override { return true; }
    OBJECT_DOCUMENT* GetObjectDocument() override;
    void SetTextFormatting(int on) override { textFormatting = on != 0; }
    bool IsTextFormatting() const { return textFormatting; }
    void ShowFieldHelp(FORMOBJ* field, const RECT& rect) override;

    // Date and time at the caret of the current field's editor.
    void OnInsertDateTime();
    // Commits and validates, prints (without the dialog when direct) and
    // makes the field current again; false when nothing printed.
    bool PrintFilled(bool direct);
    void OnFillPrintPreview();

    // FBASEVIEW.
    int SetupDC(VIEWDC& dc, gdi::DC* device) override;
    int SetupOwnDC(VIEWDC& dc) override;
    void OnInitialUpdate() override;
    void OnViewSwitch(bool incoming, ui::View* other) override;
    void OnActivateView(bool activate, ui::View* activated, ui::View* deactivated) override;
    void OnUpdate(ui::View* sender, uint32_t hintCode, const FHINT* hint) override;
    void OnUpdateViewMenu(ui::CmdUI& cmdUI) override;
    void OnPageChanged() override;
    void OnZoomChanged() override;
    void DrawPageGuides(VIEWDC&) override {}
    void ApplyTextAttr(const TEXTATTR& change) override;
    bool OnEvent(QEvent& e) override;

    // A click at a window point (device units); a key reaching the view.
    void OnLButtonDown(POINT device);
    void OnKeyDown(int key, bool shift);

private:
    void RegisterCommands();
    // Filling starts: the fields go back to their saved values, every
    // formula is calculated and the first enterable field becomes current.
    void StartFilling();
    // Commits the current field and, when it took its value, makes the
    // field current.
    void MoveCurrentTo(FFIELD& field);
    // The current cell's neighbour above or below, when it may be entered.
    void MoveToCell(bool above);
    // The field's page shown and the field scrolled into sight.
    void BringIntoView(FFIELD& field);
    // The current field's control follows a zoom or scroll.
    void MoveCurrentControl();
    // The other views of the document enabled or disabled.
    void EnableOtherViews(bool enable);

    // Ends the test fill this view started: the edit closes without its
    // text and the document puts the form's own values back.
    void EndFilling();

    // Set while the document keeps the values this view's fill started from.
    bool filling = false;
    FFIELD* currentField = nullptr;
    FFIELD* previewField = nullptr;
    bool textFormatting = false;
    bool directPrint = false;
};
