// The design view in drag and drop: its selection dragged out as data of
// its own, and drags from this or another view, form or program shown and
// dropped on the page.
#pragma once

#include "forms/app/views/fdroptarget.h"
#include "forms/model/geometry.h"

#include <memory>
#include <optional>
#include <string>

class FDESIGNVIEW;
class FSELECTION;
class SelectionDrag;

// The format of a drag's description block.
inline constexpr const char* kFormatDragObject = "Quirewell95 Object";

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

// What a drag over a design view's window shows and what a drop there
// does; the view's drop target hands it the drag's notifications.
class DESIGN_DROP : public DragReceiver {
public:
    explicit DESIGN_DROP(FDESIGNVIEW& view)
        : view(view)
    {}

    unsigned OnDragEnter(const ui::DataObject& data, unsigned keyState, POINT point) override;
    unsigned OnDragOver(const ui::DataObject& data, unsigned keyState, POINT point) override;
    void OnDragLeave() override;
    bool OnDrop(const ui::DataObject& data, unsigned effect, POINT point) override;
    bool CanDragScroll(int axis, bool forward) override;
    void DragScroll(int axis, bool forward) override;

    FDROPTARGET& GetDropTarget() { return dropTarget; }
    // 0 nothing shown, 1 copy or 2 move shown, 13 a place refused.
    int GetDragFeedbackState() const { return drag.feedbackState; }
    // Set while the view drags its selection; the drag's wait loop sets and
    // clears it.
    bool IsDragSource() const { return dragSource; }
    bool& DragSourceFlag() { return dragSource; }

    // Past the wait: the selection goes into a drag of its own data.
    void RunDragDrop(SelectionDrag& wait);
    // Before the window scrolls: the feedback and the own drag's outline
    // are erased.
    void EraseBeforeScroll();

private:
    // The feedback of a drag from elsewhere, drawn (or erased) by inversion.
    void InvertFeedback(const RECT& onWindow);
    void EraseDragFeedback();
    // The view of this view's form whose selection is being dragged, if any.
    FDESIGNVIEW* DragSourceOfForm();
    // The drop of a drag that started in this view or another of its form.
    bool DropFromSameForm(FDESIGNVIEW& source, const ui::DataObject& data, unsigned effect, POINT point);
    // A paste selection holding what the drop carries; null when nothing.
    std::unique_ptr<FSELECTION> PasteDropped(const ui::DataObject& data);
    // Makes the view's child frame and the view active.
    void ActivateForDrop();

    FDESIGNVIEW& view;
    // A drag over the view: what it carries and what it shows.
    struct DragState {
        bool objectOffered = false;
        DRAG_DESCRIPTION description;
        POINT feedbackOrigin {0, 0};
        int feedbackState = 0;
        bool droppedHere = false;
        // The feedback rectangle drawn from elsewhere (window pixels).
        std::optional<RECT> shown;
    } drag;
    // The wait loop of the view's own drag while its drag runs.
    SelectionDrag* ownDrag = nullptr;
    FDROPTARGET dropTarget {*this};
    bool dragSource = false;
};
