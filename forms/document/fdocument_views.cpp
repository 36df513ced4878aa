// What the form document keeps for its views: the view mode, by which the
// file commands work only in the design view, and the design view's
// choices for new objects.
#include "forms/document/fdocument.h"
#include "forms/res/command_ids.h"

#include "platform/ui/cmd_ui.h"

#include <algorithm>
#include <array>

namespace {

// File New, Open, Close, Save, Save As and Exit.
constexpr std::array<unsigned, 6> kDesignOnlyCommands
    = {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_CLOSE, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_APP_EXIT};

} // namespace

DESIGN_DEFAULTS& FDOCUMENT::MakeDesignDefaults()
{
    if (!designDefaults)
        designDefaults = std::make_unique<DESIGN_DEFAULTS>();
    return *designDefaults;
}

bool FDOCUMENT::OnCmdMsg(unsigned id, ui::CmdCode code, ui::CmdUI* cmdUI)
{
    if (viewMode != kViewModeDesign
        && std::find(kDesignOnlyCommands.begin(), kDesignOnlyCommands.end(), id) != kDesignOnlyCommands.end()) {
        if (code == ui::CmdCode::Update && cmdUI)
            cmdUI->Enable(false);
        return true;
    }
    return ui::Document::OnCmdMsg(id, code, cmdUI);
}
