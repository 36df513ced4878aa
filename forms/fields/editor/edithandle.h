// The handle on the in-place rich-text editor. Its static entries draw and
// measure a rich text outside editing through a temporary layout.
#pragma once

#include "forms/fields/richtext/text_zoom.h"
#include "forms/model/textattr.h"
#include "platform/gdi/dc.h"

#include <cstdint>
#include <string_view>

class EDITHANDLE {
public:
    // Draws the stored text (format codes inline, no end mark) with its top
    // left at (x, y) in the context's logical units (twips), laid out in
    // width × height twips with the format, alignment and line spacing
    // (0xFFFF: each line as tall as its tallest font) and turned by the
    // rotation (tenths of a degree). deviceKind is the drawing context's
    // (1 window, 2 printer, 3 picture, 4 preview); on a window the origin is
    // snapped to whole device pixels. With heightOut nothing is drawn and the
    // laid-out height (twips) is stored there. 0 when the text cannot be
    // made into a buffer, else 1.
    static int DrawText(gdi::DC& dc, int32_t x, int32_t y, uint8_t deviceKind, int8_t slot, uint16_t printerId,
        const TEXTZOOM& zoom, std::string_view text, const TEXTATTR& attr, uint8_t alignment, uint16_t lineSpacing,
        int32_t width, int32_t height, uint16_t rotation, int16_t* heightOut = nullptr);
    // The laid-out height (twips) of the text at that width; 0 when the text
    // cannot be made into a buffer.
    static uint16_t MeasureText(gdi::DC& dc, uint8_t deviceKind, int8_t slot, uint16_t printerId, const TEXTZOOM& zoom,
        std::string_view text, const TEXTATTR& attr, uint8_t alignment, uint16_t lineSpacing, int32_t width,
        int32_t height);
};
