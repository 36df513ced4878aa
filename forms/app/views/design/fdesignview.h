// The design view, in which a form is laid out: the base view's page,
// zoom, scrolling and printing, drawn in the designer's output mode, with
// the drawing tools, the selection, mouse and keyboard tracking on the
// page's snap grid, deletion and Undo Deletion. Its command groups are
// parts of their own (design_*.h) that change the form through its
// FORM_EDITOR.
#pragma once

#include "forms/app/views/design/design_arrange.h"
#include "forms/app/views/design/design_clipboard.h"
#include "forms/app/views/design/design_context_menu.h"
#include "forms/app/views/design/design_data_properties.h"
#include "forms/app/views/design/design_drop.h"
#include "forms/app/views/design/design_format.h"
#include "forms/app/views/design/design_insert.h"
#include "forms/app/views/design/design_table.h"
#include "forms/app/views/fbaseview.h"
#include "forms/editor/editor_listener.h"
#include "forms/model/border.h"
#include "forms/model/formobj.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"
#include "forms/model/textattr.h"
#include "forms/res/command_ids.h"

#include <memory>
#include <string>
#include <vector>

class DESIGN_PAGES;
class DESIGN_RULERS;
class DESIGN_STYLES;
class FHEADER;
class FORM_EDITOR;
class FSELECTION;
class TEXTEDITWND;

// The selection tool's code; the drawing tools' codes are object types,
// except the list-box and check-box field tools, which have codes of
// their own.
inline constexpr uint8_t kSelectionTool = 35;
inline constexpr uint8_t kListBoxTool = 0x0B;
inline constexpr uint8_t kCheckBoxTool = 0x0E;

// String id of "Object not yet implemented.".
inline constexpr uint32_t kObjectNotImplemented = 202;

// A tool command, the tool code it sets and whether its kind of object is
// built.
struct ToolCommand {
    unsigned id;
    uint8_t tool;
    bool built;
};
inline constexpr ToolCommand kToolCommands[] = {
    {ID_TOOL_SELECTION, kSelectionTool, true},
    {ID_TOOL_TEXT, kTypeText, true},
    {ID_TOOL_FIELD, kTypeField, true},
    {ID_TOOL_CHECK_BOX, kCheckBoxTool, true},
    {ID_TOOL_LIST_BOX, kListBoxTool, true},
    {ID_TOOL_BOX, kTypeBox, true},
    {ID_TOOL_ELLIPSE, kTypeEllipse, true},
    {ID_TOOL_ORTH_LINE, kTypeOrthLine, true},
    {ID_TOOL_LINE, kTypeLine, true},
    {ID_TOOL_BARCODE, kTypeBarcode, false},
    {ID_TOOL_BUTTON, kTypeButton, false},
    {ID_TOOL_OLE, kTypeOle, false},
    {ID_TOOL_PICTURE, kTypePicture, false},
};

class FDESIGNVIEW : public FBASEVIEW {
public:
    FDESIGNVIEW();
    ~FDESIGNVIEW() override;

    // The selected objects of the current page; made at the first update.
    FSELECTION* GetSelection() const { return selection.get(); }
    // What changes the form for this view; made with the selection.
    FORM_EDITOR* GetEditor() const { return editor.get(); }

    // The base view's mapping and the page's grid, in the designer's
    // output mode.
    int SetupDC(VIEWDC& dc, gdi::DC* device) override;
    // Makes the selection; the zoom comes from the document's first other
    // view.
    void OnInitialUpdate() override;
    // Drawn only once the selection exists.
    void OnDraw(gdi::DC& dc) override;
    // Handles of selected objects are drawn after the page's objects.
    bool DrawsSelection() override { return true; }
    void NoteSelected(uint16_t count) override;
    void NoteDeselected(uint16_t count) override;
    // Nothing stays selected; back to the page's top-left corner, and
    // everything repainted.
    void OnPageChanged() override;
    // Printing and its preview show the page with nothing selected.
    void PrepareToPrint() override;
    void OnViewSwitch(bool incoming, ui::View* other) override;
    // The frame losing activation ends a text typed in place, in an object
    // or a table's header.
    void OnFrameActivate(bool activate, ui::Frame* frame) override;
    // Two design views of one form never hold a selection at once: losing
    // activation to another view of the form (or to none) clears this
    // view's selection, unless this view is dragging it; gaining it with
    // nothing selected clears the other design views' selections. A
    // disabled view is not activated.
    void OnActivateView(bool activate, ui::View* activated, ui::View* deactivated) override;
    bool OnEvent(QEvent& e) override;

    // Drawing tools (fdesignview_tools.cpp).
    // Leaving the selection tool deselects everything.
    void SetTool(uint8_t code) override;
    uint8_t GetTool() const { return tool; }
    // A new object of the tool's kind with the view's current attributes;
    // null for a kind that is not built or whose set-up failed.
    std::unique_ptr<FORMOBJ> NewObjectOfType(uint8_t code);

