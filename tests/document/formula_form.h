// A small form for the formula host's tests: real fields of the value
// kinds placed on a form document, and a table double whose cells are
// fields named "Tab.Col[1]" and so on.
#pragma once

#include "forms/document/ccinterface.h"
#include "forms/document/fdocument.h"
#include "forms/fields/datatypes/datatype_factory.h"
#include "forms/model/table_cells.h"
#include "tests/document/document_test_support.h"
#include "tests/objects/field_test_support.h"

#include <memory>
#include <string>
#include <vector>

// A table of columns by rows of cells; column c, row r (from 0) is named
// "<table>.<column>[r+1]".
class TableDouble
    : public TestBox
    , public TABLE_CELLS {
public:
    TableDouble(FDOCUMENT& doc, const std::string& name, const std::vector<std::string>& columns, uint16_t rows,
        const TEXTATTR& font);

    FORMOBJ* FindCell(uint16_t id) override;
    bool GetCellPlace(uint16_t id, uint16_t& column, uint16_t& row) override;
    FORMOBJ* GetCellAt(uint16_t column, uint16_t row) override;
    FORMOBJ* FindCellByName(std::string_view name) override;
    void ForEachCell(const std::function<void(FORMOBJ&)>& visit) override;
    uint16_t GetColumnCount() const override { return columnCount; }
    uint16_t GetRowCount() const override { return rowCount; }

    FFIELD& Cell(uint16_t column, uint16_t row) { return *cells[row * columnCount + column]; }
    uint16_t Id(uint16_t column, uint16_t row) { return Cell(column, row).GetFieldID(); }

private:
    uint16_t columnCount;
    uint16_t rowCount;
    std::vector<std::unique_ptr<FFIELD>> cells;
};

class FormulaForm : public FieldTest {
protected:
    FormulaForm();

    // A field of the kind, named, with the document's next id, placed on
    // page 1 below the previous one and put into the filling order.
    FFIELD& AddField(uint8_t kind, const std::string& name);
    TableDouble& AddTable(const std::string& name, const std::vector<std::string>& columns, uint16_t rows);
    // "" when the formula compiled, else the engine's message.
    std::string Formula(FFIELD& field, const std::string& text);
    static void SetNumber(FFIELD& field, double value);
    static OPERAND Value(FFIELD& field);
    static double Number(FFIELD& field) { return Value(field).dNumber; }
    uint16_t Ask(uint16_t code, uintptr_t a, uintptr_t b = 0)
    {
        return CCINTERFACE::HostCallback(&doc.GetFormulaHost(), code, a, b);
    }

    FDOCUMENT doc;
    int32_t nextTop = 720;
};
