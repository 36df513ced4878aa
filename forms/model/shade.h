// The fill of a form object: a foreground and a background colour mixed by
// one of 20 two-colour patterns, or no fill. SHADE is the abstract fill
// attribute, BASICSHADE its one kind.
#pragma once

#include "forms/model/geometry.h"
#include "platform/gdi/brush.h"
#include "platform/gdi/region.h"

#include <cstdint>

class RECORDARCHIVE;
class VIEWDC;

class SHADE {
public:
    virtual ~SHADE() = default;

    // Rectangles in logical units of the drawing context, except the
    // ellipse's, which is in device units.
    virtual void FillRect(VIEWDC&, const RECT&) {}
    virtual void FillEllipse(VIEWDC&, const RECT&) {}
    // A rounded fill that a border is drawn over keeps a pixel inside the
    // border's outer edge, so that none of it shows outside the corners.
    virtual void FillRoundRect(VIEWDC&, const RECT&, int32_t, bool) {}
    virtual void Save(RECORDARCHIVE&, uint8_t) {}
    virtual void Load(RECORDARCHIVE&) {}
    virtual void Copy(const SHADE& other) = 0;
    virtual void Assign(const SHADE& other) = 0;
};

// Pattern 0 is all background, pattern 10 all foreground.
constexpr int16_t kSolidBackgroundPattern = 0;
constexpr int16_t kSolidForegroundPattern = 10;
// The pattern a selection reports when it has no fill to report.
constexpr int16_t kSpecialPattern = 21;
// Record of the fill's group, and its older form without the no-fill flag.
constexpr uint8_t kShadeRecord = 0x82;
constexpr uint8_t kOldShadeRecord = 0x81;

class BASICSHADE : public SHADE {
public:
    // Black on white, pattern 0; makes the shared fill patterns on first use.
    BASICSHADE();

    // Black on the button face, pattern 0 (the design view's default fill).
    void SetButtonFace();
    void SetColour1(uint32_t colour) { colour1 = colour; }
    void SetColour2(uint32_t colour) { colour2 = colour; }
    // p when 0 <= p < 20, else 0.
    void SetPattern(int p);
    void SetSpecialPattern() { pattern = kSpecialPattern; }
    bool IsSpecialPattern() const { return pattern == kSpecialPattern; }
    // The patterns that print with a coarser dot.
    bool IsExtendedPattern() const { return pattern < 0 || pattern > 10; }
    bool IsEqual(const BASICSHADE& other) const;

    void Copy(const SHADE& other) override;
    void Assign(const SHADE& other) override;
    // The group: the tag, record 0x82 (foreground, background, pattern,
    // no-fill flag), 0xFF.
    void Save(RECORDARCHIVE& ar, uint8_t tag) override;
    // Reads the group's records up to 0xFF (its tag already read).
    void Load(RECORDARCHIVE& ar) override;

    void FillRect(VIEWDC& dc, const RECT& rect) override;
    void FillRoundRect(VIEWDC& dc, const RECT& rect, int32_t radius, bool underBorder) override;
    void FillEllipse(VIEWDC& dc, const RECT& deviceRect) override;

    // The shared screen brush of pattern i; brush 0 for any other i.
    static const gdi::Brush& GetPatternBrush(int i);

    uint32_t colour1 = 0; // foreground: the pattern's dots
    uint32_t colour2 = 0xFFFFFF; // background
    int16_t pattern = 0;
    int16_t noFill = 0;

private:
    // The printer's fill of a rectangle relative to the scroll origin.
    void FillOnPrinter(VIEWDC& dc, const RECT& logical, int p);
    // Fills `rect` (logical, scroll origin not yet subtracted) clipped to a
    // device region; when the region or the clipping leaves nothing, draws
    // the shape itself on `shape` (logical, relative to the scroll origin)
    // with no pen and the pattern brush.
    void FillInRegion(
        VIEWDC& dc, const gdi::Region& region, const RECT& rect, const RECT& shape, bool ellipse, int32_t radius);
};
