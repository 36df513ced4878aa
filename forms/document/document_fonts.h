// The program-wide font table and printer list (GetProgramFontTable,
// GetPrinterList) as character formats ask for them: the program hands this
// to SetProgramFonts when it starts.
#pragma once

#include "forms/model/program_fonts.h"

PROGRAM_FONTS& DocumentFonts();
