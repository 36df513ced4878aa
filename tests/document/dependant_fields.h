// A form for the commit benchmarks: number fields named F0, F1, … placed
// forty to a page, of which some, spread evenly, hold a formula reading F0.
#pragma once

#include "forms/document/ccinterface.h"
#include "forms/document/fdocument.h"
#include "forms/fields/datatypes/datatype_factory.h"
#include "forms/objects/ffield.h"

#include <cstdlib>
#include <memory>
#include <string>

// Adds `fields` fields and `dependants` formulas to the document and answers
// F0, whose data type is `first` when one is given, else a plain number.
inline FFIELD* AddFieldsDependingOnTheFirst(FDOCUMENT& doc, int fields, int dependants, const DATATYPE* first = nullptr)
{
    TEXTATTR font;
    font.Reset();
    font.size = 200;
    FFIELD* source = nullptr;
    for (int i = 0; i < fields; ++i) {
        auto field = std::make_unique<FFIELD>();
        field->InitWithFont(font);
        if (i == 0 && first)
            field->SetDataType(*first, nullptr);
        else
            field->SetDataType(*CreateDataType(kKindNumber), nullptr);
        field->SetName("F" + std::to_string(i));
        field->SetFieldID(doc.GetNextFieldID());
        const auto top = static_cast<int32_t>(720 + (i % 40) * 360);
        field->SetRect(720, top, 2000, top + 300);
        FFIELD* placed = field.get();
        doc.GetObjects().SetObjectPage(std::move(field), static_cast<uint16_t>(1 + i / 40));
        doc.InsertFieldInOrder(placed, false);
        if (i == 0)
            source = placed;
    }
    char message[abacine::kNameBufferSize + 1] = {};
    for (int d = 1; d <= dependants; ++d) {
        const auto id = static_cast<uint16_t>(source->GetFieldID() + d * (fields / dependants - 1));
        const std::string text = "F0 * 2 + " + std::to_string(d);
        if (!doc.GetFormulaHost().AddFormula(id, text.c_str(), message))
            std::abort();
    }
    return source;
}
