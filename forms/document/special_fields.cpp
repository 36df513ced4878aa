// Making and replacing the special fields.
#include "forms/document/special_fields.h"

#include "forms/document/field_identity.h"
#include "forms/model/fobjlist.h"
#include "forms/model/formobj.h"
#include "forms/res/program_resources.h"

namespace {
SPECIAL_FIELD_MAKER g_maker = nullptr;
}

SPECIAL_FIELD_MAKER GetSpecialFieldMaker()
{
    return g_maker;
}

SPECIAL_FIELD_MAKER SetSpecialFieldMaker(SPECIAL_FIELD_MAKER maker)
{
    SPECIAL_FIELD_MAKER previous = g_maker;
    g_maker = maker;
    return previous;
}

void MakeDefaultSpecialFields(FOBJLIST& list)
{
    if (!g_maker)
        return;
    for (const SPECIAL_FIELD_SLOT& slot : kSpecialFields)
        if (std::unique_ptr<FORMOBJ> field = g_maker(ProgramResources().LoadString(slot.nameId), slot.fieldId))
            list.AddTail(std::move(field));
}

void ReplaceSpecialFields(FOBJLIST& list, FOBJLIST& read)
{
    while (FORMOBJ* object = read.GetHead()) {
        std::unique_ptr<FORMOBJ> taken = read.Remove(object);
        const FIELD_IDENTITY* field = AsField(taken.get());
        if (!field)
            continue;
        for (FORMOBJ* old = list.GetHead(); old; old = old->GetNext()) {
            const FIELD_IDENTITY* oldField = AsField(old);
            if (old->GetName() == taken->GetName() || (oldField && oldField->GetFieldID() == field->GetFieldID())) {
                list.Delete(old);
                break;
            }
        }
        list.AddTail(std::move(taken));
    }
}
