// What form objects ask of the design or fill view that shows them (and,
// through it, of its selection, undo list and appearance sheet); the views
// implement it.
#pragma once

#include "forms/model/end_edit_flags.h"
#include "forms/model/geometry.h"
#include "platform/gdi/dc.h"

#include <cstdint>
#include <memory>

class FORMOBJ;
class OBJECT_DOCUMENT;
class QWidget;
class RESIZEUPDATERGN;
class BASICSHADE;
class BORDER;
class SHADOW;
class TEXTATTR;
class VIEWDC;

// What a drawing context asks of a page's design grid; the page layout's
// grid implements it.
class SnapGrid {
public:
    virtual ~SnapGrid() = default;
    // Snaps a logical point to the grid when the grid is on.
    virtual void SnapIfOn(POINT& point) = 0;
};

class OBJECT_VIEW {
public:
    virtual ~OBJECT_VIEW() = default;

    // The device context of the view's window, or null when there is none.
    // The drawing contexts made for the view share it (below).
    virtual std::unique_ptr<gdi::DC> GetWindowDC() = 0;
    // Prepare a drawing context for a device or for the view's own window:
    // mapping (anisotropic, 1440 twips to the device's pixels per inch, the
    // zoom on the screen), device kind, output mode, scroll origin, page
    // size, grid, flags and, when printing, the page as clip region. A
    // context without a device context takes the one given. 0 when the
    // view has no page layout.
    virtual int SetupDC(VIEWDC& dc, gdi::DC* device) = 0;
    virtual int SetupOwnDC(VIEWDC& dc) = 0;
    // Logical rectangle relative to the scroll origin, to device units.
    virtual void ToDeviceRect(RECT& rect) = 0;
    // Invalidates a device rectangle or a turned outline (winding polygon)
    // of the view's window.
    virtual void InvalidateRect(const RECT& rect, bool erase) = 0;
    virtual void InvalidateOutline(const Outline& outline, bool erase) = 0;
    // Paints what is invalid at once.
    virtual void UpdateWindow() = 0;
    virtual bool IsActiveView() = 0;
    // The document's update of all views, this view being the sender.
    virtual void UpdateAllViews(uint32_t hint, FORMOBJ* object) = 0;
    // The page the view shows (from 1) and the page layout's size in twips.
    virtual uint16_t GetCurrentPage() = 0;
    virtual int16_t GetPageWidth() = 0;
    virtual int16_t GetPageHeight() = 0;
    // The view's selection-drawing flag: handles are drawn in a second pass.
    virtual bool DrawsSelection() = 0;

    // The view's selection counts its selected objects.
    virtual void NoteSelected(uint16_t count) = 0;
    virtual void NoteDeselected(uint16_t count) = 0;

    // The appearance sheet and the undo list around it.
    virtual void RecordSelectionUndo() = 0;
    virtual void SetAppearanceSheetOpen(bool open) = 0;
    // Builds the sheet with the caption string, fills it from the object and
    // runs it: 1 OK, 20 go on to the data properties, other values cancel;
    // negative when the sheet could not be filled.
    virtual int RunAppearanceSheet(uint16_t captionId, FORMOBJ& object) = 0;
    virtual void UndoLast() = 0;
    virtual void DropLastUndo() = 0;
    virtual void PostCommand(uint16_t id) = 0;
    virtual void SetFocus() = 0;

    // What the selection tracker asks of the design view. The bodies here
    // are those of a view without the facility: no window (nothing is
    // tracked), no grid, no page bounds, no placement rules, no scroll
    // bars, no status bar or rulers, no other views.

    // The window that the mouse is tracked in (capture, cursor), or null.
    virtual QWidget* GetTrackingWindow() { return nullptr; }
    // The pointer's position in the window (device units); false when it
    // is not known.
    virtual bool GetPointerPos(POINT&) { return false; }
    // Moves the pointer by a device distance; false when the platform does
    // not let a program move it.
    virtual bool MovePointer(int32_t, int32_t) { return false; }
    // Snap a logical coordinate or point to the design grid when snapping
    // is on; limit a coordinate to the current page's margins. A coordinate
    // snaps as a point's with the other coordinate 0, so that a view that
    // snaps need only override SnapPoint.
    virtual void SnapX(int32_t& x) { x = SnappedPoint({x, 0}).x; }
    virtual void SnapY(int32_t& y) { y = SnappedPoint({0, y}).y; }
    virtual void SnapPoint(POINT&) {}
    virtual void ClampX(int32_t&) {}
    virtual void ClampY(int32_t&) {}
    // 1 when the object may take the rectangle (twips relative to the
    // scroll origin).
    virtual int IsValidPlacement(int32_t, int32_t, int32_t, int32_t, FORMOBJ*) { return 1; }
    // The out-of-place flag: set, a placement need only overlap the page.
    virtual void SetOutOfPlace(bool) {}
    // Side of the client area (1 left, 2 right, 3 top, 4 bottom) that a
    // device point is within 288 twips of; 0 for none, or when the view
    // lacks either scroll bar.
    virtual int GetAutoScrollSide(POINT) { return 0; }
    // Scrolls one line towards a side; answers how far the page moved on
    // the window (device units), (0, 0) when it could not scroll.
    virtual SIZE ScrollLine(int) { return {}; }
    // Position and size of a rectangle (twips) in the status bar; its
    // extent marked in the rulers, or the marks cleared for null.
    virtual void ShowPosSize(const RECT&) {}
    virtual void ShowPositionInRulers(const RECT*) {}
    // Whether the document has other views than this one, and its update
    // of them with an outline hint.
    virtual bool HasOtherViews() { return false; }
    virtual void UpdateOtherViews(RESIZEUPDATERGN&) {}

