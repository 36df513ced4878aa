// Breaking, metrics, alignment and the position/x mapping of laid-out rich
// text, measured with the printer's widths.
#include "layout_fixture.h"
#include "text_helpers.h"

#include "forms/fields/richtext/line_buffers.h"

#include <numeric>

namespace {

using Layout = LayoutTest;

TEST_F(Layout, AnEmptyTextIsOneLineOfTheDefaultHeight)
{
    auto text = Make("", 5000);
    gdi::RecordingSurface surface(gdi::DeviceKind::Printer, 1440, 1440);
    gdi::DC dc(surface);
    const TEXTDRAWINFO info = PrinterInfo(dc);
    const std::vector<TEXTLINE> lines = Lines(*text, info);
    gdi::TEXTMETRIC tm;
    metrics.GetFont(2, 0, 0, attr, 0, &tm, nullptr);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].endKind, kLineEndOfText);
    EXPECT_EQ(lines[0].height, tm.tmHeight);
    EXPECT_GT(tm.tmHeight, 200);
    EXPECT_EQ(text->Layout(info, nullptr, false), tm.tmHeight);
}

TEST_F(Layout, LinesBreakWhereTheWidthRuns)
{
    const TEXTATTR a = attr;
    struct Case {
        const char* name;
        std::string text;
        int32_t width;
        std::vector<std::string> lines;
        std::vector<uint8_t> ends;
    };
    const int32_t helloWorld = Width("hello world", a);
    const Case cases[] = {
        {"a word ending exactly at the width wraps", "hello world", helloWorld, {"hello ", "world"}, {0, 3}},
        {"a twip more keeps it", "hello world", helloWorld + 1, {"hello world"}, {3}},
        {"blanks after the break stay on the line", "hello   world", Width("hello wor", a), {"hello   ", "world"},
            {0, 3}},
        {"a word wider than the line breaks inside", "abcdabcdab", Width("abcd", a) + 1, {"abcd", "abcd", "ab"},
            {0, 0, 3}},
        {"at least two characters stay", "abcdef", 1, {"ab", "cd", "ef"}, {0, 0, 3}},
        {"hard breaks end lines", "one\rtwo\nthree", 10000, {"one\r", "two\n", "three"}, {1, 1, 3}},
        {"a break at the end gives an empty last line", "one\r", 10000, {"one\r", ""}, {1, 3}},
        {"only blanks wider than the line", "          x", Width("   ", a), {"          ", "x"}, {0, 3}},
        {"nothing fits: a character or a blank a line", "a b", 0, {"a", " ", "b"}, {0, 0, 3}},
        {"codes travel with their characters", "ab" + Code('B', 1) + "cd ef", Width("abcd ef", a) - 1,
            {"ab" + Code('B', 1) + "cd ", "ef"}, {0, 3}},
    };
    gdi::RecordingSurface surface(gdi::DeviceKind::Printer, 1440, 1440);
    gdi::DC dc(surface);
    const TEXTDRAWINFO info = PrinterInfo(dc);
    for (const Case& c : cases) {
        auto text = Make(c.text, c.width);
        const std::vector<TEXTLINE> lines = Lines(*text, info);
        std::vector<std::string> got;
        std::vector<uint8_t> ends;
        for (const TEXTLINE& line : lines) {
            got.push_back(LineText(line));
            ends.push_back(line.endKind);
        }
        EXPECT_EQ(got, c.lines) << c.name;
        EXPECT_EQ(ends, c.ends) << c.name;
    }
}

TEST_F(Layout, AlignmentPlacesEachLineAndJustifiedLinesEndFlushRight)
{
    const std::string paragraph = "The quick brown fox jumps over the lazy dog and keeps running far away";
    const int32_t width = 3000;
    gdi::RecordingSurface surface(gdi::DeviceKind::Printer, 1440, 1440);
    gdi::DC dc(surface);
    const TEXTDRAWINFO info = PrinterInfo(dc);
    for (uint8_t alignment : {kTextAlignLeft, kTextAlignRight, kTextAlignCentred, kTextAlignJustified}) {
        auto text = Make(paragraph, width, alignment);
        std::vector<TEXTLINE> lines = Lines(*text, info);
        ASSERT_GE(lines.size(), 3u);
        for (TEXTLINE& line : lines) {
            const int32_t left = line.XOfPos(line.start);
            const int32_t right = line.XOfPos(line.breakPos);
            const bool lastLine = &line == &lines.back();
            int32_t expectLeft = 0;
            int32_t expectRight = line.width;
            if (alignment == kTextAlignRight) {
                expectLeft = width - line.width;
                expectRight = width;
            } else if (alignment == kTextAlignCentred) {
                expectLeft = (width - line.width) / 2;
                expectRight = expectLeft + line.width;
            } else if (alignment == kTextAlignJustified && !lastLine) {
                expectRight = width;
            }
            EXPECT_EQ(left, expectLeft) << int(alignment) << " " << LineText(line);
            EXPECT_EQ(right, expectRight) << int(alignment) << " " << LineText(line);
            if (lastLine && alignment == kTextAlignJustified) {
                EXPECT_LT(right, width);
            }
        }
    }
}

