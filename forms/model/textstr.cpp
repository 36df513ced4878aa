#include "forms/model/textstr.h"

#include "forms/model/record_archive.h"

#include <algorithm>
#include <cstring>
#include <new>

int TEXTSTR::Allocate(uint16_t size)
{
    Clear();
    if (size == 0)
        return 1;
    pText.reset(new (std::nothrow) char[size]);
    if (!pText)
        return 0;
    nLen = static_cast<uint16_t>(size - 1);
    pText[nLen] = 0;
    return 1;
}

void TEXTSTR::Clear()
{
    nLen = 0;
    pText.reset();
}

int TEXTSTR::Append(const char* s)
{
    if (!pText && !s) {
        Clear();
        return 1;
    }
    const size_t added = s ? std::strlen(s) : 0;
    const size_t length = nLen + added;
    if (length > kMaxLength)
        return 0;
    std::unique_ptr<char[]> joined(new (std::nothrow) char[length + 1]);
    if (!joined)
        return 0;
    if (pText)
        std::memcpy(joined.get(), pText.get(), nLen);
    if (added)
        std::memcpy(joined.get() + nLen, s, added);
    joined[length] = 0;
    pText = std::move(joined);
    nLen = static_cast<uint16_t>(length);
    return 1;
}

int TEXTSTR::Assign(std::string_view s)
{
    s = s.substr(0, s.find('\0'));
    if (s.size() > kMaxLength)
        return 0;
    if (s.empty()) {
        Clear();
        return 1;
    }
    std::unique_ptr<char[]> copy(new (std::nothrow) char[s.size() + 1]);
    if (!copy)
        return 0;
    std::memcpy(copy.get(), s.data(), s.size());
    copy[s.size()] = 0;
    pText = std::move(copy);
    nLen = static_cast<uint16_t>(s.size());
    return 1;
}

void TEXTSTR::Copy(const TEXTSTR& from)
{
    if (&from == this)
        return;
    Clear();
    if (!from.pText)
        return;
    pText.reset(new (std::nothrow) char[from.nLen + 1]);
    if (!pText)
        RECORDARCHIVE::ThrowLoadMemoryError();
    std::memcpy(pText.get(), from.pText.get(), from.nLen + 1);
    nLen = from.nLen;
}

void TEXTSTR::DeleteCode(char* at)
{
    constexpr int kCode = 5;
    const char* end = pText.get() + nLen;
    const ptrdiff_t n = std::min<ptrdiff_t>(kCode, end - at);
    if (n <= 0)
        return;
    std::memmove(at, at + n, static_cast<size_t>(end - (at + n)) + 1);
    nLen = static_cast<uint16_t>(nLen - n);
}

uint16_t TEXTSTR::DeleteRange(char* first, char* last)
{
    const char* end = pText.get() + nLen;
    if (last >= end)
        last = const_cast<char*>(end) - 1;
    if (last < first)
        return 0;
    const auto count = static_cast<uint16_t>(last - first + 1);
    std::memmove(first, last + 1, static_cast<size_t>(end - last));
    nLen = static_cast<uint16_t>(nLen - count);
    return count;
}
