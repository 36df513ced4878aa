#include "forms/fields/richtext/textblock.h"

#include <algorithm>
#include <cstring>

void TEXTBLOCK::InsertAt(char* at, const char* chars, int n)
{
    std::memmove(at + n, at, End() - at);
    std::memcpy(at, chars, n);
    length = static_cast<uint16_t>(length + n);
    Terminate();
}

int TEXTBLOCK::DeleteAt(char* at, int n)
{
    const int removed = std::min<int>(n, End() - at);
    std::memmove(at, at + removed, End() - at - removed);
    length = static_cast<uint16_t>(length - removed);
    Terminate();
    return removed;
}

int TEXTBLOCK::Append(const char* chars, int n)
{
    const int taken = std::min(n, GetFree());
    std::memcpy(End(), chars, taken);
    length = static_cast<uint16_t>(length + taken);
    Terminate();
    return taken;
}
