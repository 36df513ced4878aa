// Scrolling of the base view over its page: moving the page by a distance,
// scroll codes, the bars' ranges, automatic scrolling, the edge test and
// the conversions between window pixels and page twips. Distances and
// positions are 16-bit pixel values, as the bars hold them.
#include "forms/app/views/fbaseview.h"

#include "forms/model/tracker_geometry.h"

#include "platform/gdi/muldiv.h"
#include "platform/ui/splitter.h"

#include <QScrollBar>
#include <QSignalBlocker>
#include <QWidget>

#include <algorithm>

namespace {

constexpr int32_t kEdgeBorder = 288;

// The scale alone, both origins taken as zero.
gdi::Mapping ScaleOf(const VIEWDC& v)
{
    gdi::Mapping scale = v.dc->GetMapping();
    scale.windowOrg = {};
    scale.viewportOrg = {};
    return scale;
}

POINT ToPixels(const VIEWDC& v, POINT twips)
{
    return ScaleOf(v).LPtoDP(twips);
}

POINT ToTwips(const VIEWDC& v, POINT pixels)
{
    return ScaleOf(v).DPtoLP(pixels);
}

// A context set up for the view's own window only to convert coordinates:
// the shared device context is left as it was, so that a caller drawing in
// pixels meanwhile keeps its mapping.
class ConvertingDC : public VIEWDC {
public:
    explicit ConvertingDC(OBJECT_VIEW* view)
        : VIEWDC(view)
        , saved(dc ? dc->SaveDC() : 0)
    {
        SetUpOwnWindow();
    }
    ~ConvertingDC()
    {
        if (saved)
            dc->RestoreDC(saved);
    }
    ConvertingDC(const ConvertingDC&) = delete;
    ConvertingDC& operator=(const ConvertingDC&) = delete;

private:
    int saved;
};

int16_t Axis(POINT p, uint8_t axis)
{
    return static_cast<int16_t>(axis == 0 ? p.x : p.y);
}

} // namespace

int32_t TwipsToHiMetric(int16_t twips)
{
    return gdi::MulDiv(twips, 2540, 1440);
}

QScrollBar* FBASEVIEW::GetScrollBarCtrl(Qt::Orientation orientation) const
{
    return ui::Splitter::ScrollBarOf(*this, orientation);
}

ui::Splitter* FBASEVIEW::GetParentSplitter() const
{
    return ui::Splitter::Of(*this);
}

SIZE FBASEVIEW::RecalcLayout(uint8_t axis, int16_t distance, VIEWDC& v)
{
    const POINT device = ToPixels(v, windowOrg);
    const int16_t d[2] = {Axis(device, 0), Axis(device, 1)};
    int16_t n[2] = {d[0], d[1]};
    n[axis] = static_cast<int16_t>(n[axis] + distance);
    const RECT client = GetClientRect();
    const int16_t page[2] = {v.GetPageWidthDP(), v.GetPageHeightDP()};
    const int16_t window[2] = {static_cast<int16_t>(client.right), static_cast<int16_t>(client.bottom)};
    const int16_t freeSpace[2] = {static_cast<int16_t>(placement.right), static_cast<int16_t>(placement.bottom)};
    const int16_t offset[2] = {static_cast<int16_t>(placement.left), static_cast<int16_t>(placement.top)};
    const int32_t oldVp[2] = {viewportOrg.x, viewportOrg.y};
    int32_t vp[2] = {oldVp[0], oldVp[1]};
    int32_t scroll[2] = {windowOrg.x, windowOrg.y};
    for (int i = 0; i < 2; ++i) {
        const auto last = static_cast<int16_t>(page[i] - window[i] + freeSpace[i]);
        if (n[i] > last)
            n[i] = last;
        if (n[i] > 0) {
            vp[i] = 0;
        } else if (n[i] < 0) {
            n[i] = 0;
            scroll[i] = 0;
            vp[i] = offset[i];
        }
    }
    const POINT twips = ToTwips(v, {n[0], n[1]});
    if (vp[0] == 0)
        scroll[0] = twips.x;
    if (vp[1] == 0)
        scroll[1] = twips.y;
    windowOrg = {scroll[0], scroll[1]};
    viewportOrg = {vp[0], vp[1]};
    v.SetViewportOrg(vp[0], vp[1]);
    v.originX = windowOrg.x;
    v.originY = windowOrg.y;
    const SIZE moved {(d[0] - n[0]) + (vp[0] - oldVp[0]), (d[1] - n[1]) + (vp[1] - oldVp[1])};
    if (moved.cx != 0 || moved.cy != 0)
        UpdateRulers(moved.cx != 0, moved.cy != 0);
    return moved;
}

