#include "platform/gdi/image_surface.h"

#include "platform/gdi/colour.h"

#include <QImageWriter>

namespace gdi {

ImageSurface::ImageSurface(int width, int height, int dpi, DeviceKind kind, bool monochrome)
    : size_(std::max(1, width), std::max(1, height))
    , dpi_(dpi)
    , kind_(kind)
    , monochrome_(monochrome)
{}

ImageSurface::~ImageSurface()
{
    EndPainting();
}

QImage& ImageSurface::RawImage()
{
    if (image_.isNull()) {
        image_ = QImage(size_, QImage::Format_RGB32);
        image_.fill(Qt::white);
        const int dotsPerMetre = static_cast<int>(dpi_ / 0.0254 + 0.5);
        image_.setDotsPerMeterX(dotsPerMetre);
        image_.setDotsPerMeterY(dotsPerMetre);
    }
    return image_;
}

QPainter& ImageSurface::Painter()
{
    if (!painter_.isActive())
        painter_.begin(&RawImage());
    return painter_;
}

void ImageSurface::EndPainting()
{
    if (painter_.isActive())
        painter_.end();
}

const QImage& ImageSurface::Image()
{
    EndPainting();
    return RawImage();
}

COLORREF ImageSurface::Pixel(int x, int y)
{
    return FromQRgb(Image().pixel(x, y));
}

Bitmap ImageSurface::ToBitmap()
{
    const QImage& image = Image();
    if (!monochrome_)
        return Bitmap::FromImage(image);
    Bitmap bitmap(image.width(), image.height(), true);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            bitmap.SetBit(x, y, qGray(image.pixel(x, y)) >= 128);
    return bitmap;
}

bool ImageSurface::SavePng(const std::string& path)
{
    QImageWriter writer(QString::fromStdString(path), "png");
    return writer.write(Image());
}

} // namespace gdi
