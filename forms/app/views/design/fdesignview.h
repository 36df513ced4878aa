// The design view, in which a form is laid out: the base view's page,
// zoom, scrolling and printing, drawn in the designer's output mode, with
// the drawing tools, the selection, mouse and keyboard tracking on the
// page's snap grid, deletion and Undo Deletion.
#pragma once

#include "forms/app/views/design/design_format.h"
#include "forms/app/views/fbaseview.h"
#include "forms/app/views/fdroptarget.h"
#include "forms/app/views/style_box_owner.h"
#include "forms/dialogs/styles/style_site.h"
#include "forms/editor/editor_listener.h"
#include "forms/model/border.h"
#include "forms/model/formobj.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"
#include "forms/model/textattr.h"
#include "forms/res/command_ids.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class DATA_PROPS_SHEET;
class FORM_EDITOR;
class FSELECTION;
namespace ui {
class PopupMenu;
}
class SelectionDrag;
class TEXTEDITWND;

// The format of a drag's description block, and string ids of the paste.
inline constexpr const char* kFormatDragObject = "Quirewell95 Object";
inline constexpr uint32_t kSelectionTooLarge = 207;

// What a drag carries about the dragged selection (twips): its size, the
// grab point from its top-left corner, its rotated extent and the grab
// point from that extent's top-left corner. As bytes: eight little-endian
// signed 32-bit values in that order.
struct DRAG_DESCRIPTION {
    SIZE size {0, 0};
    POINT grab {0, 0};
    SIZE extent {0, 0};
    POINT extentOffset {0, 0};

    std::string Encode() const;
    // Null for a block shorter than 32 bytes, a negative size or extent, or
    // a value outside +-32767: such a block counts as not offered.
    static std::optional<DRAG_DESCRIPTION> Decode(const std::string& bytes);
};

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

