// The program's cache of text metrics and character widths of character
// formats, measured on the printer (and the screen), so that text is laid
// out alike on both.
#pragma once

#include "forms/model/textattr.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/font.h"

#include <array>
#include <cstdint>
#include <list>

class FONTMETRICSCACHE {
public:
    // Every entry is made here; the cache allocates nothing afterwards.
    FONTMETRICSCACHE();

    // The text metrics for layout (the printer's, or the screen's when its
    // line is the taller) and the screen's, in twips.
    void GetFont(uint8_t kind, uint16_t printerId, uint8_t printerMode, const TEXTATTR& attr, int16_t escapement,
        gdi::TEXTMETRIC* layout, gdi::TEXTMETRIC* screen);
    // The 256 advance widths in twips of the format on the printer; valid
    // until the next width request.
    const int16_t* GetCharWidths(uint16_t printerId, uint8_t printerMode, const TEXTATTR& attr, int16_t escapement);
    // The same measured on a screen context at its zoom, moved towards the
    // printer's widths.
    const int16_t* GetScreenCharWidths(gdi::DC& dc, uint8_t deviceKind, uint16_t printerId, uint8_t printerMode,
        const TEXTATTR& attr, int16_t escapement);
    // Forgets what was measured on the printers (after a change of settings).
    void Invalidate();

    // Whether the metrics of that request are held.
    bool HasMetrics(
        uint8_t kind, uint16_t printerId, uint8_t printerMode, const TEXTATTR& attr, int16_t escapement) const;

    struct Key {
        bool valid = false;
        uint8_t kind = 0;
        uint16_t printerId = 0;
        uint8_t printerMode = 0;
        uint16_t face = 0;
        uint16_t size = 0;
        uint8_t bold = 0;
        uint8_t italic = 0;
        int32_t scale = 0;
        int16_t escapement = 0;
        friend bool operator==(const Key&, const Key&) = default;
    };

private:
    struct MetricsEntry {
        Key key;
        gdi::TEXTMETRIC layout;
        gdi::TEXTMETRIC screen;
    };
    struct WidthsEntry {
        Key key;
        std::array<int16_t, 256> widths {};
    };

    std::list<MetricsEntry> metrics;
    std::list<WidthsEntry> printerWidths;
    std::list<WidthsEntry> screenWidths;
};

// Weighted mean of the lower-case letters' widths, times 10.
int WeightedMeanWidth(const int16_t* widths);
// How far screen widths of that weighted mean are moved towards the
// printer's.
int WidthAdjustment(int screenMean, int printerMean);

// The program-wide cache: the application makes it when it starts and frees
// it at exit; null outside that time.
FONTMETRICSCACHE* GetFontMetricsCache();
void SetFontMetricsCache(FONTMETRICSCACHE* cache);