    // The format commands, the format bar and the attributes new objects
    // take.
    DESIGN_FORMAT& Format() { return *format; }
    // A double click on the selection opens its appearance sheet.
    void OnLButtonDblClk();
    // OBJECT_VIEW: the appearance pages, the Format dialogs and the edit
    // sites reach the format commands; the appearance sheet's snapshot is
    // the editor's (fdesignview_format.cpp).
    void SetSelectionShadow(const SHADOW& shadow, uintptr_t flag) override;
    void SetSelectionBorder(const BORDER& border, uintptr_t flag) override;
    void SetSelectionShade(const BASICSHADE& shade, uintptr_t flag) override;
    void SetSelectionAlignment(uint8_t alignment, uintptr_t flag) override;
    void SetSelectionLineSpacing(uint16_t spacing, uintptr_t flag) override;
    void ApplyTextAttr(const TEXTATTR& change) override;
    void UpdateFormatBar(int) override;
    // While a format dialog or the appearance sheet runs, the selection
    // shows no handles.
    void SetAppearanceSheetOpen(bool open) override { dialogOpen = open; }
    void RecordSelectionUndo() override;
    int RunAppearanceSheet(uint16_t captionId, FORMOBJ& object) override;
    void UndoLast() override;
    void DropLastUndo() override;

    // Selecting and tracking (fdesignview_select.cpp). Points are device
    // units on the window.
    void OnLButtonDown(POINT point, bool shift);
    // The last press of the selection tool, in page twips.
    bool GetLastMouseDown(POINT& out) override;
    uint16_t GetSelectedCount() override;
    void OnLButtonUp(POINT point, bool shift);
    // The topmost object of the current page under the point is selected;
    // 0 when there is none or a drawing tool is current.
    int SelectAt(POINT point);
    // Every object within the page is selected.
    void SelectPage();
    void SetSnap(bool on) { snap = on; }
    bool GetSnap() const { return snap; }

    // The clipboard commands, and what follows a paste or drop the form
    // editor placed or refused (design_clipboard.cpp).
    DESIGN_CLIPBOARD& GetClipboard() { return clipboard; }

    // Drag and drop (design_drop.cpp): the view's drop target hands the
    // drags over its window to it.
    DESIGN_DROP& GetDrop() { return drop; }
    // Feedback erased before the window scrolls under it.
    void OnScroll(Qt::Orientation orientation, int position) override;

    // Keys, deletion and Undo Deletion (fdesignview_keys.cpp).
    // Arrow keys move the selection to the next grid line; with Shift they
    // size the one selected object.
    void OnKeyDown(int key, bool shift);
    // A typed character (Windows-1252): on the one selected check box it
    // opens the caption's editor and is typed there. True when taken.
    bool OnChar(const std::string& typed);
    // Deletes the selected objects (asking first for two or more when told
    // to); the form editor's undo list keeps them for Undo Deletion, which
    // returns to the selection tool.
    void DeleteSelection(bool ask);
    // One table selected, with one of its cells current.
    bool IsTableCellCurrent() const;
    void UndoDeletion();

    // OBJECT_VIEW: what the tracker and the selection ask of the view.
    bool GetPointerPos(POINT& device) override;
    bool MovePointer(int32_t dx, int32_t dy) override;
    void SnapPoint(POINT& point) override;
    void ClampX(int32_t& x) override;
    void ClampY(int32_t& y) override;
    // Coordinates are twips relative to the scroll origin.
    int IsValidPlacement(int32_t left, int32_t top, int32_t right, int32_t bottom, FORMOBJ* object) override;
    void SetOutOfPlace(bool on) override { outOfPlace = on; }
    OBJECT_DOCUMENT* GetObjectDocument() override;
    bool GetMarginRect(RECT& out) override;
    void GoToPage(uint16_t page) override { SetPage(page); }
    bool RecordDeletionUndo() override;

    // OBJECT_VIEW: what an object edited in place asks of the view
    // (fdesignview_edit.cpp). The object's own acceptance, then the
    // placement rules.
    int IsValidObjectPlacement(FORMOBJ* object, const RECT& rect) override;
    // Beyond the free space around the page, the scroll room grows by as
    // far as the rectangle (page twips) reaches past it; 1 when it reaches
    // a limit.
    int AutoScrollToRect(int32_t left, int32_t top, int32_t right, int32_t bottom, FORMOBJ* object) override;
    void StopAutoScroll() override;
    // Without a question and without an undo record; the form is modified.
    void DeleteObjectAlone(FORMOBJ* object) override;

    // A text typed in place (fdesignview_textedit.cpp).
    // The one selected object while its text is edited in place, or null.
    FORMOBJ* GetEditedObject() const;
    // A text typed in place ends: its object is deselected and, unless the
    // deselection removed it, selected again.
    void EndTextEdit();
    // The header of the one selected table while its text is edited in
    // place, or null.
    FHEADER* GetEditedHeader() const;
    // The editor window of the edited object or header, or null.
    TEXTEDITWND* GetSelectedRichText() const;
    // Clear, Copy, Cut and Paste go to the open editor first.
    bool OnCmdMsg(unsigned id, ui::CmdCode code, ui::CmdUI* cmdUI) override;
    // The open editor (of an object or a table's header) follows the page
    // to its new place (after a zoom change or a scroll).
    void FollowEditedObject();
    // The Text Format dialog on the editor's selection, applied as it
    // changes, taken back on Cancel; false when no text is edited.
    bool FormatEditedText();

