#include "forms/dialogs/appearance/line_rules.h"

#include "forms/dialogs/appearance/typed_number.h"

std::string WidthText(uint16_t twips)
{
    std::string text;
    if (twips >= 20) {
        text = std::to_string(twips / 20);
        if (twips % 20 != 0)
            text += "." + std::to_string((twips % 20) / 2);
    } else {
        text = ("0." + std::to_string(twips / 2)).substr(0, 3);
    }
    return text + " pt";
}

double TypedWidth(std::string_view text)
{
    return LeadingNumber(text);
}

std::optional<uint16_t> ParseWidth(std::string_view text)
{
    if (const size_t unit = text.find(" pt"); unit != std::string_view::npos)
        text = text.substr(0, unit);
    const double points = LeadingNumber(text);
    if (!(points >= 0.5 && points <= 10))
        return std::nullopt;
    return static_cast<uint16_t>(points * 20);
}

bool DoubleAllowed(const BORDER& border)
{
    return border.width >= kMinDoubleWidth && border.style == 1;
}

bool ApplyWidthRule(BORDER& border)
{
    if (border.width < kMinDoubleWidth && border.lineType == kLineDouble)
        border.SetLineType(kLineSingle);
    return DoubleAllowed(border);
}

bool ApplyStyleRule(BORDER& border, int index)
{
    border.SetStyle(index + 1);
    if (border.style != 1)
        border.SetLineType(kLineSingle);
    return DoubleAllowed(border);
}

void ToggleRounding(BORDER& border)
{
    border.SetDerived(border.rounding != 0 ? 0 : kSmallRounding);
}

int LineTypeRadio(uint16_t lineType)
{
    return lineType <= kLineDouble ? kLineNoneRadio + lineType : 0;
}

int StyleListIndex(uint8_t style)
{
    return style >= 1 && style <= 5 ? style - 1 : -1;
}
