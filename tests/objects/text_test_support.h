// Support for the text object's tests: the program's fonts, printers and
// caches installed as the application installs them, the object kinds
// registered, and inline format codes built and read back.
#pragma once

#include "forms/fields/richtext/format_code.h"
#include "forms/model/object_factory.h"
#include "forms/objects/form_objects.h"
#include "forms/objects/ftextobj.h"
#include "tests/model/font_test_support.h"

#include <string>
#include <string_view>

// One inline format code.
inline std::string Code(char letter, int value)
{
    char code[kCodeLength];
    EncodeFormatCode(letter, static_cast<int16_t>(value), code);
    return std::string(code, kCodeLength);
}

// The codes of a text, each as its letter and value ("T3 B1"), and its
// characters outside codes as "[...]" runs.
inline std::string Describe(std::string_view text)
{
    std::string out;
    std::string run;
    auto flush = [&] {
        if (run.empty())
            return;
        out += (out.empty() ? "[" : " [") + run + "]";
        run.clear();
    };
    for (size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) == kEsc && i + kCodeLength <= text.size()) {
            flush();
            const int value
                = DecodeFormatValue(static_cast<unsigned char>(text[i + 2]), static_cast<unsigned char>(text[i + 3]));
            out += (out.empty() ? "" : " ") + std::string(1, text[i + 1]) + std::to_string(value);
            i += kCodeLength;
        } else {
            run.push_back(text[i++]);
        }
    }
    flush();
    return out;
}

class TextObjectTest : public ProgramFontsTest {
protected:
    TextObjectTest() { RegisterFormObjects(); }
    ~TextObjectTest() override
    {
        for (uint8_t type : {kTypeBox, kTypeEllipse, kTypeLine, kTypeOrthLine, kTypeText})
            UnregisterObjectClass(type);
    }

    static std::unique_ptr<FTEXTOBJ> MakeText(
        std::string_view text, const TEXTATTR& font, uint8_t align = kTextAlignLeft)
    {
        auto object = std::make_unique<FTEXTOBJ>();
        object->Create(font, align);
        object->SetText(text);
        return object;
    }

    static TEXTATTR Font(uint16_t face, uint16_t size = 240)
    {
        TEXTATTR attr;
        attr.Reset();
        attr.face = face;
        attr.size = size;
        return attr;
    }
};
