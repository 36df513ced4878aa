// Runs a drag over a list of tracking events as the tracking loop would,
// without a window: Begin, the steps until one ends or cancels the drag,
// then End or Cancel as the last step said.
#pragma once

#include "platform/ui/tracking_loop.h"

#include <vector>

inline ui::DragStep FeedDrag(ui::Drag& drag, const std::vector<ui::TrackEvent>& events)
{
    drag.Begin();
    ui::DragStep last = ui::DragStep::Continue;
    for (const ui::TrackEvent& e : events) {
        last = drag.Step(e);
        if (last != ui::DragStep::Continue)
            break;
    }
    if (last == ui::DragStep::Cancel)
        drag.Cancel();
    else
        drag.End();
    return last;
}
