// Rich-text layout in tests: a program font table of three faces, a
// printer that measures in twips, the font caches installed as the program
// installs them, and device contexts for a window at a zoom and a printer.
#pragma once

#include "forms/fields/richtext/richtext.h"
#include "forms/fields/richtext/textdrawinfo.h"
#include "forms/fields/richtext/textline.h"
#include "forms/model/font_cache.h"
#include "forms/model/font_metrics_cache.h"
#include "forms/model/program_fonts.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/recording_surface.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// Faces of the test table.
constexpr uint16_t kArial = 0;
constexpr uint16_t kTimes = 1;
constexpr uint16_t kCourier = 2;

class TestFaces : public FontFaces {
public:
    TestFaces();
    const FONTFACE* GetAt(int i) const override;
    int FindByFace(const FONTFACE*& entry, std::string_view face) const override;
    uint16_t FindOrAdd(const FONTFACE& face) override;
    const FONTFACE* GetFileEntry(int i) const override { return GetAt(i); }
    uint16_t MapFont(const FontFaces*, int i) override { return static_cast<uint16_t>(i); }
    void Write(RECORDARCHIVE&, uint8_t) const override {}

private:
    std::vector<FONTFACE> faces;
};

// The program's fonts: the test table and a printer whose logical unit is
// the twip.
class TestFonts : public PROGRAM_FONTS {
public:
    TestFonts();
    FontFaces* GetTable() const override { return const_cast<TestFaces*>(&faces); }
    gdi::DC* GetPrinterDC(uint16_t, uint32_t) override { return &printerDc; }

private:
    TestFaces faces;
    gdi::RecordingSurface printer;
    gdi::DC printerDc;
};

// Sets the mapping of a window at a zoom: twips to pixels of the device.
void MapTwips(gdi::DC& dc, int dpi, int zoomPercent);

// A format: face, size in twips, then the style bytes.
TEXTATTR Format(uint16_t face, uint16_t size, uint8_t bold = 0, uint8_t italic = 0);

class LayoutTest : public testing::Test {
protected:
    LayoutTest();
    ~LayoutTest() override;

    // A rich text of the default format laid out in width twips.
    std::unique_ptr<RICHTEXT> Make(
        const std::string& stored, int32_t width, uint8_t alignment = kAlignLeft, int32_t height = 100000);
    // Every line of a layout, broken, as Layout takes them (no bottom stop).
    static std::vector<TEXTLINE> Lines(RICHTEXT& text, const TEXTDRAWINFO& info);
    // The characters of a line as stored (codes included).
    static std::string LineText(const TEXTLINE& line);
    // The printer's advance of each character of a plain string.
    int32_t Width(const std::string& s, const TEXTATTR& attr) const;
    // A drawing information on a printer-kind context (logical widths).
    TEXTDRAWINFO PrinterInfo(gdi::DC& dc) const;

    TEXTATTR attr;
    TestFonts fonts;
    FONTMETRICSCACHE metrics;
    FONTCACHE fontCache;
};
