// The formula host's answers about fields and table ranges, each taken
// from the owning document. A missing field or cell gives the answer of a
// missing field, never an error.
#include "forms/document/ccinterface.h"

#include "forms/document/cell_ranges.h"
#include "forms/document/fdocument.h"
#include "forms/fields/datatypes/datatype.h"
#include "forms/objects/ffield.h"

#include <cstring>
#include <string>

namespace {

FFIELD* FieldOf(FDOCUMENT& document, uintptr_t id)
{
    return dynamic_cast<FFIELD*>(document.FindField(static_cast<uint16_t>(id)));
}

// Copies a name into the engine's name buffer; 0, the buffer untouched,
// when it does not fit with its NUL.
uint16_t CopyName(const std::string& name, uintptr_t buffer)
{
    if (!buffer || name.size() + 1 > abacine::kNameBufferSize)
        return 0;
    std::memcpy(reinterpret_cast<char*>(buffer), name.c_str(), name.size() + 1);
    return 1;
}

uint8_t ValueClass(int16_t column)
{
    switch (column) {
    case kColumnShortText:
    case kColumnLongText:
        return 2;
    case kColumnNumber:
    case kColumnBoolean:
    case kColumnDate:
        return 1;
    default:
        return 0;
    }
}

} // namespace

uint16_t CCINTERFACE::Answer(uint16_t code, uintptr_t a, uintptr_t b)
{
    const auto id = static_cast<uint16_t>(a);
    const auto range = static_cast<uint32_t>(a);
    CELL_RANGES ranges(document);
    switch (code) {
    case abacine::kFieldByName: {
        const char* name = reinterpret_cast<const char*>(a);
        uint16_t found = 0;
        if (!name || !document.FindFieldIDByName(name, found))
            return 0;
        if (b)
            *reinterpret_cast<uint16_t*>(b) = found;
        return 1;
    }
    case abacine::kFieldExists:
        return document.FindField(id) ? 1 : 0;
    case abacine::kFieldUpToDate: {
        FFIELD* field = FieldOf(document, a);
        return field ? (field->GetUpToDate() ? 1 : 0) : 1;
    }
    case abacine::kSetUpToDate: {
        FFIELD* field = FieldOf(document, a);
        if (!field)
            return 0;
        field->SetUpToDate(static_cast<uint32_t>(b));
        return 1;
    }
    case abacine::kFieldName: {
        FORMOBJ* field = document.FindField(id);
        if (!field)
            return 0;
        std::string name;
        field->GetFullName(name);
        return CopyName(name, b);
    }
    case abacine::kRangeFirst:
        return static_cast<uint16_t>(range >> 16);
    case abacine::kRangeNext:
        return ranges.GetNeighbourCell(range, static_cast<uint16_t>(b));
    case abacine::kFieldClass: {
        FFIELD* field = FieldOf(document, a);
        return field && field->GetDataType() ? ValueClass(field->GetDataType()->GetColumnType()) : 0;
    }
    case abacine::kFieldValue: {
        auto* value = reinterpret_cast<OPERAND*>(b);
        if (!value)
            return 0;
        FFIELD* field = FieldOf(document, a);
        if (field && field->GetDataType())
            field->GetDataType()->GetOperand(*value);
        else
            value->nType = kOperandError;
        return 0;
    }
    case abacine::kRangeByName: {
        const char* text = reinterpret_cast<const char*>(a);
        uint32_t found = 0;
        if (!text || !ranges.ParseCellReference(text, found))
            return 0;
        if (b)
            *reinterpret_cast<uint32_t*>(b) = found;
        return 1;
    }
    case abacine::kRangeValid:
        return ranges.IsLaterCellInColumn(range);
    case abacine::kRangeText: {
        std::string text;
        return ranges.GetRangeText(range, text) ? CopyName(text, b) : 0;
    }
    case abacine::kRangeUpToDate:
        return ranges.IsColumnUpToDate(range);
    case abacine::kStoreResult:
        if (b)
            document.SetFieldResult(id, *reinterpret_cast<const OPERAND*>(b));
        return 0;
    default:
        return 0;
    }
}
