#include "platform/ui/frame.h"

#include "platform/ui/app.h"
#include "platform/ui/view.h"

namespace ui {

bool Frame::OnCmdMsg(unsigned id, CmdCode code, CmdUI* cmdUI)
{
    if (View* view = GetActiveView(); view && view->OnCmdMsg(id, code, cmdUI))
        return true;
    return HandleOwn(id, code, cmdUI);
}

bool MainFrame::OnCmdMsg(unsigned id, CmdCode code, CmdUI* cmdUI)
{
    if (Frame* child = GetActiveChild(); child && child->OnCmdMsg(id, code, cmdUI))
        return true;
    if (Frame::OnCmdMsg(id, code, cmdUI))
        return true;
    App* app = App::Current();
    return app && app->OnCmdMsg(id, code, cmdUI);
}

} // namespace ui
