#include "forms/dialogs/data/datatype_slots.h"

#include "forms/fields/datatypes/datatype_factory.h"

#include <string>

DATATYPE_SLOTS::DATATYPE_SLOTS(std::unique_ptr<DATATYPE>& sheetCurrent)
    : current(sheetCurrent)
{}

int DATATYPE_SLOTS::GroupOf(uint8_t kind)
{
    switch (kind) {
    case kKindNumber:
        return 0;
    case kKindText:
    case kKindMemo:
        return 1;
    case kKindDate:
        return 2;
    case kKindBarcode:
        return 3;
    case kKindCheckBox:
        return 4;
    default:
        return 5;
    }
}

DATATYPE* DATATYPE_SLOTS::Peek(uint8_t kind) const
{
    if (current && GroupOf(current->GetTypeTag()) == GroupOf(kind))
        return current.get();
    return stored[static_cast<size_t>(GroupOf(kind))].get();
}

bool DATATYPE_SLOTS::Select(uint8_t kind)
{
    // The current data type back into its slot; the slot is what is tested
    // below, whatever was current before.
    std::unique_ptr<DATATYPE>* home = nullptr;
    if (current) {
        home = &stored[static_cast<size_t>(GroupOf(current->GetTypeTag()))];
        *home = std::move(current);
    }
    auto& slot = stored[static_cast<size_t>(GroupOf(kind))];
    std::unique_ptr<DATATYPE> made;
    if (!slot)
        made = CreateDataType(kind);
    else if ((kind == kKindText || kind == kKindMemo) && slot->GetTypeTag() != kind)
        made = ConvertTextKind(*slot, kind);
    if (made)
        slot = std::move(made);
    if (!slot || slot->GetTypeTag() != kind) {
        if (home)
            current = std::move(*home);
        return false;
    }
    current = std::move(slot);
    return true;
}

std::unique_ptr<DATATYPE> ConvertTextKind(DATATYPE& from, uint8_t kind)
{
    std::unique_ptr<DATATYPE> to = CreateDataType(kind);
    if (!to)
        return nullptr;
    // The initial value first: it need not pass the rule that follows.
    std::string message;
    std::string initial;
    if (from.GetInitialValue(initial, 0))
        to->SetInitialValue(initial, message, 0);
    int negate = 0;
    std::string value1;
    std::string value2;
    if (const uint16_t op = from.GetRuleOperator(); op != 0 && from.GetRule(negate, value1, value2))
        to->SetRule(op, negate, value1, value2, message);
    return to;
}
