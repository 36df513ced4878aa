// The main frame's menu, accelerator keys and tool bars, read from the
// resource files "menus.txt", "accelerators.txt" and "toolbars.txt" that are
// compiled into the program.
#pragma once

#include "forms/app/frames/resource_blocks.h"

#include "platform/ui/accelerators.h"
#include "platform/ui/menu.h"
#include "platform/ui/tool_bar.h"

#include <vector>

std::vector<ui::MenuItem> MenuItemsOf(const std::vector<ResourceEntry>& entries);
// Each entry's text is a key as Qt writes it ("Ctrl+O", "Shift+Del");
// throws std::invalid_argument for a text that names no single key.
std::vector<ui::Accelerator> AcceleratorsOf(const std::vector<ResourceEntry>& entries);
std::vector<ui::ToolButton> ToolButtonsOf(const std::vector<ResourceEntry>& entries);

std::vector<ui::MenuItem> LoadMenu(unsigned id);
std::vector<ui::Accelerator> LoadAccelerators(unsigned id);
std::vector<ui::ToolButton> LoadToolBar(unsigned id);
