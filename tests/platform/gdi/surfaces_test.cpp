#include "output_dir.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/image_surface.h"
#include "platform/gdi/printer_surface.h"
#include "platform/gdi/window_surface.h"

#include <QApplication>
#include <QFile>
#include <QPaintEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using namespace gdi;

LOGFONT Arial(int height, int escapement = 0)
{
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfEscapement = escapement;
    lf.SetFaceName("Arial");
    return lf;
}

// The smallest rectangle holding every pixel that differs from white.
QRect Ink(const QImage& image)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

TEST(ImageSurface, TextIsDrawnWhereItIsMeasured)
{
    ImageSurface surface(400, 100, 96);
    DC dc(surface);
    dc.SelectObject(Font(Arial(-32)));
    dc.SetBkMode(TRANSPARENT);
    const SIZE extent = dc.GetTextExtent("HHHH mmmm");
    dc.TextOut(20, 10, "HHHH mmmm");
    const QRect ink = Ink(surface.Image());
    ASSERT_FALSE(ink.isNull());
    EXPECT_NEAR(ink.left(), 20 + 3, 2); // H's left side bearing
    EXPECT_NEAR(ink.right() + 1, 20 + extent.cx - 2, 2); // m's right side bearing
    EXPECT_GE(ink.top(), 10);
    EXPECT_LE(ink.bottom(), 10 + extent.cy);
}

TEST(ImageSurface, UnderlinedTextHasALineBelowItsBaseline)
{
    for (bool underline : {false, true}) {
        ImageSurface surface(200, 60, 96);
        DC dc(surface);
        LOGFONT lf = Arial(-32);
        lf.lfUnderline = underline;
        dc.SelectObject(Font(lf));
        TEXTMETRIC tm;
        dc.GetTextMetrics(tm);
        dc.TextOut(10, 10, "HHH");
        const QRect ink = Ink(surface.Image());
        EXPECT_EQ(ink.bottom() > 10 + tm.tmAscent, underline) << "underline " << underline;
    }
}

TEST(ImageSurface, OpaqueTextFillsItsCellWithTheBackground)
{
    ImageSurface surface(200, 60, 96);
    DC dc(surface);
    dc.SelectObject(Font(Arial(-20)));
    dc.SetBkColor(RGB(0, 0, 255));
    const SIZE extent = dc.GetTextExtent("x x");
    dc.TextOut(10, 10, "x x");
    EXPECT_EQ(surface.Pixel(10 + extent.cx / 2, 11), RGB(0, 0, 255)); // the space's cell
    EXPECT_EQ(surface.Pixel(10 + extent.cx + 2, 11), RGB(255, 255, 255));
}

TEST(ImageSurface, TextTurnsCounterClockwiseByItsEscapement)
{
    ImageSurface surface(200, 200, 96);
    DC dc(surface);
    dc.SetBkMode(TRANSPARENT);
    dc.SelectObject(Font(Arial(-20, 900)));
    dc.TextOut(100, 150, "IIIIIIII");
    const QRect ink = Ink(surface.Image());
    // Turned by 90 degrees the line runs upwards from its origin, its cell to the right.
    EXPECT_GT(ink.height(), ink.width() * 2);
    EXPECT_LE(ink.bottom(), 150);
    EXPECT_GE(ink.left(), 100);
}

TEST(ImageSurface, PrimitivesAndTurnedTextMakeAPicture)
{
    ImageSurface surface(480, 320, 96);
    DC dc(surface);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1440, 1440);
    dc.SetViewportExt(96, 96);

    dc.SelectObject(Pen::Solid(30, RGB(0, 0, 128)));
    dc.SelectObject(Brush::Solid(RGB(0xA6, 0xCA, 0xF0)));
    dc.Rectangle(150, 150, 1800, 1200);
    dc.SelectObject(Pen::InsideFrame(45, RGB(128, 0, 0)));
    dc.SelectObject(Brush::Hatched(HS_DIAGCROSS, RGB(0, 128, 0)));
    dc.Ellipse(1950, 150, 3600, 1200);
    dc.SelectObject(Pen::Solid(15, 0));
    const uint8_t bits[] = {0x88, 0, 0x44, 0, 0x22, 0, 0x11, 0, 0x88, 0, 0x44, 0, 0x22, 0, 0x11, 0};
    dc.SelectObject(Brush::Pattern(Bitmap::FromMonoBits(8, 8, bits, 2)));
    dc.SetTextColor(RGB(255, 0, 0));
    dc.SetBkColor(RGB(255, 255, 0));
    dc.RoundRect(3750, 150, 6900, 1200, 600, 600);
    dc.SelectObject(Pen::Dotted(0));
    dc.SelectObject(GetStockBrush(NULL_BRUSH));
    dc.SetBkMode(TRANSPARENT);
    dc.Polygon({{300, 1500}, {1500, 1500}, {900, 2400}});
    dc.SelectObject(Pen::Solid(0, RGB(128, 0, 128)));
    dc.Polyline({{1800, 2400}, {2400, 1500}, {3000, 2400}, {3600, 1500}});
    dc.DrawFocusRect({300, 2700, 3600, 4500});

    dc.SetTextColor(0);
    for (int escapement : {0, 450, 900}) {
        LOGFONT lf = Arial(-240, escapement);
        dc.SelectObject(Font(lf));
        dc.TextOut(3600 + escapement * 3, 4500, "Forms 12 pt");
    }
    const std::string path = TestOutputPath("gdi_primitives.png");
    ASSERT_TRUE(surface.SavePng(path));
    QImage read(QString::fromStdString(path));
    EXPECT_EQ(read.size(), QSize(480, 320));
}

