// The field's drawing: frame, fill and shadow, the drop-down button of a
// list field, the value through its data type, the tracker; and the
// rectangles that reach down over a shown list extent.
#include "forms/model/ffield.h"

#include "forms/fields/datatypes/datatype.h"
#include "forms/model/border.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"
#include "forms/model/viewdc.h"

#include "platform/gdi/dc.h"

#include <algorithm>

namespace {

// The drop-down button is never wider than this.
constexpr int32_t kDropButtonCap = 240;

} // namespace

FORMOBJ* FFIELD::ObjectAt(VIEWDC& dc, int32_t x, int32_t y)
{
    return HitTest(dc, x, y) ? this : nullptr;
}

void FFIELD::GetActiveRect(RECT& out, VIEWDC& dc)
{
    GetOuterRect(out, dc);
    if (bListShown)
        out.bottom = rect.bottom + nListHeight;
}

void FFIELD::GetUpdateRect(RECT& out, VIEWDC& dc, int withHandles)
{
    FORMOBJ::GetUpdateRect(out, dc, withHandles);
    if (bListShown) {
        RECT list = ToDevice(dc, {0, 0, 0, ListHeight()});
        out.bottom += list.bottom - list.top;
    }
}

void FFIELD::GetBoundingRect(RECT& out)
{
    FORMOBJ::GetBoundingRect(out);
    if (bListShown)
        out.bottom += ListHeight();
}

void FFIELD::GetDropButtonRect(RECT& out, VIEWDC& dc)
{
    RECT inner;
    GetInnerRect(inner, dc);
    const int32_t height = inner.bottom - inner.top;
    const int32_t half = (rect.right - rect.left) / 2;
    const int32_t width = std::min({height, kDropButtonCap, half});
    out = {inner.right - width, inner.top, inner.right, inner.bottom};
}

void FFIELD::Draw(VIEWDC& dc)
{
    const bool fieldsOnly = dc.fieldsOnly != 0;
    RECT outer;
    GetOuterRect(outer, dc);
    if (bListShown)
        outer.bottom += ListHeight();
    if (dc.dc && !dc.dc->RectVisible(outer.Offset(-dc.originX, -dc.originY)))
        return;

    const uint8_t tag = pDataType ? pDataType->GetTypeTag() : 0;
    const bool textKind = tag == kKindNumber || tag == kKindDate || tag == kKindText || tag == kKindMemo;
    RECT value;
    if (textKind && !pValues)
        GetTextRect(value, dc);
    else
        GetInnerRect(value, dc);
    // The data types take the rectangle in page twips and allow for the
    // context's origin themselves.

    if (!fieldsOnly && tag != kKindBarcode && tag != kKindCheckBox) {
        BORDER line;
        const bool hasBorder = GetBorder(&line) != 0;
        BASICSHADE fill;
        GetShade(&fill);
        if (dc.deviceKind == kDevicePicture && hasBorder && line.rounding > 0) {
            line.DrawRounded(dc, rect, &fill);
        } else {
            SHADOW drop;
            RECT shadowed;
            GetOuterRect(shadowed, dc);
            const bool hasShadow = GetShadow(&drop) && !drop.IsNone();
            if (hasShadow)
                drop.Draw(dc, shadowed, hasBorder ? line.rounding : 0);
            if (hasBorder)
                line.DrawFor(dc, fill, rect, hasShadow ? &shadowed : nullptr);
            else
                fill.FillRect(dc, shadowed);
        }
        if (pValues) {
            RECT button;
            GetDropButtonRect(button, dc);
            BORDER frame;
            BASICSHADE face;
            face.SetColour1(0xC0C0C0);
            face.SetColour2(0xC0C0C0);
            frame.DrawFor(dc, face, button, nullptr);
            value.right -= button.right - button.left;
        }
    }

    if (pDataType) {
        TEXTATTR font;
        GetFont(&font);
        uint8_t align = 0;
        GetAlignment(&align);
        const uint16_t spacing = IsTextType() ? nLineSpacing : 0xFFFF;
        pDataType->Draw(dc, value, font, align, spacing, this, dc.outputMode);
    }
    if (!fieldsOnly)
        DrawTracker(dc);
}
