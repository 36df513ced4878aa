// The baselines a dragged text object or field previews inside its outline:
// one-pixel bands inverted with the shared baseline pattern.
#pragma once

#include "forms/model/geometry.h"

#include <cstdint>

namespace gdi {
class DC;
}
class OBJECT_VIEW;

// Inverts a band across the dragged rectangle (twips) every pitch twips
// from first below its top, while a band ends above bottom (twips). The
// device context is in device units; its brush is left selected.
void InvertDragBaselines(
    gdi::DC& dc, OBJECT_VIEW& view, const RECT& area, int32_t first, int32_t pitch, int32_t bottom);
