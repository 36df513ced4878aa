// Fuzzes the number format page's rules: arbitrary masks, flags, prescales
// and colours go through recognition, the opening's category change, mask
// building and the sample formatting. A recognised category must give the
// formats back unchanged, and Custom must leave them as they were.
#include "forms/dialogs/data/number_masks.h"
#include "forms/dialogs/data/number_sample.h"
#include "forms/fields/datatypes/numberdatatype.h"
#include "tests/common/fuzz_input.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using Input = FuzzInput;

std::unique_ptr<NUMBERFORMAT> Format(Input& in)
{
    auto f = std::make_unique<NUMBERFORMAT>();
    f->strMask = std::string(in.Text());
    f->nScalePower = static_cast<int16_t>(in.Take<uint8_t>() % 3);
    f->bThousands = in.Take<uint8_t>() % 2;
    const uint8_t colour = in.Take<uint8_t>() % 3;
    f->crColour = colour == 0 ? kFieldColour : colour == 1 ? kNegativeRed : 0x00123456;
    return f;
}

bool Same(const NUMBERFORMAT* a, const NUMBERFORMAT* b)
{
    if (!a || !b)
        return a == b;
    return a->strMask == b->strMask && a->nScalePower == b->nScalePower && a->bThousands == b->bThousands
        && a->crColour == b->crColour;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Input in {data, size};
    const std::string symbol = (in.Take<uint8_t>() & 1) ? "$" : "\xA3";
    NUMBERDATATYPE type;
    type.pPositive = Format(in);
    type.pNegative = Format(in);
    if (in.Take<uint8_t>() & 1)
        type.pZero = Format(in);
    auto before = type.Clone();
    const auto& was = static_cast<const NUMBERDATATYPE&>(*before);
    const NUMBERCHOICES choices = OpenNumberFormats(type, symbol);
    if (!Same(type.pPositive.get(), was.pPositive.get()) || !Same(type.pNegative.get(), was.pNegative.get()))
        std::abort();
    if (was.pZero && !Same(type.pZero.get(), was.pZero.get()))
        std::abort();
    if (choices.category != kCategoryCustom && choices.decimals > 9)
        std::abort();
    for (double v : {kSamplePositive, kSampleNegative, kSampleZero})
        FormatSample(type, v, 0);

    // Choices built and recognised again.
    NUMBERCHOICES built;
    built.category = in.Take<uint8_t>() % 4;
    built.decimals = in.Take<uint8_t>() % 10;
    built.useSymbol = in.Take<uint8_t>() & 1;
    built.numberSeparator = in.Take<uint8_t>() & 1;
    built.style = built.category == kCategoryAccounting ? 0 : in.Take<uint8_t>() % 4;
    if (built.category == kCategoryCustom)
        return 0;
    NUMBERDATATYPE fresh;
    fresh.InitialiseValue();
    ApplyCategory(fresh, built, symbol);
    const NUMBERCHOICES read = RecogniseMasks(fresh, symbol);
    if (read.decimals != built.decimals || read.style != built.style)
        std::abort();
    for (int style = 0; style < 4; ++style)
        StyleSample(built, style, symbol, 0);
    return 0;
}