SIZE FBASEVIEW::ScrollHorz(uint8_t code, int16_t position, QScrollBar* bar)
{
    return ScrollBy(0, code, position, bar);
}

SIZE FBASEVIEW::ScrollVert(uint8_t code, int16_t position, QScrollBar* bar)
{
    return ScrollBy(1, code, position, bar);
}

SIZE FBASEVIEW::ScrollBy(uint8_t axis, uint8_t code, int16_t position, QScrollBar* bar)
{
    VIEWDC v(this, kOwnWindow);
    if (!v.IsSetUp())
        return {};
    if (code == SB_THUMBTRACK)
        return {};
    const RECT client = GetClientRect();
    const auto window = static_cast<int16_t>(axis == 0 ? client.right : client.bottom);
    const auto line = static_cast<int16_t>(window / 5);
    const auto screen = static_cast<int16_t>(gdi::MulDiv(window, 90, 100));
    const int16_t page = axis == 0 ? v.GetPageWidthDP() : v.GetPageHeightDP();
    int16_t distance = 0;
    switch (code) {
    case SB_LINEUP:
        distance = static_cast<int16_t>(-line);
        break;
    case SB_LINEDOWN:
        distance = line;
        break;
    case SB_PAGEUP:
        distance = static_cast<int16_t>(-screen);
        break;
    case SB_PAGEDOWN:
        distance = screen;
        break;
    case SB_THUMBPOSITION: {
        const int32_t offset = axis == 0 ? placement.left : placement.top;
        const int32_t freeSpace = axis == 0 ? placement.right : placement.bottom;
        // Without a bar, the range such a bar would show.
        int32_t minimum = -offset;
        int32_t maximum = page + freeSpace;
        if (bar) {
            minimum = bar->minimum();
            maximum = bar->maximum() + bar->pageStep();
        }
        const int32_t extent = page + freeSpace + offset;
        const int32_t target = position == 0 ? -offset : gdi::MulDiv(position, extent, maximum - minimum);
        const POINT device = ToPixels(v, windowOrg);
        const auto at = static_cast<int16_t>(Axis(device, axis) - (axis == 0 ? viewportOrg.x : viewportOrg.y));
        distance = static_cast<int16_t>(target - at);
        break;
    }
    // Home and the last position: the whole page backwards or forwards.
    case SB_TOP:
        distance = static_cast<int16_t>(-page);
        break;
    case SB_BOTTOM:
        distance = page;
        break;
    default:
        break;
    }
    const SIZE moved = RecalcLayout(axis, distance, v);
    if (axis == 0)
        SetScrollRangeHorz(v, bar);
    else
        SetScrollRangeVert(v, bar);
    ScrollWindow(moved);
    return moved;
}

