// The free line of a form: a straight segment at any angle between two
// opposite corners of its rectangle, drawn with its border as the pen.
#pragma once

#include "forms/model/line_object.h"

#include <memory>

// Directions of a segment from its first end to its second.
constexpr uint8_t kLineFalling = 1; // both coordinates grow
constexpr uint8_t kLineRising = 2; // one grows while the other shrinks
constexpr uint8_t kLineHorizontal = 3;
constexpr uint8_t kLineVertical = 4;

class FLINE : public LINE_OBJECT {
public:
    const char* GetRuntimeClass() const override { return "FLINE"; }
    // Line code 3 and a default border.
    int Init() override;
    uint8_t GetType() const override { return kTypeLine; }
    // Draws the segment; no tracker.
    void Draw(VIEWDC& dc) override;
    // The ends follow the new rectangle (see KeepEndsOnCorners), so that
    // the segment runs between two of its opposite corners.
    void SetRect(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
    // A band around the segment, at least 2 device pixels to each side.
    int HitTest(VIEWDC& dc, int32_t x, int32_t y) override;
    std::unique_ptr<FORMOBJ> Clone() const override;
    void GetUpdateRect(RECT& out, VIEWDC& dc, int withHandles) override;
    // The object rectangle itself.
    void GetOuterRect(RECT& out, VIEWDC& dc) override;
    // The base's defaults, twice as high as wide.
    void ResetToDefaults() override;
    // The end handles of the segment's direction.
    unsigned GetHandleMask() override;

    // Tracking (fline_track.cpp). Track drags one end of the line, or the
    // whole line when it is grabbed between its handles; TrackNew draws a
    // new line from the pressed point to where the mouse is released.
    int Track(OBJECT_VIEW* view, int32_t x, int32_t y) override;
    TrackNewResult TrackNew(OBJECT_VIEW* view, int32_t x, int32_t y, int allowInvert) override;
    // The handles of a selected line, without an outline.
    void DrawTracker(VIEWDC& dc) override;
    // The cross over an end handle, the move cursor over the line.
    int SetCursor(OBJECT_VIEW* view, int hitCode) override;
    void SetMoveCursor(int handle) override;
    // Dotted inverted segments: along the rectangle's diagonal of the
    // line's direction, and from the fixed end to the dragged corner.
    void DrawFocusOutline(const RECT& rect, gdi::DC* dc) override;
    void DrawDragOutline(gdi::DC* dc, const RECT& rect) override;
    // Snaps the dragged edges; the rectangle may turn inside out.
    void AdjustRect(int handle, RECT& rect, OBJECT_VIEW* view) override;

    // Init, then takes the border; 0 when Init fails.
    int Create(const BORDER& border) { return InitWithBorder(border); }
    // 1 when (x, y) is no farther from the first end than from the second.
    int IsNearerFirstEnd(int32_t x, int32_t y) const;
    static uint8_t ClassifyDirection(POINT first, POINT second);

    POINT GetFirstEnd() const { return first; }
    POINT GetSecondEnd() const { return second; }
    uint8_t GetLineCode() const { return lineCode; }
    // Places the segment: its rectangle becomes the ends' bounding box.
    void SetEnds(POINT from, POINT to);

protected:
    // Record 0x94: the two ends and the line code.
    void SaveRecords(RECORDARCHIVE& ar) override;
    bool LoadRecord(RECORDARCHIVE& ar, uint8_t tag) override;

private:
    // Ends that do not lie on the rectangle's corners (the rectangle was
    // changed from outside, or a file has them elsewhere) are taken from
    // the rectangle along the diagonal of their old direction.
    void KeepEndsOnCorners();
    // The fixed end while a new line is drawn or an end is dragged.
    POINT anchor;
    // The whole line is being dragged, not one end.
    bool movingWhole = false;
    POINT first;
    POINT second;
    uint8_t direction = 0;
    uint8_t lineCode = 3;
};
