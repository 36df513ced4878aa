// Token values of compiled formula code and the reads of their operands.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace abacine {

enum Token : uint16_t {
    kUnaryPlus = 0xCC01,
    kUnaryMinus = 0xCC02,
    kNot = 0xCC03,

    kGreaterEqual = 0xCC11,
    kLessEqual = 0xCC12,
    kNotEqual = 0xCC13,
    kPower = 0xCC14,
    kAdd = 0xCC15,
    kSubtract = 0xCC16,
    kMultiply = 0xCC17,
    kDivide = 0xCC18,
    kEqual = 0xCC19,
    kLess = 0xCC1A,
    kGreater = 0xCC1B,
    kOr = 0xCC1C,
    kAnd = 0xCC1D,
    kConcat = 0xCC1E,

    kEnd = 0xCC31,
    kCloseBracket = 0xCC32,
    kComma = 0xCC33,

    kNumber = 0xCC41,
    kText = 0xCC42,
    kField = 0xCC43,
    kRange = 0xCC44,
    kPercent = 0xCC46,

    kBracket = 0xCC51,
    kDate = 0xCC52,
    kDay = 0xCC53,
    kHour = 0xCC54,
    kMinute = 0xCC55,
    kMonth = 0xCC56,
    kNow = 0xCC57,
    kSecond = 0xCC58,
    kTime = 0xCC59,
    kYear = 0xCC5A,
    kAbs = 0xCC5B,
    kAcos = 0xCC5C,
    kAsin = 0xCC5D,
    kAtan2 = 0xCC5E,
    kAtan = 0xCC5F,
    kCos = 0xCC60,
    kExp = 0xCC61,
    kInt = 0xCC62,
    kLn = 0xCC63,
    kLog = 0xCC64,
    kMod = 0xCC65,
    kPi = 0xCC66,
    kRand = 0xCC67,
    kRound = 0xCC68,
    kSin = 0xCC69,
    kSqrt = 0xCC6A,
    kTan = 0xCC6B,
    kCterm = 0xCC6C,
    kDdb = 0xCC6D,
    kFv = 0xCC6E,
    kPmt = 0xCC6F,
    kPv = 0xCC70,
    kRate = 0xCC71,
    kSln = 0xCC72,
    kSyd = 0xCC73,
    kTerm = 0xCC74,
    kAvg = 0xCC75,
    kMax = 0xCC77,
    kMin = 0xCC78,
    kStd = 0xCC79,
    kSum = 0xCC7A,
    kVar = 0xCC7B,
    kChoose = 0xCC7C,
    kErr = 0xCC7D,
    kFalse = 0xCC7F,
    kIsErr = 0xCC80,
    kTrue = 0xCC82,
    kIf = 0xCC83,
    kDegrees = 0xCC84,
    kRadians = 0xCC85,
    kConcatenate = 0xCC86,
};

// Code never grows beyond what the compiler's buffer holds.
constexpr std::size_t kMaxCodeLength = 512;

inline bool IsUnary(uint16_t t)
{
    return t >= kUnaryPlus && t <= kNot;
}
inline bool IsBinary(uint16_t t)
{
    return t >= kGreaterEqual && t <= kConcat;
}
inline bool IsComparison(uint16_t t)
{
    return t == kGreaterEqual || t == kLessEqual || t == kNotEqual || t == kEqual || t == kLess || t == kGreater;
}

inline uint16_t ReadU16(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
inline uint32_t ReadU32(const uint8_t* p)
{
    return ReadU16(p) | (static_cast<uint32_t>(ReadU16(p + 2)) << 16);
}
inline double ReadDouble(const uint8_t* p)
{
    uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | p[i];
    return std::bit_cast<double>(bits);
}

} // namespace abacine
