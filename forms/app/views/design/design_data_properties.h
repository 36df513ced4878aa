// The design view's Data Properties command: the data properties sheet on
// the one selected field, or on the column of a table's current cell, and
// what OK writes back to it.
#pragma once

#include <cstdint>
#include <string>

class DATA_PROPS_SHEET;
class FDESIGNVIEW;
class FORMOBJ;

class DESIGN_DATA_PROPERTIES {
public:
    explicit DESIGN_DATA_PROPERTIES(FDESIGNVIEW& view)
        : view(view)
    {}

    // The command and its update on the view's command table.
    void RegisterCommands();
    void OnDataProperties();

private:
    void WriteBack(DATA_PROPS_SHEET& sheet, FORMOBJ& object, uint8_t kindBefore, const std::string& nameBefore);

    FDESIGNVIEW& view;
};
