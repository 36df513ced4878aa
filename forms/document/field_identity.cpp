// Finding the field side of a form object.
#include "forms/document/field_identity.h"

#include "forms/model/formobj.h"

FieldIdentity* AsField(FORMOBJ* object)
{
    return dynamic_cast<FieldIdentity*>(object);
}

const FieldIdentity* AsField(const FORMOBJ* object)
{
    return dynamic_cast<const FieldIdentity*>(object);
}
