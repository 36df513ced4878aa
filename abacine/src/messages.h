// The engine's own string table: message ids 36001 to 36031 and their texts.
#pragma once

#include <cstddef>

namespace abacine {

constexpr int kMsgBinaryNeedsNumbers = 36001;
constexpr int kMsgParametersNumeric = 36003;
constexpr int kMsgMissingField = 36005;
constexpr int kMsgUnaryNeedsNumber = 36006;
constexpr int kMsgCircularReference = 36007;
constexpr int kMsgErr = 36010;
constexpr int kMsgEndsWithOperator = 36011;
constexpr int kMsgCorrupt = 36012;
constexpr int kMsgTooBig = 36014;
constexpr int kMsgOverflow = 36015;
constexpr int kMsgParameterTypes = 36016;
constexpr int kMsgUnbalancedClose = 36018;
constexpr int kMsgUnbalancedOpen = 36019;
constexpr int kMsgInvalid = 36020;
constexpr int kMsgOutOfMemory = 36021;
constexpr int kMsgParameterCount = 36023;
constexpr int kMsgComparisonTypes = 36025;
constexpr int kMsgChooseTooFew = 36027;
constexpr int kMsgConcatNeedsText = 36028;
constexpr int kMsgInvalidField = 36029;
constexpr int kMsgInvalidRange = 36030;
constexpr int kMsgTextTooLong = 36031;

// The text of a message id, or an empty text for an unknown id.
const char* MessageText(int id);

// Copies the message's text into out, at most size bytes with the NUL.
void LoadMessage(int id, char* out, std::size_t size);

} // namespace abacine
