// The table of built-in functions: token, parameter count and name.
#pragma once

#include <cstdint>

namespace abacine {

// Parameter count of functions that take any number (at least one).
constexpr uint16_t kAnyCount = 10000;
constexpr int kFunctionCount = 50;

struct FunctionEntry {
    uint16_t token;
    uint16_t params;
    const char* name; // with its opening bracket
};

// Entry 0 is the bracket, 1 to 50 the built-in functions.
const FunctionEntry* FunctionAt(int index);
const FunctionEntry* FunctionOfToken(uint16_t token);
// The first entry whose name starts text (letters a-z of text read as upper case).
int FunctionIndexAt(const char* text);
// Whether count arguments suit the function.
bool AcceptsCount(const FunctionEntry& f, uint16_t count);

} // namespace abacine
