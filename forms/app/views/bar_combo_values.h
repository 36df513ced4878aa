// Reading the tool bars' typeface and point-size boxes.
#pragma once

#include "forms/document/font_lists.h"

#include <QComboBox>

#include <cstdint>
#include <string>

// The text of the selected entry; with no selection the box's text; when
// that is empty "Times New Roman".
std::string GetComboSelText(const QComboBox& combo);
// The size of the selected entry, read from the number it shows (the sizes
// give it when the entry shows none); 0 with nothing selected.
uint16_t GetComboSelValue(const QComboBox& combo, const FontSizeList& sizes);
