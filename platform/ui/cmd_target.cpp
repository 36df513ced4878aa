#include "platform/ui/cmd_target.h"

#include "platform/ui/cmd_ui.h"

#include <algorithm>
#include <stdexcept>

namespace ui {

CmdTarget::CmdTarget()
    : token_(std::make_shared<CmdTarget*>(this))
{}

CmdTarget::~CmdTarget() = default;

void CmdTarget::AddCommand(unsigned id, CommandHandler handler)
{
    AddCommandRange(id, id, std::move(handler));
}

void CmdTarget::AddCommandRange(unsigned first, unsigned last, CommandHandler handler)
{
    if (first > last || !handler)
        throw std::invalid_argument("command handler needs a handler and first <= last");
    commands_.push_back({first, last, std::move(handler)});
}

void CmdTarget::AddUpdate(unsigned id, UpdateHandler handler)
{
    AddUpdateRange(id, id, std::move(handler));
}

void CmdTarget::AddUpdateRange(unsigned first, unsigned last, UpdateHandler handler)
{
    if (first > last || !handler)
        throw std::invalid_argument("update handler needs a handler and first <= last");
    updates_.push_back({first, last, std::move(handler)});
}

bool CmdTarget::OnCmdMsg(unsigned id, CmdCode code, CmdUI* cmdUI)
{
    return HandleOwn(id, code, cmdUI);
}

bool CmdTarget::HandleOwn(unsigned id, CmdCode code, CmdUI* cmdUI)
{
    auto covers = [id](const auto& e) { return e.first <= id && id <= e.last; };
    if (code == CmdCode::Update) {
        auto it = std::find_if(updates_.rbegin(), updates_.rend(), covers);
        if (it == updates_.rend() || !cmdUI)
            return false;
        // A copy: the handler may add handlers to this very table.
        UpdateHandler handler = it->handler;
        handler(*cmdUI);
        return true;
    }
    auto it = std::find_if(commands_.rbegin(), commands_.rend(), covers);
    if (it == commands_.rend())
        return false;
    if (code == CmdCode::Command) {
        CommandHandler handler = it->handler;
        handler(id);
    }
    return true;
}

bool CmdTarget::ExecuteCommand(unsigned id)
{
    if (id == 0)
        return false;
    CmdUI state(id);
    OnCmdMsg(id, CmdCode::Update, &state);
    if (!state.IsEnabled())
        return false;
    return OnCmdMsg(id, CmdCode::Command, nullptr);
}

} // namespace ui
