// Benchmarks of the editing engine: one typed character at the start, the
// middle and the end of a 10,000-character text and of a 20,000-character
// memo, each with a change of format every 40 characters (the whole
// transaction: snapshot, edit, layout with the fit check and repaint); a
// paste of 5,000 characters; and, once each, 20,000 characters typed one by
// one, a megabyte of words and a word of 300,000 letters inserted as a
// paste inserts them (in chunks, each checked to fit).
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

// The same words without their codes.
std::string PlainWords(size_t visible)
{
    const std::string coded = Words(visible);
    std::string plain;
    for (size_t i = 0; i < coded.size(); ++i) {
        if (coded[i] == '\x1B')
            i += 4;
        else
            plain += coded[i];
    }
    return plain;
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

// Times typing one character where the caret stands; the character is
// taken out again outside the timing.
void TimeTyping(benchmark::State& state, Editing& editing)
{
    RICHEDITOR& editor = *editing.editor;
    for (auto _ : state) {
        benchmark::DoNotOptimize(editor.OnChar('x'));
        state.PauseTiming();
        editor.OnBackspace();
        editing.owner.surface.Clear();
        state.ResumeTiming();
    }
}

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
    TimeTyping(state, editing);
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
    TimeTyping(state, editing);
}
BENCHMARK(TypeInALongMemo)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void TypeTwentyThousandCharacters(benchmark::State& state)
{
    Setup();
    const std::string typed = PlainWords(20000);
    for (auto _ : state) {
        state.PauseTiming();
        Editing editing("");
        state.ResumeTiming();
        for (char c : typed)
            benchmark::DoNotOptimize(editing.editor->OnChar(static_cast<unsigned char>(c)));
    }
}
BENCHMARK(TypeTwentyThousandCharacters)->Unit(benchmark::kMillisecond)->Iterations(1);

// 0: a megabyte of words; 1: one word of 300,000 letters.
void InsertLongText(benchmark::State& state)
{
    Setup();
    const std::string inserted = state.range(0) == 0 ? PlainWords(1 << 20) : std::string(300000, 'w');
    for (auto _ : state) {
        state.PauseTiming();
        Editing editing("");
        state.ResumeTiming();
        if (editing.editor->InsertPlainText(inserted) != 1
            || editing.text.GetEnd().GetOffset() != static_cast<int32_t>(inserted.size()))
            state.SkipWithError("the text was not inserted whole");
    }
}
BENCHMARK(InsertLongText)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

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
