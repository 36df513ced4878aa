// Dragging the selected objects of a design view: a press inside the
// selection waits for the pointer to go more than 3 pixels (a release
// before that is a click), then the drag outline follows the pointer on the
// snap grid under the placement rule until the release drops it.
#pragma once

#include "forms/model/geometry.h"
#include "forms/model/placement_guard.h"
#include "platform/ui/tracking_loop.h"

#include <functional>
#include <optional>

class FDESIGNVIEW;
class FSELECTION;
class VIEWDC;

namespace gdi {
class DC;
}

// Draws on the view's window in pixels: the view's context maps twips, the
// outlines of a drag are placed on the window.
void DrawInPixels(VIEWDC& dc, const std::function<void(gdi::DC&)>& draw);

class SelectionDrag : public ui::Drag {
public:
    // Where the drag stands.
    enum class Phase {
        Ready, // made, not begun
        Waiting, // begun; the pointer has stayed near the press
        Moving, // the outline is at a place the selection may take
        Refused, // the outline is at a place the selection may not take
        Clicked, // released before the drag began
        Dropped, // released at a place the selection may take
        NotDropped, // the drag ended anywhere else, or was given up
        NotStarted, // the wait ended without a release
        Started, // the pointer left the press and the drag was handed over
    };

    // press: the device point of the view's window where the button went
    // down; dc: the view's own drawing context, set up; source: the view's
    // flag, set while the drag runs.
    SelectionDrag(FDESIGNVIEW& view, VIEWDC& dc, POINT press, bool& source);

    void Begin() override;
    // Moves wait, then drag the outline; the release is the final step
    // (End). Escape is passed over while waiting and cancels the drag; the
    // right button and a loss of capture cancel both.
    ui::DragStep Step(const ui::TrackEvent& event) override;
    void End() override;
    void Cancel() override;

    Phase GetPhase() const { return phase; }
    // With a hand-over the wait ends at the first move beyond the press:
    // the phase becomes Started and the hand-over runs the drag that
    // follows there and then, while the input that comes after the move is
    // still to be read (DragOver, HideOutline, DropAt and Finish serve it);
    // the loop then ends.
    void SetHandOver(std::function<void(SelectionDrag&)> run) { handOver = std::move(run); }
    // Where the pointer was when the drag was handed over (device).
    POINT GetStartPoint() const { return startPoint; }
    // The outline, cursor, rulers and status panes for a pointer position
    // over the view; Moving or Refused.
    Phase DragOver(POINT device)
    {
        Over(device);
        return phase;
    }
    void HideOutline() { EraseOutline(); }
    // Where a drop at the pointer position puts the selection (page twips).
    RECT DropAt(POINT device) { return PlaceAt(device); }
    // The grab point relative to the selection's top-left corner (twips).
    POINT GetGrab() const { return grab; }
    // Erases what the drag shows and lets the view go; the last phase.
    void Finish(Phase last);
    // Where a drop puts the selection (page twips).
    const RECT& GetTarget() const { return target; }

private:
    // The pointer has left the press: the selected objects end any edit.
    void Start();
    // Where the selection would go for a pointer position (page twips).
    RECT PlaceAt(POINT device);
    bool IsPlaceable(const RECT& r);
    // Shows the outline, cursor, rulers and status panes for a pointer
    // position; an outline already shown there stays as it is.
    void Over(POINT device);
    void EraseOutline();
    // Draws (or, drawn again, erases) the outline at a place on the window.
    void DrawOutline(const RECT& onWindow);

    FDESIGNVIEW& view;
    FSELECTION& selection;
    VIEWDC& dc;
    const POINT press;
    bool& source;
    Phase phase = Phase::Ready;
    std::function<void(SelectionDrag&)> handOver;
    bool handedOver = false;
    POINT startPoint {0, 0};
    std::optional<PLACEMENT_GUARD> guard;
    // The grab point relative to the selection's top-left corner, and the
    // selection's size (twips).
    POINT grab {0, 0};
    int32_t width = 0;
    int32_t height = 0;
    RECT target {};
    // The outline on the window (drawn by inversion), when one is shown.
    std::optional<RECT> shown;
};
