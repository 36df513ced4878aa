// Tool bars built from plain descriptions: buttons carrying command ids and
// separators, each button bound to a command bar.
#pragma once

#include <QIcon>

#include <string>
#include <vector>

class QToolBar;

namespace ui {

class CommandBar;

struct ToolButton {
    // 0 makes a separator.
    unsigned id = 0;
    // Windows-1252; shown as the tool tip, and as the button when there is no icon.
    std::string text;
    QIcon icon;
};

void FillToolBar(QToolBar& bar, const std::vector<ToolButton>& buttons, CommandBar& commands);

} // namespace ui
