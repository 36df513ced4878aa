// Drawing laid-out rich text on the recording surface: runs, the lines the
// program draws for strike-out and underlines, background fill, selection
// highlight, and the static draw and measure entries of the editor handle.
#include "layout_fixture.h"
#include "text_helpers.h"

#include "forms/fields/editor/edithandle.h"

#include "platform/gdi/types.h"

namespace {

using LayoutDraw = LayoutTest;

struct Rule {
    int x1, x2, y, width;
    friend bool operator==(const Rule&, const Rule&) = default;
};

std::ostream& operator<<(std::ostream& os, const Rule& r)
{
    return os << "(" << r.x1 << "-" << r.x2 << " at " << r.y << " w" << r.width << ")";
}

std::vector<Rule> Rules(const gdi::RecordingSurface& surface)
{
    std::vector<Rule> rules;
    for (const gdi::RecordedCall& call : surface.Calls()) {
        if (call.name == "Polyline")
            rules.push_back({call.points[0].x, call.points[1].x, call.points[0].y, call.state.pen.width});
    }
    return rules;
}

std::vector<const gdi::RecordedCall*> Named(const gdi::RecordingSurface& surface, const std::string& name)
{
    std::vector<const gdi::RecordedCall*> out;
    for (const gdi::RecordedCall& call : surface.Calls()) {
        if (call.name == name)
            out.push_back(&call);
    }
    return out;
}

// One twip is one pixel of a printer page.
class OnPrinter : public LayoutDraw {
protected:
    OnPrinter()
        : surface(gdi::DeviceKind::Printer, 1440, 1440, {20000, 20000})
        , dc(surface)
        , info(PrinterInfo(dc))
    {
        metrics.GetFont(2, 0, 0, attr, 0, &tm, nullptr);
    }
    gdi::RecordingSurface surface;
    gdi::DC dc;
    TEXTDRAWINFO info;
    gdi::TEXTMETRIC tm;
};

TEST_F(OnPrinter, RunsAreDrawnAtTheBaselineWithTheirAdvances)
{
    auto text = Make("ab" + Code('B', 1) + "cd", 5000);
    text->Layout(info, nullptr, true);
    const auto runs = Named(surface, "TextOut");
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0]->text, "ab");
    EXPECT_EQ(runs[1]->text, "cd "); // the end mark is drawn as a blank
    EXPECT_EQ(runs[1]->font.lfWeight, 700);
    // The first cell's top lies an ascent above the baseline.
    EXPECT_EQ(runs[0]->points[0].y, 0);
    EXPECT_EQ(runs[1]->points[0].x, Width("ab", attr));
    EXPECT_EQ(runs[0]->positions, (std::vector<int> {0, Width("a", attr)}));
    // The context's own alignment and mode are given back.
    EXPECT_EQ(dc.GetTextAlign(), gdi::TA_LEFT | gdi::TA_TOP);
    EXPECT_EQ(dc.GetBkMode(), gdi::OPAQUE);
}

TEST_F(OnPrinter, StrikeOutAndUnderlinesAreDrawnWithAPenOfSizeOver40)
{
    const int base = tm.tmAscent;
    const int ab = Width("ab", attr);
    const int abBlank = Width("ab ", attr);
    const int all = Width("ab cd", attr);
    const int second = std::min(base + tm.tmDescent - 15, std::max(base + 30, base + tm.tmDescent / 2));
    struct Case {
        const char* name;
        std::string codes;
        std::vector<Rule> rules;
    };
    const Case cases[] = {
        {"strike-out", Code('/', 1), {{0, all, base - tm.tmAscent / 3, 6}}},
        {"word underline", Code('U', 3),
            {{0, ab, base + tm.tmDescent / 2, 6}, {abBlank, all, base + tm.tmDescent / 2, 6}}},
        {"single underline", Code('U', 4), {{0, all, base + tm.tmDescent / 2, 6}}},
        {"double underline", Code('U', 5), {{0, all, base, 6}, {0, all, second, 6}}},
        {"a larger size, a wider pen", Code('U', 4) + Code('P', 480), {}},
        {"no underline", Code('U', 0), {}},
    };
    for (const Case& c : cases) {
        surface.Clear();
        auto text = Make(c.codes + "ab cd", 8000);
        text->Layout(info, nullptr, true);
        if (c.rules.empty() && c.codes.size() > 5) {
            const std::vector<Rule> rules = Rules(surface);
            ASSERT_EQ(rules.size(), 1u);
            EXPECT_EQ(rules[0].width, 12) << c.name;
            continue;
        }
        EXPECT_EQ(Rules(surface), c.rules) << c.name;
        // The font itself draws no lines.
        for (const gdi::RecordedCall* run : Named(surface, "TextOut")) {
            EXPECT_EQ(run->font.lfUnderline, 0) << c.name;
            EXPECT_EQ(run->font.lfStrikeOut, 0) << c.name;
        }
    }
}

TEST_F(OnPrinter, SingleUnderlineSpansBlanksInsideTheLineButNotItsBreak)
{
    auto text = Make(Code('U', 4) + "ab \rcd", 8000);
    text->Layout(info, nullptr, true);
    const std::vector<Rule> rules = Rules(surface);
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_EQ(rules[0].x2 - rules[0].x1, Width("ab ", attr)); // the CR's blank is left out
    EXPECT_EQ(rules[1].x2 - rules[1].x1, Width("cd", attr));
}

