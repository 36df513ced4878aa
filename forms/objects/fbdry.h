// One boundary line of a table: a horizontal or vertical line that keeps its
// own border and its place in the grid, while the table works out where it
// runs, where its edges lie and how it is dragged.
#pragma once

#include "forms/model/forthline.h"
#include "platform/ui/cursor.h"

#include <cstdint>
#include <memory>

class FTABLE;

// The column or row index of a line that stands on no column (row).
constexpr uint16_t kNoTableIndex = 0xFFFF;

class FBDRY : public FORTHLINE {
public:
    const char* GetRuntimeClass() const override { return "FBDRY"; }
    // The type byte, the line as group 0x12, 0xFF; table and place are the
    // table's to set.
    void Save(RECORDARCHIVE& ar, uint8_t tag) override;
    uint8_t GetType() const override { return kTypeBoundary; }
    void Load(RECORDARCHIVE& ar, uintptr_t owner) override;
    // A boundary shows no handles.
    void DrawSelection(VIEWDC&) override {}
    std::unique_ptr<FORMOBJ> Clone() const override;
    // The line in device units, at least one unit thick, with the handles
    // when selected and asked for.
    void GetUpdateRect(RECT& out, VIEWDC& dc, int withHandles) override;
    int SetCursor(OBJECT_VIEW* view, int hitCode) override;
    // The split cursor across the line (the arrow for a header line).
    void SetMoveCursor(int handle) override;
    // On the line: the top handle for a horizontal line, the left one for a
    // vertical line; -1 off it.
    int HitTestHandles(VIEWDC& dc, int32_t x, int32_t y) override;
    // The table draws the drag.
    void DrawTrackerRect(const RECT& rect, uintptr_t clipWindow, gdi::DC* dc, OBJECT_VIEW* view) override;
    // The dragged line, snapped, kept to its length and held between the
    // places the table allows.
    void AdjustRect(int handle, RECT& rect, OBJECT_VIEW* view) override;
    // Where the table runs the line (twips); the own rectangle without one.
    void GetLineRect(RECT& out) override;

    // Init with the border (a default one for InitDefault), then the table
    // and the place; 0 when the line cannot be made.
    int Init(const BORDER& border, FTABLE* owner, uint16_t column, uint16_t row);
    int InitDefault(FTABLE* owner, uint16_t column, uint16_t row);
    void SetPosition(FTABLE* owner, uint16_t column, uint16_t row);
    // The base part and the border of another line.
    void CopyLine(const FBDRY& other) { CopyFrom(other); }

    // The edges of the band the line covers when drawn with its border.
    int32_t GetLeftEdge(VIEWDC& dc);
    int32_t GetTopEdge(VIEWDC& dc);
    int32_t GetRightEdge(VIEWDC& dc);
    int32_t GetBottomEdge(VIEWDC& dc);

    FTABLE* GetTable() const { return table; }
    uint16_t GetColumn() const { return column; }
    uint16_t GetRow() const { return row; }
    // A line between columns (its row index is none).
    bool IsColumnLine() const { return row == kNoTableIndex; }

private:
    // The split cursor across a grid line, the arrow for a header line.
    ui::StandardCursor MoveCursor() const;

    FTABLE* table = nullptr;
    uint16_t column = kNoTableIndex;
    uint16_t row = kNoTableIndex;
};
