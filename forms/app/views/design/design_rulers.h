// The design view's rulers: their markers show the pointer, or the extent
// of the selection or of an object being placed or sized; View Rulers shows
// and hides them. Their scale is the base view's.
#pragma once

#include "forms/model/geometry.h"

#include <cstdint>

class FDESIGNVIEW;

class DESIGN_RULERS {
public:
    explicit DESIGN_RULERS(FDESIGNVIEW& view);

    void RegisterRulerCommands();
    // After the base view updated the rulers asked for: they show object
    // extents, and the selection's.
    void ShowSelectionAfterUpdate(bool horizontal, bool vertical);
    // A device extent on the window, marked on both rulers.
    void ShowExtentInRulers(int32_t left, int32_t top, int32_t right, int32_t bottom);
    void HideRulerMarkers();
    // The pointer's position (device units on the window).
    void ShowPointerInRulers(POINT device);
    // The rulers show object extents only while their selection flag is set.
    void ShowRulerSelection(bool on);
    // A rectangle in page twips, or null to clear the marks.
    void ShowPositionInRulers(const RECT* rect);
    // The selection's bounding rectangle, when objects are selected.
    void ShowSelectionInRulers();
    // The unit changed: the rulers take it and are drawn anew.
    void SetRulerUnit(uint8_t rulerUnit);
    // Each ruler is hidden when shown, shown when hidden; the frame lays
    // itself out again.
    void OnViewRulers();

private:
    FDESIGNVIEW& view;
};
