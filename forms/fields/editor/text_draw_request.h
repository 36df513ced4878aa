// What EDITHANDLE::DrawText draws: stored text (format codes inline, no end
// mark) with its top left at (x, y) in the context's logical units (twips),
// laid out in width × height twips with the format, alignment and line
// spacing (0xFFFF: each line as tall as its tallest font), turned by the
// rotation (tenths of a degree), measured by the printer and slot given.
// deviceKind is the drawing context's (1 window, 2 printer, 3 picture,
// 4 preview).
#pragma once

#include "forms/fields/richtext/text_zoom.h"
#include "forms/model/textattr.h"

#include <cstdint>
#include <string_view>

struct TEXTDRAWREQUEST {
    int32_t x = 0;
    int32_t y = 0;
    uint8_t deviceKind = 0;
    int8_t slot = 0;
    uint16_t printerId = 0;
    TEXTZOOM zoom {};
    std::string_view text;
    TEXTATTR attr {};
    uint8_t alignment = 0;
    uint16_t lineSpacing = 0;
    int32_t width = 0;
    int32_t height = 0;
    uint16_t rotation = 0;
};
