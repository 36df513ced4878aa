// The design view's Table command: the Table Properties dialog for a new
// table, then the table made at the page's margins, named, in the filling
// order and selected.
#pragma once

#include <memory>

class FDESIGNVIEW;
class FTABLE;
struct TABLE_FORMAT;

class DESIGN_TABLE {
public:
    explicit DESIGN_TABLE(FDESIGNVIEW& view)
        : view(view)
    {}

    // The command and its update on the view's command table.
    void RegisterCommands();
    void OnTable();
    // A table of the format, or null when it cannot be built.
    static std::unique_ptr<FTABLE> MakeTable(const TABLE_FORMAT& format);

private:
    FDESIGNVIEW& view;
};
