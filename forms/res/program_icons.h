// The program's icons, drawn for it as SVG files under forms/res/icons
// (named by resource id) and rendered at the size asked for.
#pragma once

#include <QImage>

#include <cstdint>

// The icon of that id on a transparent background (size × size pixels);
// a null image, after telling the missing-resource handler, for an id
// without an icon.
QImage ProgramIcon(uint32_t id, int size = 32);

// A picture drawn as an SVG of forms/res/icons at the size its file gives
// (the alignment menu's pictures), on a transparent background; a null
// image, after telling the missing-resource handler, for an id without one.
QImage ProgramSvgBitmap(uint32_t id);
