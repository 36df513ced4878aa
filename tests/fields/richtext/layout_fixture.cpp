#include "layout_fixture.h"

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
