// Finding the field side of a form object (the interface is the model's).
#pragma once

#include "forms/model/ffield_identity.h"

class FORMOBJ;

// The field identity of an object, or null for an object that is no field.
FieldIdentity* AsField(FORMOBJ* object);
const FieldIdentity* AsField(const FORMOBJ* object);
