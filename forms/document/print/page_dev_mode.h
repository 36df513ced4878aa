// The printer's device mode for a page: its orientation and its paper, a
// standard paper by its code or any other by its size.
#pragma once

#include "platform/gdi/printer_dev_mode.h"

#include <cstdint>

class FLAYOUT;

// Landscape (flag 1) or portrait.
void SetDevModeOrientation(gdi::DevMode& mode, int landscape);
// The paper upright, in twips: a standard paper's code when one has this
// size, else the size itself in tenths of a millimetre.
void SetDevModePaperSize(gdi::DevMode& mode, int32_t width, int32_t length);
// The orientation and paper that print the page as it lies: the layout's
// size is as oriented, so a landscape page's paper is its height wide.
gdi::DevMode PageDevMode(const FLAYOUT& layout);
