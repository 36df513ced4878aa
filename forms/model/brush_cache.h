// Solid brushes of the 16 colours of the default palette, made once and
// lent to every border and fill that draws in one of them.
#pragma once

#include "platform/gdi/brush.h"

#include <array>
#include <memory>

using CachedBrush = std::shared_ptr<const gdi::Brush>;

class BRUSHCACHE {
public:
    // Makes the 16 brushes.
    BRUSHCACHE();

    // The cached brush of a palette colour, else a new solid brush of the
    // colour that the caller owns.
    CachedBrush GetCachedBrush(gdi::COLORREF colour) const;

    static constexpr int kCount = 16;

private:
    std::array<gdi::COLORREF, kCount> colours;
    std::array<CachedBrush, kCount> brushes;
};

// The program's one cache, made with the shared fill patterns on first use.
const BRUSHCACHE& BrushCache();

CachedBrush GetCachedBrush(gdi::COLORREF colour);
// Gives the brush back: one the caller owns is freed, a cached one stays.
void ReleaseCachedBrush(CachedBrush& brush);
