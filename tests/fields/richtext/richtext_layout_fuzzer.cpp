// Feeds arbitrary bytes as a stored text through the buffer, the walkers,
// line layout and drawing on the recording surface. The first bytes choose
// the width, alignment, line spacing, device, zoom and a selection. Every
// layout must end, every line must move on, the last line must end on the
// end mark, and hit testing must stay on its line.
#include "test_fonts.h"
#include "tool_setup.h"

#include "forms/fields/richtext/richtext.h"
#include "forms/fields/richtext/textdrawinfo.h"
#include "forms/fields/richtext/textline.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

struct Input {
    const uint8_t* data;
    size_t size;
    size_t at = 0;
    uint8_t Byte() { return at < size ? data[at++] : 0; }
    uint16_t Word() { return static_cast<uint16_t>(Byte() | (Byte() << 8)); }
};

void LayOut(RICHTEXT& text, const TEXTDRAWINFO& info, const TEXTSELECTION& selection)
{
    const int32_t length = text.GetEnd().GetOffset();
    TEXTLINE line = text.StartLayout(info);
    int lines = 0;
    for (;;) {
        line.Break();
        CHECK(++lines <= length + 2);
        // Hit testing stays on the line.
        line.BuildChars();
        for (int32_t x : {-100, 0, 200, 3000, 40000}) {
            const LINEHIT hit = line.PosOfX(x, true);
            CHECK(hit.pos.Compare(line.start) >= 0);
            CHECK(hit.pos.Compare(line.end) <= 0);
            CHECK(line.XOfPos(hit.pos) == hit.x);
        }
        if (line.endKind == kLineEndOfText || line.endKind == kLineNoText)
            break;
        CHECK(line.end.Compare(line.start) > 0);
        line = line.Next();
    }
    CHECK(line.endKind == kLineNoText || line.end.GetChar() == 26);
    text.Layout(info, &selection, true);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static TestFonts fonts;
    SetupOffscreen((*argv)[0], fonts);
    (void)argc;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Input in {data, size};
    const int32_t width = static_cast<int16_t>(in.Word());
    const uint8_t alignment = in.Byte() % 5;
    const uint8_t spacingByte = in.Byte();
    const uint16_t spacing = spacingByte < 128 ? kNaturalHeight : uint16_t((spacingByte - 128) * 12);
    const uint8_t kind = static_cast<uint8_t>(1 + in.Byte() % 4);
    const int zoom = 25 + in.Byte() % 8 * 25;
    const uint16_t anchor = in.Word();
    const uint16_t caret = in.Word();
    const uint16_t margin = in.Word() % 2000;
    const std::string stored(reinterpret_cast<const char*>(data + in.at), size - in.at);

    gdi::RecordingSurface surface(
        kind == kTextOnPrinter ? gdi::DeviceKind::Printer : gdi::DeviceKind::Window, 96, 96, {2000, 2000});
    gdi::DC dc(surface);
    MapTwips(dc, 96, zoom);
    const TEXTDRAWINFO info(&dc, {0, 0}, kind, 0, 0, TEXTZOOM {zoom, zoom, 0, 0}, {0, 0, width, 20000}, 0);

    TEXTATTR attr = Format(kArial, 240);
    for (int raw = 0; raw < 2; ++raw) {
        RICHTEXT text(attr, alignment, width, 20000, 0);
        text.fitHeight = spacing;
        text.opaque = raw;
        text.SetBottomMargin(margin);
        CHECK(text.CreateBuffer(raw ? std::string() : stored) == 1);
        if (raw) {
            // As an edit may leave it: codes cut short, end marks inside.
            std::string bytes;
            for (char c : stored) {
                if (c != 0)
                    bytes += c;
            }
            TEXTPOS start = text.GetStart();
            text.GetBuffer()->InsertChars(start, bytes.data(), static_cast<int>(bytes.size()));
        }
        TEXTSELECTION selection;
        const int32_t length = text.GetEnd().GetOffset();
        selection.anchor = text.GetStart();
        selection.anchor.Move(anchor % (length + 1));
        selection.caret = text.GetStart();
        selection.caret.Move(caret % (length + 1));
        LayOut(text, info, selection);
        surface.Clear();
    }
    return 0;
}
