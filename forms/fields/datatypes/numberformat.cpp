#include "forms/fields/datatypes/numberformat.h"

#include "forms/fields/datatypes/datatype_texts.h"
#include "forms/fields/datatypes/number_text.h"
#include "forms/fields/datatypes/record_fields.h"
#include "forms/model/record_archive.h"

#include <cmath>
#include <cstddef>

namespace {

constexpr uint8_t kFormatRecord = 0x81;
constexpr char kPound = '\xA3';
// Most copies of a fill character, whatever width is offered.
constexpr int32_t kMaxFill = 32767;

char QuoteChar()
{
    static const std::string quote = LoadText(kQuoteText);
    return quote.empty() ? '"' : quote[0];
}

bool IsPlaceholder(char c)
{
    return c == '0' || c == '?' || c == '#';
}

struct MaskItem {
    enum Kind { Digit, Point, Literal, Blank, Fill } kind;
    char c;
};

// The mask read into items. It may come from a file unchecked: an unclosed
// quote quotes the rest, a trailing '_' or '*' is dropped, a second point
// is shown as it stands and a second fill is dropped.
std::vector<MaskItem> ReadMask(std::string_view mask)
{
    std::vector<MaskItem> items;
    const char quote = QuoteChar();
    bool inQuote = false;
    bool point = false;
    bool fill = false;
    for (size_t i = 0; i < mask.size(); ++i) {
        const char c = mask[i];
        if (inQuote) {
            if (c == quote)
                inQuote = false;
            else
                items.push_back({MaskItem::Literal, c});
        } else if (c == quote) {
            inQuote = true;
        } else if (c == '_' || c == '*') {
            if (i + 1 >= mask.size())
                break;
            ++i;
            if (c == '_')
                items.push_back({MaskItem::Blank, mask[i]});
            else if (!fill)
                items.push_back({MaskItem::Fill, mask[i]});
            fill = fill || c == '*';
        } else if (IsPlaceholder(c)) {
            items.push_back({MaskItem::Digit, c});
        } else if (c == '.' && !point) {
            items.push_back({MaskItem::Point, c});
            point = true;
        } else {
            items.push_back({MaskItem::Literal, c});
        }
    }
    return items;
}

class Output {
public:
    explicit Output(const int16_t* charWidths)
        : charWidths(charWidths)
    {}
    void Put(char c, char measured)
    {
        text.push_back(c);
        widths.push_back(charWidths[static_cast<unsigned char>(measured)]);
    }
    void Put(char c) { Put(c, c); }

    const int16_t* charWidths;
    std::string text;
    std::vector<int> widths;
    std::ptrdiff_t fillAt = -1;
    char fillChar = 0;
};

// What a placeholder shows where the value has no digit for it.
void PutEmptyPlace(Output& out, char placeholder)
{
    if (placeholder == '0')
        out.Put('0');
    else if (placeholder == '?')
        out.Put(' ', '0');
}

} // namespace

void NUMBERFORMAT::Save(RECORDARCHIVE& ar, uint8_t tag) const
{
    ar.WriteTag(tag);
    ar.BeginRecord();
    ar.PutI16(nScalePower);
    ar.PutU16(bThousands ? 1 : 0);
    ar.PutU32(crColour);
    PutCountedText(ar, strMask);
    ar.EndRecord(kFormatRecord);
    ar.WriteTag(kEndGroup);
}

int NUMBERFORMAT::Load(RECORDARCHIVE& ar)
{
    for (;;) {
        const uint8_t tag = ar.ReadTag();
        if (tag == kEndGroup)
            return 1;
        if (tag != kFormatRecord) {
            ar.SkipRecord(tag);
            continue;
        }
        RecordReader r = ar.ReadRecord();
        nScalePower = r.I16();
        bThousands = r.U16() == 1 ? 1 : 0;
        crColour = r.U32(kFieldColour);
        strMask = ReadCountedText(r);
    }
}

int CheckNumberMask(std::string_view mask, std::string& message)
{
    const char quote = QuoteChar();
    size_t quotes = 0;
    for (char c : mask)
        quotes += c == quote;
    if (quotes % 2) {
        message = LoadText(kMaskOddQuotes);
        return 0;
    }
    bool inQuote = false;
    bool afterUnderscore = false;
    bool afterStar = false;
    bool quoteAfterStar = false;
    bool quoteAfterUnderscore = false;
    int points = 0;
    int stars = 0;
    for (char c : mask) {
        if (afterUnderscore || afterStar) {
            if (c == quote) {
                quoteAfterStar = quoteAfterStar || afterStar;
                quoteAfterUnderscore = quoteAfterUnderscore || afterUnderscore;
                inQuote = !inQuote;
            }
            afterUnderscore = afterStar = false;
        } else if (c == quote) {
            inQuote = !inQuote;
        } else if (inQuote) {
            continue;
        } else if (c == '_') {
            afterUnderscore = true;
        } else if (c == '*') {
            afterStar = true;
            ++stars;
        } else if (c == '.') {
            ++points;
        } else if (!IsPlaceholder(c) && c != '-' && c != '$' && c != kPound) {
            message = LoadText(kMaskBadChar);
            return 0;
        }
    }
    const uint16_t fault = points >= 2 ? kMaskTwoPoints
        : stars >= 2                   ? kMaskTwoStars
        : quoteAfterStar               ? kMaskQuoteAfterStar
        : quoteAfterUnderscore         ? kMaskQuoteAfterUnderscore
                                       : 0;
    if (fault) {
        message = LoadText(fault);
        return 0;
    }
    return 1;
}

