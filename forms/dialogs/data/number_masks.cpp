#include "forms/dialogs/data/number_masks.h"

#include "forms/fields/datatypes/numberdatatype.h"

#include <memory>

namespace {

const char kQuotedMinus[] = "\"-\"";

bool SameFormat(const NUMBERFORMAT* a, const NUMBERFORMAT* b)
{
    if (!a || !b)
        return a == b;
    return a->strMask == b->strMask && a->nScalePower == b->nScalePower && a->bThousands == b->bThousands
        && a->crColour == b->crColour;
}

std::unique_ptr<NUMBERFORMAT> CopyOf(const std::unique_ptr<NUMBERFORMAT>& format)
{
    return format ? std::make_unique<NUMBERFORMAT>(*format) : nullptr;
}

// The count of "0"s directly after the first "." of the mask.
int DecimalsOf(std::string_view mask)
{
    const size_t point = mask.find('.');
    if (point == std::string_view::npos)
        return 0;
    int count = 0;
    for (size_t i = point + 1; i < mask.size() && mask[i] == '0'; ++i)
        ++count;
    return count;
}

bool StartsWith(std::string_view text, std::string_view start)
{
    return text.substr(0, start.size()) == start;
}

bool EndsWith(std::string_view text, std::string_view end)
{
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

bool IsPlainFormat(const NUMBERFORMAT& f)
{
    return f.bThousands == 1 && f.nScalePower == 0 && f.crColour == kFieldColour;
}

// Number or Currency, read the way the page has always read them.
bool ReadNumberOrCurrency(const NUMBERDATATYPE& type, std::string_view symbol, NUMBERCHOICES& out)
{
    if (type.pZero || !type.pPositive || !type.pNegative)
        return false;
    const std::string& pos = type.pPositive->strMask;
    const std::string& neg = type.pNegative->strMask;
    if (neg != pos && !(neg.size() > 0 && std::string_view(neg).substr(1) == pos))
        return false;
    out.decimals = DecimalsOf(pos);
    const bool spaced = pos.find("_ ") != std::string::npos;
    const bool currency = !symbol.empty() && pos.find(symbol) != std::string::npos;
    out.category = currency ? kCategoryCurrency : kCategoryNumber;
    if (currency)
        out.useSymbol = true;
    else
        out.numberSeparator = type.pPositive->bThousands != 0;
    const bool automatic = type.pNegative->crColour == kFieldColour;
    out.style = automatic ? (spaced ? 2 : 0) : (spaced ? 3 : 1);
    return true;
}

// Accounting: the zero mask "_-", an optional one-character symbol, "* ",
// the quoted minus, "?"s, "_-"; the negative mask "-", the same symbol,
// "* 0", an optional point with "0"s, "_-"; the positive "_" + negative.
bool ReadAccounting(const NUMBERDATATYPE& type, NUMBERCHOICES& out)
{
    if (!type.pZero || !type.pPositive || !type.pNegative)
        return false;
    const std::string_view zero = type.pZero->strMask;
    if (zero.size() <= 8 || !StartsWith(zero, "_-") || !EndsWith(zero, "_-"))
        return false;
    std::string_view middle = zero.substr(2, zero.size() - 4);
    std::string_view zeroSymbol;
    if (!StartsWith(middle, "* ")) {
        zeroSymbol = middle.substr(0, 1);
        middle.remove_prefix(1);
    }
    if (!StartsWith(middle, "* "))
        return false;
    middle.remove_prefix(2);
    if (!StartsWith(middle, kQuotedMinus))
        return false;
    middle.remove_prefix(3);
    if (middle.find_first_not_of('?') != std::string_view::npos)
        return false;
    const int questionMarks = static_cast<int>(middle.size());

    std::string_view neg = type.pNegative->strMask;
    if (type.pPositive->strMask != "_" + std::string(neg))
        return false;
    if (neg.size() <= 5 || !EndsWith(neg, "_-") || !StartsWith(neg, "-"))
        return false;
    neg = neg.substr(1, neg.size() - 3);
    std::string_view negSymbol;
    if (!StartsWith(neg, "* 0")) {
        negSymbol = neg.substr(0, 1);
        neg.remove_prefix(1);
    }
    if (!StartsWith(neg, "* 0"))
        return false;
    neg.remove_prefix(3);
    int zeros = 0;
    if (!neg.empty()) {
        if (neg[0] != '.' || neg.find_first_not_of('0', 1) != std::string_view::npos)
            return false;
        zeros = static_cast<int>(neg.size()) - 1;
    }
    if (!IsPlainFormat(*type.pZero) || !IsPlainFormat(*type.pPositive) || !IsPlainFormat(*type.pNegative))
        return false;
    if (zeros != questionMarks || zeroSymbol != negSymbol)
        return false;
    out.category = kCategoryAccounting;
    out.decimals = zeros;
    out.useSymbol = !negSymbol.empty();
    out.style = 0;
    return true;
}

} // namespace

BUILTMASKS BuildMaskTexts(const NUMBERCHOICES& c, std::string_view symbol)
{
    BUILTMASKS out;
    std::string decimals = c.decimals > 0 ? "." + std::string(static_cast<size_t>(c.decimals), '0') : "";
    const std::string shownSymbol = c.useSymbol ? std::string(symbol) : "";
    if (c.category == kCategoryAccounting) {
        decimals += "_-";
        out.negative = "-" + shownSymbol + "* 0" + decimals;
        out.positive = "_" + out.negative;
        out.zero = "_-" + shownSymbol + "* " + kQuotedMinus + std::string(static_cast<size_t>(c.decimals), '?') + "_-";
        return out;
    }
    if (StyleIsSpaced(c.style))
        decimals += "_ ";
    const std::string integer = c.category == kCategoryCurrency ? shownSymbol + "0" : "0";
    out.positive = integer + decimals;
    out.negative = c.style == 1 ? out.positive : "-" + out.positive;
    return out;
}

void BuildMasks(NUMBERDATATYPE& type, const NUMBERCHOICES& choices, std::string_view symbol)
{
    const BUILTMASKS masks = BuildMaskTexts(choices, symbol);
    if (!type.pPositive)
        type.pPositive = std::make_unique<NUMBERFORMAT>();
    type.pPositive->SetMask(masks.positive);
    if (type.pNegative)
        type.pNegative->SetMask(masks.negative);
    if (type.pZero)
        type.pZero->SetMask(masks.zero);
}

void ApplySeparator(NUMBERDATATYPE& type, const NUMBERCHOICES& choices)
{
    const int32_t flag = choices.category == kCategoryNumber ? (choices.numberSeparator ? 1 : 0) : 1;
    for (NUMBERFORMAT* f : {type.pPositive.get(), type.pNegative.get(), type.pZero.get()})
        if (f)
            f->bThousands = flag;
}

void ApplyCategory(NUMBERDATATYPE& type, const NUMBERCHOICES& choices, std::string_view symbol)
{
    if (!type.pPositive)
        type.pPositive = std::make_unique<NUMBERFORMAT>();
    if (choices.category == kCategoryCustom) {
        // The custom controls edit all three formats.
        if (!type.pZero)
            type.pZero = std::make_unique<NUMBERFORMAT>(*type.pPositive);
        return;
    }
    if (!type.pPositive)
        type.pPositive = std::make_unique<NUMBERFORMAT>();
    if (!type.pNegative)
        type.pNegative = std::make_unique<NUMBERFORMAT>();
    if (choices.category == kCategoryAccounting) {
        type.pZero = std::make_unique<NUMBERFORMAT>();
        type.pZero->nScalePower = 0;
    }
    type.pPositive->nScalePower = 0;
    type.pNegative->nScalePower = 0;
    type.pPositive->crColour = kFieldColour;
    type.pNegative->crColour = StyleIsRed(choices.style) ? kNegativeRed : kFieldColour;
    if (choices.category != kCategoryAccounting)
        type.pZero.reset();
    BuildMasks(type, choices, symbol);
    ApplySeparator(type, choices);
}

NUMBERCHOICES RecogniseMasks(const NUMBERDATATYPE& type, std::string_view symbol)
{
    NUMBERCHOICES read;
    const bool found = ReadNumberOrCurrency(type, symbol, read) || ReadAccounting(type, read);
    if (!found || read.decimals > 9)
        return NUMBERCHOICES {};
    // Take the category only when choosing it again rebuilds these formats.
    NUMBERDATATYPE rebuilt;
    rebuilt.pPositive = CopyOf(type.pPositive);
    rebuilt.pNegative = CopyOf(type.pNegative);
    rebuilt.pZero = CopyOf(type.pZero);
    ApplyCategory(rebuilt, read, symbol);
    if (!SameFormat(rebuilt.pPositive.get(), type.pPositive.get())
        || !SameFormat(rebuilt.pNegative.get(), type.pNegative.get())
        || !SameFormat(rebuilt.pZero.get(), type.pZero.get()))
        return NUMBERCHOICES {};
    return read;
}

NUMBERCHOICES OpenNumberFormats(NUMBERDATATYPE& type, std::string_view symbol)
{
    const NUMBERCHOICES choices = RecogniseMasks(type, symbol);
    ApplyCategory(type, choices, symbol);
    return choices;
}
