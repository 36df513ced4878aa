// A design view for the tracker tests: a real window with a drawing
// surface, 15 twips to the pixel, an optional snap grid, a placement rule,
// scrolling near the right edge and a record of the feedback it was given;
// and a plain object kind whose largest size can be lowered.
#pragma once

#include "tests/common/rect_printer.h"
#include "tests/model/test_objects.h"

#include "forms/model/resize_update_rgn.h"

#include "platform/gdi/window_surface.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include <optional>
#include <ostream>

namespace gdi {
inline void PrintTo(const POINT& p, std::ostream* os)
{
    *os << "(" << p.x << ", " << p.y << ")";
}
} // namespace gdi

class TrackedShape : public FORMOBJ {
public:
    explicit TrackedShape(RECT r = {1500, 1500, 3000, 3000})
    {
        page = 1;
        Tracker(r, 0x12);
        SetRect(r.left, r.top, r.right, r.bottom);
    }
    // Sets up the tracker as the object kinds do.
    void Tracker(const RECT& r, uint32_t style)
    {
        SetTrackerRect(r, style);
        handleSize = 90;
        minSize = {90, 90};
    }
    int Init() override { return 1; }
    uint8_t GetType() const override { return kTypeBox; }
    void Draw(VIEWDC&) override {}
    void GetMaxSize(SIZE& out) override
    {
        if (maxSize)
            out = *maxSize;
        else
            FORMOBJ::GetMaxSize(out);
    }
    void Turn(uint16_t angle) { rotation = angle; }
    void MarkSelected() { selected = 1; }

    std::optional<SIZE> maxSize;
};

class TrackView : public FakeView {
public:
    TrackView()
    {
        g_twipsPerDevice = 15;
        window.resize(400, 300);
        window.show();
        QCoreApplication::processEvents();
    }
    ~TrackView() override { g_twipsPerDevice = 1; }

    std::unique_ptr<gdi::DC> GetWindowDC() override { return std::make_unique<gdi::DC>(canvas); }
    QWidget* GetTrackingWindow() override { return &window; }
    bool GetPointerPos(POINT& device) override
    {
        device = pointer;
        return true;
    }
    bool MovePointer(int32_t dx, int32_t dy) override
    {
        if (!pointerMovable)
            return false;
        pointer = {pointer.x + dx, pointer.y + dy};
        return true;
    }
    void SnapX(int32_t& x) override { x = Snap(x); }
    void SnapY(int32_t& y) override { y = Snap(y); }
    void SnapPoint(POINT& p) override { p = {Snap(p.x), Snap(p.y)}; }
    int IsValidPlacement(int32_t, int32_t, int32_t right, int32_t, FORMOBJ*) override
    {
        return right + originX <= rightLimit ? 1 : 0;
    }
    int GetAutoScrollSide(POINT device) override { return scrollLines > 0 && device.x >= 395 ? 2 : 0; }
    SIZE ScrollLine(int side) override
    {
        if (side != 2 || scrollLines == 0)
            return {};
        --scrollLines;
        originX += 150;
        return {-10, 0};
    }
    void ShowPosSize(const RECT& r) override { shown.push_back(r); }
    bool HasOtherViews() override { return otherViews; }
    void UpdateOtherViews(RESIZEUPDATERGN& hint) override { hints.push_back(hint); }

    int32_t Snap(int32_t v) const { return grid > 0 ? (v + grid / 2) / grid * grid : v; }

    // The window's picture as it stands.
    QImage Picture() { return canvas.Image().copy(); }

    void PostMove(int x, int y)
    {
        QCoreApplication::postEvent(&window,
            new QMouseEvent(
                QEvent::MouseMove, QPointF(x, y), QPointF(x, y), Qt::NoButton, Qt::LeftButton, Qt::NoModifier));
    }
    void PostRelease(int x, int y)
    {
        QCoreApplication::postEvent(&window,
            new QMouseEvent(QEvent::MouseButtonRelease, QPointF(x, y), QPointF(x, y), Qt::LeftButton, Qt::NoButton,
                Qt::NoModifier));
    }
    void PostRightButton(int x, int y)
    {
        QCoreApplication::postEvent(&window,
            new QMouseEvent(QEvent::MouseButtonPress, QPointF(x, y), QPointF(x, y), Qt::RightButton,
                Qt::LeftButton | Qt::RightButton, Qt::NoModifier));
    }
    void PostEscape()
    {
        QCoreApplication::postEvent(&window, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    }

    QWidget window;
    gdi::WindowSurface canvas {&window};
    POINT pointer;
    bool pointerMovable = false;
    int32_t grid = 0;
    int32_t rightLimit = 100000;
    int scrollLines = 0;
    std::vector<RECT> shown;
    bool otherViews = false;
    std::vector<RESIZEUPDATERGN> hints;
};
