// The update hint of an object moved or resized in one view: its outline
// before and after, as four turned corners in logical units, so that the
// document's other views showing the page repaint both.
#pragma once

#include "forms/model/fhint.h"
#include "forms/model/geometry.h"

class OBJECT_VIEW;
class VIEWDC;

// Hint kind: an object on the hint's page changed its outline.
constexpr uint8_t kHintOutlineChanged = 4;

class RESIZEUPDATERGN : public FHINT {
public:
    RESIZEUPDATERGN(uint8_t kind, uint16_t page);
    const char* GetRuntimeClass() const { return "RESIZEUPDATERGN"; }

    void SetBefore(const POINT* points);
    void BeforeToLogical(VIEWDC& dc);
    void AfterToLogical(VIEWDC& dc);
    void BeforeToDevice(VIEWDC& dc);
    void AfterToDevice(VIEWDC& dc);
    // Repaints the old and new outlines in a view showing the hint's page.
    void InvalidateView(OBJECT_VIEW* view);

    Outline before;
    Outline after;
};
