// The fill patterns shared by every fill: the 20 pattern bitmaps and their
// brushes for the screen, the scaled bitmaps that printing tiles with, and
// the solid-brush cache. One set for the program, made on first use.
#pragma once

#include "forms/model/brush_cache.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/brush.h"

#include <array>
#include <cstdint>
#include <vector>

constexpr int kFillPatternCount = 20;
// Resource id of pattern 0's bitmap; pattern n is this + n.
constexpr uint32_t kFirstPatternBitmapId = 133;

// Pattern bitmaps scaled to a printer's dots, the five used last kept,
// most recently used first.
class PrinterPatternCache {
public:
    struct Key {
        uint16_t pattern = 0;
        uint16_t dotX = 0;
        uint16_t dotY = 0;
        friend bool operator==(const Key&, const Key&) = default;
    };
    static constexpr size_t kSlots = 5;

    // The bitmap for the key: the 8 × 8 pattern with every pattern pixel a
    // dotX × dotY block, repeated 4 × 4 times. Valid until the next call.
    const gdi::Bitmap& Get(const gdi::Bitmap& pattern, Key key);
    // The keys held, most recently used first.
    std::vector<Key> Keys() const;

private:
    struct Slot {
        Key key;
        gdi::Bitmap bitmap;
    };
    std::vector<Slot> entries;
};

struct FillPatterns {
    // Loads the bitmaps from the program's resources.
    FillPatterns();

    std::array<gdi::Bitmap, kFillPatternCount> bitmaps;
    // A pattern whose bitmap is missing gets the null brush.
    std::array<gdi::Brush, kFillPatternCount> brushes;
    PrinterPatternCache printerBitmaps;
    BRUSHCACHE brushCache;
};

FillPatterns& SharedFillPatterns();
