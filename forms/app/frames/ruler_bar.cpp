#include "forms/app/frames/ruler_bar.h"

#include "forms/app/frames/ruler_scale.h"
#include "forms/res/program_icons.h"

#include "platform/gdi/bitmap.h"
#include "platform/gdi/brush.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/palette.h"
#include "platform/gdi/window_surface.h"

#include <algorithm>

namespace {

// The digits 0 to 9 side by side, each a tenth of the width; shared by
// every ruler, loaded on first paint and freed with a ruler.
gdi::Bitmap& Digits()
{
    static gdi::Bitmap digits;
    return digits;
}

constexpr uint32_t kDigitsBitmap = 2207;
// The scale strip's page and its lit and shaded edges.
constexpr gdi::COLORREF kStripPage = gdi::RGB(0xFF, 0xFF, 0xFF);
constexpr gdi::COLORREF kStripLitEdge = gdi::RGB(0xFF, 0xFF, 0xFF);
constexpr gdi::COLORREF kStripShadedEdge = gdi::RGB(0x00, 0x00, 0x00);

} // namespace

RULERBAR::RULERBAR() = default;

RULERBAR::~RULERBAR()
{
    Digits() = {};
    delete window_.data();
}

bool RULERBAR::Create(QWidget* parent, bool horizontal)
{
    if (!parent)
        return false;
    horizontal_ = horizontal;
    window_ = new ui::SurfaceWindow(parent, horizontal ? ID_RULER_HORZ : ID_RULER_VERT);
    if (horizontal)
        window_->setFixedHeight(kHorizontalHeight);
    else
        window_->setFixedWidth(kVerticalWidth);
    window_->SetPaintHandler([this](gdi::DC& dc, const gdi::RECT& client) { OnPaint(dc, client); });
    window_->show();
    return true;
}

ui::SurfaceWindow* RULERBAR::GetWindow() const
{
    return window_;
}

void RULERBAR::SetScale(int32_t numerator, int32_t denominator, int32_t pageStart, int32_t scrollOrigin,
    int32_t pageLength, int32_t visibleEnd)
{
    numerator_ = numerator;
    denominator_ = denominator > 0 ? denominator : 1;
    pageStart_ = pageStart;
    scrollOrigin_ = scrollOrigin;
    pageLength_ = pageLength;
    visibleEnd_ = visibleEnd;
}

int32_t RULERBAR::ToPixels(int32_t twips) const
{
    return static_cast<int32_t>(int64_t {twips - scrollOrigin_} * numerator_ / denominator_ + pageStart_);
}

int32_t RULERBAR::ScaleEdge() const
{
    const int across = horizontal_ ? kHorizontalHeight : kVerticalWidth;
    return across - 8;
}

int32_t RULERBAR::Placeable(int32_t position) const
{
    const int32_t limit = std::min(ToPixels(pageLength_), visibleEnd_) - pageStart_;
    return position < 0 || position > limit ? -1 : position;
}

void RULERBAR::InvertMarker(int32_t position)
{
    if (!window_ || position < 0)
        return;
    const int32_t at = position + pageStart_;
    gdi::DC dc(window_->Surface());
    if (horizontal_)
        dc.InvertRect({at - 1, 4, at + 2, 15});
    else
        dc.InvertRect({4, at - 1, 15, at + 2});
}

void RULERBAR::HideMarkers()
{
    if (!shown_ || (first_ == -1 && second_ == -1))
        return;
    InvertMarker(first_);
    InvertMarker(second_);
    first_ = -1;
    second_ = -1;
}

void RULERBAR::ShowMarker(int32_t position)
{
    if (!shown_ || second_ != -1 || position == first_)
        return;
    InvertMarker(first_);
    first_ = Placeable(position);
    InvertMarker(first_);
}

void RULERBAR::ShowObjectExtent(int32_t start, int32_t end)
{
    if (!shown_ || !selection_)
        return;
    const int32_t newFirst = Placeable(start);
    const int32_t newSecond = Placeable(end);
    if (newFirst == first_ && newSecond == second_)
        return;
    if (newFirst != first_) {
        InvertMarker(first_);
        first_ = newFirst;
        InvertMarker(first_);
    }
    if (newSecond != second_) {
        InvertMarker(second_);
        second_ = newSecond;
        InvertMarker(second_);
    }
}

void RULERBAR::Refresh()
{
    HideMarkers();
    Redraw();
}

void RULERBAR::Redraw()
{
    if (window_)
        window_->Redraw();
}

