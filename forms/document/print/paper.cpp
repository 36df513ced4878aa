// The paper sizes.
#include "forms/document/print/paper.h"

#include "forms/res/program_resources.h"

#include <algorithm>
#include <cstdlib>

namespace {

struct PaperEntry {
    uint16_t nameId;
    int32_t width;
    int32_t height;
    int16_t code;
};

constexpr PaperEntry kPapers[PAPER::kCount] = {
    {211, 12240, 15840, 1},
    {212, 12240, 20160, 5},
    {213, 10440, 15120, 7},
    {214, 11906, 16838, 9},
    {215, 5940, 13680, 20},
    {216, 6236, 12472, 27},
    {217, 9184, 12983, 28},
    {218, 5580, 10800, 37},
    {219, 0, 0, 0},
};

constexpr int32_t kTolerance = 144;

bool Valid(int i)
{
    return i >= 0 && i < PAPER::kCount;
}

} // namespace

int PAPER::GetName(int i, std::string& out)
{
    if (!Valid(i))
        return 0;
    out = ProgramResources().LoadString(kPapers[i].nameId);
    return 1;
}

int PAPER::GetSize(int i, int32_t& width, int32_t& height)
{
    if (!Valid(i))
        return 0;
    width = kPapers[i].width;
    height = kPapers[i].height;
    return 1;
}

int PAPER::FindSize(int32_t a, int32_t b, int& index)
{
    const int32_t small = std::min(a, b);
    const int32_t large = std::max(a, b);
    for (int i = 0; i < kCount; ++i) {
        if (std::abs(kPapers[i].width - small) <= kTolerance && std::abs(kPapers[i].height - large) <= kTolerance) {
            index = i;
            return 1;
        }
    }
    index = kCustom;
    return 0;
}

int16_t PAPER::GetPaperCode(int i)
{
    return Valid(i) && i < kCustom ? kPapers[i].code : 0;
}
