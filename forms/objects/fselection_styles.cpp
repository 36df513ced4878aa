// The selection's style operations: the selected objects leave their
// styles, keeping the look the styles gave them, and the kinds of object
// the selection holds.
#include "forms/model/fobjlist.h"
#include "forms/model/group_members.h"
#include "forms/objects/fselection.h"

#include <algorithm>

namespace {

void AddKinds(FORMOBJ* object, std::vector<uint8_t>& kinds)
{
    if (object->GetType() == kTypeGroup) {
        if (auto* group = dynamic_cast<GroupMembers*>(object))
            for (FORMOBJ* m = group->GetMembers().GetHead(); m; m = m->GetNext())
                AddKinds(m, kinds);
        return;
    }
    if (std::find(kinds.begin(), kinds.end(), object->GetType()) == kinds.end())
        kinds.push_back(object->GetType());
}

} // namespace

void FSELECTION::ReleaseMaster()
{
    for (FORMOBJ* o : SelectedTopmostFirst())
        o->ReleaseMaster();
}

std::vector<uint8_t> FSELECTION::SelectedKinds() const
{
    std::vector<uint8_t> kinds;
    std::vector<FORMOBJ*> selected = SelectedTopmostFirst();
    std::reverse(selected.begin(), selected.end());
    for (FORMOBJ* o : selected)
        AddKinds(o, kinds);
    return kinds;
}