void FBASEVIEW::ScrollWindow(SIZE moved)
{
    if (moved.cx == 0 && moved.cy == 0)
        return;
    if (QWidget* window = GetWindow())
        for (QWidget* child : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            child->move(child->pos() + QPoint(moved.cx, moved.cy));
    InvalidateAll();
}

namespace {

// Proportional bars: the range runs from minus the offset to the page
// and its free space, a page of the window's size.
void SetBar(QScrollBar* bar, int32_t offset, int32_t page, int32_t freeSpace, int32_t window, int32_t position)
{
    if (!bar)
        return;
    const QSignalBlocker quiet(bar);
    bar->setTracking(false);
    bar->setRange(-offset, std::max(-offset, page + freeSpace - window));
    bar->setPageStep(window);
    bar->setSingleStep(std::max(1, window / 5));
    bar->setValue(position);
}

} // namespace

void FBASEVIEW::SetScrollRangeHorz(VIEWDC& v, QScrollBar* bar)
{
    const POINT device = ToPixels(v, windowOrg);
    SetBar(bar, placement.left, v.GetPageWidthDP(), placement.right, GetClientRect().right,
        static_cast<int16_t>(Axis(device, 0) - viewportOrg.x));
}

void FBASEVIEW::SetScrollRangeVert(VIEWDC& v, QScrollBar* bar)
{
    const POINT device = ToPixels(v, windowOrg);
    SetBar(bar, placement.top, v.GetPageHeightDP(), placement.bottom, GetClientRect().bottom,
        static_cast<int16_t>(Axis(device, 1) - viewportOrg.y));
}

void FBASEVIEW::ResetScrollBars()
{
    VIEWDC v(this, kOwnWindow);
    if (!v.IsSetUp())
        return;
    SetScrollRangeHorz(v, GetScrollBarCtrl(Qt::Horizontal));
    SetScrollRangeVert(v, GetScrollBarCtrl(Qt::Vertical));
}

int FBASEVIEW::AutoScroll(int16_t dx, int16_t dy, uint16_t page)
{
    if (page != currentPage)
        SetPage(page);
    int row = -1;
    int column = -1;
    if (ui::Splitter* splitter = GetParentSplitter(); splitter && active && splitter->FindPane(*this, row, column)) {
        for (int r = 0; r < splitter->GetRowCount(); ++r)
            if (auto* other = dynamic_cast<FBASEVIEW*>(splitter->GetPane(r, column)); other && r != row)
                other->AutoScroll(dx, 0, static_cast<uint16_t>(currentPage));
        for (int c = 0; c < splitter->GetColumnCount(); ++c)
            if (auto* other = dynamic_cast<FBASEVIEW*>(splitter->GetPane(row, c)); other && c != column)
                other->AutoScroll(0, dy, static_cast<uint16_t>(currentPage));
    }
    VIEWDC v(this, kOwnWindow);
    if (!v.IsSetUp())
        return 0;
    QScrollBar* bars[2] = {GetScrollBarCtrl(Qt::Horizontal), GetScrollBarCtrl(Qt::Vertical)};
    const POINT device = ToPixels(v, windowOrg);
    const int16_t page2[2] = {v.GetPageWidthDP(), v.GetPageHeightDP()};
    const int32_t offsets[2] = {placement.left, placement.top};
    const int32_t frees[2] = {placement.right, placement.bottom};
    const int32_t vps[2] = {viewportOrg.x, viewportOrg.y};
    int32_t position[2];
    int32_t minimum[2];
    int32_t maximum[2];
    for (int i = 0; i < 2; ++i) {
        if (bars[i]) {
            position[i] = bars[i]->value();
            minimum[i] = bars[i]->minimum();
            maximum[i] = bars[i]->maximum() + bars[i]->pageStep();
        } else {
            position[i] = Axis(device, static_cast<uint8_t>(i)) - vps[i];
            minimum[i] = -offsets[i];
            maximum[i] = page2[i] + frees[i];
        }
    }
    const POINT pixels = ToPixels(v, {dx, dy});
    const int32_t distance[2] = {pixels.x, pixels.y};
    for (int i = 0; i < 2; ++i) {
        int32_t to = position[i] + distance[i];
        to = std::max(std::min(to, maximum[i]), minimum[i]);
        if (i == 0)
            ScrollHorz(SB_THUMBPOSITION, static_cast<int16_t>(to), bars[i]);
        else
            ScrollVert(SB_THUMBPOSITION, static_cast<int16_t>(to), bars[i]);
    }
    if (!active)
        for (int i = 0; i < 2; ++i)
            if (bars[i]) {
                const QSignalBlocker quiet(bars[i]);
                bars[i]->setValue(position[i]);
            }
    UpdateWindow();
    return 1;
}

int FBASEVIEW::GetAutoScrollSide(POINT point, uint16_t& side)
{
    side = 0;
    VIEWDC v(this, kOwnWindow);
    if (!v.IsSetUp())
        return 0;
    const POINT border = ToPixels(v, {kEdgeBorder, kEdgeBorder});
    const RECT client = GetClientRect();
    if (point.x < client.left + border.x)
        side = kScrollLeft;
    if (point.y < client.top + border.y)
        side = kScrollTop;
    if (point.x > client.right - border.x)
        side = kScrollRight;
    if (point.y > client.bottom - border.y)
        side = kScrollBottom;
    return side != 0 ? 1 : 0;
}

int FBASEVIEW::GetAutoScrollSide(POINT point)
{
    if (!GetScrollBarCtrl(Qt::Horizontal) || !GetScrollBarCtrl(Qt::Vertical))
        return 0;
    uint16_t side = 0;
    GetAutoScrollSide(point, side);
    return side;
}

SIZE FBASEVIEW::ScrollLine(int side)
{
    switch (side) {
    case kScrollLeft:
        return ScrollHorz(SB_LINEUP, 0, GetScrollBarCtrl(Qt::Horizontal));
    case kScrollRight:
        return ScrollHorz(SB_LINEDOWN, 0, GetScrollBarCtrl(Qt::Horizontal));
    case kScrollTop:
        return ScrollVert(SB_LINEUP, 0, GetScrollBarCtrl(Qt::Vertical));
    case kScrollBottom:
        return ScrollVert(SB_LINEDOWN, 0, GetScrollBarCtrl(Qt::Vertical));
    default:
        return {};
    }
}

void FBASEVIEW::OnScroll(Qt::Orientation orientation, int position)
{
    if (orientation == Qt::Horizontal)
        ScrollHorz(SB_THUMBPOSITION, static_cast<int16_t>(position), GetScrollBarCtrl(Qt::Horizontal));
    else
        ScrollVert(SB_THUMBPOSITION, static_cast<int16_t>(position), GetScrollBarCtrl(Qt::Vertical));
}

void FBASEVIEW::ToDeviceRect(RECT& rect)
{
    ConvertingDC v(this);
    if (!v.IsSetUp())
        return;
    POINT p[2]
        = {{rect.left - windowOrg.x, rect.top - windowOrg.y}, {rect.right - windowOrg.x, rect.bottom - windowOrg.y}};
    v.LPtoDP(p, 2);
    rect = {p[0].x, p[0].y, p[1].x, p[1].y};
}

void FBASEVIEW::ToLogicalRect(RECT& rect)
{
    ConvertingDC v(this);
    if (!v.IsSetUp())
        return;
    POINT p[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    v.DPtoLP(p, 2);
    rect = {p[0].x + windowOrg.x, p[0].y + windowOrg.y, p[1].x + windowOrg.x, p[1].y + windowOrg.y};
}

void FBASEVIEW::ToLogicalPoint(POINT& point)
{
    ConvertingDC v(this);
    if (!v.IsSetUp())
        return;
    v.DPtoLP(&point, 1);
    point.x += windowOrg.x;
    point.y += windowOrg.y;
}

void FBASEVIEW::FromLogicalPoint(RECT& rect)
{
    ConvertingDC v(this);
    if (!v.IsSetUp())
        return;
    POINT p[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    v.DPtoLP(p, 2);
    rect = {p[0].x, p[0].y, p[1].x, p[1].y};
}

void FBASEVIEW::OffsetByScroll(RECT& rect)
{
    rect = {rect.left - windowOrg.x, rect.top - windowOrg.y, rect.right - windowOrg.x, rect.bottom - windowOrg.y};
}
