// The counted 8-bit string of text objects, table headers and tables: a
// character count and a heap buffer with a NUL after the characters, or no
// buffer at all when the string is empty.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

class TEXTSTR {
public:
    // The most characters a string holds.
    static constexpr uint16_t kMaxLength = 0xFFFF;

    TEXTSTR() = default;
    TEXTSTR(const TEXTSTR&) = delete;
    TEXTSTR& operator=(const TEXTSTR&) = delete;

    // A buffer of size bytes whose last byte is the NUL (size - 1
    // characters, left for the caller to fill); size 0 empties. Any old
    // buffer is freed. 0 when memory is exhausted (the string is then
    // empty), else 1.
    int Allocate(uint16_t size);
    void Clear();
    // Appends the characters of s (a null s appends nothing). 0 when memory
    // is exhausted or the result would be longer than kMaxLength; the old
    // text then stays.
    int Append(const char* s);
    // The characters of s up to its first zero byte, in place of the old
    // text; 0 (text unchanged) as Append.
    int Assign(std::string_view s);
    // A copy of from; raises the load memory error when memory is exhausted.
    void Copy(const TEXTSTR& from);
    // Removes the 5-byte format code at at.
    void DeleteCode(char* at);
    // Removes the characters from first to last inclusive; answers how many.
    uint16_t DeleteRange(char* first, char* last);

    uint16_t GetLength() const { return nLen; }
    // The buffer, or null when the string is empty.
    char* GetBuffer() { return pText.get(); }
    const char* GetBuffer() const { return pText.get(); }
    std::string_view View() const { return pText ? std::string_view(pText.get(), nLen) : std::string_view(); }

private:
    uint16_t nLen = 0;
    std::unique_ptr<char[]> pText;
};
