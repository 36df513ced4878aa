#include "platform/ui/cmd_ui.h"

#include "platform/ui/cmd_target.h"

namespace ui {

CmdUI::CmdUI(unsigned id)
    : id_(id)
{}

void CmdUI::Enable(bool on)
{
    enabled_ = on;
    enableChanged_ = true;
}

void CmdUI::SetCheck(int check)
{
    check_ = check;
}

void CmdUI::SetText(std::string_view cp1252)
{
    text_ = std::string(cp1252);
}

void CmdUI::DoUpdate(CmdTarget& target, bool disableIfNoHandler)
{
    enableChanged_ = false;
    if (target.OnCmdMsg(id_, CmdCode::Update, this))
        return;
    if (disableIfNoHandler && !enableChanged_)
        Enable(target.OnCmdMsg(id_, CmdCode::Probe, nullptr));
}

} // namespace ui
