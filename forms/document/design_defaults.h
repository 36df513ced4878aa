// What the designer gives new objects: fill, line, shadow, character format
// and text alignment. The document keeps them while another view shows the
// form, so that the design view comes back with the choices it had.
#pragma once

#include "forms/model/border.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"
#include "forms/model/textattr.h"

#include <cstdint>

struct DESIGN_DEFAULTS {
    BASICSHADE shade;
    BORDER border;
    SHADOW shadow;
    TEXTATTR text;
    uint8_t alignment = 0;
};
