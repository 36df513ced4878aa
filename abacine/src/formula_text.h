// Turning token code back into formula text.
#pragma once

#include "Abacine.h"

#include <string>

namespace abacine {

constexpr std::size_t kMaxFormulaText = 1023;

// The formula's text, or false with the message id in error when code is
// unsound or the text would pass 1023 characters.
bool FormulaText(const FORMULA& formula, std::string& text, int& error);

} // namespace abacine
