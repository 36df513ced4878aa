// The number format page's owner drawing: the sample of the three values
// and the items of the negative style list, each in the colour its format
// gives (automatic: the field's text colour).
#pragma once

#include "forms/dialogs/data/number_masks.h"

#include "platform/gdi/dc.h"

#include <string_view>

class NUMBERDATATYPE;

// The three samples side by side on the dialog face.
// Both draw in the font given (the dialog's), or the context's own.
void DrawNumberSample(gdi::DC& dc, const gdi::RECT& r, const NUMBERDATATYPE* type, uint32_t automatic,
    const gdi::LOGFONT* font = nullptr);
// One negative style: the negative sample through that style's mask,
// highlighted when selected.
void DrawNegativeStyle(gdi::DC& dc, const gdi::RECT& r, bool selected, const NUMBERCHOICES& choices, int style,
    std::string_view symbol, uint32_t automatic, const gdi::LOGFONT* font = nullptr);
