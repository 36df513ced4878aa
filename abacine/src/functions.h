// The built-in functions, by family: each takes its arguments in the order
// they were written and answers its result; a failure is an error value
// (100 division by zero, 101 argument outside the function's domain).
#pragma once

#include "Abacine.h"
#include "eval_stack.h"

#include <cstdint>
#include <vector>

namespace abacine {

constexpr uint16_t kDivisionByZero = 100;
constexpr uint16_t kOutOfDomain = 101;

// The engine's value of pi (bit pattern 0x400921FB54442D1A).
double EnginePi();

// ABS to TAN, DEGREES, RADIANS.
Value MathFunction(uint16_t token, const std::vector<Value>& args);
// CTERM to TERM.
Value FinancialFunction(uint16_t token, const std::vector<Value>& args);
// DATE to YEAR.
Value DateFunction(uint16_t token, const std::vector<Value>& args);
class RangeCache;

// AVG, MAX, MIN, STD, SUM, VAR; range cells come through the cache.
Value ListFunction(RangeCache& ranges, uint16_t token, const std::vector<Value>& args);
// CHOOSE, IF, ISERR, ERR, TRUE, FALSE, CONCATENATE.
Value ChoiceFunction(uint16_t token, const std::vector<Value>& args);

} // namespace abacine
