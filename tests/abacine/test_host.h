// A formula host for tests: a table of named fields with values and
// up-to-date flags, table column ranges, and a byte stream.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Abacine.h"

struct HostValue {
    uint8_t type = 0; // 1 number, 2 text, 4 error, 0 empty
    double number = 0;
    std::string text;
    uint16_t error = 0;

    static HostValue Number(double d) { return {1, d, {}, 0}; }
    static HostValue Text(std::string s) { return {2, 0, std::move(s), 0}; }
    static HostValue Error(uint16_t e) { return {4, 0, {}, e}; }
};

struct HostField {
    std::string name;
    HostValue value;
    bool upToDate = true;
};

struct HostRange {
    std::string name;
    std::vector<uint16_t> cells;
    bool valid = true;
};

// Thrown when the engine reads past the end of the stream.
struct EndOfStream : std::runtime_error {
    EndOfStream()
        : std::runtime_error("end of stream")
    {}
};

// Same type and value; numbers within a relative 1e-9.
::testing::AssertionResult SameValue(const HostValue& got, const HostValue& want);

class TestHost {
public:
    TestHost();

    void AddField(uint16_t id, const std::string& name, HostValue value = HostValue::Number(0));
    // A column range over cells first..last, named name.
    uint32_t AddRange(const std::string& name, uint16_t first, uint16_t last);

    // "" when the formula compiled, else the engine's message.
    std::string Compile(uint16_t id, const std::string& text);
    // The code of the field's formula as bytes.
    std::vector<uint8_t> Code(uint16_t id) const;
    std::string Text(uint16_t id) const;
    // Compiles text for the result field (id 1000), calculates, and answers
    // what was stored there; a refusal fails the calling test.
    HostValue Run(const std::string& text);

    FORMULA_SET set;
    std::map<uint16_t, HostField> fields;
    std::map<uint32_t, HostRange> ranges;
    std::vector<uint8_t> stream;
    std::size_t readPos = 0;
    std::vector<uint8_t> skippedTags;
    std::vector<uint16_t> stores; // the fields results were stored into, in order
    long requests = 0; // callback requests answered
    std::function<void(uint16_t)> afterStore;

private:
    static uint16_t Callback(void* context, uint16_t code, uintptr_t a, uintptr_t b);
    uint16_t Answer(uint16_t code, uintptr_t a, uintptr_t b);
    uint8_t ReadByte();
    void SkipTag(uint8_t tag);
};
