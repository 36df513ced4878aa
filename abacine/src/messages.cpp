// The engine's string table.
#include "messages.h"

#include <cstring>

namespace abacine {
namespace {

const char* const kTexts[] = {
    "Binary Operator needs Numbers",
    "Choose needs same parameters ",
    "Parameters of function must be numeric (or convertable to a number)",
    "TRUE and FALSE values of IF need to be of the same type",
    "Calculation references a field that does not exist",
    "What follows a Unary operator (+,- or #NOT#) must be convertable to a number",
    "This formula contains a Circular Reference",
    "Unknown error",
    "No formula supplied",
    "Error",
    "Calculation cannot end with an operator such as +,- etc..",
    "Calculation is invalid or corrupt",
    "Not Applicable",
    "This calculation is too big to store",
    "Floating point overflow",
    "A function contains incorrect parameter types",
    "Too many digits in number",
    "Brackets in calculation do not balance",
    "Brackets in calculation do not balance",
    "Calculation is invalid",
    "Out of memory",
    "Calculation references a field that does not exist",
    "A function has an incorrect number of parameters",
    "Invalid range in table",
    "Types must be the same for a comparison",
    "Choose function needs numeric index",
    "Choose function needs at least two parameters",
    "Concatenation requires Strings",
    "!invalid field!",
    "!invalid range!",
    "Formula string exceeds 1000 bytes",
};

constexpr int kFirstID = 36001;
constexpr int kTextCount = sizeof(kTexts) / sizeof(kTexts[0]);

} // namespace

const char* MessageText(int id)
{
    if (id < kFirstID || id >= kFirstID + kTextCount)
        return "";
    return kTexts[id - kFirstID];
}

void LoadMessage(int id, char* out, std::size_t size)
{
    if (!out || size == 0)
        return;
    const char* text = MessageText(id);
    std::size_t n = std::strlen(text);
    if (n > size - 1)
        n = size - 1;
    std::memcpy(out, text, n);
    out[n] = '\0';
}

} // namespace abacine
