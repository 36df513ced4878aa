#include "test_fonts.h"

TestFaces::TestFaces()
    : faces {{"Arial", 0x22, 0}, {"Times New Roman", 0x12, 0}, {"Courier New", 0x31, 0}}
{}

const FONTFACE* TestFaces::GetAt(int i) const
{
    return i >= 0 && i < static_cast<int>(faces.size()) ? &faces[size_t(i)] : nullptr;
}

int TestFaces::FindByFace(const FONTFACE*& entry, std::string_view face) const
{
    for (const FONTFACE& f : faces) {
        if (f.GetName() == face) {
            entry = &f;
            return 1;
        }
    }
    entry = &faces[0];
    return 0;
}

uint16_t TestFaces::FindOrAdd(const FONTFACE& face)
{
    const FONTFACE* entry = nullptr;
    if (FindByFace(entry, face.GetName()))
        return static_cast<uint16_t>(entry - faces.data());
    faces.push_back(face);
    return static_cast<uint16_t>(faces.size() - 1);
}

TestFonts::TestFonts()
    : printer(gdi::DeviceKind::Printer, 1440, 1440, {12240, 15840})
    , printerDc(printer)
{}

void MapTwips(gdi::DC& dc, int dpi, int zoomPercent)
{
    dc.SetMapMode(gdi::MM_ANISOTROPIC);
    dc.SetWindowExt(1440, 1440);
    dc.SetViewportExt(dpi * zoomPercent / 100, dpi * zoomPercent / 100);
}

TEXTATTR Format(uint16_t face, uint16_t size, uint8_t bold, uint8_t italic)
{
    TEXTATTR a;
    a.Reset();
    a.face = face;
    a.size = size;
    a.bold = bold;
    a.italic = italic;
    return a;
}
