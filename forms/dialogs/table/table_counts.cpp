#include "forms/dialogs/table/table_counts.h"

#include <algorithm>
#include <limits>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

int TableCountLimit(int pageLargest)
{
    return std::max(1, std::min(kMostTableCount, pageLargest));
}

std::optional<int> ParseWholeNumber(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    constexpr long long kLargest = std::numeric_limits<int>::max();
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = std::min(value * 10 + (c - '0'), kLargest + 1);
    }
    if (negative)
        return static_cast<int>(std::max(-value, -kLargest - 1));
    return static_cast<int>(std::min(value, kLargest));
}
