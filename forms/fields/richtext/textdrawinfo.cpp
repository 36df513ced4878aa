#include "forms/fields/richtext/textdrawinfo.h"

#include <algorithm>

TEXTDRAWINFO::TEXTDRAWINFO(gdi::DC* dc, POINT origin, uint8_t mode, int8_t slot, uint16_t printerId,
    const TEXTZOOM& zoom, const RECT& rect, uint16_t angle)
    : originX(origin.x)
    , originY(origin.y)
    , dc(dc)
    , printerId(printerId)
    , slot(slot)
    , mode(mode)
    , zoom(zoom)
{
    if (angle != 0)
        rotation.Set(rect.left, rect.top, rect.right, rect.bottom, angle);
}

POINT TEXTDRAWINFO::Place(int32_t x, int32_t y) const
{
    const POINT p = rotation.Rotate({x, y});
    return {p.x + originX, p.y + originY};
}

namespace {

// The bounding rectangle of a turned rectangle's corners.
RECT PlaceRect(const TEXTDRAWINFO& info, const RECT& r)
{
    const POINT a = info.Place(r.left, r.top);
    const POINT b = info.Place(r.right, r.bottom);
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

} // namespace

bool TEXTDRAWINFO::TextOut(
    int32_t x, int32_t y, unsigned options, const RECT* clip, const char* chars, int n, const int* widths) const
{
    const POINT p = Place(x, y);
    RECT placed;
    if (clip)
        placed = PlaceRect(*this, *clip);
    return dc->ExtTextOut(p.x, p.y, options, clip ? &placed : nullptr, std::string_view(chars, size_t(n)), widths);
}

void TEXTDRAWINFO::MoveTo(int32_t x, int32_t y) const
{
    const POINT p = Place(x, y);
    dc->MoveTo(p.x, p.y);
}

void TEXTDRAWINFO::LineTo(int32_t x, int32_t y) const
{
    const POINT p = Place(x, y);
    dc->LineTo(p.x, p.y);
}

void TEXTDRAWINFO::InvertRect(const RECT& r) const
{
    dc->InvertRect(PlaceRect(*this, r));
}

int32_t TEXTDRAWINFO::LPtoDPX(int32_t x) const
{
    POINT p[2] = {{0, 0}, {x, 0}};
    dc->LPtoDP(p, 2);
    return p[1].x - p[0].x;
}

int32_t TEXTDRAWINFO::LPtoDPY(int32_t y) const
{
    POINT p[2] = {{0, 0}, {0, y}};
    dc->LPtoDP(p, 2);
    return p[1].y - p[0].y;
}

int32_t TEXTDRAWINFO::DPtoLPX(int32_t x) const
{
    POINT p[2] = {{0, 0}, {x, 0}};
    dc->DPtoLP(p, 2);
    return p[1].x - p[0].x;
}

int32_t TEXTDRAWINFO::DPtoLPY(int32_t y) const
{
    POINT p[2] = {{0, 0}, {0, y}};
    dc->DPtoLP(p, 2);
    return p[1].y - p[0].y;
}

void TEXTDRAWINFO::SetWindowExt(int32_t cx, int32_t cy)
{
    windowExt = {cx, cy};
    dc->SetWindowExt(cx, cy);
}

void TEXTDRAWINFO::SetViewportExt(int32_t cx, int32_t cy)
{
    viewportExt = {cx, cy};
    dc->SetViewportExt(cx, cy);
}

void TEXTDRAWINFO::SetWindowOrg(int32_t x, int32_t y)
{
    windowOrg = {x, y};
    dc->SetWindowOrg(x, y);
}

void TEXTDRAWINFO::SetViewportOrg(int32_t x, int32_t y)
{
    viewportOrg = {x, y};
    dc->SetViewportOrg(x, y);
}
