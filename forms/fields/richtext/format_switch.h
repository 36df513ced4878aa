// The codes that switch the format in force from one character format to
// another, written field by field in a given order.
#pragma once

#include "forms/model/textattr.h"

#include <string>
#include <string_view>

// Orders of the fields: 'B' bold, 'I' italic, 'U' underline, '/' the third
// style flag, 'P' size, 'T' typeface, 'c' colour ('r' 'g' 'b', or 'd' for
// the default colour).
inline constexpr std::string_view kSwitchOrder = "BIPcT/U"; // a typed format switch
inline constexpr std::string_view kNormalOrder = "BIU/PTc"; // a normalised run
inline constexpr std::string_view kLeadOrder = "TPBIU/c"; // the clipboard's lead run

// A code for every field that differs between the two formats, in order.
std::string SwitchCodes(const TEXTATTR& from, const TEXTATTR& to, std::string_view order);

// Whether the code letter sets one of the fields that are not mixed in attr.
bool SetsFieldOf(char letter, const TEXTATTR& attr);

// Every field that differs between the two becomes mixed in common.
void MarkDifferingMixed(TEXTATTR& common, const TEXTATTR& other);
