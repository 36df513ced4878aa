// The selection's property events: a deep walk from the first selected
// object hands the event to every object that is selected itself or as a
// member of a group.
#include "forms/model/fobjlist.h"
#include "forms/objects/fselection.h"

void FSELECTION::OnEvent(uint8_t code, uintptr_t a, uintptr_t b)
{
    if (!list || count == 0)
        return;
    FORMOBJ* first = GetFirstSelected();
    for (FORMOBJ* o = first; o; o = list->GetNextDeep(o))
        if (o->IsSelected(nullptr) || o->GetMemberSelected())
            o->OnEvent(code, a, b);
}
