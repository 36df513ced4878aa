// Finding the field side of a form object.
#include "forms/document/field_identity.h"

#include "forms/model/formobj.h"

FIELD_IDENTITY* AsField(FORMOBJ* object)
{
    return dynamic_cast<FIELD_IDENTITY*>(object);
}

const FIELD_IDENTITY* AsField(const FORMOBJ* object)
{
    return dynamic_cast<const FIELD_IDENTITY*>(object);
}
