// The program's cache of the fonts of character formats: selects a format's
// font into the device context of a text drawing, one list of at most 20
// fonts per kind of device.
#pragma once

#include "forms/model/textattr.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/font.h"

#include <cstdint>
#include <list>
#include <optional>

class FONTCACHEENTRY {
public:
    FONTCACHEENTRY();
    // Bold, italic, typeface, size, escapement and zoom: colour, underline
    // and the third style flag do not change the font.
    bool Matches(const TEXTATTR& attr, int16_t escapement, uint32_t zoom) const;

    TEXTATTR key;
    int16_t escapement = 0;
    gdi::Font font;
    uint32_t zoom = 100;
};

class FONTCACHE {
public:
    // Selects the font of the format into the context and sets the text
    // colour to the format's. The device kind is the drawing context's
    // (1 window, 2 printer, 4 preview, 3 a device without mapping) and the
    // zoom its percentage. 1, or 0 for a kind that has no fonts.
    int GetFont(gdi::DC& dc, uint8_t deviceKind, uint32_t zoom, const TEXTATTR& attr, int16_t escapement);
    // Selects back the font and text colour that the context had before the
    // first GetFont; nothing is selected afterwards.
    void Release(gdi::DC& dc);

    void FlushList1() { Flush(0); }
    void FlushList2() { Flush(1); }
    void FlushList3() { Flush(2); }

    int GetCount(uint8_t deviceKind) const;
    bool Contains(uint8_t deviceKind, const TEXTATTR& attr, int16_t escapement, uint32_t zoom) const;

private:
    static int ListOf(uint8_t deviceKind);
    void Flush(int list);
    const FONTCACHEENTRY& Find(
        std::list<FONTCACHEENTRY>& list, const TEXTATTR& attr, int16_t escapement, uint32_t zoom);

    std::list<FONTCACHEENTRY> lists[3];
    std::optional<gdi::Font> previousFont;
    const FONTCACHEENTRY* selected = nullptr;
    gdi::COLORREF previousColour = 0;
};

// The program-wide cache: the application makes it when it starts and frees
// it at exit; null outside that time.
FONTCACHE* GetFontCache();
void SetFontCache(FONTCACHE* cache);
