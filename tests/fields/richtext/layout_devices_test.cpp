// Screen and paper agree: the same paragraph breaks at the same characters
// on windows at several zooms, on a fine image and on the PDF printer, and
// each line ends at the same place on the page.
#include "layout_fixture.h"
#include "text_helpers.h"

#include "platform/gdi/image_surface.h"
#include "platform/gdi/printer_surface.h"

#include <cmath>
#include <filesystem>

namespace {

struct Shape {
    std::vector<int32_t> ends; // offset where each line ends
    std::vector<int32_t> rights; // device x of each line's right edge
};

class ScreenAndPaper : public LayoutTest {
protected:
    static Shape ShapeOn(RICHTEXT& text, const TEXTDRAWINFO& info)
    {
        Shape shape;
        for (TEXTLINE& line : Lines(text, info)) {
            shape.ends.push_back(line.end.GetOffset());
            gdi::POINT right {line.XOfPos(line.breakPos), 0};
            info.dc->LPtoDP(&right, 1);
            shape.rights.push_back(right.x);
        }
        return shape;
    }
};

TEST_F(ScreenAndPaper, EveryDeviceBreaksAtTheSameCharactersAndEndsLinesAlike)
{
    const std::string paragraph = "Forms " + Code('T', kTimes) + Code('P', 300) + "filled on screen " + Code('B', 1)
        + "and printed " + Code('T', kCourier) + Code('P', 200) + Code('B', 0) + "on paper must " + Code('T', kArial)
        + Code('I', 1) + Code('P', 260) + "break their lines at the very same characters, whatever the zoom.";
    const int32_t width = 4320; // three inches

    for (uint8_t alignment : {kTextAlignLeft, kTextAlignJustified, kTextAlignRight}) {
        auto text = Make(paragraph, width, alignment);
        // The layout in twips, as the printer measures it.
        gdi::RecordingSurface twips(gdi::DeviceKind::Printer, 1440, 1440);
        gdi::DC twipsDc(twips);
        const Shape paper = ShapeOn(*text, PrinterInfo(twipsDc));
        ASSERT_GE(paper.ends.size(), 4u);

        struct Device {
            std::string name;
            gdi::Surface* surface;
            int dpi;
            int zoom;
            uint8_t kind;
        };
        gdi::RecordingSurface window(gdi::DeviceKind::Window, 96, 96, {2000, 2000});
        gdi::ImageSurface image(3000, 2000, 600);
        const std::string pdfPath = std::string(FORMS_TEST_OUTPUT_DIR) + "/richtext_devices.pdf";
        std::filesystem::create_directories(FORMS_TEST_OUTPUT_DIR);
        auto pdf = gdi::PrinterSurface::ForPdf(pdfPath);
        ASSERT_TRUE(pdf);
        const Device devices[] = {
            {"window 50%", &window, 96, 50, kTextOnWindow},
            {"window 100%", &window, 96, 100, kTextOnWindow},
            {"window 200%", &window, 96, 200, kTextOnWindow},
            {"image 600 dpi", &image, 600, 100, kTextOnWindow},
            {"PDF printer", pdf.get(), pdf->DpiX(), 100, kTextOnPrinter},
        };
        for (const Device& d : devices) {
            gdi::DC dc(*d.surface);
            MapTwips(dc, d.dpi, d.zoom);
            const TEXTDRAWINFO info(&dc, {0, 0}, d.kind, 0, 0, TEXTZOOM {d.zoom, d.zoom, 0, 0}, {}, 0);
            const Shape shown = ShapeOn(*text, info);
            EXPECT_EQ(shown.ends, paper.ends) << d.name;
            ASSERT_EQ(shown.rights.size(), paper.rights.size());
            for (size_t i = 0; i < shown.rights.size(); ++i) {
                const double expected = paper.rights[i] * double(d.dpi) * d.zoom / 100.0 / 1440.0;
                EXPECT_LE(std::abs(shown.rights[i] - expected), 1.0)
                    << d.name << " alignment " << int(alignment) << " line " << i;
            }
            text->Layout(info, nullptr, true);
        }
        EXPECT_TRUE(pdf->EndDoc());
    }
}

} // namespace
