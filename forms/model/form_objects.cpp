#include "forms/model/form_objects.h"

#include "forms/model/ftextobj.h"
#include "forms/model/object_factory.h"
#include "forms/model/shape_classes.h"

void RegisterFormObjects()
{
    RegisterShapeClasses();
    RegisterObjectClass(kTypeText, [] { return std::unique_ptr<FORMOBJ>(std::make_unique<FTEXTOBJ>()); });
}
