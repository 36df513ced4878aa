// The number format page's categories without widgets: the masks each
// builds, the thousands flags, and the recognition of every built shape
// (and of shapes that only look like one, which must open as Custom and
// stay exactly as they are).
#include "forms/dialogs/data/number_masks.h"
#include "forms/fields/datatypes/numberdatatype.h"
#include "tests/fields/datatypes/datatype_test_support.h"

#include <gtest/gtest.h>

namespace {

NUMBERFORMAT Format(std::string mask, int16_t scale = 0, int32_t thousands = 0, uint32_t colour = kFieldColour)
{
    NUMBERFORMAT f;
    f.strMask = std::move(mask);
    f.nScalePower = scale;
    f.bThousands = thousands;
    f.crColour = colour;
    return f;
}

std::unique_ptr<NUMBERDATATYPE> Numbers(
    NUMBERFORMAT positive, NUMBERFORMAT negative, std::optional<NUMBERFORMAT> zero = std::nullopt)
{
    auto type = std::make_unique<NUMBERDATATYPE>();
    type->pPositive = std::make_unique<NUMBERFORMAT>(positive);
    type->pNegative = std::make_unique<NUMBERFORMAT>(negative);
    if (zero)
        type->pZero = std::make_unique<NUMBERFORMAT>(*zero);
    return type;
}

TEST(NumberMasks, BuiltShapes)
{
    struct Case {
        NUMBERCHOICES choices;
        std::string symbol;
        const char* positive;
        const char* negative;
        const char* zero;
    };
    const Case cases[] = {
        {{kCategoryNumber, 0, true, true, 0}, "$", "0", "-0", ""},
        {{kCategoryNumber, 0, true, true, 1}, "$", "0", "0", ""},
        {{kCategoryNumber, 0, true, true, 2}, "$", "0_ ", "-0_ ", ""},
        {{kCategoryNumber, 0, true, true, 3}, "$", "0_ ", "-0_ ", ""},
        {{kCategoryNumber, 2, true, true, 0}, "$", "0.00", "-0.00", ""},
        {{kCategoryNumber, 2, true, true, 1}, "$", "0.00", "0.00", ""},
        {{kCategoryNumber, 2, true, true, 2}, "$", "0.00_ ", "-0.00_ ", ""},
        {{kCategoryNumber, 2, true, true, 3}, "$", "0.00_ ", "-0.00_ ", ""},
        {{kCategoryCurrency, 0, true, true, 0}, "$", "$0", "-$0", ""},
        {{kCategoryCurrency, 0, false, true, 0}, "$", "0", "-0", ""},
        {{kCategoryAccounting, 2, true, true, 0}, "$", "_-$* 0.00_-", "-$* 0.00_-", "_-$* \"-\"??_-"},
        {{kCategoryAccounting, 0, false, true, 0}, "$", "_-* 0_-", "-* 0_-", "_-* \"-\"_-"},
    };
    for (const Case& c : cases) {
        const BUILTMASKS m = BuildMaskTexts(c.choices, c.symbol);
        EXPECT_EQ(m.positive, c.positive) << c.positive;
        EXPECT_EQ(m.negative, c.negative) << c.positive;
        EXPECT_EQ(m.zero, c.zero) << c.positive;
    }
}

TEST(NumberMasks, CategoriesSetFormatsAndSeparators)
{
    // Number style 1 gives equal masks with a red negative; Accounting
    // always sets the thousands flag of all three formats.
    auto type = Numbers(Format("#", 2, 0, 0x123456), Format("#", 2, 0));
    NUMBERCHOICES number {kCategoryNumber, 2, true, false, 1};
    ApplyCategory(*type, number, "$");
    EXPECT_EQ(type->pPositive->strMask, "0.00");
    EXPECT_EQ(type->pNegative->strMask, "0.00");
    EXPECT_EQ(type->pNegative->crColour, kNegativeRed);
    EXPECT_EQ(type->pPositive->crColour, kFieldColour);
    EXPECT_EQ(type->pPositive->nScalePower, 0);
    EXPECT_EQ(type->pPositive->bThousands, 0);
    EXPECT_FALSE(type->pZero);

    NUMBERCHOICES accounting {kCategoryAccounting, 2, true, false, 0};
    ApplyCategory(*type, accounting, "$");
    ASSERT_TRUE(type->pZero);
    for (NUMBERFORMAT* f : {type->pPositive.get(), type->pNegative.get(), type->pZero.get()})
        EXPECT_EQ(f->bThousands, 1);
    EXPECT_EQ(type->pNegative->crColour, kFieldColour);

    ApplyCategory(*type, NUMBERCHOICES {kCategoryCurrency, 0, true, false, 0}, "$");
    EXPECT_FALSE(type->pZero);
    EXPECT_EQ(type->pPositive->bThousands, 1);
}

TEST(NumberMasks, EveryBuiltShapeIsRecognisedBack)
{
    std::vector<std::pair<NUMBERCHOICES, std::string>> built;
    for (int d : {0, 2, 9})
        for (int style = 0; style < 4; ++style) {
            for (bool separator : {false, true})
                built.push_back({{kCategoryNumber, d, true, separator, style}, "$"});
            built.push_back({{kCategoryCurrency, d, true, true, style}, "$"});
        }
    for (int d : {0, 2})
        for (bool symbol : {false, true}) {
            built.push_back({{kCategoryAccounting, d, symbol, true, 0}, "$"});
            built.push_back({{kCategoryAccounting, d, symbol, true, 0}, "\xA3"});
        }
    for (const auto& [choices, symbol] : built) {
        NUMBERDATATYPE type;
        type.InitialiseValue();
        ApplyCategory(type, choices, symbol);
        const NUMBERCHOICES read = RecogniseMasks(type, symbol);
        EXPECT_EQ(read.category, choices.category) << type.pPositive->strMask;
        EXPECT_EQ(read.decimals, choices.decimals) << type.pPositive->strMask;
        EXPECT_EQ(read.style, choices.style) << type.pPositive->strMask;
        if (choices.category == kCategoryNumber)
            EXPECT_EQ(read.numberSeparator, choices.numberSeparator) << type.pPositive->strMask;
        else
            EXPECT_EQ(read.useSymbol, choices.useSymbol) << type.pPositive->strMask;
    }
}

TEST(NumberMasks, LookalikesOpenAsCustomUnchanged)
{
    const NUMBERCHOICES custom {};
    struct Case {
        const char* why;
        std::unique_ptr<NUMBERDATATYPE> type;
    };
    Case cases[] = {
        // A percentage mask whose negative is the positive less nothing.
        {"prescaled", Numbers(Format("#,##0.00", 2, 1), Format("#,##0.00", 2, 1, kNegativeRed))},
        {"own mask, sign-dropped", Numbers(Format("#,##0.00", 0, 1), Format("-#,##0.00", 0, 1))},
        {"green negative", Numbers(Format("0.00"), Format("0.00", 0, 0, 0x0000FF00))},
        {"coloured positive", Numbers(Format("0.00", 0, 0, kNegativeRed), Format("-0.00"))},
        {"style 0 without sign", Numbers(Format("0.00"), Format("0.00"))},
        {"ten decimals", Numbers(Format("0.0000000000"), Format("-0.0000000000"))},
        {"currency without thousands", Numbers(Format("$0"), Format("-$0"))},
        {"two-letter accounting",
            Numbers(Format("_-kr* 0.00_-", 0, 1), Format("-kr* 0.00_-", 0, 1), Format("_-kr* \"-\"??_-", 0, 1))},
        {"accounting question marks short",
            Numbers(Format("_-$* 0.00_-", 0, 1), Format("-$* 0.00_-", 0, 1), Format("_-$* \"-\"?_-", 0, 1))},
    };
    for (Case& c : cases) {
        auto before = c.type->Clone();
        const auto& was = static_cast<const NUMBERDATATYPE&>(*before);
        EXPECT_EQ(OpenNumberFormats(*c.type, "$"), custom) << c.why;
        for (auto [now, then] : {std::pair {c.type->pPositive.get(), was.pPositive.get()},
                 std::pair {c.type->pNegative.get(), was.pNegative.get()}}) {
            EXPECT_EQ(now->strMask, then->strMask) << c.why;
            EXPECT_EQ(now->nScalePower, then->nScalePower) << c.why;
            EXPECT_EQ(now->bThousands, then->bThousands) << c.why;
            EXPECT_EQ(now->crColour, then->crColour) << c.why;
        }
        if (was.pZero) {
            EXPECT_EQ(c.type->pZero->strMask, was.pZero->strMask) << c.why;
        }
    }
}

TEST(NumberMasks, CurrencySymbolComesFromWinIni)
{
    ScopedWinIni ini("[Intl]\nsCurrency=\xC2\xA3\n");
    const std::string pound = CurrencySymbol();
    ASSERT_EQ(pound, "\xA3");
    auto accounting
        = Numbers(Format("_-\xA3* 0.00_-", 0, 1), Format("-\xA3* 0.00_-", 0, 1), Format("_-\xA3* \"-\"??_-", 0, 1));
    const NUMBERCHOICES read = RecogniseMasks(*accounting, pound);
    EXPECT_EQ(read.category, kCategoryAccounting);
    EXPECT_EQ(read.decimals, 2);
    EXPECT_TRUE(read.useSymbol);
    // The same shape under "$" is another currency's: Custom.
    EXPECT_EQ(RecogniseMasks(*accounting, "$").category, kCategoryCustom);
}

} // namespace
