// The view-update hint that a document hands to its views: a kind and a
// page. Only the members that the resize hint uses are declared here; the
// hint belongs to the views.
#pragma once

#include <cstdint>

// Page hint kinds.
inline constexpr uint8_t kHintPageDeleted = 1;
inline constexpr uint8_t kHintPageInserted = 3;

class FHINT {
public:
    FHINT(uint8_t kind, uint16_t page)
        : kind(kind)
        , page(page)
    {}
    virtual ~FHINT() = default;

    uint8_t kind;
    uint16_t page;
};
