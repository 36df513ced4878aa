// The General page's data types, one slot per kind group (number, text or
// memo, date, bar code, check box, picture), filled as the user first
// picks a kind and kept for the sheet's run, so that switching away and
// back returns what was set meanwhile. The current data type is owned by
// the sheet; it goes back into its slot when another kind is picked.
#pragma once

#include "forms/fields/datatypes/datatype.h"

#include <array>
#include <memory>

class DATATYPE_SLOTS {
public:
    // `current` is the sheet's data type.
    explicit DATATYPE_SLOTS(std::unique_ptr<DATATYPE>& current);

    // Makes `kind` current: its slot's object, made through the factory
    // when empty. Text converts the slot's memo into a text and Memo its
    // text into a memo, keeping the rule and initial value. false (nothing
    // changed) when the kind cannot be made.
    bool Select(uint8_t kind);
    // The slot's object of the kind (the current one when it is of that
    // group); null when none was made.
    DATATYPE* Peek(uint8_t kind) const;

private:
    static int GroupOf(uint8_t kind);
    std::unique_ptr<DATATYPE>& current;
    std::array<std::unique_ptr<DATATYPE>, 6> stored;
};

// A new text or memo data type with the rule and initial value of `from`.
std::unique_ptr<DATATYPE> ConvertTextKind(DATATYPE& from, uint8_t kind);
