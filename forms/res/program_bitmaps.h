// The program's bitmaps, kept as PBM files under forms/res/bitmaps (named by
// resource id) and compiled in with the other resources.
#pragma once

#include "platform/gdi/bitmap.h"

#include <cstdint>

// The monochrome bitmap of a resource id (black pixels are 0 bits, as GDI
// keeps them). An id without a bitmap is a fault of the program: the
// missing-resource handler is told and the answer is a null bitmap.
gdi::Bitmap ProgramMonoBitmap(uint32_t id);
