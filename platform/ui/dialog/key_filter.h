// A filter of a control's Enter, Escape and Tab keys that runs before the
// dialog or sheet sees them (Enter's default button, Escape's Cancel,
// Tab's move of the focus): the filter answers whether it took the key.
#pragma once

#include <functional>

class QWidget;

namespace ui {

enum class FilteredKey { Enter, Escape, Tab };

using KeyFilterFunction = std::function<bool(FilteredKey key)>;

// The filter lives as long as the control.
void InstallKeyFilter(QWidget* control, KeyFilterFunction filter);

} // namespace ui
