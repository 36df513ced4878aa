#include "forms/document/font_lists.h"

#include "platform/text/cp1252.h"

#include <algorithm>

namespace {

// The vector bit of a pitch-and-family byte (TMPF_VECTOR).
constexpr uint8_t kVectorFace = 0x02;

bool SameName(std::string_view a, std::string_view b)
{
    return text::EqualNoCase(a, b);
}

} // namespace

int AddSize(uint16_t height, FontSizeList& list)
{
    if (list.count >= list.sizes.size())
        return 0;
    auto end = list.sizes.begin() + list.count;
    auto at = std::lower_bound(list.sizes.begin(), end, height);
    if (at != end && *at == height)
        return 1;
    std::move_backward(at, end, end + 1);
    *at = height;
    ++list.count;
    return 1;
}

std::vector<std::string> FontNameList(
    const std::vector<gdi::FontFamily>& printer, const std::vector<gdi::FontFamily>& screen)
{
    std::vector<std::string> names;
    auto take = [&](const gdi::FontFamily& family) {
        if (family.faceName.empty())
            return;
        for (const std::string& listed : names)
            if (SameName(listed, family.faceName))
                return;
        names.push_back(family.faceName);
    };
    for (const gdi::FontFamily& family : printer)
        take(family);
    for (const gdi::FontFamily& family : screen)
        if (family.pitchAndFamily & kVectorFace)
            take(family);
    return names;
}

std::vector<std::string> InstalledFontNames()
{
    const std::vector<gdi::FontFamily> families = gdi::EnumInstalledFontFamilies("");
    return FontNameList(families, families);
}

FontSizeList FontSizesFor(std::string_view)
{
    FontSizeList list;
    list.scalable = 1;
    for (uint16_t size = kFirstScalableSize; size <= kLastScalableSize; ++size)
        AddSize(size, list);
    return list;
}
