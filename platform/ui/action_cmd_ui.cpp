#include "platform/ui/action_cmd_ui.h"

#include "platform/text/cp1252.h"

#include <QAction>

namespace ui {

ActionCmdUI::ActionCmdUI(QAction& action, unsigned id)
    : CmdUI(id)
    , action_(action)
{}

void ActionCmdUI::Enable(bool on)
{
    CmdUI::Enable(on);
    action_.setEnabled(on);
}

void ActionCmdUI::SetCheck(int check)
{
    CmdUI::SetCheck(check);
    if (check != 0)
        action_.setCheckable(true);
    if (action_.isCheckable())
        action_.setChecked(check != 0);
}

void ActionCmdUI::SetText(std::string_view cp1252)
{
    CmdUI::SetText(cp1252);
    QString text = text::ToQString(cp1252);
    if (action_.text() != text)
        action_.setText(text);
}

} // namespace ui
