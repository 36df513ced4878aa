// The resources of the program forms (its string table, and later its
// menus, accelerators, dialogs and pictures), compiled into the program
// from the files of this folder and read once, on first use.
#pragma once

#include "platform/res/resources.h"

const res::Resources& ProgramResources();
