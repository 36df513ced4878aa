#include "platform/gdi/dc.h"

#include <algorithm>
#include <utility>

namespace gdi {

DC::DC(Surface& surface)
    : surface_(surface)
{}

bool DC::IsPrinting() const
{
    return Kind() == DeviceKind::Printer || Kind() == DeviceKind::Preview;
}

int DC::GetDeviceCaps(int index) const
{
    switch (index) {
    case HORZRES:
        return surface_.PixelSize().cx;
    case VERTRES:
        return surface_.PixelSize().cy;
    case LOGPIXELSX:
        return surface_.DpiX();
    case LOGPIXELSY:
        return surface_.DpiY();
    case PHYSICALWIDTH:
        return surface_.PhysicalSize().cx;
    case PHYSICALHEIGHT:
        return surface_.PhysicalSize().cy;
    case PHYSICALOFFSETX:
        return surface_.PhysicalOffset().x;
    case PHYSICALOFFSETY:
        return surface_.PhysicalOffset().y;
    default:
        return 0;
    }
}

int DC::SetMapMode(int mode)
{
    if (mode != MM_TEXT && mode != MM_ANISOTROPIC)
        return 0;
    return std::exchange(state_.mapping.mode, mode);
}

POINT DC::SetWindowOrg(int x, int y)
{
    return std::exchange(state_.mapping.windowOrg, POINT {x, y});
}

POINT DC::SetViewportOrg(int x, int y)
{
    return std::exchange(state_.mapping.viewportOrg, POINT {x, y});
}

SIZE DC::SetWindowExt(int cx, int cy)
{
    const SIZE old = GetWindowExt();
    if (state_.mapping.mode == MM_ANISOTROPIC && cx != 0 && cy != 0)
        state_.mapping.windowExt = {cx, cy};
    return old;
}

SIZE DC::SetViewportExt(int cx, int cy)
{
    const SIZE old = GetViewportExt();
    if (state_.mapping.mode == MM_ANISOTROPIC && cx != 0 && cy != 0)
        state_.mapping.viewportExt = {cx, cy};
    return old;
}

void DC::LPtoDP(POINT* points, int count) const
{
    for (int i = 0; i < count; ++i)
        points[i] = state_.mapping.LPtoDP(points[i]);
}

void DC::DPtoLP(POINT* points, int count) const
{
    for (int i = 0; i < count; ++i)
        points[i] = state_.mapping.DPtoLP(points[i]);
}

RECT DC::LPtoDP(const RECT& r) const
{
    const POINT a = state_.mapping.LPtoDP({r.left, r.top});
    const POINT b = state_.mapping.LPtoDP({r.right, r.bottom});
    return {a.x, a.y, b.x, b.y};
}

RECT DC::DPtoLP(const RECT& r) const
{
    const POINT a = state_.mapping.DPtoLP({r.left, r.top});
    const POINT b = state_.mapping.DPtoLP({r.right, r.bottom});
    return {a.x, a.y, b.x, b.y};
}

Pen DC::SelectObject(const Pen& pen)
{
    return std::exchange(state_.pen, pen);
}

Brush DC::SelectObject(const Brush& brush)
{
    return std::exchange(state_.brush, brush);
}

Font DC::SelectObject(const Font& font)
{
    return std::exchange(state_.font, font);
}

COLORREF DC::SetTextColor(COLORREF colour)
{
    return std::exchange(state_.textColour, colour & 0xFFFFFF);
}

COLORREF DC::SetBkColor(COLORREF colour)
{
    return std::exchange(state_.bkColour, colour & 0xFFFFFF);
}

int DC::SetBkMode(int mode)
{
    if (mode != TRANSPARENT && mode != OPAQUE)
        return 0;
    return std::exchange(state_.bkMode, mode);
}

int DC::SetROP2(int mode)
{
    if (mode != R2_COPYPEN && mode != R2_XORPEN && mode != R2_NOT && mode != R2_MASKNOTPEN)
        return 0;
    return std::exchange(state_.rop2, mode);
}

int DC::SetPolyFillMode(int mode)
{
    if (mode != ALTERNATE && mode != WINDING)
        return 0;
    return std::exchange(state_.polyFillMode, mode);
}

POINT DC::SetBrushOrg(int x, int y)
{
    return std::exchange(state_.brushOrg, POINT {x, y});
}

int DC::SaveDC()
{
    saved_.push_back(state_);
    return static_cast<int>(saved_.size());
}

bool DC::RestoreDC(int level)
{
    const int depth = static_cast<int>(saved_.size());
    const int target = level < 0 ? depth + level + 1 : level;
    if (level == 0 || target < 1 || target > depth)
        return false;
    state_ = saved_[target - 1];
    saved_.resize(target - 1);
    return true;
}

Region DC::DeviceBounds() const
{
    const SIZE size = surface_.PixelSize();
    return Region::Rect(0, 0, size.cx, size.cy);
}

int DC::ClipType() const
{
    return state_.clip ? state_.clip->Type() : SIMPLEREGION;
}

int DC::SelectClipRgn(const Region* region)
{
    if (Kind() == DeviceKind::Picture)
        return ERROR;
    if (region)
        state_.clip = *region;
    else
        state_.clip.reset();
    return ClipType();
}

int DC::ExtSelectClipRgn(const Region& region, int mode)
{
    if (Kind() == DeviceKind::Picture)
        return ERROR;
    if (!state_.clip) {
        state_.clip = region;
    } else {
        Region result;
        result.Combine(*state_.clip, region, mode);
        state_.clip = std::move(result);
    }
    return ClipType();
}

int DC::ExcludeClipRect(int left, int top, int right, int bottom)
{
    if (Kind() == DeviceKind::Picture)
        return ERROR;
    RECT device = LPtoDP(RECT {left, top, right, bottom});
    if (device.left > device.right)
        std::swap(device.left, device.right);
    if (device.top > device.bottom)
        std::swap(device.top, device.bottom);
    Region current = state_.clip ? *state_.clip : DeviceBounds();
    Region result;
    result.Combine(current, Region::Rect(device), RGN_DIFF);
    state_.clip = std::move(result);
    return ClipType();
}

int DC::GetClipRgn(Region& out) const
{
    if (!state_.clip)
        return 0;
    out = *state_.clip;
    return 1;
}

bool DC::RectVisible(const RECT& r) const
{
    RECT device = LPtoDP(r);
    if (device.left > device.right)
        std::swap(device.left, device.right);
    if (device.top > device.bottom)
        std::swap(device.top, device.bottom);
    if (state_.clip)
        return state_.clip->Intersects(device);
    const SIZE size = surface_.PixelSize();
    return !device.IsEmpty() && device.left < size.cx && device.right > 0 && device.top < size.cy && device.bottom > 0;
}

int DC::GetClipBox(RECT& box) const
{
    RECT device;
    const int type = state_.clip ? state_.clip->GetBox(device) : DeviceBounds().GetBox(device);
    box = DPtoLP(device);
    if (box.left > box.right)
        std::swap(box.left, box.right);
    if (box.top > box.bottom)
        std::swap(box.top, box.bottom);
    return type;
}

DrawState DC::Resolve() const
{
    DrawState s;
    s.pen = state_.pen;
    if (s.pen.width != 0)
        s.pen.width = std::max(1, static_cast<int>(s.pen.width * state_.mapping.ScaleX() + 0.5));
    if (s.pen.width == 1)
        s.pen.width = 0;
    s.brush = state_.brush;
    s.textColour = state_.textColour;
    s.bkColour = state_.bkColour;
    s.bkMode = state_.bkMode;
    s.rop2 = state_.rop2;
    s.polyFillMode = state_.polyFillMode;
    s.brushOrg = state_.brushOrg;
    if (Kind() != DeviceKind::Picture)
        s.clip = state_.clip;
    return s;
}

std::vector<POINT> DC::ToDevice(const std::vector<POINT>& points) const
{
    std::vector<POINT> device(points);
    LPtoDP(device.data(), static_cast<int>(device.size()));
    return device;
}

} // namespace gdi
