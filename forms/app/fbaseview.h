// The base of the form views as the template and the frames use it: told
// when views are switched, when its frame is deactivated, and when the frame
// runs its initial update; it also decides over the View menu's commands.
#pragma once

#include "platform/ui/view.h"

namespace ui {
class CmdUI;
}

class FBASEVIEW : public ui::View {
public:
    // The outgoing view gets (false, new view), then the incoming one
    // (true, old view).
    virtual void OnViewSwitch(bool incoming, ui::View* other);
    // The view's child frame is being deactivated.
    virtual void OnFrameActivate(bool activate, ui::Frame* frame);
    // The frame shows the view for the first time, or after a switch.
    virtual void OnInitialUpdate();
    // Filling order (32810), test fill (32811) and field naming (32814) are
    // enabled only while every view of the document is a design view; field
    // matching (32812) always is; other commands are left alone.
    virtual void OnUpdateViewMenu(ui::CmdUI& cmdUI);
};