TEST_F(OnPrinter, TheBackgroundIsFilledUnlessAnUnwrappedLeftLineIsPrinted)
{
    struct Case {
        uint8_t mode;
        uint8_t alignment;
        const char* text;
        int fills;
    };
    const Case cases[] = {
        {kTextOnPrinter, kTextAlignLeft, "short", 0},
        {kTextOnPrinter, kTextAlignJustified, "short", 0},
        {kTextOnPrinter, kTextAlignRight, "short", 1},
        {kTextOnPrinter, kTextAlignLeft, "words that wrap over lines", 1}, // the wrapped line only
        {kTextOnWindow, kTextAlignLeft, "short", 1},
    };
    for (const Case& c : cases) {
        surface.Clear();
        auto text = Make(c.text, Width("words that wrap", attr) + 10, c.alignment);
        text->opaque = 1;
        TEXTDRAWINFO shown = info;
        shown.mode = c.mode;
        text->Layout(shown, nullptr, true);
        const auto fills = Named(surface, "PatBlt");
        EXPECT_EQ(static_cast<int>(fills.size()), c.fills) << c.text << " " << int(c.mode) << int(c.alignment);
        for (const gdi::RecordedCall* fill : fills) {
            EXPECT_EQ(fill->points[0].x, 0);
            EXPECT_EQ(fill->points[1].x, text->GetBounds().right);
        }
    }
    // Without the opaque flag nothing is filled.
    surface.Clear();
    auto text = Make("short", 5000, kTextAlignRight);
    text->Layout(info, nullptr, true);
    EXPECT_TRUE(Named(surface, "PatBlt").empty());
}

TEST_F(OnPrinter, TheSelectionIsInvertedLineByLine)
{
    // "one two " on the first line, "three four" on the second.
    const std::string stored = "one two three four";
    const int32_t lineHeight = tm.tmHeight;
    struct Case {
        int anchor, caret;
        std::vector<gdi::RECT> rects;
    };
    const Case cases[] = {
        {4, 11,
            {{Width("one ", attr), 0, Width("one two ", attr), lineHeight},
                {0, lineHeight, Width("thr", attr), 2 * lineHeight}}},
        {11, 4,
            {{Width("one ", attr), 0, Width("one two ", attr), lineHeight},
                {0, lineHeight, Width("thr", attr), 2 * lineHeight}}},
        {0, 3, {{0, 0, Width("one", attr), lineHeight}}},
        {8, 18, {{0, lineHeight, Width("three four", attr), 2 * lineHeight}}},
        {5, 5, {}},
    };
    for (const Case& c : cases) {
        surface.Clear();
        auto text = Make(stored, Width("one two thr", attr));
        TEXTBUFFER& buffer = *text->GetBuffer();
        const TEXTSELECTION selection {At(buffer, c.anchor), At(buffer, c.caret)};
        text->Layout(info, &selection, true);
        std::vector<gdi::RECT> rects;
        for (const gdi::RecordedCall* call : Named(surface, "PatBlt")) {
            EXPECT_EQ(call->values.at(0), static_cast<int>(gdi::DSTINVERT));
            rects.push_back({call->points[0].x, call->points[0].y, call->points[1].x, call->points[1].y});
        }
        EXPECT_EQ(rects, c.rects) << c.anchor << "-" << c.caret;
    }
}

TEST_F(OnPrinter, DrawTextAndMeasureTextAgreeOnTheHeight)
{
    const std::string stored = "several words that run over more than one line";
    for (uint16_t spacing : {kNaturalHeight, uint16_t(400)}) {
        int16_t measured = -1;
        surface.Clear();
        const TEXTDRAWREQUEST request {.x = 100,
            .y = 200,
            .deviceKind = kTextOnPrinter,
            .text = stored,
            .attr = attr,
            .alignment = kTextAlignLeft,
            .lineSpacing = spacing,
            .width = 2000,
            .height = 20000};
        ASSERT_EQ(EDITHANDLE::DrawText(dc, request, &measured), 1);
        EXPECT_TRUE(surface.Calls().empty());
        EXPECT_EQ(measured,
            EDITHANDLE::MeasureText(
                dc, kTextOnPrinter, 0, 0, TEXTZOOM(), stored, attr, kTextAlignLeft, spacing, 2000, 20000));
        auto text = Make(stored, 2000);
        text->fitHeight = spacing;
        EXPECT_EQ(measured, text->Layout(info, nullptr, false));
        EXPECT_GT(measured, 2 * tm.tmHeight - (spacing == kNaturalHeight ? 0 : tm.tmHeight));
    }
    // Drawn, the text starts at the origin.
    surface.Clear();
    EDITHANDLE::DrawText(dc,
        {.x = 100,
            .y = 200,
            .deviceKind = kTextOnPrinter,
            .text = "x",
            .attr = attr,
            .alignment = kTextAlignLeft,
            .lineSpacing = kNaturalHeight,
            .width = 2000,
            .height = 2000});
    const auto runs = Named(surface, "TextOut");
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0]->points[0], (gdi::POINT {100, 200}));
}

TEST_F(LayoutDraw, OnAWindowDrawTextStartsOnAWholePixel)
{
    // At 96 dpi a pixel is 15 twips: 8 twips round to the first pixel.
    gdi::RecordingSurface window(gdi::DeviceKind::Window, 96, 96);
    gdi::DC dc(window);
    MapTwips(dc, 96, 100);
    const auto draw = [&](uint8_t kind, int32_t at) {
        window.Clear();
        EDITHANDLE::DrawText(dc,
            {.x = at,
                .y = at,
                .deviceKind = kind,
                .text = "Snap to it",
                .attr = attr,
                .alignment = kTextAlignLeft,
                .lineSpacing = kNaturalHeight,
                .width = 3000,
                .height = 1000});
        return window.Lines();
    };
    EXPECT_EQ(draw(kTextOnWindow, 8), draw(kTextOnPreview, 15));
    EXPECT_EQ(draw(kTextOnWindow, 7), draw(kTextOnPreview, 0));
}

} // namespace
