// The fields of the sample form's field page: text, memo, number with a
// mask and a rule, date, a values-only list and a list permitting other
// values, a protected field, a field with help text, check boxes in the
// three mark styles and three radio buttons. Each has a name and a field id
// from 1 in the order given; the radio buttons come last.
#pragma once

#include "forms/objects/ffield.h"
#include "forms/objects/ftextobj.h"

#include <memory>
#include <vector>

struct SampleFields {
    std::vector<std::unique_ptr<FFIELD>> fields;
    // The radio buttons, to be put in one group by the caller.
    std::vector<std::unique_ptr<FFIELD>> radios;
};

// On the A4 page inside half-inch margins.
SampleFields MakeSampleFields();

// The sample fields' font: Arial, 10 points.
TEXTATTR SampleFieldFont();
// A field of the kind, named, in the sample's column at a row (from 0);
// null when it cannot be made.
std::unique_ptr<FFIELD> MakeSampleField(
    const TEXTATTR& font, uint8_t kind, const char* name, int row, int32_t height = 300);

// The label a newcomer reads beside a sample field: a text object with the
// field's name, underscores shown as blanks, in the column left of the
// field and on its row; null when it cannot be made.
std::unique_ptr<FTEXTOBJ> MakeSampleLabel(const TEXTATTR& font, const FFIELD& field);
