// A window that takes drops: Qt's drag events on the window become enter,
// over, leave and drop with the key state and the point in the window; a
// drag resting near the window's border scrolls it.
#pragma once

#include "platform/ui/clipboard.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>

#include <cstdint>

#include <QWidget>

namespace ui {

// Drag-scroll: the band along the border (pixels), the wait before the
// first step and between steps (milliseconds).
inline constexpr int kDragScrollInset = 11;
inline constexpr uint32_t kDragScrollDelay = 50;
inline constexpr uint32_t kDragScrollInterval = 50;
// The direction code of no scrolling; otherwise the low byte is the
// horizontal direction and the high byte the vertical (0 left or up, 1
// right or down, 0xFF none).
inline constexpr uint16_t kNoScroll = 0xFFFF;

class DropTarget : public QObject {
public:
    DropTarget();
    ~DropTarget() override;
    DropTarget(const DropTarget&) = delete;
    DropTarget& operator=(const DropTarget&) = delete;

    // Takes the window's drag events (once); Revoke lets them go.
    bool Register(QWidget& window);
    void Revoke();
    QWidget* GetWindow() const { return window.data(); }

    // The notifications, in the window's coordinates. Over answers the
    // effect the drop would have: none, copy or move.
    virtual unsigned OnDragEnter(const DataObject& data, unsigned keyState, QPoint point) = 0;
    virtual unsigned OnDragOver(const DataObject& data, unsigned keyState, QPoint point) = 0;
    virtual void OnDragLeave() = 0;
    virtual bool OnDrop(const DataObject& data, unsigned effect, QPoint point) = 0;

    // Scrolls the window one step when the point rests in the border band
    // long enough; true while the window scrolls (the drag then shows no
    // drop). Time comes from the clock seam.
    bool OnDragScroll(unsigned keyState, QPoint point);
    // The direction a point in the band asks for, kNoScroll outside it.
    uint16_t ScrollDirectionAt(QPoint point) const;
    uint16_t GetScrollDirection() const { return scrollDirection; }

protected:
    // Whether the window can scroll in that direction, and one step of it.
    // A target that cannot scroll answers false.
    virtual bool CanScroll(uint16_t) { return false; }
    virtual void Scroll(uint16_t) {}

    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // The last drag-over again, while the pointer rests in the band.
    void Repeat();
    unsigned Over(unsigned keyState, QPoint point);
    void EndScroll();

    QPointer<QWidget> window;
    bool acceptDropsBefore = false;
    // The drag over the window now, and what it last showed.
    DataObject data;
    unsigned lastKeyState = 0;
    QPoint lastPoint;
    bool inside = false;
    uint16_t scrollDirection = kNoScroll;
    uint32_t lastScrollTime = 0;
    uint32_t scrollWait = kDragScrollDelay;
    QTimer repeat;
};

} // namespace ui
