#include "forms/dialogs/designer/edit_number.h"

#include "forms/fields/datatypes/number_text.h"

#include "forms/res/program_resources.h"

#include <cstdlib>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Replaces "%1" and "%2" in the framework's message.
std::string Fill(std::string text, const std::string& first, const std::string& second)
{
    for (const auto& [marker, value] : {std::pair {"%1", first}, std::pair {"%2", second}})
        if (const size_t at = text.find(marker); at != std::string::npos)
            text.replace(at, 2, value);
    return text;
}

} // namespace

std::optional<double> ParseNumberText(std::string_view text)
{
    std::string kept(text.substr(0, 32));
    size_t first = 0;
    while (first < kept.size() && IsBlank(kept[first]))
        ++first;
    size_t last = kept.size();
    while (last > first && IsBlank(kept[last - 1]))
        --last;
    const std::string number = kept.substr(first, last - first);
    if (number.empty())
        return std::nullopt;
    // Decimal notation only: no hexadecimal, infinity or not-a-number.
    for (const char c : number)
        if (!((c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E'))
            return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(number.c_str(), &end);
    if (end != number.c_str() + number.size())
        return std::nullopt;
    if (value == 0 && number[0] != '0')
        return std::nullopt;
    return value;
}

std::string RangeMessage(double least, double most)
{
    return Fill(ProgramResources().LoadString(kEnterANumberBetween), FormatGeneral(least), FormatGeneral(most));
}
