// The program's fonts in tests of rich text: a font table of three faces and
// a printer whose logical unit is the twip, with mappings and formats.
#pragma once

#include "forms/model/fontface.h"
#include "forms/model/program_fonts.h"
#include "forms/model/textattr.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/recording_surface.h"

#include <cstdint>
#include <string_view>
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
