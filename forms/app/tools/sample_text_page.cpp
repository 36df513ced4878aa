#include "forms/app/tools/sample_text_page.h"

#include "forms/fields/richtext/format_code.h"
#include "forms/model/fontface.h"
#include "forms/model/program_fonts.h"

#include <string>

namespace {

// Pitch-and-family bytes of the faces used.
constexpr uint8_t kSwiss = 0x22;
constexpr uint8_t kRoman = 0x12;
constexpr uint8_t kModern = 0x31;

std::string Code(char letter, int value)
{
    char code[kCodeLength];
    EncodeFormatCode(letter, static_cast<int16_t>(value), code);
    return std::string(code, kCodeLength);
}

std::string Colour(uint32_t rgb)
{
    return Code('r', rgb & 0xFF) + Code('g', (rgb >> 8) & 0xFF) + Code('b', (rgb >> 16) & 0xFF);
}

struct Faces {
    uint16_t arial = GetProgramFonts().FindOrAdd(FONTFACE("Arial", kSwiss, 0));
    uint16_t times = GetProgramFonts().FindOrAdd(FONTFACE("Times New Roman", kRoman, 0));
    uint16_t courier = GetProgramFonts().FindOrAdd(FONTFACE("Courier New", kModern, 0));
    uint16_t calibri = GetProgramFonts().FindOrAdd(FONTFACE("Calibri", kSwiss, 0));
    uint16_t cambria = GetProgramFonts().FindOrAdd(FONTFACE("Cambria", kRoman, 0));
};

TEXTATTR Font(uint16_t face, uint16_t points, uint32_t colour = 0, uint8_t bold = 0, uint8_t italic = 0)
{
    TEXTATTR attr;
    attr.face = face;
    attr.size = static_cast<uint16_t>(points * 20);
    attr.colour = colour;
    attr.bold = bold;
    attr.italic = italic;
    return attr;
}

constexpr char kParagraph[] = "A text object keeps its words inside its rectangle and breaks its lines "
                              "at the same characters on the screen and on paper, whatever the zoom.";

} // namespace

std::vector<std::unique_ptr<FTEXTOBJ>> MakeSampleTextObjects()
{
    const Faces f;
    std::vector<std::unique_ptr<FTEXTOBJ>> out;
    auto add = [&](RECT r, const TEXTATTR& font, uint8_t align, const std::string& text,
                   uint16_t spacing = kLineSpacingAuto, uint16_t angle = 0) {
        auto object = std::make_unique<FTEXTOBJ>();
        object->Create(font, align);
        object->SetText(text);
        object->SetRect(r.left, r.top, r.right, r.bottom);
        object->SetAttribute(kAttrLineSpacing, reinterpret_cast<uintptr_t>(&spacing));
        if (angle)
            object->SetRotation(angle, nullptr);
        out.push_back(std::move(object));
    };

    add({1440, 1080, 10466, 1800}, Font(f.arial, 24, 0x800000, 1), kTextAlignCentred, "Text on a form");

    const std::string styles = "Inline formats: " + Code('B', 1) + "bold" + Code('B', 0) + ", " + Code('I', 1)
        + "italic" + Code('I', 0) + ", " + Code('B', 1) + Code('I', 1) + "both" + Code('I', 0) + Code('B', 0) + ", "
        + Code('U', kUnderlineSingle) + "single underline" + Code('U', 0) + ", " + Code('U', kUnderlineWord)
        + "words underlined alone" + Code('U', 0) + ", " + Code('U', kUnderlineDouble) + "double underline"
        + Code('U', 0) + " and " + Code('/', 1) + "strike-out" + Code('/', 0) + ".\r" + "Faces: " + Code('T', f.arial)
        + "Arial, " + Code('T', f.courier) + "Courier New, " + Code('T', f.calibri) + "Calibri, " + Code('T', f.cambria)
        + "Cambria" + Code('T', f.times) + " and Times New Roman.\r" + "Sizes: " + Code('P', 160) + "8 point, "
        + Code('P', 240) + "12 point, " + Code('P', 360) + "18 point" + Code('P', 240) + ".\r"
        + "Colours: " + Colour(0x0000C0) + "red, " + Colour(0x008000) + "green, " + Colour(0xC00000) + "blue"
        + Colour(0) + " and black.";
    add({1440, 2160, 10466, 4680}, Font(f.times, 12), kTextAlignLeft, styles);

    const struct {
        uint8_t align;
        const char* name;
    } alignments[] = {
        {kTextAlignLeft, "Left aligned. "},
        {kTextAlignRight, "Right aligned. "},
        {kTextAlignCentred, "Centred. "},
        {kTextAlignJustified, "Justified. "},
    };
    for (int i = 0; i < 4; ++i) {
        const int32_t left = i % 2 ? 6120 : 1440;
        const int32_t top = 5040 + (i / 2) * 2160;
        add({left, top, left + 4346, top + 1800}, Font(f.calibri, 11, 0x404040), alignments[i].align,
            Code('B', 1) + alignments[i].name + Code('B', 0) + kParagraph);
    }

    add({1440, 9540, 6000, 12240}, Font(f.courier, 10, 0x006000), kTextAlignLeft,
        "Fixed line spacing: six lines\rto the inch, whatever the\r" + Code('P', 280) + "size" + Code('P', 200)
            + " of the letters\ron each line.\r" + Code('I', 1) + "The pitch is 240 twips." + Code('I', 0),
        240);

    add({6840, 10080, 10080, 11520}, Font(f.cambria, 14, 0x800080, 0, 1), kTextAlignCentred,
        "A turned text object, at thirty degrees.", kLineSpacingAuto, 300);

    add({1440, 13320, 10466, 14760}, Font(f.arial, 9, 0x606060, 0, 1), kTextAlignJustified,
        std::string("Small print: ") + kParagraph + " " + kParagraph);
    return out;
}
