#include "forms/model/font_cache.h"

#include "forms/model/logical_font.h"

#include <algorithm>

namespace {

constexpr size_t kListSize = 20;

FONTCACHE* g_fontCache = nullptr;

} // namespace

FONTCACHEENTRY::FONTCACHEENTRY()
{
    key.SetMixed();
}

bool FONTCACHEENTRY::Matches(const TEXTATTR& attr, int16_t esc, uint32_t z) const
{
    return key.bold == attr.bold && key.italic == attr.italic && key.face == attr.face && key.size == attr.size
        && escapement == esc && zoom == z;
}

int FONTCACHE::ListOf(uint8_t deviceKind)
{
    switch (deviceKind) {
    case 1:
        return 0;
    case 2:
    case 4:
        return 1;
    case 3:
        return 2;
    default:
        return -1;
    }
}

const FONTCACHEENTRY& FONTCACHE::Find(
    std::list<FONTCACHEENTRY>& list, const TEXTATTR& attr, int16_t escapement, uint32_t zoom)
{
    auto it = std::find_if(
        list.begin(), list.end(), [&](const FONTCACHEENTRY& e) { return e.Matches(attr, escapement, zoom); });
    if (it != list.end()) {
        list.splice(list.begin(), list, it);
        return list.front();
    }
    if (list.size() < kListSize) {
        list.emplace_front();
    } else {
        list.splice(list.begin(), list, std::prev(list.end()));
        // A reused entry gets a new font: it must be selected afresh.
        if (selected == &list.front())
            selected = nullptr;
    }
    FONTCACHEENTRY& entry = list.front();
    entry.key = attr;
    entry.escapement = escapement;
    entry.zoom = zoom;
    // Fonts are measured in twips, so the face's own average width holds at
    // every zoom and the font is made once.
    gdi::LOGFONT logfont;
    MakeLogicalFont(attr, logfont, escapement);
    entry.font = gdi::Font(logfont);
    return entry;
}

int FONTCACHE::GetFont(gdi::DC& dc, uint8_t deviceKind, uint32_t zoom, const TEXTATTR& attr, int16_t escapement)
{
    const int list = ListOf(deviceKind);
    if (list < 0)
        return 0;
    const FONTCACHEENTRY& entry = Find(lists[list], attr, escapement, zoom);
    if (&entry != selected) {
        const gdi::Font old = dc.SelectObject(entry.font);
        if (!previousFont) {
            previousFont = old;
            previousColour = dc.GetTextColor();
        }
    }
    selected = &entry;
    dc.SetTextColor(attr.colour);
    return 1;
}

void FONTCACHE::Release(gdi::DC& dc)
{
    if (previousFont) {
        dc.SelectObject(*previousFont);
        dc.SetTextColor(previousColour);
    }
    previousFont.reset();
    selected = nullptr;
}

void FONTCACHE::Flush(int list)
{
    for (const FONTCACHEENTRY& e : lists[list]) {
        if (&e == selected)
            selected = nullptr;
    }
    lists[list].clear();
}

int FONTCACHE::GetCount(uint8_t deviceKind) const
{
    const int list = ListOf(deviceKind);
    return list < 0 ? 0 : static_cast<int>(lists[list].size());
}

bool FONTCACHE::Contains(uint8_t deviceKind, const TEXTATTR& attr, int16_t escapement, uint32_t zoom) const
{
    const int list = ListOf(deviceKind);
    if (list < 0)
        return false;
    return std::any_of(lists[list].begin(), lists[list].end(),
        [&](const FONTCACHEENTRY& e) { return e.Matches(attr, escapement, zoom); });
}

FONTCACHE* GetFontCache()
{
    return g_fontCache;
}

void SetFontCache(FONTCACHE* cache)
{
    g_fontCache = cache;
}