int FormatNumber(double v, const NUMBERFORMAT* mask, const int16_t* charWidths, std::string& text,
    std::vector<int>& widths, int32_t available)
{
    text.clear();
    widths.clear();
    if (!mask)
        return 0;
    const std::vector<MaskItem> items = ReadMask(mask->strMask);
    v = std::fabs(v * std::pow(10.0, mask->nScalePower));

    size_t pointAt = items.size();
    int intPlaces = 0;
    int fracPlaces = 0;
    char firstFracPlace = 0;
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].kind == MaskItem::Point) {
            pointAt = i;
        } else if (items[i].kind == MaskItem::Digit) {
            if (pointAt == items.size()) {
                ++intPlaces;
            } else {
                if (!firstFracPlace)
                    firstFracPlace = items[i].c;
                ++fracPlaces;
            }
        }
    }

    const std::string digits = FormatFixed(v, fracPlaces);
    const size_t dot = digits.find('.');
    std::string intDigits = digits.substr(0, dot);
    const std::string fracDigits = dot == std::string::npos ? std::string() : digits.substr(dot + 1);
    if (intDigits == "0")
        intDigits.clear(); // a value below 1 has no integer digit
    const int count = static_cast<int>(intDigits.size());

    // Integer digits and '0' places shown, for the thousands commas.
    int shownDigits = count;
    int seen = 0;
    for (size_t i = 0; i < pointAt; ++i) {
        if (items[i].kind == MaskItem::Digit && seen++ < intPlaces - count && items[i].c == '0')
            ++shownDigits;
    }
    const bool commas = mask->bThousands && count > 0;
    Output out(charWidths);
    int left = shownDigits;
    auto putDigit = [&](char c) {
        out.Put(c);
        --left;
        if (commas && left > 0 && left % 3 == 0)
            out.Put(',');
    };
    // Every integer digit is shown: those beyond the mask's places go with
    // its first place, or before the point when it has none.
    auto putExtraDigits = [&](int upTo) {
        for (int k = 0; k < upTo; ++k)
            putDigit(intDigits[static_cast<size_t>(k)]);
    };
    int place = 0;
    const int extra = count > intPlaces ? count - intPlaces : 0;
    for (size_t i = 0; i < items.size(); ++i) {
        const MaskItem& item = items[i];
        if (i == pointAt) {
            if (intPlaces == 0)
                putExtraDigits(count);
            out.Put('.');
            continue;
        }
        switch (item.kind) {
        case MaskItem::Digit:
            if (i < pointAt) {
                if (place == 0)
                    putExtraDigits(extra);
                const int at = place - (intPlaces - count);
                if (at >= 0) {
                    putDigit(intDigits[static_cast<size_t>(at)]);
                } else {
                    if (item.c == '0')
                        --left;
                    PutEmptyPlace(out, item.c);
                    if (item.c == '0' && commas && left > 0 && left % 3 == 0)
                        out.Put(',');
                }
                ++place;
            } else {
                const size_t at = static_cast<size_t>(place++ - intPlaces);
                if (at >= fracDigits.size())
                    break;
                if (fracDigits.find_first_not_of('0', at) == std::string::npos)
                    PutEmptyPlace(out, firstFracPlace);
                else
                    out.Put(fracDigits[at]);
            }
            break;
        case MaskItem::Literal:
            out.Put(item.c);
            break;
        case MaskItem::Blank:
            out.Put(' ', item.c);
            break;
        case MaskItem::Fill:
            out.fillAt = static_cast<std::ptrdiff_t>(out.text.size());
            out.fillChar = item.c;
            break;
        case MaskItem::Point:
            break;
        }
    }
    if (pointAt == items.size() && intPlaces == 0)
        putExtraDigits(count);

    if (out.fillAt >= 0 && available >= 0) {
        int64_t used = 0;
        for (int w : out.widths)
            used += w;
        const int fillWidth = charWidths[static_cast<unsigned char>(out.fillChar)];
        if (fillWidth > 0 && available > used) {
            const auto copies = static_cast<size_t>(std::min<int64_t>((available - used) / fillWidth, kMaxFill));
            out.text.insert(static_cast<size_t>(out.fillAt), copies, out.fillChar);
            out.widths.insert(out.widths.begin() + out.fillAt, copies, fillWidth);
        }
    }
    text = std::move(out.text);
    widths = std::move(out.widths);
    return static_cast<int>(text.size());
}
