// The id of the default printer: the program's first printer, whose
// character widths lay text out wherever the drawing context does not tie it
// to a page's printer.
#pragma once

#include <cstdint>

constexpr uint16_t kDefaultPrinterId = 991;
