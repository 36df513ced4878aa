// Benchmarks: laying out and drawing a 100,000-character text with a change
// of format every 40 characters in a 7-inch-wide rectangle, on the
// recording surface and on an image, and laying it out again after one
// inserted character.
#include "test_fonts.h"
#include "text_helpers.h"
#include "tool_setup.h"

#include "forms/fields/richtext/format_code.h"
#include "forms/fields/richtext/richtext.h"
#include "forms/fields/richtext/textdrawinfo.h"

#include "platform/gdi/image_surface.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

namespace {

constexpr int32_t kWidth = 7 * 1440;
constexpr int32_t kHeight = 1 << 30;

// Qt, the fonts and the caches, made once for every benchmark.
void Setup()
{
    static TestFonts fonts;
    SetupOffscreen("richtext_benchmark", fonts);
}

// Words of 2 to 9 letters; every 40 characters the format changes, in turn
// bold, italic, a larger size, a second face and back.
std::string LongText()
{
    std::mt19937 random(15);
    const std::string changes[] = {Code('B', 1), Code('I', 1), Code('B', 0) + Code('P', 300), Code('T', kTimes),
        Code('I', 0) + Code('P', 240) + Code('T', kArial)};
    std::string text;
    int count = 0;
    int change = 0;
    while (count < 100000) {
        const int letters = 2 + int(random() % 8);
        for (int i = 0; i < letters && count < 100000; ++i, ++count) {
            if (count % 40 == 0)
                text += changes[change++ % 5];
            text += char('a' + random() % 26);
        }
        if (count < 100000) {
            if (count % 40 == 0)
                text += changes[change++ % 5];
            text += ' ';
            ++count;
        }
    }
    return text;
}

std::unique_ptr<RICHTEXT> MakeText()
{
    TEXTATTR attr = Format(kArial, 240);
    auto text = std::make_unique<RICHTEXT>(attr, kTextAlignJustified, kWidth, kHeight, 0);
    text->CreateBuffer(LongText());
    return text;
}

void BM_LayoutOnly(benchmark::State& state)
{
    Setup();
    auto text = MakeText();
    gdi::RecordingSurface surface(gdi::DeviceKind::Printer, 1440, 1440);
    gdi::DC dc(surface);
    const TEXTDRAWINFO info(&dc, {0, 0}, kTextOnPrinter, 0, 0, TEXTZOOM(), {0, 0, kWidth, kHeight}, 0);
    int32_t height = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(height = text->Layout(info, nullptr, false));
    state.counters["height_twips"] = height;
}

void BM_LayoutAndDrawRecording(benchmark::State& state)
{
    Setup();
    auto text = MakeText();
    gdi::RecordingSurface surface(gdi::DeviceKind::Window, 96, 96, {700, 1000});
    gdi::DC dc(surface);
    MapTwips(dc, 96, 100);
    const TEXTDRAWINFO info(&dc, {0, 0}, kTextOnWindow, 0, 0, TEXTZOOM(), {0, 0, kWidth, kHeight}, 0);
    size_t calls = 0;
    for (auto _ : state) {
        surface.Clear();
        text->Layout(info, nullptr, true);
        calls = surface.Calls().size();
    }
    state.counters["text_outs"] = double(calls);
}

void BM_LayoutAndDrawImage(benchmark::State& state)
{
    Setup();
    auto text = MakeText();
    // Tall enough for the whole text at 96 dpi.
    gdi::ImageSurface image(680, 33000, 96);
    gdi::DC dc(image);
    MapTwips(dc, 96, 100);
    const TEXTDRAWINFO info(&dc, {0, 0}, kTextOnWindow, 0, 0, TEXTZOOM(), {0, 0, kWidth, kHeight}, 0);
    for (auto _ : state)
        text->Layout(info, nullptr, true);
}

void BM_LayoutAfterOneInsertedCharacter(benchmark::State& state)
{
    Setup();
    auto text = MakeText();
    gdi::RecordingSurface surface(gdi::DeviceKind::Printer, 1440, 1440);
    gdi::DC dc(surface);
    const TEXTDRAWINFO info(&dc, {0, 0}, kTextOnPrinter, 0, 0, TEXTZOOM(), {0, 0, kWidth, kHeight}, 0);
    text->Layout(info, nullptr, false);
    for (auto _ : state) {
        TEXTPOS at = text->GetStart();
        at.Move(50000);
        at.InsertChars("x", 1);
        benchmark::DoNotOptimize(text->Layout(info, nullptr, false));
    }
}

} // namespace

BENCHMARK(BM_LayoutOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayoutAndDrawRecording)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayoutAndDrawImage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayoutAfterOneInsertedCharacter)->Unit(benchmark::kMillisecond);
