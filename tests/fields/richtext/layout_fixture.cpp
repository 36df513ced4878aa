#include "layout_fixture.h"

#include "forms/model/fontface.h"

#include "platform/gdi/mapping.h"

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

LayoutTest::LayoutTest()
    : attr(Format(kArial, 240))
{
    SetProgramFonts(&fonts);
    SetFontMetricsCache(&metrics);
    SetFontCache(&fontCache);
}

LayoutTest::~LayoutTest()
{
    SetFontCache(nullptr);
    SetFontMetricsCache(nullptr);
    SetProgramFonts(nullptr);
}

std::unique_ptr<RICHTEXT> LayoutTest::Make(const std::string& stored, int32_t width, uint8_t alignment, int32_t height)
{
    auto text = std::make_unique<RICHTEXT>(attr, alignment, width, height, 0);
    EXPECT_EQ(text->CreateBuffer(stored), 1);
    return text;
}

std::vector<TEXTLINE> LayoutTest::Lines(RICHTEXT& text, const TEXTDRAWINFO& info)
{
    std::vector<TEXTLINE> lines;
    TEXTLINE line = text.StartLayout(info);
    for (;;) {
        line.Break();
        lines.push_back(line);
        if (line.endKind == kLineEndOfText || line.endKind == kLineNoText || lines.size() > 10000)
            break;
        line = line.Next();
    }
    return lines;
}

std::string LayoutTest::LineText(const TEXTLINE& line)
{
    std::string s;
    TEXTPOS p = line.start;
    while (!(p == line.end) && !p.IsAtEnd()) {
        s += static_cast<char>(p.GetChar());
        p.Move(1);
    }
    return s;
}

int32_t LayoutTest::Width(const std::string& s, const TEXTATTR& a) const
{
    const int16_t* widths = const_cast<FONTMETRICSCACHE&>(metrics).GetCharWidths(0, 0, a, 0);
    int32_t w = 0;
    for (unsigned char c : s)
        w += widths[c];
    return w;
}

TEXTDRAWINFO LayoutTest::PrinterInfo(gdi::DC& dc) const
{
    return TEXTDRAWINFO(&dc, {0, 0}, kTextOnPrinter, 0, 0, TEXTZOOM(), {0, 0, 0, 0}, 0);
}
