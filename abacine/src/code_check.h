// Checking of compiled code and the walk over code that passed the check.
#pragma once

#include <cstddef>
#include <cstdint>

namespace abacine {

// The deepest evaluation stack that compiled code can need.
constexpr int kMaxStackDepth = 30;

// Whether code is whole: known tokens, operands inside the code, a stack that
// neither under- nor overflows, one end token that ends the code with one
// value left, and no more bytes than the compiler makes.
bool IsSoundCode(const uint8_t* code, std::size_t length);

struct CodeToken {
    uint16_t token;
    const uint8_t* operand; // the bytes after the token
};

// Walks sound code token by token up to and including the end token.
class CodeReader {
public:
    CodeReader(const uint8_t* code, std::size_t length)
        : p_(code)
        , end_(code + length)
    {}
    bool AtEnd() const { return p_ >= end_; }
    CodeToken Next();

private:
    const uint8_t* p_;
    const uint8_t* end_;
};

} // namespace abacine