void RULERBAR::OnPaint(gdi::DC& dc, const gdi::RECT& client)
{
    if (!shown_)
        return;
    if (Digits().IsNull()) {
        const QImage digits = ProgramSvgBitmap(kDigitsBitmap);
        if (!digits.isNull())
            Digits() = gdi::Bitmap::FromImage(digits.convertToFormat(QImage::Format_RGB32));
    }
    const int along = horizontal_ ? client.right : client.bottom;
    const int across = horizontal_ ? client.bottom : client.right;
    // Rectangles given along and across the ruler.
    const auto fill = [&](int a0, int c0, int a1, int c1, gdi::COLORREF colour) {
        if (a1 <= a0 || c1 <= c0)
            return;
        const gdi::RECT r = horizontal_ ? gdi::RECT {a0, c0, a1, c1} : gdi::RECT {c0, a0, c1, a1};
        dc.FillRect(r, gdi::Brush::Solid(colour));
    };
    const gdi::COLORREF face = gdi::GetSysColor(gdi::COLOR_BTNFACE);
    fill(0, 0, along, across, face);

    // The scale strip: white over the page, face colour beside it, black
    // edges above and before it, white ones below and after.
    const int stripEnd = std::min(visibleEnd_, along - 2);
    const int top = 2;
    const int bottom = across - 7;
    const int pageFrom = std::max(top, ToPixels(0));
    const int pageTo = std::min(stripEnd, ToPixels(pageLength_));
    fill(pageFrom, top, pageTo, bottom, kStripPage);
    fill(2, top, stripEnd, top + 1, kStripShadedEdge);
    fill(2, top, 3, bottom, kStripShadedEdge);
    fill(2, bottom - 1, stripEnd, bottom, kStripLitEdge);
    fill(stripEnd - 1, top, stripEnd, bottom, kStripLitEdge);

    DrawTicks(dc);

    fill(0, 0, along, 1, gdi::GetSysColor(gdi::COLOR_BTNHIGHLIGHT));
    fill(0, 0, 1, across, gdi::GetSysColor(gdi::COLOR_BTNHIGHLIGHT));
    fill(0, across - 1, along, across, gdi::GetSysColor(gdi::COLOR_BTNSHADOW));
    fill(along - 1, 0, along, across, gdi::GetSysColor(gdi::COLOR_BTNSHADOW));

    const int32_t first = first_;
    const int32_t second = second_;
    // The markers set are inverted again once the paint has landed.
    InvertMarker(first);
    InvertMarker(second);
}

void RULERBAR::DrawTicks(gdi::DC& dc)
{
    const bool centimetres = unit_ == 1;
    const int dpi = dc.GetDeviceCaps(horizontal_ ? gdi::LOGPIXELSX : gdi::LOGPIXELSY);
    const int32_t inchPixels = static_cast<int32_t>(int64_t {numerator_} * 1440 / denominator_);
    const int step = RulerTickStep(inchPixels, dpi, centimetres);
    const int edge = ScaleEdge();
    const int from = std::max(3, ToPixels(0));
    const int to = std::min(visibleEnd_, ToPixels(pageLength_)) - 1;
    const gdi::Brush ink = gdi::Brush::Solid(gdi::GetSysColor(gdi::COLOR_BTNTEXT));
    const gdi::Bitmap& digits = Digits();
    const int digitWidth = digits.IsNull() ? 0 : digits.Width() / 10;
    for (const RulerTick& tick : RulerTicks(pageLength_, step, centimetres)) {
        const int at = ToPixels(tick.twips);
        if (at < from || at >= to)
            continue;
        const int c0 = edge - tick.length + 1;
        dc.FillRect(horizontal_ ? gdi::RECT {at, c0, at + 1, edge + 1} : gdi::RECT {c0, at, edge + 1, at + 1}, ink);
        if (tick.number < 0 || digitWidth == 0)
            continue;
        // The digits stand 2 pixels after the tick, 11 pixels from the
        // edge, side by side from left to right.
        const RulerDigits shown = RulerNumberDigits(tick.number);
        if (at + 2 + digitWidth > to)
            continue;
        int c = edge - 11;
        int a = at + 2;
        for (int digit : {shown.tens, shown.ones}) {
            if (digit < 0)
                continue;
            if (horizontal_)
                dc.BitBlt(a, c, digitWidth, digits.Height(), digits, digit * digitWidth, 0, gdi::SRCCOPY);
            else
                dc.BitBlt(c, a, digitWidth, digits.Height(), digits, digit * digitWidth, 0, gdi::SRCCOPY);
            (horizontal_ ? a : c) += digitWidth;
        }
    }
}