    // Pages and the process-wide switches (design_pages.cpp).
    DESIGN_PAGES& Pages() { return *pages; }

    // Rulers (design_rulers.cpp); the overrides (fdesignview_rulers.cpp)
    // give the base view's scale, then the selection's extent, and a
    // tracker's rectangle in page twips (null clears the marks).
    DESIGN_RULERS& Rulers() { return *rulers; }
    bool UpdateRulers(bool horizontal, bool vertical) override;
    void ShowPositionInRulers(const RECT* rect) override;
    // The base view's, then an object edited in place follows.
    void OnZoomChanged() override;

    // The right button (fdesignview_select.cpp): off the selection, the
    // object under the point is selected first; then the context menu
    // (design_context_menu.cpp) shows at the point and its command runs.
    void OnRButtonUp(POINT point);
    DESIGN_CONTEXT_MENU& GetContextMenu() { return contextMenu; }

    // A deleted member (or the group it dissolved) goes to the undo record.
    void KeepDeleted(std::unique_ptr<FORMOBJ> unlinked, bool kept) override;

    // Styles, the Style Manager's site and the style box's owner
    // (design_styles.cpp).
    DESIGN_STYLES& Styles() { return *styles; }
    STYLE_BOX_OWNER* GetStyleBoxOwner() override;

private:
    // The margin rectangle's test (the page's with the out-of-place flag)
    // of a point in twips relative to the scroll origin.
    bool IsValidPoint(POINT point);
    // Device point to page twips and back.
    POINT ToPagePoint(POINT device);
    bool IsOnPage(POINT device);
    void SelectionClick(POINT point);
    // A press on a sizing handle: the selection tracks the resize itself.
    void HandleDrag(POINT point);

    // Dragging the selection within the view (fdesignview_drag.cpp).
    // A press inside the selection: released before the pointer goes more
    // than 3 pixels it is a click that reselects, else the selection is
    // dragged and dropped on the page, snapped to the grid.
    void DragSelection(POINT point);
    // After a release without a drag: one selected object stays selected;
    // of several, the object under the press alone stays selected.
    void ReselectAtPress();
    // Deselects everything and repaints at once.
    void ClearSelection();
    void RubberBand(POINT point);
    void ToggleAt(POINT point);
    void CreateWithTool(POINT point);
    void UpdateCursor(POINT point);
    void ShowSelectionPosSize();
    // Moves (or with size, sizes) the selection to the next grid line.
    void MoveSelectionByKey(uint16_t key, bool size);
    void RegisterCommands();

    std::unique_ptr<FSELECTION> selection;
    std::unique_ptr<FORM_EDITOR> editor;
    // What the editor reports: pastes to the clipboard part, inserted and
    // deleted pages to the pages part.
    struct EditorEvents : EDITOR_LISTENER {
        explicit EditorEvents(FDESIGNVIEW& view)
            : view(view)
        {}
        void PasteTooLarge() override;
        void PastePlaced() override;
        void PageChanged(const FHINT& hint) override;
        FDESIGNVIEW& view;
    } editorEvents {*this};
    // The groups of the view's work that have classes of their own: the
    // arrange commands (design_arrange.cpp), Data Properties
    // (design_data_properties.cpp) and Insert Date / Time
    // (design_insert.cpp) register their commands on the view; some reach
    // the view's tracking state and repaints.
    friend class DESIGN_ARRANGE;
    friend class DESIGN_CLIPBOARD;
    friend class DESIGN_DROP;
    friend class DESIGN_TABLE;
    DESIGN_DROP drop {*this};
    DESIGN_CLIPBOARD clipboard {*this};
    DESIGN_ARRANGE arrange {*this};
    DESIGN_CONTEXT_MENU contextMenu {*this};
    DESIGN_DATA_PROPERTIES dataProperties {*this};
    DESIGN_INSERT insert {*this};
    DESIGN_TABLE table {*this};
    uint8_t tool = kSelectionTool;
    bool snap = true;
    bool outOfPlace = false;
    // Set while a format dialog or the appearance sheet runs.
    bool dialogOpen = false;
    POINT mouseDown {0, 0};
    // The format commands and bar, and the parts with classes of their
    // own; the pages show the selection in a new unit.
    friend class DESIGN_PAGES;
    std::unique_ptr<DESIGN_FORMAT> format;
    std::unique_ptr<DESIGN_STYLES> styles;
    std::unique_ptr<DESIGN_RULERS> rulers;
    std::unique_ptr<DESIGN_PAGES> pages;
};
