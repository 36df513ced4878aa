// The line attribute of a form object: dash style, width in twips, line type
// (none, single, double), colour and corner rounding; its record group and
// the drawing of rectangular, rounded, elliptic, straight and slanted lines.
#pragma once

#include "forms/model/geometry.h"

#include <cstdint>

class BASICSHADE;
class RECORDARCHIVE;
class VIEWDC;

// Line types.
constexpr uint16_t kLineNone = 0;
constexpr uint16_t kLineSingle = 1;
constexpr uint16_t kLineDouble = 2;

// The style a selection reports when it has no border to report.
constexpr uint8_t kSpecialBorderStyle = 6;

// Corner radii in twips, and the width from which the larger one applies.
constexpr uint16_t kSmallRounding = 144;
constexpr uint16_t kLargeRounding = 250;
constexpr uint16_t kLargeRoundingWidth = 76;

// The gap between the lines of a double border, in twips.
constexpr int32_t kDoubleLineGap = 15;

class BORDER {
public:
    BORDER() = default;
    // The rounding is stored as given, after the width.
    BORDER(uint8_t style, uint16_t width, uint16_t lineType, uint32_t colour, uint32_t roundedFlag, uint16_t rounding);

    // Each answers the previous value. SetStyle keeps the old style for a
    // value outside 0-5; SetWidth re-applies the rounding rule.
    uint8_t SetStyle(int s);
    uint16_t SetWidth(uint16_t w);
    uint16_t SetLineType(uint16_t t);
    uint32_t SetColour(uint32_t c);
    // 0 stays 0; any other value becomes 250 or 144 by the width.
    void SetDerived(uint16_t r);
    void SetSpecialStyle() { style = kSpecialBorderStyle; }
    bool IsSpecialStyle() const { return style == kSpecialBorderStyle; }

    // Copies every field and applies the rounding rule to the rounding.
    void Copy(const BORDER& other);
    bool IsEqual(const BORDER& other) const;

    // The group: the tag, record 0x81 (style, width, line type, colour),
    // record 0x82 (rounded flag, rounding), 0xFF.
    void Save(RECORDARCHIVE& ar, uint8_t tag) const;
    // Reads the group's records up to 0xFF (its tag already read).
    void Load(RECORDARCHIVE& ar);

    // The rectangle through the outer (inner) edges of the border's bars
    // when it straddles the rectangle's edge, in logical units; the
    // rectangle itself when the line type is 0.
    void GetOuterRect(VIEWDC& dc, RECT& rect) const;
    void GetInnerRect(VIEWDC& dc, RECT& rect) const;

    // The border of an object of the given type: elliptic for an ellipse,
    // straddling the edge for a box, inside the rectangle for a cell.
    void Draw(VIEWDC& dc, const RECT& rect, uint8_t objectType) const;
    // Fills `fill` (or the outer rectangle) with the shade and draws the
    // border of a box or field over it, rounded when the flag says so.
    void DrawFor(VIEWDC& dc, BASICSHADE& shade, const RECT& rect, const RECT* fill) const;
    // One rounded rectangle in the border's width and colour, filled with
    // the shade (none: not filled).
    void DrawRounded(VIEWDC& dc, const RECT& rect, const BASICSHADE* shade) const;
    // The stroke of an orthogonal line lying along the rectangle.
    void DrawStraight(VIEWDC& dc, const RECT& rect) const;
    // The band that stroke covers as drawn on the context, in logical
    // units (its far edges exclusive); the rectangle when there is none.
    RECT GetStraightBand(VIEWDC& dc, const RECT& rect) const;
    // The stroke of a free line between two points (twips); `bounds` is the
    // line's rectangle.
    void DrawSlanted(VIEWDC& dc, POINT from, POINT to, const RECT& bounds) const;
    // Fills the object's inside: rounded with the corner rounding when the
    // rounded flag is set and the rounding is not 0.
    void FillInside(VIEWDC& dc, const RECT& rect, BASICSHADE& shade) const;

    // Dashes of one horizontal (vertical) bar in device units, in the
    // device context's current mapping.
    void FillLine(VIEWDC& dc, const RECT& bar) const;
    void FillLineVertical(VIEWDC& dc, const RECT& bar) const;

    uint8_t style = 1;
    uint16_t width = 20;
    uint16_t lineType = kLineSingle;
    uint32_t colour = 0;
    uint32_t roundedFlag = 0;
    uint32_t reserved = 0;
    uint16_t rounding = 0;
};
