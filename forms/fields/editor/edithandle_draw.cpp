#include "forms/fields/editor/edithandle.h"

// Placeholder until rich-text layout lands: draws nothing.
int EDITHANDLE::DrawText(gdi::DC&, int32_t, int32_t, uint8_t, int8_t, uint16_t, const TEXTZOOM&, std::string_view,
    const TEXTATTR&, uint8_t, uint16_t, int32_t, int32_t, uint16_t, int16_t* heightOut)
{
    if (heightOut)
        *heightOut = 0;
    return 1;
}

uint16_t EDITHANDLE::MeasureText(gdi::DC&, uint8_t, int8_t, uint16_t, const TEXTZOOM&, std::string_view,
    const TEXTATTR&, uint8_t, uint16_t, int32_t, int32_t)
{
    return 0;
}
