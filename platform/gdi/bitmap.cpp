#include "platform/gdi/bitmap.h"

#include "platform/gdi/colour.h"

namespace gdi {

Bitmap::Bitmap(int width, int height, bool monochrome)
    : monochrome_(monochrome)
{
    if (monochrome) {
        image_ = QImage(width, height, QImage::Format_Mono);
        image_.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        image_.fill(0);
    } else {
        image_ = QImage(width, height, QImage::Format_RGB32);
        image_.fill(qRgb(0, 0, 0));
    }
}

Bitmap Bitmap::FromMonoBits(int width, int height, const uint8_t* bits, size_t stride)
{
    Bitmap bitmap(width, height, true);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.SetBit(x, y, (bits[y * stride + x / 8] >> (7 - x % 8)) & 1);
    return bitmap;
}

Bitmap Bitmap::FromImage(const QImage& image)
{
    Bitmap bitmap;
    bitmap.image_ = image.convertToFormat(QImage::Format_RGB32);
    return bitmap;
}

bool Bitmap::Bit(int x, int y) const
{
    if (monochrome_)
        return image_.pixelIndex(x, y) != 0;
    return Pixel(x, y) != 0;
}

void Bitmap::SetBit(int x, int y, bool on)
{
    if (monochrome_)
        image_.setPixel(x, y, on ? 1 : 0);
    else
        SetPixel(x, y, on ? 0xFFFFFF : 0);
}

COLORREF Bitmap::Pixel(int x, int y) const
{
    return FromQRgb(image_.pixel(x, y));
}

void Bitmap::SetPixel(int x, int y, COLORREF colour)
{
    if (monochrome_)
        image_.setPixel(x, y, colour == 0 ? 0 : 1);
    else
        image_.setPixel(x, y, ToQRgb(colour));
}

QImage Bitmap::ToImage(COLORREF zero, COLORREF one) const
{
    if (!monochrome_)
        return image_;
    QImage mapped = image_;
    mapped.setColorTable({ToQRgb(zero), ToQRgb(one)});
    return mapped.convertToFormat(QImage::Format_RGB32);
}

} // namespace gdi
