// Column ranges of table cells as the formula host knows them: a u32 whose
// high half is the first cell's field id and low half the last cell's, both
// in one column of one table.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class FDOCUMENT;

class CELL_RANGES {
public:
    explicit CELL_RANGES(FDOCUMENT& document)
        : document(document)
    {}

    // The cell one row below the given one in its column, while the
    // range's last cell lies at or below that row; 0 at the end.
    uint16_t GetNeighbourCell(uint32_t range, uint16_t cell);
    // "Name[first..last]": 1 and the range of the two cells so named
    // (leading zeros of the numbers dropped), else 0.
    int ParseCellReference(std::string_view text, uint32_t& range);
    // 1 when both ends are cells of one table and column, the last below
    // the first.
    uint16_t IsLaterCellInColumn(uint32_t range);
    // The range written back as "Name[first..last]"; 0 when the first
    // cell's name has no "]" or an end is missing.
    int GetRangeText(uint32_t range, std::string& out);
    // 0 at the first cell of the column from the first end down to the last
    // that is out of date; 1 otherwise, also when the first end is no cell.
    uint16_t IsColumnUpToDate(uint32_t range);

private:
    FDOCUMENT& document;
};
