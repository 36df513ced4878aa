// The form document's index from field id to field.
#include "forms/document/field_index.h"

#include "forms/document/field_identity.h"
#include "forms/model/fobjlist.h"
#include "forms/model/formobj.h"
#include "forms/model/group_members.h"
#include "forms/model/table_cells.h"

void FIELD_INDEX::AddList(const FOBJLIST& list)
{
    for (FORMOBJ* o = list.GetHead(); o; o = o->GetNext())
        Add(o);
}

void FIELD_INDEX::Add(FORMOBJ* object)
{
    if (!object)
        return;
    if (auto* table = dynamic_cast<TABLE_CELLS*>(object)) {
        table->ForEachCell([this, table](FORMOBJ& cell) { AddOne(&cell, table); });
        return;
    }
    if (auto* group = dynamic_cast<GroupMembers*>(object)) {
        AddList(group->GetMembers());
        return;
    }
    AddOne(object, nullptr);
}

void FIELD_INDEX::Remove(FORMOBJ* object)
{
    if (!object)
        return;
    if (auto* table = dynamic_cast<TABLE_CELLS*>(object)) {
        table->ForEachCell([this](FORMOBJ& cell) { RemoveOne(&cell); });
        return;
    }
    if (auto* group = dynamic_cast<GroupMembers*>(object)) {
        for (FORMOBJ* o = group->GetMembers().GetHead(); o; o = o->GetNext())
            Remove(o);
        return;
    }
    RemoveOne(object);
}

void FIELD_INDEX::AddOne(FORMOBJ* object, TABLE_CELLS* table)
{
    const FieldIdentity* field = AsField(object);
    if (!field)
        return;
    const uint16_t id = field->GetFieldID();
    auto [place, added] = entries.try_emplace(id, Entry {object, table});
    // An entry whose field has since taken another id gives way.
    if (!added && !Lookup(id))
        place->second = Entry {object, table};
}

void FIELD_INDEX::RemoveOne(FORMOBJ* object)
{
    const FieldIdentity* field = AsField(object);
    if (!field)
        return;
    auto found = entries.find(field->GetFieldID());
    if (found != entries.end() && found->second.field == object)
        entries.erase(found);
}

const FIELD_INDEX::Entry* FIELD_INDEX::Lookup(uint16_t id) const
{
    auto found = entries.find(id);
    if (found == entries.end())
        return nullptr;
    const FieldIdentity* field = AsField(found->second.field);
    return field && field->GetFieldID() == id ? &found->second : nullptr;
}

FORMOBJ* FIELD_INDEX::Find(uint16_t id) const
{
    const Entry* entry = Lookup(id);
    return entry ? entry->field : nullptr;
}

TABLE_CELLS* FIELD_INDEX::FindTable(uint16_t id) const
{
    const Entry* entry = Lookup(id);
    return entry ? entry->table : nullptr;
}
