// The style sheet's sample: the prototype drawn at 100 % on a button face,
// the button's top-left corner standing for the page origin.
#pragma once

#include "platform/gdi/types.h"

#include <cstdint>
#include <memory>

class FORMOBJ;
class QWidget;
namespace gdi {
class DC;
}
namespace ui {
class OwnerDrawButton;
}

// The sample's control id and its place in the strip added to the sheet.
inline constexpr int kStyleSampleId = 1200;
inline constexpr int kStyleSampleTop = 20;
inline constexpr int kStyleSampleWidth = 100;

// The sample's bottom: taller for ellipses and lines.
int StyleSampleBottom(uint8_t type);

// Fills the client area with the button face and has the prototype draw
// itself through a view context at zoom 100, 1440 units to the device's
// inch.
void DrawStyleSample(gdi::DC& dc, const gdi::RECT& client, FORMOBJ* prototype);

class STYLE_SAMPLE_BUTTON {
public:
    STYLE_SAMPLE_BUTTON();
    ~STYLE_SAMPLE_BUTTON();
    STYLE_SAMPLE_BUTTON(const STYLE_SAMPLE_BUTTON&) = delete;
    STYLE_SAMPLE_BUTTON& operator=(const STYLE_SAMPLE_BUTTON&) = delete;

    // Makes the button on the parent at the rectangle (pixels) showing the
    // prototype, which must outlive it.
    void Create(QWidget* parent, const gdi::RECT& rect, FORMOBJ* prototype);
    void Destroy();
    bool Exists() const { return button != nullptr; }
    void Redraw();
    QWidget* GetWidget() const;

private:
    std::unique_ptr<ui::OwnerDrawButton> button;
    FORMOBJ* prototype = nullptr;
};
