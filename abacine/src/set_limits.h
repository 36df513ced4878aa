// Limits that the formula set keeps to.
#pragma once

namespace abacine {

// The list's count is 16 bits wide and signed.
constexpr int kMaxFormulas = 32767;

} // namespace abacine
