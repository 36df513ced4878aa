// Writing a number of formula code back as text.
#pragma once

#include <string>

namespace abacine {

// The number laid out as twenty-significant-digit general format lays it out
// (fixed for exponents from -5 to 19, else exponent form), with the fewest
// digits that read back as the same double and no trailing point:
// 2.5 gives "2.5", 12 gives "12", 1e25 gives "1e+25".
std::string NumberText(double value);

} // namespace abacine
