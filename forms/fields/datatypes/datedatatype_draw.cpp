// Drawing a date field's value through its picture, or its error marker.
#include "forms/fields/datatypes/datatype_texts.h"
#include "forms/fields/datatypes/datedatatype.h"
#include "forms/fields/datatypes/value_draw.h"
#include "forms/model/viewdc.h"

int DATEDATATYPE::Draw(
    VIEWDC& dc, const RECT& rect, TEXTATTR attr, uint8_t alignment, uint16_t word, FORMOBJ*, uint16_t outputMode)
{
    if (outputMode != kOutputFill)
        return 1;
    std::string text;
    if (wErrorId)
        text = MarkerText(wErrorId);
    else
        GetDisplayText(text);
    if (!text.empty())
        DrawValueText(dc, rect, text, attr, alignment, word);
    return 1;
}