TEST(ImageSurface, SavingToAMissingFolderFails)
{
    ImageSurface surface(4, 4);
    EXPECT_FALSE(surface.SavePng(TestOutputPath("no/such/folder/x.png")));
}

TEST(WindowSurface, ContextsDrawAtAnyTimeAndTheScreenShowsIt)
{
    QWidget widget;
    widget.resize(120, 80);
    WindowSurface surface(&widget);
    EXPECT_EQ(surface.PixelSize(), (SIZE {120, 80}));
    {
        DC outer(surface); // outside any painting
        outer.FillRect({0, 0, 60, 80}, Brush::Solid(RGB(255, 0, 0)));
        DC inner(surface); // nested
        inner.SetROP2(R2_XORPEN);
        inner.SelectObject(Pen::Solid(0, 0xFFFFFF));
        inner.MoveTo(0, 40);
        inner.LineTo(120, 40);
        outer.FillRect({60, 0, 120, 10}, Brush::Solid(RGB(0, 0, 255)));
    }
    EXPECT_EQ(surface.Pixel(10, 10), RGB(255, 0, 0));
    EXPECT_EQ(surface.Pixel(10, 40), RGB(0, 255, 255));
    EXPECT_EQ(surface.Pixel(100, 40), RGB(0, 0, 0));
    EXPECT_EQ(surface.Pixel(100, 5), RGB(0, 0, 255));

    widget.show();
    QApplication::processEvents();
    const QImage shown = widget.grab().toImage();
    EXPECT_EQ(shown.pixel(10, 10), qRgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(100, 40), qRgb(0, 0, 0));

    // Growing the window keeps what was drawn.
    widget.resize(200, 100);
    QApplication::processEvents();
    EXPECT_EQ(surface.PixelSize(), (SIZE {200, 100}));
    EXPECT_EQ(surface.Pixel(10, 10), RGB(255, 0, 0));
    EXPECT_EQ(surface.Pixel(150, 90), RGB(255, 255, 255));
}

// Records the area of each paint event the widget receives.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget& widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted.push_back(static_cast<QPaintEvent*>(event)->region());
        return false;
    }
    std::vector<QRegion> painted;
};

bool Covers(const QRegion& region, const QRect& rect)
{
    return (region & rect) == QRegion(rect);
}

TEST(WindowSurface, WhatContextsDrawReachesTheScreen)
{
    QWidget widget;
    widget.resize(200, 100);
    WindowSurface surface(&widget);
    widget.show();
    QApplication::processEvents();
    EXPECT_EQ(widget.grab().toImage().pixel(150, 50), qRgb(255, 255, 255)) << "a surface never drawn on is white";

    PaintWatch watch(widget);
    QRegion shown;
    auto paintsCover = [&watch, &shown](std::initializer_list<QRect> areas) {
        for (int i = 0; i < 5; ++i) {
            QApplication::processEvents();
            for (const QRegion& area : watch.painted)
                shown += area;
            watch.painted.clear();
            if (std::all_of(areas.begin(), areas.end(), [&shown](const QRect& r) { return Covers(shown, r); }))
                return true;
        }
        return false;
    };
    {
        DC dc(surface);
        dc.FillRect({10, 10, 30, 30}, Brush::Solid(RGB(255, 0, 0)));
        dc.FillRect({150, 60, 190, 90}, Brush::Solid(RGB(0, 0, 255)));
        dc.FillRect({12, 12, 20, 20}, Brush::Solid(RGB(0, 0, 255)));
    }
    EXPECT_TRUE(paintsCover({QRect(10, 10, 20, 20), QRect(150, 60, 40, 30)}));

    // A context kept open across the event loop, drawing in more places
    // than are kept apart.
    shown = QRegion();
    DC open(surface);
    for (int i = 0; i < 12; ++i)
        open.FillRect({i * 16, 40, i * 16 + 4, 44}, Brush::Solid(RGB(0, 255, 0)));
    EXPECT_TRUE(paintsCover({QRect(0, 40, 4, 4), QRect(176, 40, 4, 4)}));
    EXPECT_EQ(widget.grab().toImage().pixel(177, 41), qRgb(0, 255, 0));
}

