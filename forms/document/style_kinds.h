// The object kinds that can carry named styles, in the order the style
// dialogs list them, and the document's current style name for new
// objects of each kind (empty: none). The names are not saved.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The kinds; the 15th, the selection tool, only serves the tool scan.
inline constexpr std::array<uint8_t, 15> kStyleKinds
    = {0x13, 0x12, 0x15, 0x0B, 0x0E, 0x14, 0x16, 0x11, 0x0F, 0x10, 0x17, 0x0C, 0x0D, 0x18, 0x23};
// The first entries that stand for objects.
inline constexpr int kStyleObjectKinds = 14;

// The kind's position in the table, or -1.
int StyleKindIndex(uint8_t type);

class STYLE_KINDS {
public:
    // The current style name of the kind; empty for a kind not in the table.
    const std::string& GetCurrentName(uint8_t type) const;
    // Ignored for a kind not in the table.
    void SetCurrentName(uint8_t type, std::string_view name);
    void Clear();

private:
    std::array<std::string, kStyleKinds.size()> names;
};
