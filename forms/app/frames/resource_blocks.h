// The block format of the program's menus, accelerators and tool bars under
// forms/res: a block opens with "<KIND> <id>" and ends with "END"; inside,
// entries are "<command id><TAB><text>", "SEPARATOR", or, in menus, a
// "POPUP<TAB><text>" with its own entries up to its "END". The file is UTF-8
// with "\t" for a tab inside a text; empty lines and lines that begin with
// '#' are skipped.
#pragma once

#include "platform/res/kind.h"

#include <string>
#include <string_view>
#include <vector>

struct ResourceEntry {
    enum class Kind { Command, Separator, Popup };
    Kind kind = Kind::Separator;
    unsigned id = 0;
    std::string text; // Windows-1252
    std::vector<ResourceEntry> items; // of a popup
};

struct ResourceBlock {
    unsigned id = 0;
    std::vector<ResourceEntry> entries;
};

// The blocks of `kind` ("MENU", "ACCELERATORS", "TOOLBAR"); popups are taken
// only when allowed. Throws res::FormatError naming `source` and the line.
std::vector<ResourceBlock> ParseResourceBlocks(
    std::string_view utf8, std::string_view kind, bool popups, const std::string& source);

// The block of that id among the blocks of the compiled-in resource file
// ":/forms/res/<file>"; throws res::MissingResource of resKind when there is
// none.
ResourceBlock LoadResourceBlock(const char* file, std::string_view kind, bool popups, res::Kind resKind, unsigned id);