TEST(WindowSurface, AWidgetLeftWithoutItsSurfacePaintsItsBackgroundAgain)
{
    QWidget widget;
    {
        WindowSurface surface(&widget);
        EXPECT_TRUE(widget.testAttribute(Qt::WA_OpaquePaintEvent)) << "the image covers every pixel";
    }
    EXPECT_FALSE(widget.testAttribute(Qt::WA_OpaquePaintEvent));
}

TEST(PrinterSurface, PdfPagesAreWritten)
{
    const std::string path = TestOutputPath("printer_pages.pdf");
    std::filesystem::remove(path);
    {
        auto printer = PrinterSurface::ForPdf(path);
        DC dc(*printer);
        EXPECT_EQ(dc.Kind(), DeviceKind::Printer);
        EXPECT_TRUE(dc.IsPrinting());
        EXPECT_EQ(dc.GetDeviceCaps(HORZRES), 8 * 600 + 300); // Letter, 8.5 inches
        EXPECT_EQ(dc.GetDeviceCaps(VERTRES), 11 * 600);
        EXPECT_EQ(dc.GetDeviceCaps(PHYSICALOFFSETX), 0);
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowExt(1440, 1440);
        dc.SetViewportExt(600, 600);
        dc.Rectangle(1440, 1440, 2880, 2880);
        dc.SelectObject(Font(Arial(-240)));
        dc.TextOut(1440, 3000, "Page one");
        EXPECT_TRUE(printer->NewPage());
        dc.TextOut(1440, 1440, "Page two");
        EXPECT_TRUE(printer->EndDoc());
    }
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 2);
}

// A PDF is written beside its place and takes it only when the document
// ends; an abandoned job leaves the earlier PDF as it was, and no partial
// file stays behind either way.
TEST(PrinterSurface, PdfReplacesTheEarlierFileOnlyWhenEnded)
{
    const std::filesystem::path folder = std::filesystem::path(TestOutputPath("pdf_replace"));
    struct Case {
        const char* name;
        int pages;
        bool end;
        bool replaced;
    };
    const Case cases[] = {
        {"ended", 2, true, true},
        {"aborted on page 1", 1, false, false},
        {"aborted on page 2", 2, false, false},
    };
    const std::string earlier = "%PDF-1.4 an earlier print of this form\n";
    for (const Case& c : cases) {
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        const std::filesystem::path path = folder / "form.pdf";
        {
            std::ofstream(path, std::ios::binary) << earlier;
        }
        auto printer = PrinterSurface::ForPdf(path.string());
        DC dc(*printer);
        dc.Rectangle(100, 100, 400, 400);
        if (c.pages > 1) {
            EXPECT_TRUE(printer->NewPage()) << c.name;
            dc.Rectangle(200, 200, 500, 500);
        }
        if (c.end)
            EXPECT_TRUE(printer->EndDoc()) << c.name;
        else
            printer->AbortDoc();
        printer.reset();

        std::ifstream in(path, std::ios::binary);
        const std::string now((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (c.replaced) {
            EXPECT_TRUE(now.starts_with("%PDF")) << c.name;
            EXPECT_NE(now, earlier) << c.name;
        } else {
            EXPECT_EQ(now, earlier) << c.name;
        }
        std::vector<std::string> left;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            left.push_back(entry.path().filename().string());
        EXPECT_EQ(left, std::vector<std::string> {"form.pdf"}) << c.name;
    }
}

TEST(PrinterSurface, AnUnknownPrinterIsRefused)
{
    EXPECT_EQ(PrinterSurface::ForPrinter("No Such Printer 1234"), nullptr);
    const std::vector<std::string> installed = InstalledPrinters();
    const std::string fallback = DefaultPrinter();
    EXPECT_TRUE(fallback.empty() || std::find(installed.begin(), installed.end(), fallback) != installed.end());
}

} // namespace
