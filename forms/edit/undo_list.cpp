// The undo list's records: creation, capture, restore and deletion.
#include "forms/edit/undo_list.h"

#include "forms/edit/undo_order.h"
#include "forms/edit/undo_snapshot.h"
#include "forms/model/formobj.h"

#include <algorithm>

UNDO_ACTION* UNDO_LIST::Record(const UNDO_REQUEST& request, int clearFirst)
{
    if (clearFirst)
        Clear();
    std::unique_ptr<UNDO_ACTION> record = CreateAction(request.kind);
    if (!record) {
        Clear();
        return nullptr;
    }
    record->Capture(request);
    records.push_back(std::move(record));
    return records.back().get();
}

std::unique_ptr<UNDO_ACTION> UNDO_LIST::CreateAction(uint8_t kind)
{
    switch (kind) {
    case kUndoSnapshot:
        return std::make_unique<UNDO_SNAPSHOT>();
    case kUndoOrder:
        return std::make_unique<UNDO_ORDER>();
    default:
        return nullptr;
    }
}

void UNDO_LIST::Undo()
{
    if (!records.empty())
        records.back()->Restore();
}

void UNDO_LIST::DropLast()
{
    if (!records.empty())
        records.pop_back();
}

void UNDO_LIST::Drop(const UNDO_ACTION* record)
{
    std::erase_if(records, [record](const std::unique_ptr<UNDO_ACTION>& r) { return r.get() == record; });
}

void UNDO_LIST::Clear()
{
    records.clear();
}

bool UNDO_LIST::Contains(const UNDO_ACTION* record) const
{
    return std::ranges::any_of(records, [record](const std::unique_ptr<UNDO_ACTION>& r) { return r.get() == record; });
}

bool UNDO_LIST::CanUndoDeletion() const
{
    return !records.empty() && records.back()->GetKind() == kUndoOrder;
}

void UNDO_LIST::Keep(std::unique_ptr<FORMOBJ> object)
{
    if (records.empty() || records.back()->GetKind() != kUndoOrder)
        return;
    static_cast<UNDO_ORDER&>(*records.back()).Keep(object);
}
