// The persistent surface behind a window: contexts may draw on it at any
// time, inside or outside painting and nested; the widget's paint event only
// copies the image to the screen, and what is drawn is shown at the next
// screen update.
#pragma once

#include "platform/gdi/image_surface.h"

#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

namespace gdi {

class WindowSurface : public ImageSurface {
public:
    // The surface takes the widget's size and follows its resizes (the image
    // keeps what was drawn; new parts are white). Screen resolution 96 dpi.
    explicit WindowSurface(QWidget* widget, int dpi = 96);
    ~WindowSurface() override;

    QWidget* Widget() const { return widget_; }

protected:
    void Touched(const QRect& rect) override;

private:
    class Hook;
    void Resize(const QSize& size);
    void PaintOnScreen(const QRect& exposed);
    void AskForUpdate();

    QPointer<QWidget> widget_;
    std::unique_ptr<Hook> hook_;
    std::vector<QRect> touched_; // drawn since the widget was last asked
    bool wasOpaque_ = false; // the widget painted opaquely before the surface
    bool askPosted_ = false;
};

} // namespace gdi
