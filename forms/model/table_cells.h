// What the formula host asks of a table: its cells by field id, by place
// and by full name. A table of cells implements it beside FORMOBJ; the
// cells are fields and carry their own ids and up-to-date flags.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

class FORMOBJ;

class TABLE_CELLS {
public:
    virtual ~TABLE_CELLS() = default;

    // The cell with that field id, or null when the table has none.
    virtual FORMOBJ* FindCell(uint16_t id) = 0;
    // The column and row (from 0) of the cell with that id; false when the
    // table has no such cell.
    virtual bool GetCellPlace(uint16_t id, uint16_t& column, uint16_t& row) = 0;
    // The cell at a column and row, or null outside the table.
    virtual FORMOBJ* GetCellAt(uint16_t column, uint16_t row) = 0;
    // The first cell whose full name equals the name (letter case counts),
    // or null.
    virtual FORMOBJ* FindCellByName(std::string_view name) = 0;
    virtual uint16_t GetColumnCount() const = 0;
    virtual uint16_t GetRowCount() const = 0;
    // Every cell, row by row.
    virtual void ForEachCell(const std::function<void(FORMOBJ&)>& visit) = 0;
};
