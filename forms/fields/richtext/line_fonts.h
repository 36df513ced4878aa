// The character widths and text metrics that lay out and show rich text,
// taken from the program's font metrics cache for the drawing's printer and
// device; each table is copied, since the cache reuses its entries.
#pragma once

#include "platform/gdi/font.h"

#include <array>
#include <cstdint>

class TEXTATTR;
class TEXTDRAWINFO;

using CHARWIDTHS = std::array<int16_t, 256>;

// Advances in twips on the layout's printer.
void GetLayoutWidths(const TEXTDRAWINFO& info, const TEXTATTR& attr, uint16_t rotation, CHARWIDTHS& out);
// Advances in twips as the drawing's device shows them at its zoom.
void GetScreenWidths(const TEXTDRAWINFO& info, const TEXTATTR& attr, uint16_t rotation, CHARWIDTHS& out);
// Height, ascent and descent (twips) that lines are laid out with.
gdi::TEXTMETRIC GetLayoutMetrics(const TEXTDRAWINFO& info, const TEXTATTR& attr, uint16_t rotation);
