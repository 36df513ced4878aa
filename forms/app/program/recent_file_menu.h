// The recent files in the File menu: items before Exit, one for each file
// of the list ("&1 /path/form.qwm"), hidden while the list has no file for
// them, and with an empty list their separator too.
#pragma once

#include "forms/res/command_ids.h"
#include "platform/ui/menu.h"

#include <cstddef>
#include <vector>

class RecentFileList;

namespace ui {
class CommandBar;
}

// The menu with the items of a list of that size and a separator put before
// the Exit item; a menu without Exit is returned as it is.
std::vector<ui::MenuItem> WithRecentFileItems(std::vector<ui::MenuItem> menu, std::size_t size);

// Gives the bound items their files' names and shows only those.
void ShowRecentFiles(const ui::CommandBar& commands, const RecentFileList& files);
