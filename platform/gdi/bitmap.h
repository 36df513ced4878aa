// A bitmap: monochrome (1 bit per pixel, 0 black and 1 white) or colour.
// The source of pattern brushes and of BitBlt and StretchBlt.
#pragma once

#include "platform/gdi/types.h"

#include <QImage>
#include <cstddef>

namespace gdi {

class Bitmap {
public:
    Bitmap() = default;
    // A new bitmap, all 0 (black).
    Bitmap(int width, int height, bool monochrome);
    // A monochrome bitmap from rows of bits, the most significant bit first,
    // each row `stride` bytes long (GDI pads rows to 16 bits).
    static Bitmap FromMonoBits(int width, int height, const uint8_t* bits, size_t stride);
    // A colour bitmap holding a copy of an image.
    static Bitmap FromImage(const QImage& image);

    bool IsNull() const { return image_.isNull(); }
    bool IsMonochrome() const { return monochrome_; }
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }

    bool Bit(int x, int y) const;
    void SetBit(int x, int y, bool on);
    COLORREF Pixel(int x, int y) const;
    void SetPixel(int x, int y, COLORREF colour);

    // The pixels with a monochrome bitmap's 0 bits in `zero` and 1 bits in `one`;
    // a colour bitmap as it is.
    QImage ToImage(COLORREF zero, COLORREF one) const;

    friend bool operator==(const Bitmap& a, const Bitmap& b)
    {
        return a.monochrome_ == b.monochrome_ && a.image_ == b.image_;
    }

private:
    QImage image_; // Format_Mono for monochrome, Format_RGB32 for colour
    bool monochrome_ = false;
};

} // namespace gdi