    // What the selection's commands ask of the design view. The bodies here
    // are those of a view without a document, page layout or undo list.

    // The document whose objects the view shows, or null.
    virtual OBJECT_DOCUMENT* GetObjectDocument() { return nullptr; }
    // The current page's margin rectangle (twips); false without a layout.
    virtual bool GetMarginRect(RECT&) { return false; }
    // Shows another page.
    virtual void GoToPage(uint16_t) {}
    // Records the selected objects of the document's object list for Undo
    // Deletion (an undo step of kind 2, the undo list emptied first). True
    // when the step holds them: it then owns each object that the selection
    // unlinks. False without an undo list: the selection deletes them.
    virtual bool RecordDeletionUndo() { return false; }
    // What deleting a group's member unlinked (the member, or the dissolved
    // group holding it), with whether the undo step recorded it; a view
    // without an undo list lets it go.
    virtual void KeepDeleted(std::unique_ptr<FORMOBJ> unlinked, bool kept);

    // What the appearance pages and the Format dialogs apply to the view's
    // selected objects while they run; the flag is 0 from a Format dialog,
    // the sheet's object from a page. A view without a selection ignores it.
    virtual void SetSelectionShadow(const SHADOW&, uintptr_t) {}
    virtual void SetSelectionBorder(const BORDER&, uintptr_t) {}
    virtual void SetSelectionShade(const BASICSHADE&, uintptr_t) {}
    virtual void SetSelectionAlignment(uint8_t, uintptr_t) {}
    virtual void SetSelectionLineSpacing(uint16_t, uintptr_t) {}
    // A change record of text attributes (mixed fields unchanged) for the
    // selected objects, or for new objects when none has text.
    virtual void ApplyTextAttr(const TEXTATTR&) {}

    // What a field's own control asks of the fill view: move on to the next
    // field in the filling order (forward) or to the one before. A view
    // without a filling order stays.
    virtual void MoveToField(bool) {}
    // What a field whose value is refused asks of the fill view: make it
    // the current field. A view without fields to fill ignores it.
    virtual void SetCurrentField(FORMOBJ*) {}
    // What a check box's own window asks of the fill view: in a table cell,
    // the cell above or below becomes current (nothing outside tables); the
    // field's help shown for a rectangle on the screen (device pixels); the
    // release of Page Up or Page Down (with Ctrl or not) handled as the
    // view's own key-up.
    virtual void MoveToCellAbove() {}
    virtual void MoveToCellBelow() {}
    virtual void ShowFieldHelp(FORMOBJ*, const RECT&) {}
    virtual void OnPageKeyUp(bool, bool) {}
    // The window's client rectangle in pixels (empty without a window), and
    // scrolling by distances in twips on a page (nonzero when the view
    // scrolled), to bring a field's control into sight.
    virtual RECT GetClientRect() const { return {}; }
    virtual int AutoScroll(int16_t, int16_t, uint16_t) { return 0; }

    // What the document and a field being filled ask of the fill view:
    // whether the view fills the form; its commit of the current field, 1
    // committed or nothing to commit, 0 refused; and its text-formatting
    // flag, set while the open editor keeps formatting. A view that fills
    // nothing has nothing to commit.
    virtual bool IsFillView() const { return false; }
    virtual int CommitCurrentField(END_EDIT_FLAGS) { return 1; }
    virtual void SetTextFormatting(int) {}

    // What a field's list extent asks of the design view: where the mouse
    // went down last (page twips; false when not known) and how many
    // objects are selected.
    virtual bool GetLastMouseDown(POINT&) { return false; }
    virtual uint16_t GetSelectedCount() { return 0; }

    // What an object edited in place, and its editor's site, ask of the
    // view. The bodies here are those of a view without the facility: every
    // placement is valid, nothing scrolls, nothing is shown.

    // 1 when the object accepts placement at all and may take the rectangle
    // (twips relative to the scroll origin).
    virtual int IsValidObjectPlacement(FORMOBJ*, const RECT&) { return 1; }
    // Widens the room to scroll around the page so that the rectangle (page
    // twips) of an object edited past the page's edges can be reached; 1
    // when the rectangle reaches a limit.
    virtual int AutoScrollToRect(int32_t, int32_t, int32_t, int32_t, FORMOBJ*) { return 0; }
    // Takes the widened room away again.
    virtual void StopAutoScroll() {}
    // Makes a drawing tool current (the selection tool is 35); a text
    // object placed with its tool gives the selection tool back.
    virtual void SetTool(uint8_t) {}
    // Deletes that object alone, at once: no question, and nothing kept for
    // Undo Deletion (an emptied text object goes this way). The object is
    // gone when this returns.
    virtual void DeleteObjectAlone(FORMOBJ*) {}
    // The format bar shows a character format; and is brought up to date.
    virtual void SetTextAttr(const TEXTATTR&) {}
    virtual void UpdateFormatBar(int) {}
    // The area (screen coordinates) to repaint once an editor has gone.
    virtual void SetEditRepaintRect(const RECT&) {}

    // The window's device context while drawing contexts made for the view
    // live, and how many of them live; kept by VIEWDC.
    std::unique_ptr<gdi::DC> sharedDC;
    uint16_t dcNesting = 0;

protected:
    // A copy of the point, snapped: SnapX and SnapY through SnapPoint.
    POINT SnappedPoint(POINT point)
    {
        SnapPoint(point);
        return point;
    }
};