class FDESIGNVIEW
    : public FBASEVIEW
    , public DragReceiver
    , public STYLE_SITE
    , public STYLE_BOX_OWNER
    , public EDITOR_LISTENER {
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
    // The frame losing activation ends a text typed in place.
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

    // Clipboard (fdesignview_clipboard.cpp).
    void OnEditCopy();
    // Deletes the objects only when the clipboard took them.
    void OnEditCut();
    void OnEditPaste();
    // Whether the clipboard offers objects to paste.
    bool CanPaste();
    // Moves the objects of a paste selection into the form, selected: a
    // paste (no rectangle) at the visible top-left corner of the page plus
    // the paste offset, a drop at the rectangle given (page twips). False
    // when nothing was placed; a selection larger than the page is refused
    // with a message.
    bool PlacePasted(FSELECTION& paste, const RECT* dropAt);
    // EDITOR_LISTENER: the message of a refused paste; after a placed one,
    // the selection tool and the window brought up to date.
    void PasteTooLarge() override;
    void PastePlaced() override;

    // Drag and drop (fdesignview_drop.cpp).
    unsigned OnDragEnter(const ui::DataObject& data, unsigned keyState, POINT point) override;
    unsigned OnDragOver(const ui::DataObject& data, unsigned keyState, POINT point) override;
    void OnDragLeave() override;
    bool OnDrop(const ui::DataObject& data, unsigned effect, POINT point) override;
    bool CanDragScroll(int axis, bool forward) override;
    void DragScroll(int axis, bool forward) override;
    // Feedback erased before the window scrolls under it.
    void OnScroll(Qt::Orientation orientation, int position) override;
    FDROPTARGET& GetDropTarget() { return dropTarget; }
    // 0 nothing shown, 1 copy or 2 move shown, 13 a place refused.
    int GetDragFeedbackState() const { return drag.feedbackState; }
    bool IsDragSource() const { return dragSource; }

    // Keys, deletion and Undo Deletion (fdesignview_keys.cpp).
    // Arrow keys move the selection to the next grid line; with Shift they
    // size the one selected object.
    void OnKeyDown(int key, bool shift);
    // A typed character (Windows-1252): on the one selected check box it
    // opens the caption's editor and is typed there. True when taken.
    bool OnChar(const std::string& typed);
    // Deletes the selected objects (asking first for two or more when told
    // to); the document's undo list keeps them for Undo Deletion.
    void DeleteSelection(bool ask);
    bool CanUndoDeletion();
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
    // The editor window of that object, or null.
    TEXTEDITWND* GetSelectedRichText() const;
    // Clear, Copy, Cut and Paste go to the open editor first.
    bool OnCmdMsg(unsigned id, ui::CmdCode code, ui::CmdUI* cmdUI) override;
    // The open editor follows the page to its new place (after a zoom
    // change or a scroll).
    void FollowEditedObject();
    // The Text Format dialog on the editor's selection, applied as it
    // changes, taken back on Cancel; false when no text is edited.
    bool FormatEditedText();

    // Pages and the process-wide switches (fdesignview_pages.cpp).
    // Deselects everything and adds a page at the end, which the view shows.
    void OnAppendPage();
    // Deselects everything and inserts a page before the current one; the
    // view keeps its page number, other views are told.
    void OnInsertPage();
    // Asks first when the current page holds objects; a one-page form keeps
    // its page, emptied. The view shows the same page number or the last.
    void OnDeletePage();
    // Inverts the process-wide Snap To Grid switch and copies it into every
    // design view of every open form.
    void OnSnapToGrid();
    // The process-wide switch: on at start, never saved.
    static bool IsSnapToGridOn();
    // Every form view (design view) of every open form, this view's form
    // at least.
    std::vector<FBASEVIEW*> AllFormViews();
    std::vector<FDESIGNVIEW*> AllDesignViews();
    // The user's unit setting and every form view of every open form take
    // the unit (0 inches, 1 centimetres).
    void SetUnitEverywhere(uint8_t unit);
    // The Grid Spacings dialog on the current page's grid, in the view's
    // unit; OK sets the grid, and a changed unit everywhere.
    void OnGridSettings();
    // The Page Setup dialog on the current page's layout, the paper kept
    // at least as large as the form's objects reach; OK stores it.
    void OnPageSetup();
    // The Options dialog: a changed unit reaches every view, changed
    // display switches are stored and every form view repainted.
    void OnOptions();

    // Rulers (fdesignview_rulers.cpp): the base view's scale, then the
    // selection's extent.
    bool UpdateRulers(bool horizontal, bool vertical) override;
    // A device extent on the window, marked on both rulers.
    void ShowExtentInRulers(int32_t left, int32_t top, int32_t right, int32_t bottom);
    void HideRulerMarkers();
    // The pointer's position (device units on the window).
    void ShowPointerInRulers(POINT device);
    // The rulers show object extents only while their selection flag is set.
    void ShowRulerSelection(bool on);
    // A rectangle in page twips, or null to clear the marks.
    void ShowPositionInRulers(const RECT* rect) override;
    // The selection's bounding rectangle, when objects are selected.
    void ShowSelectionInRulers();
    // The unit changed: the rulers take it and are drawn anew.
    void SetRulerUnit(uint8_t rulerUnit);
    // Each ruler is hidden when shown, shown when hidden; the frame lays
    // itself out again.
    void OnViewRulers();
    // The base view's, then an object edited in place follows.
    void OnZoomChanged() override;

    // Right-button menus (fdesignview_context.cpp): the popups of the
    // context menu, by what is selected.
    enum ContextPopup {
        kPopupNoSelection = 0,
        kPopupGroup = 1,
        kPopupField = 2,
        kPopupTable = 3,
        kPopupSingle = 4,
        kPopupMultiple = 5,
        kPopupButton = 6,
    };
    int ContextPopupIndex() const;
    // The popup's items, each enabled as its command's update says.
    ui::PopupMenu MakeContextMenu(int index);
    // Off the selection, the object under the point is selected first; then
    // the popup for the selection shows at the point and its command runs.
    void OnRButtonUp(POINT point);

    // Arrange commands (fdesignview_arrange.cpp). Grouping, ungrouping and
    // radio groups empty the undo list.
    void OnGroup();
    void OnUngroup();
    void OnGroupRadioButtons();
    // The member of the selected group under the last press.
    void OnSelectGroupMember();
    // Inside the owning group for a selected member.
    void OnBringToFront();
    void OnSendToBack();
    // The Align dialog, relative to each other (the top-left margin for one
    // object), its limits the page's printable edges in the view's unit.
    void OnAlignObjects();
    // A deleted member (or the group it dissolved) goes to the undo record.
    void KeepDeleted(std::unique_ptr<FORMOBJ> unlinked, bool kept) override;

    // Styles (fdesignview_styles.cpp).
    // The Style Manager on this view's form.
    void OnStyleManager();
    // The style's attributes become those new objects take.
    void LoadDefaultsFromStyle(uint8_t kind, std::string_view name);
    // The style the tool's kind follows for new objects, or null.
    FORMOBJ* GetCurrentStyle();
    // A format change for new objects: the attributes the tool's style gave
    // stay, and new objects no longer follow it.
    void DropCurrentStyle();
    // A new object from a tool follows its kind's current style.
    void ApplyCurrentStyle(FORMOBJ& object);
    // The format bar's style box, or null.
    STYLECOMBO* GetStyleCombo();
    // The box shows the current tool's style, or the selection's.
    void RefreshStyleBox();
    // The box's drop-down list, and the choice taken when it loses the
    // focus.
    void FillStyleBox(STYLECOMBO& box);
    void TakeStyleBoxChoice(STYLECOMBO& box);
    void OnStyleBoxNotify(STYLECOMBO& box, unsigned code) override;
    // What the Style Manager asks of the view.
    FDOCUMENT* GetStyleDocument() override { return GetFormDocument(); }
    std::unique_ptr<FORMOBJ> NewStyleObject(uint8_t type) override { return NewObjectOfType(type); }
    // After a deletion: the undo list is emptied and a deleted current style
    // is no longer followed by new objects.
    void ApplyStyle(std::string_view entry) override;
    void RedrawStyleUsers() override;
    // Tests give the view a box of their own.
    void SetStyleComboForTest(STYLECOMBO* box) { testStyleCombo = box; }

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
    // Past the wait: the selection goes into a drag of its own data.
    void RunDragDrop(SelectionDrag& wait);
    // The feedback of a drag from elsewhere, drawn (or erased) by inversion.
    void InvertFeedback(const RECT& onWindow);
    void EraseDragFeedback();
    // The view of this view's form whose selection is being dragged, if any.
    FDESIGNVIEW* DragSourceOfForm();
    // The drop of a drag that started in this view or another of its form.
    bool DropFromSameForm(FDESIGNVIEW& source, const ui::DataObject& data, unsigned effect, POINT point);
    // A paste selection holding what the drop carries; null when nothing.
    std::unique_ptr<FSELECTION> PasteDropped(const ui::DataObject& data);
    // Makes this view's child frame and this view active.
    void ActivateForDrop();
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
    // A copied text object carries its text for other programs.
    static void RegisterTextCopy();
    void RegisterPageCommands();
    void RegisterArrangeCommands();
    void RegisterRulerCommands();
    // Data Properties (fdesignview_data.cpp).
    void RegisterDataCommands();
    void OnDataProperties();
    void WriteBackDataProperties(
        DATA_PROPS_SHEET& sheet, FORMOBJ& object, uint8_t kindBefore, const std::string& nameBefore);
    void RegisterStyleCommands();
    // Insert > Date / Time into the text edited in place (fdesignview_insert.cpp).
    void RegisterInsertCommands();
    void OnInsertDateTime();
    // Hands a page hint to the form's other views.
    void SendPageHint(uint8_t kind, uint16_t page);

    std::unique_ptr<FSELECTION> selection;
    std::unique_ptr<FORM_EDITOR> editor;
    // A drag over this view: what it carries and what it shows.
    struct DragState {
        bool objectOffered = false;
        DRAG_DESCRIPTION description;
        POINT feedbackOrigin {0, 0};
        int feedbackState = 0;
        bool droppedHere = false;
        // The feedback rectangle drawn from elsewhere (window pixels).
        std::optional<RECT> shown;
    } drag;
    // The wait loop of this view's own drag while its drag runs.
    SelectionDrag* ownDrag = nullptr;
    FDROPTARGET dropTarget {*this};
    uint8_t tool = kSelectionTool;
    bool snap = true;
    bool outOfPlace = false;
    // Set while this view drags its selection.
    bool dragSource = false;
    // Set while a deletion runs once its undo record has taken the objects.
    bool deletionKept = false;
    // Set while a format dialog or the appearance sheet runs.
    bool dialogOpen = false;
    POINT mouseDown {0, 0};
    // The format commands and bar; made with the view.
    std::unique_ptr<DESIGN_FORMAT> format;
    STYLECOMBO* testStyleCombo = nullptr;
};
