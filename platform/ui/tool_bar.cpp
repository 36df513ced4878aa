#include "platform/ui/tool_bar.h"

#include "platform/text/cp1252.h"
#include "platform/ui/command_bar.h"

#include <QAction>
#include <QToolBar>

namespace ui {

void FillToolBar(QToolBar& bar, const std::vector<ToolButton>& buttons, CommandBar& commands)
{
    for (const ToolButton& button : buttons) {
        if (button.id == 0) {
            bar.addSeparator();
            continue;
        }
        QAction* action = bar.addAction(button.icon, text::ToQString(button.text));
        commands.Bind(action, button.id);
    }
}

} // namespace ui
