// Operator-precedence compiler from formula text to postfix token code.
#include "compiler.h"

#include "circular_check.h"
#include "code_check.h"
#include "function_table.h"
#include "host.h"
#include "int_exception.h"
#include "messages.h"
#include "tokens.h"
#include "type_check.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

namespace abacine {
namespace {

constexpr std::size_t kMaxNameLength = 100;
constexpr std::size_t kMaxNumberLength = 39;
constexpr int kUnaryPrecedence = 8;
constexpr int kFunctionPrecedence = 10;

struct Binary {
    const char* text;
    uint16_t token;
    int precedence;
};

// Two-character operators first, so that ">=" is not read as ">".
const Binary kBinaries[] = {
    {">=", kGreaterEqual, 4},
    {"<=", kLessEqual, 4},
    {"<>", kNotEqual, 3},
    {"&", kConcat, 5},
    {"*", kMultiply, 6},
    {"+", kAdd, 5},
    {"-", kSubtract, 5},
    {"/", kDivide, 6},
    {"<", kLess, 4},
    {"=", kEqual, 3},
    {">", kGreater, 4},
    {"^", kPower, 7},
    {"#OR#", kOr, 1},
    {"#or#", kOr, 1},
    {"#AND#", kAnd, 2},
    {"#and#", kAnd, 2},
};

// Letters of Windows-1252, digits and the marks a field name may hold.
bool IsNameChar(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
        return true;
    if (c == '.' || c == '[' || c == ']' || c == '_')
        return true;
    switch (c) {
    case 0x8A:
    case 0x8C:
    case 0x8E:
    case 0x9A:
    case 0x9C:
    case 0x9E:
    case 0x9F:
    case 0xAA:
    case 0xB5:
    case 0xBA:
        return true;
    default:
        return c >= 0xC0 && c != 0xD7 && c != 0xF7;
    }
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

struct Pending {
    uint16_t token;
    int precedence;
    uint16_t count;
    bool function;
};

class Compiler {
public:
    Compiler(FORMULA_SET& set, FormulaOrder& order, uint16_t id, const char* text)
        : set_(set)
        , text_(text)
        , circular_(set, order, id)
    {}

    std::vector<uint8_t> Compile()
    {
        const uint16_t term = ParseLevel();
        if (term != kEnd)
            throw CIntException(kMsgEndsWithOperator);
        EmitU16(kEnd);
        return std::move(code_);
    }

private:
    // Parses one expression up to its terminator, which it consumes and answers.
    uint16_t ParseLevel()
    {
        std::vector<Pending> stack;
        for (;;) {
            ReadOperand(stack);
            if (const uint16_t term = ReadTerminator()) {
                if (term == kEnd && nesting_ > 0)
                    throw CIntException(kMsgUnbalancedOpen);
                if (term != kEnd && nesting_ == 0)
                    throw CIntException(kMsgUnbalancedClose);
                while (!stack.empty())
                    EmitPending(stack);
                return term;
            }
            const Binary* op = ReadBinary();
            if (!op)
                throw CIntException(kMsgInvalid);
            while (!stack.empty() && stack.back().precedence >= op->precedence)
                EmitPending(stack);
            stack.push_back({op->token, op->precedence, 0, false});
        }
    }

    // Reads unary operators up to one operand or function, which it writes or stacks.
    void ReadOperand(std::vector<Pending>& stack)
    {
        for (;;) {
            if (PeekTerminator())
                throw CIntException(text_[pos_] == '\0' ? kMsgEndsWithOperator : kMsgInvalid);
            if (text_[pos_] == '+' || text_[pos_] == '-') {
                stack.push_back({text_[pos_] == '+' ? kUnaryPlus : kUnaryMinus, kUnaryPrecedence, 0, false});
                ++pos_;
                continue;
            }
            if (Match("#NOT#") || Match("#not#")) {
                stack.push_back({kNot, kUnaryPrecedence, 0, false});
                continue;
            }
            const int index = FunctionIndexAt(text_ + pos_);
            if (index >= 0) {
                const FunctionEntry& f = *FunctionAt(index);
                pos_ += std::strlen(f.name);
                stack.push_back({f.token, kFunctionPrecedence, ReadArguments(f), true});
                return;
            }
            if (ReadName() || ReadNumber() || ReadText())
                return;
            throw CIntException(kMsgInvalid);
        }
    }

    uint16_t ReadArguments(const FunctionEntry& f)
    {
        if (f.params == 0 && text_[pos_] == ')') {
            ++pos_;
            return 0;
        }
        ++nesting_;
        uint16_t count = 0;
        for (;;) {
            const uint16_t term = ParseLevel();
            ++count;
            if (term == kComma) {
                if (f.params != kAnyCount && count >= f.params)
                    throw CIntException(kMsgParameterCount);
                continue;
            }
            if (f.params != kAnyCount && count != f.params)
                throw CIntException(kMsgParameterCount);
            break;
        }
        --nesting_;
        return count;
    }

    bool ReadName()
    {
        std::size_t n = 0;
        while (IsNameChar(static_cast<unsigned char>(text_[pos_ + n])) && n <= kMaxNameLength)
            ++n;
        if (n == 0 || n > kMaxNameLength)
            return false;
        const std::string name(text_ + pos_, n);
        uint16_t field = 0;
        uint32_t range = 0;
        if (Ask(set_, kFieldByName, reinterpret_cast<uintptr_t>(name.c_str()), reinterpret_cast<uintptr_t>(&field))) {
            if (circular_.FieldLeadsBack(field))
                throw CIntException(kMsgCircularReference);
            EmitU16(kField);
            EmitU16(field);
        } else if (Ask(set_, kRangeByName, reinterpret_cast<uintptr_t>(name.c_str()),
                       reinterpret_cast<uintptr_t>(&range))) {
            if (circular_.RangeLeadsBack(range))
                throw CIntException(kMsgCircularReference);
            EmitU16(kRange);
            EmitU16(static_cast<uint16_t>(range & 0xFFFF));
            EmitU16(static_cast<uint16_t>(range >> 16));
        } else {
            return false;
        }
        pos_ += n;
        return true;
    }

    bool ReadNumber()
    {
        std::size_t n = 0;
        if (text_[pos_] == '+' || text_[pos_] == '-')
            ++n;
        if (!IsDigit(text_[pos_ + n]) && text_[pos_ + n] != '.')
            return false;
        for (;;) {
            const char c = text_[pos_ + n];
            if (IsDigit(c) || c == '.') {
                ++n;
            } else if (c == 'e' || c == 'E') {
                ++n;
                if (text_[pos_ + n] == '+' || text_[pos_ + n] == '-')
                    ++n;
            } else {
                break;
            }
        }
        if (n > kMaxNumberLength)
            return false;
        const double value = std::atof(std::string(text_ + pos_, n).c_str());
        pos_ += n;
        uint16_t token = kNumber;
        if (text_[pos_] == '%') {
            token = kPercent;
            ++pos_;
        }
        EmitU16(token);
        uint64_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        for (int i = 0; i < 8; ++i)
            EmitByte(static_cast<uint8_t>(bits >> (8 * i)));
        return true;
    }

    bool ReadText()
    {
        if (text_[pos_] != '"')
            return false;
        std::string value;
        std::size_t p = pos_ + 1;
        for (;;) {
            const char c = text_[p];
            if (c == '\0')
                throw CIntException(kMsgCorrupt);
            if (c == '"')
                break;
            if (c != '\\') {
                value += c;
                ++p;
                continue;
            }
            const char next = text_[p + 1];
            if (next == '\0')
                throw CIntException(kMsgCorrupt);
            if (next == '"' || next == '\\')
                value += next;
            else if (next == 'E' || next == 'e')
                value += '\r';
            else
                value += {c, next};
            p += 2;
        }
        pos_ = p + 1;
        EmitU16(kText);
        for (char c : value)
            EmitByte(static_cast<uint8_t>(c));
        EmitByte(0);
        return true;
    }

    bool PeekTerminator() const { return text_[pos_] == '\0' || text_[pos_] == ')' || text_[pos_] == ','; }

    uint16_t ReadTerminator()
    {
        switch (text_[pos_]) {
        case '\0':
            return kEnd;
        case ')':
            ++pos_;
            return kCloseBracket;
        case ',':
            ++pos_;
            return kComma;
        default:
            return 0;
        }
    }

    const Binary* ReadBinary()
    {
        for (const Binary& op : kBinaries)
            if (Match(op.text))
                return &op;
        return nullptr;
    }

    bool Match(const char* word)
    {
        const std::size_t n = std::strlen(word);
        if (std::strncmp(text_ + pos_, word, n) != 0)
            return false;
        pos_ += n;
        return true;
    }

    void EmitPending(std::vector<Pending>& stack)
    {
        const Pending p = stack.back();
        stack.pop_back();
        EmitU16(p.token);
        if (p.function)
            EmitU16(p.count);
    }

    void EmitByte(uint8_t b)
    {
        if (code_.size() >= kMaxCodeLength)
            throw CIntException(kMsgTooBig);
        code_.push_back(b);
    }

    void EmitU16(uint16_t v)
    {
        EmitByte(static_cast<uint8_t>(v & 0xFF));
        EmitByte(static_cast<uint8_t>(v >> 8));
    }

    FORMULA_SET& set_;
    const char* text_;
    std::size_t pos_ = 0;
    int nesting_ = 0;
    std::vector<uint8_t> code_;
    CircularCheck circular_;
};

} // namespace

std::unique_ptr<FORMULA> CompileFormula(
    FORMULA_SET& set, FormulaOrder& order, uint16_t id, const char* text, int& error)
{
    try {
        const std::vector<uint8_t> code = Compiler(set, order, id, text).Compile();
        const int typeError = CheckTypes(set, code.data(), code.size());
        if (typeError) {
            error = typeError;
            return nullptr;
        }
        char* copy = new char[code.size()];
        std::memcpy(copy, code.data(), code.size());
        return std::make_unique<FORMULA>(&set, id, copy, static_cast<uint16_t>(code.size()));
    } catch (const CIntException& e) {
        error = e.ID();
    } catch (const std::bad_alloc&) {
        error = kMsgOutOfMemory;
    }
    return nullptr;
}

} // namespace abacine
