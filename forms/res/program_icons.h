// The program's icons, drawn for it as SVG files under forms/res/icons
// (named by resource id) and rendered at the size asked for.
#pragma once

#include "platform/gdi/bitmap.h"
#include "platform/gdi/types.h"

#include <QImage>

#include <cstdint>

// The icon of that id on a transparent background (size × size pixels);
// a null image, after telling the missing-resource handler, for an id
// without an icon.
QImage ProgramIcon(uint32_t id, int size = 32);

// The icon drawn over a solid background, as a colour bitmap for BitBlt; a
// null bitmap as ProgramIcon gives a null image.
gdi::Bitmap ProgramIconBitmap(uint32_t id, int size, gdi::COLORREF background);
