// Menus built from plain descriptions: popups, commands and separators,
// each command item bound to a command bar.
#pragma once

#include <string>
#include <vector>

class QMenu;
class QMenuBar;

namespace ui {

class CommandBar;

struct MenuItem {
    enum class Kind { Command, Popup, Separator };

    static MenuItem Command(std::string text, unsigned id);
    static MenuItem Popup(std::string text, std::vector<MenuItem> items);
    static MenuItem Separator();

    Kind kind = Kind::Separator;
    // Windows-1252, with "&" mnemonics and an optional "\t" accelerator part.
    std::string text;
    unsigned id = 0;
    std::vector<MenuItem> items;
};

// Appends the items; each popup is updated from the command bar's target as
// it opens, as well as on idle passes.
void FillMenu(QMenu& menu, const std::vector<MenuItem>& items, CommandBar& commands);
void FillMenuBar(QMenuBar& bar, const std::vector<MenuItem>& items, CommandBar& commands);

} // namespace ui
