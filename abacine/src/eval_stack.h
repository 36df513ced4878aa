// Values of the evaluator and its stack, whose text draws on a bounded store.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace abacine {

enum ValueType : uint8_t {
    kEmptyValue = 0,
    kNumberValue = 1,
    kTextValue = 2,
    kErrorValue = 4,
    kRangeValue = 0x40,
};

constexpr std::size_t kMaxTextLength = 500;
constexpr std::size_t kTextStoreSize = 10000;

struct Value {
    uint8_t type = kEmptyValue;
    double number = 0;
    uint32_t range = 0;
    uint16_t error = 0;
    std::string text;

    static Value Number(double d) { return Value {kNumberValue, d, 0, 0, {}}; }
    static Value Text(std::string s) { return Value {kTextValue, 0, 0, 0, std::move(s)}; }
    static Value Error(uint16_t code) { return Value {kErrorValue, 0, 0, code, {}}; }
    static Value Range(uint32_t r) { return Value {kRangeValue, 0, r, 0, {}}; }
    bool IsError() const { return type == kErrorValue; }
};

// A number as itself, text as atof reads it, anything else as 0.
double AsNumber(const Value& v);

// Thrown when the text alive on the stack would pass the store's size.
struct TextStoreFull {};

class EvalStack {
public:
    // Text is cut to 500 characters.
    void Push(Value v);
    Value Pop();
    // The top count values in the order they were pushed.
    std::vector<Value> PopArgs(std::size_t count);
    Value& Top() { return items_.back(); }
    std::size_t Size() const { return items_.size(); }

private:
    std::vector<Value> items_;
    std::size_t textBytes_ = 0;
};

} // namespace abacine
