// The tool bars' button image strips: glyphs drawn as SVG files under
// forms/res/toolbar (named by command id, or by image number for the
// alignment pictures), rendered side by side at the button image size, under
// the bitmap id of the bar and its large and colour settings. Glyphs whose
// thin lines blur when scaled have a 24 × 22 drawing under toolbar/large.
#pragma once

#include <QImage>
#include <QSize>

#include <cstdint>
#include <vector>

// How a strip is made: its glyphs in image order, large (24 × 22) or small
// (16 × 15) images, colour or in greys.
struct ToolbarStrip {
    uint32_t bitmapId = 0;
    bool large = false;
    bool colour = true;
    std::vector<uint32_t> glyphs;
};

// The size of one button image.
QSize ToolbarImageSize(bool large);

// The strip of that bitmap id: null for an id that names no strip.
const ToolbarStrip* FindToolbarStrip(uint32_t bitmapId);

// The strip's images side by side on a transparent background; a null
// image, after telling the missing-resource handler, for an id without a
// strip or a glyph that cannot be drawn.
QImage ProgramToolbarStrip(uint32_t bitmapId);
