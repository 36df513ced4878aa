#include "output_dir.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/image_surface.h"
#include "platform/gdi/printer_surface.h"
#include "platform/gdi/window_surface.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

using namespace gdi;

const char kSentence[] = "The quick brown fox jumps over the lazy dog, 1234567890 times.";

// Width of the sentence in twips on a context whose logical unit is the twip.
int SentenceWidth(Surface& surface, const char* face, int points)
{
    DC dc(surface);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1440, 1440);
    dc.SetViewportExt(dc.GetDeviceCaps(LOGPIXELSX), dc.GetDeviceCaps(LOGPIXELSY));
    LOGFONT lf;
    lf.lfHeight = -points * 20;
    lf.SetFaceName(face);
    dc.SelectObject(Font(lf));
    return dc.GetTextExtent(kSentence).cx;
}

TEST(TwipsMeasure, TextHasTheSameWidthOnScreenImageAndPaper)
{
    QWidget widget;
    widget.resize(320, 200);
    WindowSurface screen(&widget, 96);
    ImageSurface image(100, 100, 600);
    auto pdf = PrinterSurface::ForPdf(TestOutputPath("twips_measure.pdf"));
    ASSERT_EQ(pdf->DpiX(), 600);
    auto fine = PrinterSurface::ForPdf(TestOutputPath("twips_measure_1200.pdf"), QPageSize::A4, 1200);

    for (const char* face : {"Arial", "Times New Roman", "Courier New"}) {
        for (int points : {8, 10, 12}) {
            const int onScreen = SentenceWidth(screen, face, points);
            ASSERT_GT(onScreen, 0);
            for (Surface* other :
                {static_cast<Surface*>(&image), static_cast<Surface*>(pdf.get()), static_cast<Surface*>(fine.get())}) {
                const int width = SentenceWidth(*other, face, points);
                EXPECT_LE(std::abs(width - onScreen), onScreen / 1000.0)
                    << face << " " << points << " pt at " << other->DpiX() << " dpi: " << width << " against "
                    << onScreen << " on the screen";
            }
        }
    }
    // Courier New is 1229/2048 of an em wide per character, wherever it is measured.
    const double expected = std::strlen(kSentence) * 1229.0 / 2048 * 200;
    EXPECT_NEAR(SentenceWidth(screen, "Courier New", 10), expected, 1);
    EXPECT_TRUE(pdf->EndDoc());
}

} // namespace
