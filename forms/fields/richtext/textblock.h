// One chunk of a rich-text buffer: up to 254 characters between a leading
// and a closing zero byte, linked to its neighbours in the buffer's chain.
#pragma once

#include <cstdint>

class TEXTBLOCK {
public:
    static constexpr int kCapacity = 254;

    TEXTBLOCK() = default;
    TEXTBLOCK(const TEXTBLOCK&) = delete;
    TEXTBLOCK& operator=(const TEXTBLOCK&) = delete;

    int GetFree() const { return kCapacity - length; }
    void Terminate() { *End() = 0; }
    // Moves the characters from at to the end n places right and copies n
    // characters in; the caller ensures room.
    void InsertAt(char* at, const char* chars, int n);
    // Removes up to n characters at at (never more than stand from at to the
    // end); returns the number removed.
    int DeleteAt(char* at, int n);
    // Appends as many of the n characters as fit; returns that number.
    int Append(const char* chars, int n);

    char* Begin() { return bytes + 1; }
    const char* Begin() const { return bytes + 1; }
    // The closing zero.
    char* End() { return Begin() + length; }
    const char* End() const { return Begin() + length; }
    char* Last() { return End() - 1; }
    // True when p points at one of the block's characters.
    bool Holds(const char* p) const { return p >= Begin() && p < End(); }

    uint16_t length = 0;
    TEXTBLOCK* next = nullptr;
    TEXTBLOCK* prev = nullptr;

private:
    // A zero before the first character (stepping back from it finds 0),
    // the characters, and the closing zero.
    char bytes[kCapacity + 2] = {};
};
