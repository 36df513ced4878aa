// Support for the table's tests: tables made from a format in a known
// rectangle, with the program's fonts and the object kinds registered.
#pragma once

#include "forms/objects/fbdry.h"
#include "forms/objects/fcell.h"
#include "forms/objects/fheader.h"
#include "forms/objects/ftable.h"
#include "forms/objects/table_format.h"
#include "tests/objects/field_test_support.h"

#include <memory>
#include <string>
#include <vector>

class TableTest : public FieldTest {
protected:
    ~TableTest() override
    {
        for (uint8_t type : {kTypeTable, kTypeGroup})
            UnregisterObjectClass(type);
    }

public:
    // A table of that shape laid out evenly in the rectangle, on page 1,
    // named and with ids handed out from 10 (cells row by row).
    static std::unique_ptr<FTABLE> MakeTable(int columns, int rows, bool columnHeaders, bool rowHeaders,
        RECT r = {0, 0, 1440, 1440}, const std::string& name = "T1")
    {
        TABLE_FORMAT format;
        format.columns = static_cast<uint16_t>(columns);
        format.rows = static_cast<uint16_t>(rows);
        format.columnHeaders = columnHeaders ? 1 : 0;
        format.rowHeaders = rowHeaders ? 1 : 0;
        format.rect = r;
        auto table = std::make_unique<FTABLE>();
        if (!table->CreateFromFormat(format))
            return nullptr;
        table->SetName(name);
        table->SetPage(1);
        uint16_t id = 10;
        table->ForEachCell([&id](FORMOBJ& cell) { dynamic_cast<FCELL&>(cell).SetFieldID(id++); });
        return table;
    }

    static std::vector<int32_t> Columns(const FTABLE& table)
    {
        std::vector<int32_t> out;
        for (int i = 0; i <= table.GetColumnCount(); ++i)
            out.push_back(table.GetColumnPos(i));
        return out;
    }

    static std::vector<int32_t> Rows(const FTABLE& table)
    {
        std::vector<int32_t> out;
        for (int j = 0; j <= table.GetRowCount(); ++j)
            out.push_back(table.GetRowPos(j));
        return out;
    }
};