TEST_F(Layout, FixedLineSpacingPlacesTheBaselines)
{
    gdi::TEXTMETRIC tm;
    metrics.GetFont(2, 0, 0, attr, 0, &tm, nullptr);
    const std::string text3 = "one\rtwo\rthree";
    gdi::RecordingSurface surface(gdi::DeviceKind::Printer, 1440, 1440);
    gdi::DC dc(surface);
    const TEXTDRAWINFO info = PrinterInfo(dc);
    const std::string mixed = "one\r" + Code('P', 480) + "two\r" + Code('P', 160) + "three";
    for (uint16_t spacing : {uint16_t(480), uint16_t(tm.tmHeight), uint16_t(150)}) {
        for (const std::string& stored : {text3, mixed}) {
            auto text = Make(stored, 5000);
            text->fitHeight = spacing;
            const std::vector<TEXTLINE> lines = Lines(*text, info);
            ASSERT_EQ(lines.size(), 3u);
            const int32_t first = std::max<int32_t>(spacing - tm.tmDescent, tm.tmAscent);
            for (size_t i = 0; i < lines.size(); ++i)
                EXPECT_EQ(lines[i].GetBaseline(), first + int32_t(i) * spacing) << spacing << " line " << i;
            EXPECT_EQ(text->Layout(info, nullptr, false), lines.back().bottom);
        }
    }
    auto natural = Make(text3, 5000);
    const std::vector<TEXTLINE> lines = Lines(*natural, info);
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].GetBaseline(), tm.tmAscent + int32_t(i) * tm.tmHeight);
}

TEST_F(Layout, TheTallestFontOfTheVisibleCharactersSetsTheLine)
{
    gdi::TEXTMETRIC small, large;
    metrics.GetFont(2, 0, 0, attr, 0, &small, nullptr);
    metrics.GetFont(2, 0, 0, Format(kArial, 480), 0, &large, nullptr);
    gdi::RecordingSurface surface(gdi::DeviceKind::Printer, 1440, 1440);
    gdi::DC dc(surface);
    const TEXTDRAWINFO info = PrinterInfo(dc);
    struct Case {
        std::string text;
        int32_t height;
    };
    const Case cases[] = {
        {"ab" + Code('P', 480) + "cd", large.tmHeight},
        // A larger font switched on only after the last visible character
        // does not count.
        {"ab   " + Code('P', 480) + "\r", small.tmHeight},
        // A line with nothing visible keeps every font met.
        {Code('P', 480) + "\r", large.tmHeight},
    };
    for (const Case& c : cases) {
        auto text = Make(c.text, 10000);
        EXPECT_EQ(Lines(*text, info).front().height, c.height) << c.text;
    }
}

TEST_F(Layout, XOfPosAndPosOfXAgreeOnEveryCharacter)
{
    const std::string stored = "Mixed " + Code('T', kTimes) + Code('P', 360) + "faces and " + Code('B', 1) + "sizes "
        + Code('T', kCourier) + Code('P', 200) + "on lines\rthat break often";
    for (uint8_t alignment : {kTextAlignLeft, kTextAlignRight, kTextAlignJustified}) {
        for (int zoom : {100, 150}) {
            gdi::RecordingSurface surface(gdi::DeviceKind::Window, 96, 96);
            gdi::DC dc(surface);
            MapTwips(dc, 96, zoom);
            const TEXTDRAWINFO info(&dc, {0, 0}, kTextOnWindow, 0, 0, TEXTZOOM {zoom, zoom, 0, 0}, {}, 0);
            auto text = Make(stored, 2500, alignment);
            std::vector<TEXTLINE> lines = Lines(*text, info);
            ASSERT_GE(lines.size(), 3u);
            for (TEXTLINE& line : lines) {
                line.BuildChars();
                const std::vector<LINECHAR> chars = TEXTLINE::GetChars();
                for (const LINECHAR& c : chars) {
                    if (c.kind == LINECHAR::Format)
                        continue;
                    const LINEHIT hit = line.PosOfX(line.XOfPos(c.pos), false);
                    EXPECT_TRUE(hit.pos == c.pos) << c.pos.GetOffset() << " gave " << hit.pos.GetOffset();
                }
            }
        }
    }
}

