// The drawing context of form objects on a view, printer or preview. Only
// the members that the object base and object list use are declared here;
// the drawing context itself is built with its own deliverable.
#pragma once

#include "forms/model/geometry.h"

#include <cstdint>

class OBJECT_VIEW;

class VIEWDC {
public:
    // Borrows the view's shared device context; the view then prepares the
    // mapping (OBJECT_VIEW::SetupOwnDC).
    explicit VIEWDC(OBJECT_VIEW* view);
    ~VIEWDC();
    VIEWDC(const VIEWDC&) = delete;
    VIEWDC& operator=(const VIEWDC&) = delete;

    // Logical to device units and back, through the context's mapping.
    void LPtoDP(POINT* points, int count);
    void DPtoLP(POINT* points, int count);

    OBJECT_VIEW* view = nullptr;
    uint8_t outputMode = 1;
    int32_t originX = 0;
    int32_t originY = 0;
    int16_t pageHeight = 0;
    int16_t pageWidth = 0;
    OBJECT_VIEW* handleView = nullptr;
    uint8_t deviceKind = 1;
    int32_t drawHandles = 0;
    int32_t noTracker = 0;
    int32_t fieldsOnly = 0;
};
