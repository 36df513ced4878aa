#include "platform/gdi/information_surface.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>

namespace gdi {

namespace {

constexpr int kPdfDpi = 600;
constexpr int kScreenDpi = 96;

std::unique_ptr<InformationSurface> FromLayout(const QPageLayout& layout, int dpi)
{
    const QRect page = layout.paintRectPixels(dpi);
    const QRect paper = layout.fullRectPixels(dpi);
    return std::make_unique<InformationSurface>(DeviceKind::Printer, dpi, dpi, SIZE {page.width(), page.height()},
        POINT {page.left(), page.top()}, SIZE {paper.width(), paper.height()});
}

} // namespace

InformationSurface::InformationSurface(
    DeviceKind kind, int dpiX, int dpiY, SIZE pixelSize, POINT physicalOffset, SIZE physicalSize)
    : kind_(kind)
    , dpiX_(dpiX)
    , dpiY_(dpiY)
    , size_(pixelSize)
    , offset_(physicalOffset)
    , physical_(physicalSize.cx > 0 ? physicalSize : pixelSize)
{}

std::unique_ptr<InformationSurface> InformationSurface::ForPrinter(const std::string& name)
{
    const QPrinterInfo info
        = name.empty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(QString::fromStdString(name));
    if (info.isNull())
        return nullptr;
    // A printer object that is never painted on starts no job.
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid())
        return nullptr;
    return FromLayout(printer.pageLayout(), printer.resolution());
}

std::unique_ptr<InformationSurface> InformationSurface::ForPdf()
{
    const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
    return FromLayout(letter, kPdfDpi);
}

std::unique_ptr<InformationSurface> InformationSurface::ForScreen()
{
    SIZE size {1024, 768};
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = {screen->size().width(), screen->size().height()};
    return std::make_unique<InformationSurface>(DeviceKind::Window, kScreenDpi, kScreenDpi, size);
}

} // namespace gdi
