#include "forms/document/test_fill_values.h"

#include "forms/document/ptrarray.h"
#include "forms/objects/ffield.h"

void TEST_FILL_VALUES::Keep(const PTRARRAY& order)
{
    if (keeping)
        return;
    kept.clear();
    for (int i = 0; i < order.GetCount(); ++i)
        if (auto* field = dynamic_cast<FFIELD*>(order.GetAt(i)))
            kept.emplace_back(field, field->KeepDataType());
    keeping = true;
}

void TEST_FILL_VALUES::PutBack()
{
    for (auto& [field, type] : kept)
        field->PutBackDataType(std::move(type));
    kept.clear();
    keeping = false;
}

TEST_FILL_VALUES::Shown::Shown(TEST_FILL_VALUES& values)
{
    if (!values.keeping)
        return;
    for (auto& [field, type] : values.kept) {
        if (!type)
            continue;
        filled.emplace_back(field, field->KeepDataType());
        field->PutBackDataType(type->Clone());
    }
}

TEST_FILL_VALUES::Shown::~Shown()
{
    for (auto& [field, type] : filled)
        field->PutBackDataType(std::move(type));
}