TEST_F(Layout, PosOfXStopsAtTheLineEndUnlessItMayPass)
{
    gdi::RecordingSurface surface(gdi::DeviceKind::Printer, 1440, 1440);
    gdi::DC dc(surface);
    const TEXTDRAWINFO info = PrinterInfo(dc);
    auto text = Make("one two three", Width("one two", attr) + 100);
    std::vector<TEXTLINE> lines = Lines(*text, info);
    ASSERT_EQ(lines.size(), 2u);
    TEXTLINE& line = lines[0];
    EXPECT_EQ(line.PosOfX(-50, false).pos.GetOffset(), 0);
    EXPECT_EQ(line.PosOfX(100000, false).pos.GetOffset(), 7); // the blank after "two"
    EXPECT_EQ(line.PosOfX(100000, true).pos.GetOffset(), 8); // the next line's start
    EXPECT_EQ(line.PosOfX(100000, true).x, Width("one two ", attr));
    // Nothing lies after the end mark.
    EXPECT_TRUE(lines[1].PosOfX(100000, true).pos == text->GetEnd());
    EXPECT_EQ(lines[1].PosOfX(100000, true).x, Width("three", attr));
}

TEST_F(Layout, TheBottomMarginStopsTheLayout)
{
    gdi::TEXTMETRIC tm;
    metrics.GetFont(2, 0, 0, attr, 0, &tm, nullptr);
    gdi::RecordingSurface surface(gdi::DeviceKind::Printer, 1440, 1440);
    gdi::DC dc(surface);
    const TEXTDRAWINFO info = PrinterInfo(dc);
    const std::string five = "1\r2\r3\r4\r5";
    struct Case {
        int32_t bottom;
        uint16_t margin;
        int lines;
    };
    const Case cases[] = {
        {2 * tm.tmHeight + tm.tmAscent, 0, 3}, // the third baseline lies on the bottom
        {2 * tm.tmHeight + tm.tmAscent - 1, 0, 2},
        {2 * tm.tmHeight + tm.tmAscent, 1, 2},
        {0, 0, 1}, // at least one line
        {100000, 0, 5},
    };
    for (const Case& c : cases) {
        auto text = Make(five, 5000, kTextAlignLeft, c.bottom);
        text->SetBottomMargin(c.margin);
        surface.Clear();
        EXPECT_EQ(text->Layout(info, nullptr, true), c.lines * tm.tmHeight) << c.bottom;
        int drawn = 0;
        for (const gdi::RecordedCall& call : surface.Calls())
            drawn += call.name == "TextOut" ? 1 : 0;
        EXPECT_EQ(drawn, c.lines) << c.bottom;
    }
}

TEST_F(Layout, LongLinesWithManyFormatChangesGrowTheBuffers)
{
    std::string stored;
    for (int i = 0; i < 3000; ++i)
        stored += Code('B', int16_t(i % 2)) + "ab";
    gdi::RecordingSurface surface(gdi::DeviceKind::Printer, 1440, 1440);
    gdi::DC dc(surface);
    const TEXTDRAWINFO info = PrinterInfo(dc);
    auto text = Make(stored, 30000000);
    std::vector<TEXTLINE> lines = Lines(*text, info);
    ASSERT_EQ(lines.size(), 1u);
    lines[0].BuildChars();
    // 6000 characters, 2999 changes (the first code changes nothing) and
    // the end mark.
    EXPECT_EQ(TEXTLINE::GetChars().size(), 9000u);
    text->Layout(info, nullptr, true);
    EXPECT_EQ(surface.Calls().size(), 3000u);
    EXPECT_EQ(lines[0].XOfPos(text->GetEnd()), lines[0].width);
}

TEST_F(Layout, ACodeCutShortByTheEndMarkEndsTheText)
{
    gdi::RecordingSurface surface(gdi::DeviceKind::Printer, 1440, 1440);
    gdi::DC dc(surface);
    const TEXTDRAWINFO info = PrinterInfo(dc);
    for (const std::string& raw : {std::string("abc\x1b"),
             std::string("ab \x1b"
                         "B"),
             std::string("\x1b"
                         "B\x01\x02")}) {
        RICHTEXT text(attr, kTextAlignLeft, 5000, 10000, 0);
        ASSERT_TRUE(text.CreateBuffer(""));
        TEXTPOS start = text.GetStart();
        text.GetBuffer()->InsertChars(start, raw.data(), int(raw.size()));
        const std::vector<TEXTLINE> lines = Lines(text, info);
        ASSERT_EQ(lines.size(), 1u) << raw;
        EXPECT_TRUE(lines[0].end == text.GetEnd());
        text.Layout(info, nullptr, true);
    }
}

} // namespace
