// How tests print a rectangle: its four edges.
#pragma once

#include "platform/gdi/types.h"

#include <ostream>

namespace gdi {
inline void PrintTo(const RECT& r, std::ostream* os)
{
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
} // namespace gdi
