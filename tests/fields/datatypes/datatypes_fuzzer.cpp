// Feeds arbitrary bytes to what field values read from outside: as a number
// mask, a date picture, a stored text value and typed number and date text.
// Nothing may be read past the bytes, and what comes out must hold together.
#include "forms/fields/datatypes/date_serial.h"
#include "forms/fields/datatypes/date_text.h"
#include "forms/fields/datatypes/face_names.h"
#include "forms/fields/datatypes/intl_settings.h"
#include "forms/fields/datatypes/numberdatatype.h"
#include "forms/model/program_fonts.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

void Check(bool ok)
{
    if (!ok)
        std::abort();
}

// A font table that holds whatever faces stored text names.
class Faces : public FontFaces {
public:
    const FONTFACE* GetAt(int i) const override
    {
        return i >= 0 && i < static_cast<int>(faces.size()) ? &faces[static_cast<size_t>(i)] : nullptr;
    }
    int FindByFace(const FONTFACE*& entry, std::string_view) const override
    {
        entry = nullptr;
        return 0;
    }
    uint16_t FindOrAdd(const FONTFACE& face) override
    {
        for (size_t i = 0; i < faces.size(); ++i) {
            if (faces[i].GetName() == face.GetName())
                return static_cast<uint16_t>(i);
        }
        faces.push_back(face);
        return static_cast<uint16_t>(faces.size() - 1);
    }
    const FONTFACE* GetFileEntry(int i) const override { return GetAt(i); }
    uint16_t MapFont(const FontFaces*, int) override { return 0; }
    void Write(RECORDARCHIVE&, uint8_t) const override {}

    std::vector<FONTFACE> faces;
};

class Fonts : public PROGRAM_FONTS {
public:
    FontFaces* GetTable() const override { return &table; }
    mutable Faces table;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::array<int16_t, 256> widths;
    for (size_t i = 0; i < widths.size(); ++i)
        widths[i] = static_cast<int16_t>(i % 7 + 1);

    // A mask, for a value taken from the first bytes.
    NUMBERFORMAT mask;
    mask.SetMask(bytes);
    double v = 0;
    if (size >= sizeof v)
        std::memcpy(&v, data, sizeof v);
    mask.nScalePower = static_cast<int16_t>(size % 5);
    mask.bThousands = static_cast<int32_t>(size & 1);
    std::string text;
    std::vector<int> charWidths;
    for (double value : {v, 1234567.891, 0.5, -3.0}) {
        const int n = FormatNumber(value, &mask, widths.data(), text, charWidths, static_cast<int32_t>(size * 3));
        Check(n == static_cast<int>(text.size()) && charWidths.size() == text.size());
    }
    std::string message;
    CheckNumberMask(bytes, message);

    // A date picture.
    for (double day : {35300.0, 2.0, 65380.0, v}) {
        DATEPICTUREINFO info;
        text = "unchanged";
        if (!FormatDate(day, bytes, text, &info))
            Check(text == "unchanged");
        Check(info.order <= 2 && info.hasYear <= 1);
    }

    // A stored text value.
    Fonts fonts;
    SetProgramFonts(&fonts);
    std::string stored = bytes;
    DecodeFaceNames(stored);
    std::string again = stored;
    EncodeFaceNames(again);
    DecodeFaceNames(again);
    Check(PlainText(bytes).size() <= size);
    SetProgramFonts(nullptr);

    // Typed text.
    NUMBERDATATYPE number;
    number.InitialiseValue();
    number.nDecimals = static_cast<int16_t>(size % 4) - 1;
    if (number.Parse(bytes, message, 1))
        number.StoreText(bytes);
    for (uint8_t order : {kDayFirst, kMonthFirst}) {
        double day = -1;
        if (ParseDate(bytes, order, day)) {
            DATEPARTS parts;
            Check(day == 0 || SerialToDate(day, parts));
        }
    }
    return 0;
}
