// Style entry texts ("BOX: Red": the kind's word, ": " and the style's
// name), their parsing, and the rule every new style name follows. One
// formatter and one parser serve the Style Manager and the style box.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// String ids of the name check.
inline constexpr uint16_t kStyleNameEmpty = 115;
inline constexpr uint16_t kStyleExists = 116;
inline constexpr uint16_t kStyleNameCharacters = 117;
inline constexpr uint16_t kStyleNameFirstLetter = 118;
inline constexpr uint16_t kStyleKindNotBuilt = 119;
// The longest name the name edits take.
inline constexpr int kStyleNameLimit = 35;

// The kind's word (strings 602-615); empty for a type without one.
std::string StyleTypeWord(uint8_t type);
// The kind's word, ": " and the name; ":" and the name for a type without
// a word.
std::string FormatStyleName(uint8_t type, std::string_view name);
// The type whose word is the text before the first ':' (exact case); 0
// when there is no ':' or no such word.
uint8_t TypeFromStyleName(std::string_view entry);
// The text from two characters after the first ':'; empty when the entry
// ends before that or has no ':'.
std::string StyleNameWithoutType(std::string_view entry);
// Drops trailing blanks, checks the name (0, or the string id of the
// refusal: 115 empty, 118 not starting with a letter, 117 other than
// letters, digits and '_') and stores it with its first letter upper case
// and the rest lower case.
uint16_t NormaliseStyleName(std::string& name);
