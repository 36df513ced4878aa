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
    SIZE PixelSize() const override { return {size_.width(), size_.height()}; }
    bool IsMonochrome() const override { return monochrome_; }

protected:
    QPainter& Painter() override;
    QImage* Pixels() override { return &RawImage(); }
    // Ends painting so that the image may be read or replaced.
    void EndPainting();
    // The image, made white at the surface's size when first asked for: a
    // surface that is never drawn on costs no pixels.
    QImage& RawImage();
    bool HasImage() const { return !image_.isNull(); }
    // A new size: the image, once made, is replaced by one of that size.
    void SetSize(const QSize& size) { size_ = size; }

private:
    QSize size_;
    QImage image_;
    QPainter painter_;
    int dpi_;
    DeviceKind kind_;
    bool monochrome_;
};

} // namespace gdi
