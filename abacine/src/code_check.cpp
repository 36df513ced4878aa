// Checking and walking compiled code.
#include "code_check.h"

#include "function_table.h"
#include "tokens.h"

#include <cstring>

namespace abacine {
namespace {

// Size of the operand bytes after token t at p, or -1 when they do not fit
// before end or t is no token.
long OperandSize(uint16_t t, const uint8_t* p, const uint8_t* end)
{
    const long avail = end - p;
    long size;
    switch (t) {
    case kNumber:
    case kPercent:
        size = 8;
        break;
    case kField:
        size = 2;
        break;
    case kRange:
        size = 4;
        break;
    case kText: {
        const void* nul = std::memchr(p, 0, static_cast<std::size_t>(avail));
        if (!nul)
            return -1;
        size = static_cast<const uint8_t*>(nul) - p + 1;
        break;
    }
    default:
        if (IsUnary(t) || IsBinary(t) || t == kEnd)
            size = 0;
        else if (FunctionOfToken(t))
            size = 2;
        else
            return -1;
    }
    return size <= avail ? size : -1;
}

bool IsOperand(uint16_t t)
{
    return t == kNumber || t == kPercent || t == kField || t == kRange || t == kText;
}

} // namespace

bool IsSoundCode(const uint8_t* code, std::size_t length)
{
    if (!code || length < 2 || length > kMaxCodeLength)
        return false;
    const uint8_t* p = code;
    const uint8_t* end = code + length;
    int depth = 0;
    while (end - p >= 2) {
        const uint16_t t = ReadU16(p);
        p += 2;
        const long size = OperandSize(t, p, end);
        if (size < 0)
            return false;
        if (t == kEnd)
            return p == end && depth == 1;
        if (IsUnary(t)) {
            if (depth < 1)
                return false;
        } else if (IsBinary(t)) {
            if (depth < 2)
                return false;
            --depth;
        } else if (IsOperand(t)) {
            ++depth;
        } else {
            const uint16_t count = ReadU16(p);
            if (!AcceptsCount(*FunctionOfToken(t), count) || depth < count)
                return false;
            depth = depth - count + 1;
        }
        if (depth > kMaxStackDepth)
            return false;
        p += size;
    }
    return false;
}

CodeToken CodeReader::Next()
{
    CodeToken token {ReadU16(p_), p_ + 2};
    p_ += 2 + OperandSize(token.token, p_ + 2, end_);
    return token;
}

} // namespace abacine
