// The text objects of the sample form's text page: several faces, sizes and
// colours, bold and italic, the three underlines, strike-out, the four
// alignments, a fixed line spacing and one turned object. Their faces are
// added to the program's font table.
#pragma once

#include "forms/objects/ftextobj.h"

#include <memory>
#include <vector>

// The page is A4 (11906 × 16838 twips) with the objects inside half-inch
// margins.
std::vector<std::unique_ptr<FTEXTOBJ>> MakeSampleTextObjects();
