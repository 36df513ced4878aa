#include "forms/dialogs/designer/page_setup_values.h"

#include "forms/dialogs/designer/edit_number.h"
#include "forms/dialogs/designer/grid_values.h"
#include "forms/document/print/flayout.h"
#include "forms/fields/datatypes/number_text.h"
#include "forms/res/program_resources.h"

#include <cstdio>

namespace {

// String ids of the checks' messages and the units' names.
constexpr unsigned kMinWidthText = 223;
constexpr unsigned kMaxWidthText = 224;
constexpr unsigned kMinHeightText = 225;
constexpr unsigned kMaxHeightText = 226;
constexpr unsigned kWidthGapText = 227;
constexpr unsigned kHeightGapText = 228;
constexpr unsigned kPositiveText = 229;
constexpr unsigned kInchesName = 230;
constexpr unsigned kCentimetresName = 231;

std::string Text(unsigned id)
{
    return ProgramResources().LoadString(id);
}

// "... is " followed by " %.2f " of the limit in the unit and its name.
std::string LimitMessage(unsigned id, int32_t limit, uint8_t unit)
{
    char number[48];
    std::snprintf(number, sizeof number, " %.2f ", TwipsToUnit(limit, unit));
    return Text(id) + number + Text(unit == kUnitCentimetres ? kCentimetresName : kInchesName);
}

} // namespace

std::string PageLengthText(int32_t twips, uint8_t unit)
{
    return FormatFixed(TwipsToUnit(twips, unit), 2);
}

int32_t PageLengthTwips(double value, uint8_t unit)
{
    return UnitToTwips(value, unit);
}

PageSetupValues PageSetupValues::FromLayout(const FLAYOUT& layout, const RECT& extent, uint8_t unit)
{
    PageSetupValues v;
    v.width = layout.pageWidth;
    v.height = layout.pageHeight;
    v.left = layout.left;
    v.top = layout.top;
    v.right = layout.pageWidth - layout.right;
    v.bottom = layout.pageHeight - layout.bottom;
    v.orientation = layout.option2 ? 1 : 0;
    v.contentsOnly = layout.option1 != 0;
    v.unit = unit;
    v.minWidth = extent.right;
    v.minHeight = extent.bottom;
    return v;
}

void PageSetupValues::ToLayout(FLAYOUT& layout) const
{
    layout.option2 = static_cast<uint8_t>(orientation);
    layout.option1 = contentsOnly ? 1 : 0;
    layout.pageWidth = static_cast<uint16_t>(width);
    layout.pageHeight = static_cast<uint16_t>(height);
    layout.left = static_cast<uint16_t>(left);
    layout.top = static_cast<uint16_t>(top);
    layout.right = static_cast<uint16_t>(width - right);
    layout.bottom = static_cast<uint16_t>(height - bottom);
}

std::optional<PageSetupValues::Problem> PageSetupValues::Check() const
{
    for (const auto& [value, control] :
        {std::pair {left, kLeftEdit}, {top, kTopEdit}, {right, kRightEdit}, {bottom, kBottomEdit}})
        if (value < 0)
            return Problem {Text(kPositiveText), control};
    if (width < minWidth)
        return Problem {LimitMessage(kMinWidthText, minWidth, unit), kWidthEdit};
    if (width > maxWidth)
        return Problem {LimitMessage(kMaxWidthText, maxWidth, unit), kWidthEdit};
    if (height < minHeight)
        return Problem {LimitMessage(kMinHeightText, minHeight, unit), kHeightEdit};
    if (height > maxHeight)
        return Problem {LimitMessage(kMaxHeightText, maxHeight, unit), kHeightEdit};
    if (width - left - right < minPrintable)
        return Problem {Text(kWidthGapText), kLeftEdit};
    if (height - bottom - top < minPrintable)
        return Problem {Text(kHeightGapText), kTopEdit};
    return std::nullopt;
}
