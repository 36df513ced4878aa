// The sample form's table page: a table of four columns (text, number,
// check box and list) by four rows with both header bands, and below it a
// number field that totals the number column.
#pragma once

#include <cstdint>

class FDOCUMENT;

// Places the table and the total with its label on the page, the table's
// cells and the total after the fields already in the filling order; false
// when a part cannot be made or the formula is refused.
bool AddSampleTablePage(FDOCUMENT& doc, uint16_t page);
