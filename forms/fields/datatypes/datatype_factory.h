// Making a field's data type from its kind code, as a form is read: the
// kinds register themselves by code, and a saved data type is made, set up
// and loaded in one step.
#pragma once

#include "forms/fields/datatypes/datatype.h"

#include <cstdint>
#include <memory>

using DataTypeMaker = std::unique_ptr<DATATYPE> (*)();

// Registers the maker of a kind code (replacing an earlier one); null
// removes it.
void RegisterDataType(uint8_t kind, DataTypeMaker maker);
// Registers the number, date, text, check-box and memo kinds (1, 2, 3, 5
// and 6).
void RegisterValueDataTypes();
// A new data type of the kind, set up (InitialiseValue); null for a kind
// no one registered, or when setting it up failed.
std::unique_ptr<DATATYPE> CreateDataType(uint8_t kind);
// Reads a saved data type whose kind code (its group tag) was just read:
// null, with its group stepped over, for a kind no one registered. A data
// type that cannot be made, set up or loaded raises the record stream's
// out-of-memory error.
std::unique_ptr<DATATYPE> LoadDataType(RECORDARCHIVE& ar, uint8_t kind);
