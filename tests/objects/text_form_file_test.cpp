// A form holding text objects survives saving and opening again, also when
// the program's font table lists its faces in another order by then.
#include "tests/objects/text_test_support.h"

#include "forms/document/fdocument.h"
#include "forms/model/fobjlist.h"
#include "platform/ui/message_box.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using TextFormFileTest = TextObjectTest;

// The text with every typeface code's index replaced by the face's name.
std::string WithFaceNames(std::string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) == kEsc && i + kCodeLength <= text.size() && text[i + 1] == 'T') {
            const int16_t face
                = DecodeFormatValue(static_cast<unsigned char>(text[i + 2]), static_cast<unsigned char>(text[i + 3]));
            out += "{" + (face == kDefaultValue ? "mixed" : GetProgramFonts().GetFaceName(face)) + "}";
            i += kCodeLength;
        } else {
            out += text[i++];
        }
    }
    return out;
}

// Everything a text object shows, faces by name.
std::vector<std::string> Describe(FOBJLIST& list)
{
    std::vector<std::string> out;
    for (FORMOBJ* o = list.GetHead(); o; o = o->GetNext()) {
        auto* text = dynamic_cast<FTEXTOBJ*>(o);
        if (!text) {
            out.push_back("not a text object");
            continue;
        }
        RECT r;
        text->GetRect(r);
        TEXTATTR font;
        text->GetFont(&font);
        uint8_t align = 0;
        text->GetAlignment(&align);
        uint16_t angle = 0;
        text->QueryAngle(&angle);
        out.push_back(text->GetName() + " p" + std::to_string(text->GetPage()) + " " + std::to_string(r.left) + ","
            + std::to_string(r.top) + "," + std::to_string(r.right) + "," + std::to_string(r.bottom) + " angle "
            + std::to_string(angle) + " align " + std::to_string(align) + " spacing "
            + std::to_string(text->GetLineSpacing()) + " " + GetProgramFonts().GetFaceName(font.face) + " "
            + std::to_string(font.size) + " b" + std::to_string(font.bold) + " i" + std::to_string(font.italic) + " u"
            + std::to_string(font.underline) + " c" + std::to_string(font.colour) + " |"
            + WithFaceNames(text->GetText().View()) + "|");
    }
    return out;
}

TEST_F(TextFormFileTest, AFormOfTextObjectsReadsBackWithTheSameFacesTextAndLayout)
{
    const std::filesystem::path folder = std::filesystem::path(FORMS_TEST_OUTPUT_DIR) / "text_form_file";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "text.qwm").string();
    ui::ScopedMessageBoxHook noMessages {[](const ui::MessageBoxRequest& request) {
        ADD_FAILURE() << request.text;
        return ui::IDOK;
    }};
    std::filesystem::remove(path);

    const uint16_t courier = fonts.FindOrAdd(FONTFACE("Courier New", 0x31, 0));
    const uint16_t times = fonts.FindOrAdd(FONTFACE("Times New Roman", 0x12, 0));
    const uint16_t cambria = fonts.FindOrAdd(FONTFACE("Cambria", 0x12, 0));
    std::vector<std::string> saved;
    {
        FDOCUMENT doc;
        doc.AppendPage();
        auto add = [&](std::string name, uint16_t page, RECT r, TEXTATTR font, uint8_t align, std::string text,
                       uint16_t spacing, uint16_t angle) {
            auto object = MakeText(text, font, align);
            object->SetName(name);
            object->SetRect(r.left, r.top, r.right, r.bottom);
            object->SetAttribute(kAttrLineSpacing, reinterpret_cast<uintptr_t>(&spacing));
            if (angle)
                object->SetRotation(angle, nullptr);
            doc.GetObjects().SetObjectPage(std::move(object), page);
        };
        TEXTATTR heading = Font(cambria, 480);
        heading.bold = 1;
        heading.colour = 0x800000;
        add("Heading", 1, {720, 720, 8000, 1440}, heading, kTextAlignCentred, "A heading", kLineSpacingAuto, 0);
        add("Body", 1, {720, 1800, 8000, 4000}, Font(times, 240), kTextAlignJustified,
            "Plain, " + Code('T', courier) + "typed" + Code('T', times) + ", " + Code('B', 1) + "bold" + Code('B', 0)
                + Code('T', kMixedWord) + " and " + Code('U', kUnderlineWord) + "underlined words.",
            240, 0);
        add("Turned", 2, {2000, 2000, 5000, 3000}, Font(courier, 200), kTextAlignRight, std::string(900, 'w') + "!",
            kLineSpacingAuto, 450);
        add("Empty", 2, {100, 100, 400, 400}, Font(times, 240), kTextAlignLeft, "", 180, 0);
        saved = Describe(doc.GetObjects());
        ASSERT_TRUE(doc.OnSaveDocument(path));
    }

    // By the time the form is opened the program's table lists other faces
    // first and the form's in another order.
    FONT_TABLE other;
    other.RemoveAll();
    other.FindOrAdd(FONTFACE("Liberation Serif", 0x12, 0));
    other.FindOrAdd(FONTFACE("Courier New", 0x31, 0));
    other.FindOrAdd(FONTFACE("Arial", 0x22, 0));
    other.FindOrAdd(FONTFACE("Cambria", 0x12, 0));
    SetProgramFontTable(&other);
    FDOCUMENT reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(path));
    EXPECT_EQ(Describe(reopened.GetObjects()), saved);
    SetProgramFontTable(&fonts);
}

} // namespace
