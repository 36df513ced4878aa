// The format bar's style box as the views fill and read it: a sorted list
// of style entries ("BOX: Red") and special entries, in Windows-1252.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class STYLE_BOX {
public:
    virtual ~STYLE_BOX() = default;

    // Adds the style's entry in its sorted place.
    virtual void AddStyle(uint8_t type, std::string_view name) = 0;
    // Adds any entry text in its sorted place; its index.
    virtual int AddEntry(std::string_view entry) = 0;
    // Selects the style's entry, adding it first when missing.
    virtual void SelectStyle(uint8_t type, std::string_view name) = 0;
    // Selects the entry with that text (case ignored); false when missing.
    virtual bool SelectEntry(std::string_view entry) = 0;
    // Leaves no entry selected.
    virtual void SelectNone() = 0;
    // Empties the box.
    virtual void Reset() = 0;
    // The selected entry's text, empty when none.
    virtual std::string GetSelectedEntry() const = 0;
};
