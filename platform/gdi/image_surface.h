// A surface over an image in memory: a memory bitmap to draw into, or a
// picture of what was drawn, saved as PNG.
#pragma once

#include "platform/gdi/bitmap.h"
#include "platform/gdi/painter_surface.h"

#include <QImage>
#include <QPainter>
#include <string>

namespace gdi {

class ImageSurface : public PainterSurface {
public:
    // A white image. A monochrome surface draws every colour as black or
    // white and copies monochrome bitmaps bit for bit.
    ImageSurface(int width, int height, int dpi = 96, DeviceKind kind = DeviceKind::Window, bool monochrome = false);
    ~ImageSurface() override;
    ImageSurface(const ImageSurface&) = delete;
    ImageSurface& operator=(const ImageSurface&) = delete;

    // What has been drawn so far.
    const QImage& Image();
    COLORREF Pixel(int x, int y);
    // The image as a bitmap: monochrome (white pixels are 1 bits) for a
    // monochrome surface, else colour.
    Bitmap ToBitmap();
    // False when the file cannot be written.
    bool SavePng(const std::string& path);

    DeviceKind Kind() const override { return kind_; }
    int DpiX() const override { return dpi_; }
    int DpiY() const override { return dpi_; }
    SIZE PixelSize() const override { return {image_.width(), image_.height()}; }
    bool IsMonochrome() const override { return monochrome_; }

protected:
    QPainter& Painter() override;
    // Ends painting so that the image may be read or replaced.
    void EndPainting();
    QImage& RawImage() { return image_; }

private:
    QImage image_;
    QPainter painter_;
    int dpi_;
    DeviceKind kind_;
    bool monochrome_;
};

} // namespace gdi
