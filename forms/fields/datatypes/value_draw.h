// Drawing a field's value text through the rich-text engine, clipped to the
// field on every device that clips.
#pragma once

#include "forms/model/geometry.h"
#include "forms/model/textattr.h"

#include <cstdint>
#include <string_view>

class VIEWDC;

// Draws the text (format codes inline) in the rectangle (twips) with the
// field's format, alignment and line spacing; the answer of the engine.
int DrawValueText(
    VIEWDC& dc, const RECT& rect, std::string_view text, const TEXTATTR& attr, uint8_t alignment, uint16_t lineSpacing);
