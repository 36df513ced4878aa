// Benchmarks of the editing engine: one typed character at the start, the
// middle and the end of a 10,000-character text and of a 20,000-character
// memo, each with a change of format every 40 characters (the whole
// transaction: snapshot, edit, layout with the fit check and repaint), and a
// paste of 5,000 characters.
#include "editor_doubles.h"
#include "text_helpers.h"
#include "tool_setup.h"

#include "forms/fields/richtext/format_code.h"
#include "forms/fields/richtext/rich_clipboard.h"
#include "forms/fields/richtext/richeditor.h"
#include "forms/fields/richtext/richtext.h"

#include "platform/ui/clipboard.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

namespace {

constexpr int32_t kWidth = 7 * 1440;
constexpr int32_t kHeight = 1 << 30;

void Setup()
{
    static TestFonts fonts;
    SetupOffscreen("richeditor_benchmark", fonts);
}

// Words of 2 to 9 letters, visible characters only counted; bold goes on
// and off every 40 characters.
std::string Words(size_t visible)
{
    std::mt19937 random(16);
    std::string text;
    size_t count = 0;
    bool bold = false;
    while (count < visible) {
        const int length = std::uniform_int_distribution<int>(2, 9)(random);
        for (int i = 0; i < length && count < visible; ++i, ++count) {
            if (count % 40 == 0 && count > 0) {
                bold = !bold;
                text += Code('B', bold ? 1 : 0);
            }
            text += static_cast<char>('a' + std::uniform_int_distribution<int>(0, 25)(random));
        }
        if (count < visible) {
            text += ' ';
            ++count;
        }
    }
    return text;
}

struct Editing {
    Editing(const std::string& stored)
        : text(Format(kArial, 240), 0, kWidth, kHeight, 0)
    {
        text.opaque = 1;
        text.CreateBuffer(stored);
        editor = std::make_unique<RICHEDITOR>(&owner, &text);
        editor->Restart(owner.info, 0, 0);
    }

    TestOwner owner;
    RICHTEXT text;
    std::unique_ptr<RICHEDITOR> editor;
};

void TypeOneCharacter(benchmark::State& state)
{
    Setup();
    Editing editing(Words(10000));
    RICHEDITOR& editor = *editing.editor;
    // 0 start, 1 middle, 2 end.
    if (state.range(0) == 2) {
        editor.OnKeyDown(kKeyEnd, false, true);
    } else if (state.range(0) == 1) {
        for (int i = 0; i < 5000; ++i)
            editor.OnKeyDown(kKeyRight, false, false);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(editor.OnChar('x'));
        state.PauseTiming();
        editor.OnBackspace();
        editing.owner.surface.Clear();
        state.ResumeTiming();
    }
}
BENCHMARK(TypeOneCharacter)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The caret is put by a click: at the start, half-way down the memo, or on
// its last line.
void TypeInALongMemo(benchmark::State& state)
{
    Setup();
    Editing editing(Words(20000));
    RICHEDITOR& editor = *editing.editor;
    const int32_t height = editing.text.Layout(editing.owner.info, nullptr, false);
    const int32_t y = state.range(0) == 0 ? 0 : (state.range(0) == 1 ? height / 2 : height - 1);
    editor.Restart(editing.owner.info, kWidth / 2, y);
    for (auto _ : state) {
        benchmark::DoNotOptimize(editor.OnChar('x'));
        state.PauseTiming();
        editor.OnBackspace();
        editing.owner.surface.Clear();
        state.ResumeTiming();
    }
}
BENCHMARK(TypeInALongMemo)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void PasteFiveThousandCharacters(benchmark::State& state)
{
    Setup();
    ui::DataSource source;
    source.SetData(ui::kFormatText, Words(5000) + '\0');
    ui::SetClipboard(source);
    for (auto _ : state) {
        state.PauseTiming();
        Editing editing("A line of text\rand another.");
        state.ResumeTiming();
        benchmark::DoNotOptimize(editing.editor->PasteFromClipboard(editing.owner.info));
    }
}
BENCHMARK(PasteFiveThousandCharacters)->Unit(benchmark::kMillisecond);

} // namespace
