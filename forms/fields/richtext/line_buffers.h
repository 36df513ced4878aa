// The program-wide line buffers: the built characters of the line whose
// serial was built last, with its alignment offset.
#pragma once

#include "forms/fields/richtext/textline.h"

#include <cstdint>
#include <vector>

struct LINEBUFFERS {
    uint32_t serial = 0; // 0: nothing built
    std::vector<LINECHAR> chars;
    int32_t offset = 0;
};

LINEBUFFERS& GetLineBuffers();

// CR, LF and the end mark end a line.
inline bool EndsLine(unsigned char c)
{
    return c == kReturn || c == kLineFeed || c == kEndMark;
}
// The serial of the line last broken (0: none).
uint32_t& LastBrokenSerial();
