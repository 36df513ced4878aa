// Column ranges of table cells for the formula host.
#include "forms/document/cell_ranges.h"

#include "forms/document/fdocument.h"
#include "forms/document/field_identity.h"
#include "forms/model/formobj.h"
#include "forms/model/table_cells.h"
#include "forms/objects/ffield.h"

namespace {

uint16_t FirstOf(uint32_t range)
{
    return static_cast<uint16_t>(range >> 16);
}

uint16_t LastOf(uint32_t range)
{
    return static_cast<uint16_t>(range & 0xFFFF);
}

uint16_t IdOf(FORMOBJ* cell)
{
    const FieldIdentity* field = AsField(cell);
    return field ? field->GetFieldID() : 0;
}

// The digits of a row number without their leading zeros; false when
// anything but digits is there.
bool RowDigits(std::string_view text, std::string& out)
{
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    const size_t first = text.find_first_not_of('0');
    out = first == std::string_view::npos ? std::string() : std::string(text.substr(first));
    return true;
}

} // namespace

uint16_t CELL_RANGES::GetNeighbourCell(uint32_t range, uint16_t cell)
{
    TABLE_CELLS* table = document.FindTableOfCell(cell);
    uint16_t column = 0, row = 0, lastColumn = 0, lastRow = 0;
    if (!table || !table->GetCellPlace(cell, column, row) || row == 0xFFFF)
        return 0;
    if (!table->GetCellPlace(LastOf(range), lastColumn, lastRow) || lastRow < row + 1)
        return 0;
    return IdOf(table->GetCellAt(column, static_cast<uint16_t>(row + 1)));
}

int CELL_RANGES::ParseCellReference(std::string_view text, uint32_t& range)
{
    const size_t open = text.find('[');
    const size_t dots = text.find("..", open == std::string_view::npos ? 0 : open);
    const size_t close = text.find(']', dots == std::string_view::npos ? 0 : dots);
    if (open == std::string_view::npos || dots == std::string_view::npos || close == std::string_view::npos
        || close + 1 != text.size())
        return 0;
    std::string first, last;
    if (!RowDigits(text.substr(open + 1, dots - open - 1), first)
        || !RowDigits(text.substr(dots + 2, close - dots - 2), last))
        return 0;
    const std::string name(text.substr(0, open));
    uint16_t firstId = 0, lastId = 0;
    if (!document.FindFieldIDByName(name + "[" + first + "]", firstId)
        || !document.FindFieldIDByName(name + "[" + last + "]", lastId))
        return 0;
    range = (static_cast<uint32_t>(firstId) << 16) | lastId;
    return 1;
}

uint16_t CELL_RANGES::IsLaterCellInColumn(uint32_t range)
{
    TABLE_CELLS* table = document.FindTableOfCell(FirstOf(range));
    if (!table || document.FindTableOfCell(LastOf(range)) != table)
        return 0;
    uint16_t firstColumn = 0, firstRow = 0, lastColumn = 0, lastRow = 0;
    if (!table->GetCellPlace(FirstOf(range), firstColumn, firstRow)
        || !table->GetCellPlace(LastOf(range), lastColumn, lastRow))
        return 0;
    return firstColumn == lastColumn && lastRow > firstRow ? 1 : 0;
}

int CELL_RANGES::GetRangeText(uint32_t range, std::string& out)
{
    FORMOBJ* first = document.FindField(FirstOf(range));
    FORMOBJ* last = document.FindField(LastOf(range));
    if (!first || !last)
        return 0;
    std::string firstName, lastName;
    first->GetFullName(firstName);
    last->GetFullName(lastName);
    const size_t close = firstName.find(']');
    if (close == std::string::npos)
        return 0;
    std::string digits;
    const size_t open = lastName.find('[');
    if (open != std::string::npos)
        for (size_t i = open + 1; i < lastName.size() && lastName[i] >= '0' && lastName[i] <= '9'; ++i)
            digits.push_back(lastName[i]);
    out = firstName.substr(0, close) + ".." + digits + "]";
    return 1;
}

uint16_t CELL_RANGES::IsColumnUpToDate(uint32_t range)
{
    TABLE_CELLS* table = document.FindTableOfCell(FirstOf(range));
    uint16_t column = 0, row = 0, lastColumn = 0, lastRow = 0;
    if (!table || !table->GetCellPlace(FirstOf(range), column, row))
        return 1;
    // Down the column as the neighbour cells go: to the last end's row.
    if (!table->GetCellPlace(LastOf(range), lastColumn, lastRow) || lastRow < row)
        lastRow = row;
    for (uint32_t r = row; r <= lastRow; ++r) {
        FORMOBJ* cell = table->GetCellAt(column, static_cast<uint16_t>(r));
        if (!cell)
            break;
        auto* field = dynamic_cast<FFIELD*>(cell);
        if (field && !field->GetUpToDate())
            return 0;
    }
    return 1;
}
