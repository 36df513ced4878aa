// Capturing and putting back the appearance of the selected objects.
#include "forms/edit/undo_snapshot.h"

#include "forms/model/fobjlist.h"
#include "forms/model/formobj.h"

int UNDO_SNAPSHOT::Capture(const UNDO_REQUEST& request)
{
    if (!request.objectList)
        return 0;
    for (FORMOBJ* object = request.objectList->GetHead(); object; object = object->GetNext()) {
        if (!object->IsSelected(nullptr))
            continue;
        if (std::unique_ptr<FORMOBJ> clone = object->Clone())
            copies.emplace_back(object, std::move(clone));
    }
    return 1;
}

int UNDO_SNAPSHOT::Restore()
{
    for (auto& [object, clone] : copies)
        object->TakeAppearanceFrom(*clone);
    return 1;
}
