// Making and replacing the special fields.
#include "forms/document/special_fields.h"

#include "forms/document/field_identity.h"
#include "forms/model/fobjlist.h"
#include "forms/model/formobj.h"
#include "forms/res/program_resources.h"

namespace {
SpecialFieldMaker g_maker = nullptr;
}

SpecialFieldMaker GetSpecialFieldMaker()
{
    return g_maker;
}

SpecialFieldMaker SetSpecialFieldMaker(SpecialFieldMaker maker)
{
    SpecialFieldMaker previous = g_maker;
    g_maker = maker;
    return previous;
}

void MakeDefaultSpecialFields(FOBJLIST& list)
{
    if (!g_maker)
        return;
    for (const SpecialFieldSlot& slot : kSpecialFields)
        if (std::unique_ptr<FORMOBJ> field = g_maker(ProgramResources().LoadString(slot.nameId), slot.fieldId))
            list.AddTail(std::move(field));
}

void ReplaceSpecialFields(FOBJLIST& list, FOBJLIST& read)
{
    while (FORMOBJ* object = read.GetHead()) {
        std::unique_ptr<FORMOBJ> taken = read.Remove(object);
        const FieldIdentity* field = AsField(taken.get());
        if (!field)
            continue;
        for (FORMOBJ* old = list.GetHead(); old; old = old->GetNext()) {
            const FieldIdentity* oldField = AsField(old);
            if (old->GetName() == taken->GetName() || (oldField && oldField->GetFieldID() == field->GetFieldID())) {
                list.Delete(old);
                break;
            }
        }
        list.AddTail(std::move(taken));
    }
}
