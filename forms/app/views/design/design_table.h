// The design view's table commands: the Table command (the Table
// Properties dialog for a new table, then the table made at the page's
// margins, named, in the filling order and selected), Table Properties on
// a selected table, and Select Column and Select Row on the shortcut menu.
#pragma once

#include "forms/model/geometry.h"

#include <memory>

class FDESIGNVIEW;
class FTABLE;
struct TABLE_FORMAT;

class DESIGN_TABLE {
public:
    explicit DESIGN_TABLE(FDESIGNVIEW& view)
        : view(view)
    {}

    // The commands and their updates on the view's command table.
    void RegisterCommands();
    void OnTable();
    // A table of the format, or null when it cannot be built.
    static std::unique_ptr<FTABLE> MakeTable(const TABLE_FORMAT& format);

    // The one selected table, or null.
    FTABLE* GetSelectedTable() const;
    // The name, counts and header bands of the selected table changed in
    // the Table Properties dialog.
    void OnTableProperties();
    // The column (kind kTypeColumn) or row through the cell under the last
    // press becomes the selected table's current part.
    void OnSelectColumnOrRow(uint8_t kind);

    // Whether a table would outgrow the printable width with this many
    // columns (kept columns at their widths, new ones 720 wide) and the
    // row-header band as chosen; every column is then laid out anew.
    static bool ResizesAllColumns(const FTABLE& table, int count, bool rowHeaders, const RECT& printable);
    // The same for rows, 480 high, and the column-header band.
    static bool ResizesAllRows(const FTABLE& table, int count, bool columnHeaders, const RECT& printable);

private:
    FDESIGNVIEW& view;
};
