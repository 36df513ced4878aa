// The string-table texts that field values show: error markers, rule
// operators and messages, and the filling-in of a message's one number.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Error markers shown instead of a value.
constexpr uint16_t kErrMarker = 400; // "!err!"
constexpr uint16_t kDiv0Marker = 401; // "!div0!"
constexpr uint16_t kDateMarker = 402; // "!date!"

// Rule operators: each is the string id of its text.
constexpr uint16_t kRuleNone = 0;
constexpr uint16_t kRuleEqual = 299;
constexpr uint16_t kRuleGreater = 300;
constexpr uint16_t kRuleLess = 301;
constexpr uint16_t kRuleGreaterEqual = 302;
constexpr uint16_t kRuleLessEqual = 303;
constexpr uint16_t kRuleContains = 304;
constexpr uint16_t kRuleBlank = 305;
constexpr uint16_t kRuleBetween = 306;

// Messages.
constexpr uint16_t kBadDateText = 197;
constexpr uint16_t kTextTooLong = 280;
constexpr uint16_t kBadBetween = 381;
constexpr uint16_t kTextWord = 393; // "Text "
constexpr uint16_t kCannotBe = 396;
constexpr uint16_t kMustBe = 397;
constexpr uint16_t kAndWord = 398;
constexpr uint16_t kTooManyDecimals = 403;
constexpr uint16_t kBadNumberChar = 404;
constexpr uint16_t kTwoPoints = 405;
constexpr uint16_t kTooManyDigits = 406;
constexpr uint16_t kNoPercent = 407;
constexpr uint16_t kColumnNotInteger = 408;
constexpr uint16_t kColumnTooSmall = 409;
constexpr uint16_t kColumnTooLarge = 410;
constexpr uint16_t kColumnScale = 411;
constexpr uint16_t kMaskOddQuotes = 488;
constexpr uint16_t kMaskBadChar = 489;
constexpr uint16_t kMaskTwoPoints = 490;
constexpr uint16_t kMaskTwoStars = 491;
constexpr uint16_t kMaskQuoteAfterStar = 492;
constexpr uint16_t kMaskQuoteAfterUnderscore = 493;
constexpr uint16_t kQuoteText = 147; // one double quote

// The text of a string id.
std::string LoadText(uint16_t id);
// The text of an error marker id; "!err!" when the id has no text.
std::string MarkerText(uint16_t id);
// The message with its first "%f", "%d" or "%s" replaced by the value text.
std::string FillMessage(std::string_view message, std::string_view value);

// Whether the operator compares against values (299 to 303 and 306).
bool IsComparingRule(uint16_t op);
// The outcome of a rule given the comparison of the value with the first
// (and, for "Between ", the second) rule value: c1 and c2 are negative,
// 0 or positive as the value is below, equal to or above it; empty says
// whether there is no value. The negate flag inverts every rule but none.
bool RulePasses(uint16_t op, int negate, int c1, int c2, bool empty);
// The refusal message: the kind word ("Number ", "Text "), "Must Be " or
// "Cannot Be ", the operator text and the quoted value or values.
std::string RuleMessage(
    std::string_view kindWord, uint16_t op, int negate, std::string_view value1, std::string_view value2);
