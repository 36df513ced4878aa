// The scale a ruler draws: how finely it is divided at a zoom, and where its
// ticks lie along a page, in inches or centimetres.
#pragma once

#include <cstdint>
#include <vector>

// The tick step: ticks per ten units. The scale gets coarser as an inch
// shrinks on screen; inchPixels is an inch at the current zoom, dpi an inch
// at 100 %.
int RulerTickStep(int32_t inchPixels, int32_t dpi, bool centimetres);

struct RulerTick {
    int32_t twips; // from the page's origin
    int length; // pixels from the scale's edge: 12, 5 or 2
    int number; // the whole unit a major tick numbers; -1 for none
};

// The ticks of a page pageLength twips long at a step.
std::vector<RulerTick> RulerTicks(int32_t pageLength, int step, bool centimetres);

// The digits a ruler shows for a unit number: the last two, the tens digit
// only when it is not 0 ("7", "12", "3" for 103, "7" for 107).
struct RulerDigits {
    int tens; // -1 when not shown
    int ones;
};
RulerDigits RulerNumberDigits(int number);
