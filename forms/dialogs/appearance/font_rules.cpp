#include "forms/dialogs/appearance/font_rules.h"

#include <cstdlib>

UnderlineLatches LatchesOf(uint8_t underline)
{
    UnderlineLatches latches;
    latches.single = underline == kUnderlineSingle;
    latches.word = underline == kUnderlineWord;
    latches.dbl = underline == kUnderlineDouble;
    return latches;
}

uint8_t ToggleUnderline(UnderlineLatches& latches, int control)
{
    bool* latch = nullptr;
    uint8_t kind = kUnderlineNone;
    switch (control) {
    case kUnderlineButton:
        latch = &latches.single;
        kind = kUnderlineSingle;
        break;
    case kWordUnderlineButton:
        latch = &latches.word;
        kind = kUnderlineWord;
        break;
    case kDoubleUnderlineButton:
        latch = &latches.dbl;
        kind = kUnderlineDouble;
        break;
    default:
        return kUnderlineNone;
    }
    const bool latched = !*latch;
    if (latched)
        latches = {};
    *latch = latched;
    return latched ? kind : kUnderlineNone;
}

uint16_t NearestSize(const FontSizeList& list, uint16_t wanted)
{
    if (list.count == 0)
        return 0;
    uint16_t kept = list.sizes[0];
    for (uint16_t i = 1; i < list.count; ++i) {
        const uint16_t size = list.sizes[i];
        if (std::abs(size - wanted) > std::abs(kept - wanted))
            break;
        kept = size;
    }
    return kept;
}

int SizeIndex(const FontSizeList& list, uint16_t points)
{
    for (uint16_t i = 0; i < list.count; ++i)
        if (list.sizes[i] == points)
            return i;
    return -1;
}

TEXTATTR MixedTextAttr()
{
    TEXTATTR attr;
    attr.SetMixed();
    return attr;
}

TEXTATTR ShownTextAttr(const TEXTATTR& format)
{
    TEXTATTR defaults;
    defaults.Reset();
    TEXTATTR shown = defaults;
    shown.Merge(format);
    return shown;
}
