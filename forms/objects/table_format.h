// The record through which a table is created, shown in the table dialog
// and changed: its rectangle, counts, header bands and the appearance of
// each kind of part.
#pragma once

#include "forms/model/border.h"
#include "forms/model/geometry.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"
#include "forms/model/textattr.h"

#include <cstdint>

// Alignment byte of centred text.
constexpr uint8_t kTableHeaderAlignment = 3;

struct TABLE_FORMAT {
    TABLE_FORMAT()
    {
        spareBorder.width = 40;
        cellBorder.lineType = kLineNone;
        cellText.Reset();
        headerText.Reset();
    }

    RECT rect {0, 0, 1440, 1440};
    uint16_t rows = 2;
    uint16_t columns = 2;
    int32_t rowHeaders = 1;
    int32_t columnHeaders = 1;
    BASICSHADE headerShade;
    // Kept for the dialog; applied to no part.
    BORDER spareBorder;
    BORDER columnLineBorder;
    BORDER rowLineBorder;
    BASICSHADE cellShade;
    BORDER cellBorder;
    TEXTATTR cellText;
    uint8_t cellAlignment = 0;
    TEXTATTR headerText;
    uint8_t headerAlignment = kTableHeaderAlignment;
    SHADOW shadow;
};
