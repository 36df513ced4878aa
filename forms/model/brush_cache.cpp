#include "forms/model/brush_cache.h"

#include "forms/model/fill_patterns.h"
#include "platform/gdi/palette.h"

BRUSHCACHE::BRUSHCACHE()
{
    for (int i = 0; i < kCount; ++i) {
        colours[i] = gdi::DefaultPalette()[i];
        brushes[i] = std::make_shared<const gdi::Brush>(gdi::Brush::Solid(colours[i]));
    }
}

CachedBrush BRUSHCACHE::GetCachedBrush(gdi::COLORREF colour) const
{
    for (int i = 0; i < kCount; ++i)
        if (colours[i] == colour)
            return brushes[i];
    return std::make_shared<const gdi::Brush>(gdi::Brush::Solid(colour));
}

const BRUSHCACHE& BrushCache()
{
    return SharedFillPatterns().brushCache;
}

CachedBrush GetCachedBrush(gdi::COLORREF colour)
{
    return BrushCache().GetCachedBrush(colour);
}

void ReleaseCachedBrush(CachedBrush& brush)
{
    brush.reset();
}
