// Pictures of the sample form's text page for a person to look at: PNGs on
// the screen at 100 % and 200 %, and the page printed to a one-page PDF.
#include "forms/app/tools/sample_text_page.h"
#include "forms/model/viewdc.h"
#include "tests/objects/text_test_support.h"

#include "platform/gdi/image_surface.h"
#include "platform/gdi/muldiv.h"
#include "platform/gdi/printer_surface.h"

#include <gtest/gtest.h>

#include <QProcess>

#include <filesystem>
#include <string>

namespace {

using TextPictureTest = TextObjectTest;

// A4.
constexpr int32_t kPageWidth = 11906;
constexpr int32_t kPageHeight = 16838;

void Map(VIEWDC& dc, gdi::DC& device, uint8_t kind, int perInch, int zoom)
{
    dc.dc = &device;
    dc.deviceKind = kind;
    dc.zoomX = zoom;
    dc.zoomY = zoom;
    dc.SetMapMode(gdi::MM_ANISOTROPIC);
    dc.SetWindowExt(1440, 1440);
    dc.SetViewportExt(perInch, perInch);
}

std::filesystem::path OutputFolder()
{
    const std::filesystem::path folder = FORMS_TEST_OUTPUT_DIR;
    std::filesystem::create_directories(folder);
    return folder;
}

TEST_F(TextPictureTest, TheSampleTextPageOnTheScreenAt100And200Percent)
{
    const auto objects = MakeSampleTextObjects();
    ASSERT_GE(objects.size(), 8u);
    for (int zoom : {100, 200}) {
        const int perInch = gdi::MulDiv(96, zoom, 100);
        gdi::ImageSurface surface(gdi::MulDiv(kPageWidth, perInch, 1440), gdi::MulDiv(kPageHeight, perInch, 1440));
        gdi::DC device(surface);
        VIEWDC dc;
        Map(dc, device, kDeviceWindow, perInch, zoom);
        for (const auto& object : objects)
            object->Draw(dc);
        const std::string file = (OutputFolder() / ("text_page_" + std::to_string(zoom) + ".png")).string();
        EXPECT_TRUE(surface.SavePng(file)) << file;
    }
}

TEST_F(TextPictureTest, TheSampleTextPagePrintedOnOnePage)
{
    const std::string path = (OutputFolder() / "text_page_printed.pdf").string();
    std::filesystem::remove(path);
    {
        auto printer = gdi::PrinterSurface::ForPdf(path);
        ASSERT_TRUE(printer);
        gdi::DC device(*printer);
        VIEWDC dc;
        Map(dc, device, kDevicePrinter, printer->DpiX(), 100);
        for (const auto& object : MakeSampleTextObjects())
            object->Draw(dc);
        EXPECT_TRUE(printer->EndDoc());
    }
    QProcess info;
    info.start("pdfinfo", {QString::fromStdString(path)});
    ASSERT_TRUE(info.waitForFinished(20000));
    EXPECT_TRUE(info.readAllStandardOutput().contains("Pages:           1"));
}

} // namespace
