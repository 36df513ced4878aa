// A fuzzer's bytes taken a value at a time: numbers of any type (zero once
// the bytes run out) and short texts of up to 23 characters.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

struct FuzzInput {
    const uint8_t* data;
    size_t size;

    template<class T>
    T Take()
    {
        T value {};
        const size_t n = size < sizeof value ? size : sizeof value;
        std::memcpy(&value, data, n);
        data += n;
        size -= n;
        return value;
    }
    std::string_view Text()
    {
        const size_t n = Take<uint8_t>() % 24;
        const size_t take = n < size ? n : size;
        std::string_view text(reinterpret_cast<const char*>(data), take);
        data += take;
        size -= take;
        return text;
    }
};
