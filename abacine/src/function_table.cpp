// The function table.
#include "function_table.h"

#include "tokens.h"

namespace abacine {
namespace {

const FunctionEntry kTable[kFunctionCount + 1] = {
    {kBracket, 1, "("},
    {kAvg, kAnyCount, "AVG("},
    {kMax, kAnyCount, "MAX("},
    {kMin, kAnyCount, "MIN("},
    {kStd, kAnyCount, "STD("},
    {kSum, kAnyCount, "SUM("},
    {kVar, kAnyCount, "VAR("},
    {kDate, 3, "DATE("},
    {kDay, 1, "DAY("},
    {kHour, 1, "HOUR("},
    {kMinute, 1, "MINUTE("},
    {kMonth, 1, "MONTH("},
    {kNow, 0, "NOW("},
    {kSecond, 1, "SECOND("},
    {kTime, 3, "TIME("},
    {kYear, 1, "YEAR("},
    {kAbs, 1, "ABS("},
    {kAcos, 1, "ACOS("},
    {kAsin, 1, "ASIN("},
    {kAtan2, 2, "ATAN2("},
    {kAtan, 1, "ATAN("},
    {kCos, 1, "COS("},
    {kExp, 1, "EXP("},
    {kInt, 1, "INT("},
    {kLn, 1, "LN("},
    {kLog, 1, "LOG("},
    {kMod, 2, "MOD("},
    {kPi, 0, "PI("},
    {kRand, 0, "RAND("},
    {kRound, 2, "ROUND("},
    {kSin, 1, "SIN("},
    {kSqrt, 1, "SQRT("},
    {kTan, 1, "TAN("},
    {kCterm, 3, "CTERM("},
    {kDdb, 4, "DDB("},
    {kFv, 3, "FV("},
    {kPmt, 3, "PMT("},
    {kPv, 3, "PV("},
    {kRate, 3, "RATE("},
    {kSln, 3, "SLN("},
    {kSyd, 4, "SYD("},
    {kTerm, 3, "TERM("},
    {kChoose, kAnyCount, "CHOOSE("},
    {kErr, 0, "ERR("},
    {kFalse, 0, "FALSE("},
    {kIsErr, 1, "ISERR("},
    {kTrue, 0, "TRUE("},
    {kIf, 3, "IF("},
    {kDegrees, 1, "DEGREES("},
    {kRadians, 1, "RADIANS("},
    {kConcatenate, kAnyCount, "CONCATENATE("},
};

bool StartsWithName(const char* text, const char* name)
{
    for (; *name; ++name, ++text) {
        char c = *text;
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c != *name)
            return false;
    }
    return true;
}

} // namespace

const FunctionEntry* FunctionAt(int index)
{
    if (index < 0 || index > kFunctionCount)
        return nullptr;
    return &kTable[index];
}

const FunctionEntry* FunctionOfToken(uint16_t token)
{
    for (const FunctionEntry& f : kTable)
        if (f.token == token)
            return &f;
    return nullptr;
}

int FunctionIndexAt(const char* text)
{
    if (!text)
        return -1;
    for (int i = 0; i <= kFunctionCount; ++i)
        if (StartsWithName(text, kTable[i].name))
            return i;
    return -1;
}

bool AcceptsCount(const FunctionEntry& f, uint16_t count)
{
    return f.params == kAnyCount ? count >= 1 : count == f.params;
}

} // namespace abacine
