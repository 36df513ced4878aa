#include "platform/gdi/brush.h"
#include "platform/gdi/pen.h"

namespace gdi {

Pen GetStockPen(int which)
{
    switch (which) {
    case WHITE_PEN:
        return Pen::Solid(0, 0xFFFFFF);
    case NULL_PEN:
        return Pen::Null();
    default:
        return Pen::Solid(0, 0);
    }
}

Brush GetStockBrush(int which)
{
    switch (which) {
    case BLACK_BRUSH:
        return Brush::Solid(0);
    case NULL_BRUSH:
        return Brush::Null();
    default:
        return Brush::Solid(0xFFFFFF);
    }
}

Brush Brush::Pattern(const Bitmap& bitmap)
{
    if (bitmap.IsNull() || bitmap.Width() == 0 || bitmap.Height() == 0)
        return Null();
    Bitmap bits(8, 8, true);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            bits.SetBit(x, y, bitmap.Bit(x % bitmap.Width(), y % bitmap.Height()));
    return {BS_PATTERN, 0, 0, bits};
}

Brush Brush::WholePattern(const Bitmap& bitmap)
{
    if (bitmap.IsNull() || bitmap.Width() == 0 || bitmap.Height() == 0)
        return Null();
    if (bitmap.IsMonochrome())
        return {BS_PATTERN, 0, 0, bitmap};
    Bitmap bits(bitmap.Width(), bitmap.Height(), true);
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            bits.SetBit(x, y, bitmap.Bit(x, y));
    return {BS_PATTERN, 0, 0, bits};
}

Bitmap HatchBits(int hatch)
{
    Bitmap bits(8, 8, true);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool horizontal = y == 4;
            const bool vertical = x == 4;
            const bool forward = x == y; // top-left to bottom-right
            const bool backward = x + y == 7; // bottom-left to top-right
            bool on = false;
            switch (hatch) {
            case HS_HORIZONTAL:
                on = horizontal;
                break;
            case HS_VERTICAL:
                on = vertical;
                break;
            case HS_FDIAGONAL:
                on = forward;
                break;
            case HS_BDIAGONAL:
                on = backward;
                break;
            case HS_CROSS:
                on = horizontal || vertical;
                break;
            case HS_DIAGCROSS:
                on = forward || backward;
                break;
            default:
                break;
            }
            bits.SetBit(x, y, on);
        }
    }
    return bits;
}

} // namespace gdi
