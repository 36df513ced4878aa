#include "forms/dialogs/appearance/typed_number.h"

#include <charconv>

namespace {

std::string_view SkipBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    return text;
}

// The number and the text after it; ok false when no number starts there.
struct Read {
    double value = 0;
    std::string_view rest;
    bool ok = false;
};

Read ReadNumber(std::string_view text)
{
    text = SkipBlanks(text);
    Read read;
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    const auto [end, error]
        = std::from_chars(digits.data(), digits.data() + digits.size(), read.value, std::chars_format::fixed);
    if (error != std::errc()) {
        read.value = 0;
        read.rest = text;
        return read;
    }
    read.ok = true;
    read.rest = std::string_view(end, static_cast<size_t>(digits.data() + digits.size() - end));
    return read;
}

} // namespace

double LeadingNumber(std::string_view text)
{
    return ReadNumber(text).value;
}

double WholeNumber(std::string_view text)
{
    const Read read = ReadNumber(text);
    if (!read.ok || !SkipBlanks(read.rest).empty())
        return 0;
    return read.value;
}
