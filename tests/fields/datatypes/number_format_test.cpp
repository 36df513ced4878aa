// The number masks: formatting through placeholders, literals, blanks,
// fills, powers and thousands; mask checking; number text read and written
// with '.' whatever the locale.
#include "forms/fields/datatypes/number_text.h"
#include "forms/fields/datatypes/numberformat.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <array>
#include <clocale>

namespace {

// Every character 10 twips wide, but digits 20, '.' 5, ',' 6 and ')' 7.
std::array<int16_t, 256> Widths()
{
    std::array<int16_t, 256> w;
    w.fill(10);
    for (char c = '0'; c <= '9'; ++c)
        w[static_cast<unsigned char>(c)] = 20;
    w['.'] = 5;
    w[','] = 6;
    w[')'] = 7;
    return w;
}

NUMBERFORMAT Mask(std::string_view mask, int16_t power = 0, bool thousands = false)
{
    NUMBERFORMAT f;
    f.SetMask(mask);
    f.nScalePower = power;
    f.bThousands = thousands ? 1 : 0;
    return f;
}

TEST(NumberFormat, MasksShowTheValueAsTheirPlaceholdersAndLiteralsSay)
{
    const auto w = Widths();
    struct Case {
        double v;
        NUMBERFORMAT mask;
        int32_t available;
        std::string text;
        std::vector<int> widths; // checked when given
    };
    const Case cases[] = {
        {1234567.891, Mask("#0.00", 0, true), -1, "1,234,567.89", {}},
        {3.5, Mask("?0.#0"), -1, " 3.5", {20, 20, 5, 20}},
        {3.5, Mask("0.0#"), -1, "3.50", {}},
        {3.0, Mask("0.#0"), -1, "3.", {}},
        {0.5, Mask("#.00"), -1, ".50", {}},
        {0.5, Mask("0.00"), -1, "0.50", {}},
        {12345, Mask("0"), -1, "12345", {}},
        {12345, Mask(".00"), -1, "12345.00", {}},
        {12.5, Mask("$0.00"), -1, "$12.50", {}},
        {-3, Mask("-0.00"), -1, "-3.00", {}},
        {0.25, Mask("0\"%\"", 2), -1, "25%", {}},
        {5, Mask("0_)"), -1, "5 ", {20, 7}},
        {1234, Mask("000000", 0, true), -1, "001,234", {}},
        {7, Mask("\xA3?0"), -1, "\xA3 7", {}},
        // A star fill takes what the width leaves, in whole copies.
        {5, Mask("*.0"), 100, std::string(16, '.') + "5", {}},
        {5, Mask("*.0"), 103, std::string(16, '.') + "5", {}},
        {5, Mask("*.0"), -1, "5", {20}},
        {5, Mask("*.0"), 10, "5", {}},
        // Masks from a file are never checked: nothing is read past them.
        {5, Mask("0_"), -1, "5", {}},
        {5, Mask("0*"), 100, "5", {}},
        {5, Mask("0\"ab"), -1, "5ab", {}},
        {1.25, Mask("0.0.0"), -1, "1.2.5", {}},
        {5, Mask("*x*y0"), 40, "xx5", {}},
        {5, Mask(""), -1, "5", {}},
    };
    for (const Case& c : cases) {
        std::string text;
        std::vector<int> widths;
        const int n = FormatNumber(c.v, &c.mask, w.data(), text, widths, c.available);
        EXPECT_EQ(text, c.text) << c.mask.strMask << " " << c.v;
        EXPECT_EQ(n, static_cast<int>(text.size()));
        ASSERT_EQ(widths.size(), text.size());
        if (!c.widths.empty()) {
            EXPECT_EQ(widths, c.widths) << c.mask.strMask;
        }
    }
    std::string text = "x";
    std::vector<int> widths {1};
    EXPECT_EQ(FormatNumber(0, nullptr, w.data(), text, widths), 0);
    EXPECT_TRUE(text.empty());
    EXPECT_TRUE(widths.empty());
}

TEST(NumberFormat, CheckingAMaskNamesItsFirstFault)
{
    const char* oddQuotes = "Mask must contain an even number of quotes.";
    const char* badChar = "Invalid mask character not in quotes.";
    const char* twoPoints = "Only one decimal place is allowed within a mask.";
    const char* twoStars = "Only one star is allowed within a mask.";
    const struct {
        const char* mask;
        const char* message; // null: taken
    } cases[] = {
        {"#,##0.00", badChar},
        {"0 0", badChar},
        {"0\"a", oddQuotes},
        {"0.0.0", twoPoints},
        {"*x*y0", twoStars},
        {"*\"x\"0", "Quotes are not allowed to immediately follow a star."},
        {"_\"x\"0", "Quotes are not allowed to follow an underscore."},
        {"0.0.0*a*b", twoPoints},
        {"$#0.00\" per unit\"", nullptr},
        {"-\xA3?0.0#_)", nullptr},
        {"*.0", nullptr},
        {"0_", nullptr},
    };
    for (const auto& c : cases) {
        std::string message = "unchanged";
        EXPECT_EQ(CheckNumberMask(c.mask, message), c.message ? 0 : 1) << c.mask;
        EXPECT_EQ(message, c.message ? c.message : "unchanged") << c.mask;
    }
}

TEST(NumberText, TheDecimalPointIsAlwaysAFullStop)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const std::string cNumeric = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");

    EXPECT_EQ(NumberToText(1234.5), "1234.5");
    EXPECT_EQ(NumberToText(-0.125, true), "-0.125%");
    EXPECT_EQ(NumberToText(2.0), "2");
    EXPECT_EQ(NumberToText(1.0 / 3.0), "0.3333333333");
    EXPECT_EQ(NumberToText(-1e-12), "0");
    EXPECT_EQ(TextToNumber(" 1,234.5 "), 1234.5);
    EXPECT_EQ(TextToNumber("-12.5%"), -12.5);
    EXPECT_EQ(TextToNumber("abc"), 0.0);
    EXPECT_EQ(TextToNumber(""), 0.0);
    EXPECT_EQ(FormatFixed(2147483647.0, 6), "2147483647.000000");
    EXPECT_EQ(FormatGeneral(1234567.0), "1.23457e+06");
    EXPECT_EQ(FormatGeneral(0.5), "0.5");

    std::setlocale(LC_NUMERIC, cNumeric.c_str());
    QLocale::setDefault(saved);
}

} // namespace
