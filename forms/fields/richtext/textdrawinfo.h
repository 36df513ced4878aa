// What one pass of measuring or drawing rich text works with: the device
// context, the turn and origin applied to every point, the device kind, and
// the printer whose character widths lay the text out.
#pragma once

#include "forms/fields/richtext/text_zoom.h"
#include "forms/model/geometry.h"
#include "forms/model/rotation.h"

#include "platform/gdi/dc.h"

#include <cstdint>

// Device kinds of the drawing context the text comes from.
constexpr uint8_t kTextOnWindow = 1;
constexpr uint8_t kTextOnPrinter = 2;
constexpr uint8_t kTextOnPicture = 3;
constexpr uint8_t kTextOnPreview = 4;

class TEXTDRAWINFO {
public:
    TEXTDRAWINFO() = default;
    // The turn is about the centre of rect (in the text's own twips); the
    // origin is added to every point after turning.
    TEXTDRAWINFO(gdi::DC* dc, POINT origin, uint8_t mode, int8_t slot, uint16_t printerId, const TEXTZOOM& zoom,
        const RECT& rect, uint16_t rotation);
    TEXTDRAWINFO(const TEXTDRAWINFO&) = default;
    TEXTDRAWINFO& operator=(const TEXTDRAWINFO&) = default;
    virtual ~TEXTDRAWINFO() = default;

    // Windows and previews show the text with the screen's character widths.
    bool UsesScreenWidths() const { return mode == kTextOnWindow || mode == kTextOnPreview; }
    // A point of the text on the device's logical plane.
    POINT Place(int32_t x, int32_t y) const;

    // The device's extended text output at the turned and moved point; clip
    // (text units) is turned and moved likewise.
    bool TextOut(
        int32_t x, int32_t y, unsigned options, const RECT* clip, const char* chars, int n, const int* widths) const;
    void MoveTo(int32_t x, int32_t y) const;
    void LineTo(int32_t x, int32_t y) const;
    void InvertRect(const RECT& r) const;

    // Lengths and rectangles between logical and device units; only the
    // scaling of the mapping applies to lengths.
    int32_t LPtoDPX(int32_t x) const;
    int32_t LPtoDPY(int32_t y) const;
    int32_t DPtoLPX(int32_t x) const;
    int32_t DPtoLPY(int32_t y) const;
    RECT LPtoDP(const RECT& r) const { return dc->LPtoDP(r); }
    RECT DPtoLP(const RECT& r) const { return dc->DPtoLP(r); }

    // Each records the values and forwards them to the device context.
    void SetWindowExt(int32_t cx, int32_t cy);
    void SetViewportExt(int32_t cx, int32_t cy);
    void SetWindowOrg(int32_t x, int32_t y);
    void SetViewportOrg(int32_t x, int32_t y);

    ROTATION rotation;
    int32_t originX = 0;
    int32_t originY = 0;
    gdi::DC* dc = nullptr;
    uint16_t printerId = 0;
    int8_t slot = 0;
    uint8_t mode = 0;
    TEXTZOOM zoom;
    SIZE windowExt;
    SIZE viewportExt;
    POINT windowOrg;
    POINT viewportOrg;
};
