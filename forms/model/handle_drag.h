// Dragging one handle of an object's selection tracker, or the whole object,
// in a design view: the tracker rectangle follows the pointer with snapping
// and size limits, the drag outline and the placement feedback are shown,
// and a turned object's rectangle is settled about its new centre at the end.
#pragma once

#include "forms/model/geometry.h"
#include "forms/model/viewdc.h"
#include "platform/ui/tracking_loop.h"

#include <cstdint>
#include <optional>

class FORMOBJ;
class OBJECT_VIEW;

class TrackerDrag : public ui::Drag {
public:
    // Where the drag stands.
    enum class Phase {
        Ready, // made, not begun
        Pressed, // begun; nothing dragged yet
        Moving, // the outline follows the pointer
        Changed, // ended with a new tracker rectangle
        Unchanged, // ended or cancelled with the starting rectangle back
    };

    // handle: 0 to 7, or 8 to move the object; press: the device point of
    // the view's window where the button went down; start: the tracker
    // rectangle to begin with (twips).
    TrackerDrag(FORMOBJ& object, OBJECT_VIEW& view, int handle, POINT press, const RECT& start);

    void Begin() override;
    // Moves drag the rectangle and the release is the final step (End);
    // Escape and the right button cancel; a loss of capture ends the drag.
    ui::DragStep Step(const ui::TrackEvent& event) override;
    void End() override;
    void Cancel() override;

    Phase GetPhase() const { return phase; }
    // 1 when the drag ended with a new tracker rectangle, else 0.
    int Result() const { return phase == Phase::Changed ? 1 : 0; }

private:
    // The tracker rectangle for a pointer at a device point: the dragged
    // edges (or the whole rectangle) there, then snapped and limited.
    RECT Dragged(POINT device);
    // Makes a changed rectangle the tracker rectangle: placement feedback,
    // the old outline erased, automatic scrolling, which may move the
    // dragged edges in r with the page.
    void Take(RECT& r, POINT device);
    void DrawOutline(const RECT& r);
    void EraseOutline();
    // Erases what the drag shows and lets the view go.
    void Finish();
    // A turned object's new rectangle, unturned about the centre of its
    // turned outline.
    void SettleRotation();

    FORMOBJ& object;
    OBJECT_VIEW& view;
    const int handle;
    const POINT press;
    const RECT startRect;
    Phase phase = Phase::Ready;
    std::optional<VIEWDC> dc;
    uint8_t edges = 0;
    // Whether the pointer holds the right (bottom) edge, else the left (top).
    bool holdsRight = false;
    bool holdsBottom = false;
    // From the held edges to the pointer (twips), and the size of a moved
    // object.
    POINT offset;
    int32_t width = 0;
    int32_t height = 0;
    // The outline on the window (drawn by inversion), when one is shown.
    std::optional<RECT> shown;
};
