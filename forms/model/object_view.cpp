// What a view without the facility answers for OBJECT_VIEW's operations
// that need a complete form object.
#include "forms/model/object_view.h"

#include "forms/model/formobj.h"

void OBJECT_VIEW::KeepDeleted(std::unique_ptr<FORMOBJ> unlinked, bool)
{
    unlinked.reset();
}
