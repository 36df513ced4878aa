// The document's filling order: fields, table cells and the fields of
// groups going in and out of it.
#include "forms/document/fdocument.h"

#include "forms/document/field_identity.h"
#include "forms/model/fobjlist.h"
#include "forms/model/formobj.h"
#include "forms/model/group_members.h"
#include "forms/model/table_cells.h"

#include <algorithm>
#include <unordered_set>

namespace {
// The cells of a table, row by row.
std::vector<FORMOBJ*> CellsOf(TABLE_CELLS& table)
{
    std::vector<FORMOBJ*> cells;
    table.ForEachCell([&cells](FORMOBJ& cell) { cells.push_back(&cell); });
    return cells;
}
} // namespace

void FDOCUMENT::RemoveFromTabOrder(FORMOBJ* object)
{
    if (!object)
        return;
    if (auto* table = dynamic_cast<TABLE_CELLS*>(object))
        RemoveTableCellsFromOrder(*table);
    else if (auto* group = dynamic_cast<GroupMembers*>(object))
        for (FORMOBJ* m = group->GetMembers().GetHead(); m; m = m->GetNext())
            RemoveFromTabOrder(m);
    else
        tabOrder.Remove(object);
    // The object is about to leave the form.
    fieldIndex.Remove(object);
}

bool FDOCUMENT::IsInTabOrder(FORMOBJ* object)
{
    if (auto* table = dynamic_cast<TABLE_CELLS*>(object)) {
        FORMOBJ* first = table->GetCellAt(0, 0);
        return first && tabOrder.Contains(first);
    }
    return tabOrder.Contains(object);
}

void FDOCUMENT::RemoveTableCellsFromOrder(TABLE_CELLS& table)
{
    table.ForEachCell([this](FORMOBJ& cell) { tabOrder.Remove(&cell); });
}

int FDOCUMENT::InsertFieldInOrder(FORMOBJ* object, bool atOwnIndex)
{
    if (!object)
        return 1;
    // A placed, pasted or restored object is on the form now.
    Index().Add(object);
    const int done = InsertInOrder(*object, atOwnIndex);
    if (done)
        tabOrder.Renumber();
    return done;
}

int FDOCUMENT::InsertInOrder(FORMOBJ& object, bool atOwnIndex)
{
    if (auto* table = dynamic_cast<TABLE_CELLS*>(&object))
        return InsertTableInOrder(*table, atOwnIndex);
    if (auto* group = dynamic_cast<GroupMembers*>(&object)) {
        for (FORMOBJ* m = group->GetMembers().GetHead(); m; m = m->GetNext())
            if (!InsertInOrder(*m, atOwnIndex)) {
                for (FORMOBJ* out = group->GetMembers().GetHead(); out; out = out->GetNext())
                    RemoveOrderOf(*out);
                return 0;
            }
        return 1;
    }
    FieldIdentity* field = AsField(&object);
    if (!field)
        return 1;
    return atOwnIndex ? tabOrder.InsertAt(std::min<int>(field->GetTabIndex(), tabOrder.GetCount()), &object)
                      : tabOrder.InsertSorted(&object);
}

int FDOCUMENT::InsertTableInOrder(TABLE_CELLS& table, bool atOwnIndex)
{
    const std::vector<FORMOBJ*> cells = CellsOf(table);
    if (cells.empty())
        return 1;
    if (atOwnIndex) {
        for (FORMOBJ* cell : cells)
            if (!tabOrder.InsertAt(std::min<int>(AsField(cell)->GetTabIndex(), tabOrder.GetCount()), cell)) {
                RemoveTableCellsFromOrder(table);
                return 0;
            }
        return 1;
    }
    // The first cell finds the table's place; the cells go in there
    // together, row by row.
    return tabOrder.InsertRangeAt(tabOrder.SortedPlace(cells.front()), cells);
}

void FDOCUMENT::RemoveOrderOf(FORMOBJ& object)
{
    if (auto* table = dynamic_cast<TABLE_CELLS*>(&object))
        RemoveTableCellsFromOrder(*table);
    else if (auto* group = dynamic_cast<GroupMembers*>(&object))
        for (FORMOBJ* m = group->GetMembers().GetHead(); m; m = m->GetNext())
            RemoveOrderOf(*m);
    else
        tabOrder.Remove(&object);
}

void FDOCUMENT::RestoreFields(const std::vector<FORMOBJ*>& restored)
{
    std::vector<FORMOBJ*> fields;
    std::vector<FORMOBJ*> pending(restored.rbegin(), restored.rend());
    while (!pending.empty()) {
        FORMOBJ* o = pending.back();
        pending.pop_back();
        if (AsField(o))
            fields.push_back(o);
        if (auto* table = dynamic_cast<TABLE_CELLS*>(o))
            for (FORMOBJ* cell : CellsOf(*table))
                fields.push_back(cell);
        if (auto* group = dynamic_cast<GroupMembers*>(o))
            for (FORMOBJ* m = group->GetMembers().GetHead(); m; m = m->GetNext())
                pending.push_back(m);
    }
    for (FORMOBJ* o : restored)
        Index().Add(o);
    // In rising tab index each goes back to its own place.
    std::stable_sort(fields.begin(), fields.end(),
        [](FORMOBJ* a, FORMOBJ* b) { return AsField(a)->GetTabIndex() < AsField(b)->GetTabIndex(); });
    std::unordered_set<const FORMOBJ*> present;
    for (int i = 0; i < tabOrder.GetCount(); ++i)
        present.insert(tabOrder.GetAt(i));
    for (FORMOBJ* field : fields)
        if (present.insert(field).second)
            tabOrder.InsertAt(std::min<int>(AsField(field)->GetTabIndex(), tabOrder.GetCount()), field);
    tabOrder.Renumber();
}
