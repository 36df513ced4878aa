#include "forms/app/views/bar_combo_values.h"

#include "platform/text/cp1252.h"

#include <charconv>

std::string GetComboSelText(const QComboBox& combo)
{
    const QString shown
        = combo.currentIndex() >= 0 && !combo.isEditable() ? combo.itemText(combo.currentIndex()) : combo.currentText();
    return shown.isEmpty() ? std::string("Times New Roman") : text::FromQString(shown);
}

uint16_t GetComboSelValue(const QComboBox& combo, const FontSizeList& sizes)
{
    const int index = combo.currentIndex();
    if (index < 0)
        return 0;
    const std::string shown = text::FromQString(combo.itemText(index));
    unsigned value = 0;
    const auto [end, error] = std::from_chars(shown.data(), shown.data() + shown.size(), value);
    if (error == std::errc() && end != shown.data() && value <= 0xFFFF)
        return static_cast<uint16_t>(value);
    return index < sizes.count ? sizes.sizes[static_cast<size_t>(index)] : 0;
}
