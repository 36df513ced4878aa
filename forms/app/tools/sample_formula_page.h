// The sample form's page of calculated fields: a total of two numbers, a
// date worked out from another date, and a text that a check box drives.
#pragma once

#include <cstdint>

class FDOCUMENT;

// Places the fields on the page, each with its label beside it, after the
// fields already in the filling order, and gives the calculated ones their
// formulas; false when a formula was refused.
bool AddSampleFormulaPage(FDOCUMENT& doc, uint16_t page);
