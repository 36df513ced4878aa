// The arithmetic of a table's grid lines, apart from any table or view: the
// column letters that name columns and head them, the even layout of a new
// table, the scaling of existing lines to a new extent with the minimum
// column width or row height, and the lookups of a point or a dragged line
// among the positions. One dimension at a time: columns and rows follow the
// same rules.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The narrowest column, row and header band after a resize or a drag.
constexpr int32_t kTableMinExtent = 144;

// The letters of column i from 0: A to Z, then AA to ZZ, then AAA and on.
std::string ColumnLetters(int index);

// One dimension of a table: the positions of its count + 1 lines and, when
// the dimension has a header band before its first line, where that band
// starts.
struct TableAxis {
    std::vector<int32_t> pos;
    bool hasBand = false;
    int32_t bandStart = 0;

    int Count() const { return static_cast<int>(pos.size()) - 1; }
};

// A new table's lines from start to end: a header band takes one share of
// the extent, the lines between step evenly and the last share takes the
// remainder. The band starts at start.
void LayOutEvenly(TableAxis& axis, int32_t start, int32_t end);

// Existing lines scaled from [oldStart, oldEnd] to [newStart, newEnd] (the
// band moving with the start), then held at the minimum extent from the
// first line on; when that leaves the table past newEnd, the lines wider than
// the minimum give back the overflow in proportion to their excess, never
// more than they have. A dimension that had no extent is laid out evenly.
void ScaleToFit(TableAxis& axis, int32_t oldStart, int32_t oldEnd, int32_t newStart, int32_t newEnd);

// The index of the cell that holds x: the last line from 0 to count - 1 not
// beyond x; -1 before the first line; the last cell past the last line.
int CellIndexAt(const TableAxis& axis, int32_t x);

// The lowest place line i may be dragged to: the minimum extent past the
// line before it, or past the band's start for line 0.
int32_t LowestLinePlace(const TableAxis& axis, int index);
