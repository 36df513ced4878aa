// The validation page's operator list and what leaving the page stores:
// the rule a data type had is kept when the user touched none of the
// rule's controls, so a rule the list cannot show ("Contains", "Blank")
// survives a visit to the page.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

constexpr uint16_t kRuleBetween = 306;
constexpr std::array<uint16_t, 6> kRuleOperators = {299, 306, 300, 301, 302, 303};

// The list position showing the operator: 0 for no rule, -1 (nothing
// selected) for an operator the list does not offer.
int RuleOperatorPosition(uint16_t op);
