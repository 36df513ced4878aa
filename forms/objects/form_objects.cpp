#include "forms/objects/form_objects.h"

#include "forms/fields/datatypes/datatype_factory.h"
#include "forms/model/object_factory.h"
#include "forms/model/shape_classes.h"
#include "forms/objects/ffield.h"
#include "forms/objects/fgroup.h"
#include "forms/objects/ftable.h"
#include "forms/objects/ftextobj.h"

void RegisterFormObjects()
{
    RegisterShapeClasses();
    RegisterObjectClass(kTypeText, [] { return std::unique_ptr<FORMOBJ>(std::make_unique<FTEXTOBJ>()); });
    RegisterObjectClass(kTypeField, [] { return std::unique_ptr<FORMOBJ>(std::make_unique<FFIELD>()); });
    RegisterObjectClass(kTypeTable, [] { return std::unique_ptr<FORMOBJ>(std::make_unique<FTABLE>()); });
    RegisterObjectClass(kTypeGroup, [] { return std::unique_ptr<FORMOBJ>(std::make_unique<FGROUP>()); });
    RegisterValueDataTypes();
}
