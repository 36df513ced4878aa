// The main frame's Toolbars command: the dialog lists the three bars with
// their visibility and the button settings; OK stores changed settings,
// restyles the bars and shows or hides each bar whose check changed.
#include "forms/app/frames/main_frame.h"

#include "forms/dialogs/designer/toolbars_dlg.h"
#include "forms/res/program_resources.h"

#include <QMainWindow>
#include <QToolBar>

#include <array>

namespace {

// "&Main toolbar", "&Formatting", "&Design".
constexpr std::array<unsigned, 3> kBarNames = {465, 466, 467};

std::string StringOf(unsigned id)
{
    const std::string* text = ProgramResources().Find(res::Kind::String, id);
    return text ? *text : std::string();
}

} // namespace

void FFRAME::ShowToolbarsDialog()
{
    const std::array<QToolBar*, 3> bars = {stdBar_, textBar_, factoryBar_};
    ToolbarState state;
    for (size_t i = 0; i < bars.size(); ++i)
        state.bars.push_back({bars[i] && bars[i]->isVisibleTo(GetWindow()) ? 1u : 0u, StringOf(kBarNames[i])});
    state.colour = settings_.colorButtons ? 1 : 0;
    state.large = settings_.largeButtons ? 1 : 0;
    state.toolTips = settings_.showToolTips ? 1 : 0;

    TOOLBARS_DLG dialog(GetWindow());
    dialog.SetToolbarState(state);
    if (dialog.DoModal() != 1)
        return;
    const ToolbarState& chosen = dialog.GetToolbarState();
    if (chosen.colour != state.colour || chosen.large != state.large || chosen.toolTips != state.toolTips) {
        settings_.colorButtons = chosen.colour != 0;
        settings_.largeButtons = chosen.large != 0;
        settings_.showToolTips = chosen.toolTips != 0;
        UpdateBarButtons();
    }
    for (size_t i = 0; i < bars.size() && i < chosen.bars.size(); ++i)
        if (bars[i] && chosen.bars[i].shown != state.bars[i].shown)
            ToggleBar(*bars[i]);
}
