// A child window with a surface of its own, drawn whole through a callback
// from the event loop once it is shown, resized or invalidated (or at once
// when asked); contexts may also draw on the
// surface directly at any time (a bar's markers, inverted in place). It
// reports mouse presses and never takes the focus.
#pragma once

#include "platform/gdi/types.h"

#include <QWidget>

#include <functional>
#include <memory>

class QMouseEvent;

namespace gdi {
class DC;
class WindowSurface;
} // namespace gdi

namespace ui {

class SurfaceWindow : public QWidget {
public:
    // Draws the whole window on a context in its device units; the
    // rectangle is its client area.
    using PaintHandler = std::function<void(gdi::DC& dc, const gdi::RECT& client)>;
    using PressHandler = std::function<void(Qt::MouseButton button, gdi::POINT point)>;

    explicit SurfaceWindow(QWidget* parent, int id);
    ~SurfaceWindow() override;

    int GetDlgCtrlID() const { return id_; }
    void SetPaintHandler(PaintHandler paint) { paint_ = std::move(paint); }
    void SetPressHandler(PressHandler press) { press_ = std::move(press); }
    // Draws anew once the event loop runs.
    void Invalidate();
    // Draws anew at once.
    void Redraw();
    // The surface to draw on directly; its image is what the window shows.
    gdi::WindowSurface& Surface() const { return *surface_; }

protected:
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    int id_;
    std::unique_ptr<gdi::WindowSurface> surface_;
    PaintHandler paint_;
    PressHandler press_;
    bool posted_ = false;
};

} // namespace ui
