// Fetching a field's value from the host as an evaluator value.
#pragma once

#include "Abacine.h"
#include "eval_stack.h"

#include <cstdint>
#include <string>

namespace abacine {

// The field's value (request kFieldValue); text comes without its inline format codes.
Value FetchField(const FORMULA_SET& set, uint16_t id);

// At most 500 bytes of text with the escape-delimited format codes left out.
std::string StripFormatCodes(const char* text);

} // namespace abacine
