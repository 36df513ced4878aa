#include "forms/model/fill_patterns.h"

#include "forms/res/program_bitmaps.h"

#include <algorithm>

namespace {

// Tiles of the printer cache hold this many pattern repeats along each axis.
constexpr int kRepeats = 4;

gdi::Bitmap ScaledTile(const gdi::Bitmap& pattern, int dotX, int dotY)
{
    const int size = 8;
    gdi::Bitmap tile(size * dotX * kRepeats, size * dotY * kRepeats, true);
    for (int y = 0; y < tile.Height(); ++y)
        for (int x = 0; x < tile.Width(); ++x)
            tile.SetBit(x, y, pattern.IsNull() || pattern.Bit((x / dotX) % size, (y / dotY) % size));
    return tile;
}

} // namespace

const gdi::Bitmap& PrinterPatternCache::Get(const gdi::Bitmap& pattern, Key key)
{
    auto hit = std::find_if(entries.begin(), entries.end(), [&](const Slot& s) { return s.key == key; });
    if (hit != entries.end()) {
        std::rotate(entries.begin(), hit, hit + 1);
        return entries.front().bitmap;
    }
    if (entries.size() == kSlots)
        entries.pop_back();
    entries.insert(
        entries.begin(), Slot {key, ScaledTile(pattern, std::max<int>(key.dotX, 1), std::max<int>(key.dotY, 1))});
    return entries.front().bitmap;
}

std::vector<PrinterPatternCache::Key> PrinterPatternCache::Keys() const
{
    std::vector<Key> keys;
    for (const Slot& s : entries)
        keys.push_back(s.key);
    return keys;
}

FillPatterns::FillPatterns()
{
    for (int i = 0; i < kFillPatternCount; ++i) {
        bitmaps[i] = ProgramMonoBitmap(kFirstPatternBitmapId + i);
        brushes[i] = bitmaps[i].IsNull() ? gdi::Brush::Null() : gdi::Brush::Pattern(bitmaps[i]);
    }
}

FillPatterns& SharedFillPatterns()
{
    static FillPatterns patterns;
    return patterns;
}
