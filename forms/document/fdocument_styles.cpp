// The document's styles: walks over the style list, insertion in name
// order, and deletion, after which the objects that followed the style keep
// its look as their own.
#include "forms/document/fdocument.h"

#include "forms/model/formobj.h"

#include "platform/text/cp1252.h"

FORMOBJ* FDOCUMENT::FindFirstStyle(uint8_t type)
{
    return styles.FindFirstOfType(type);
}

FORMOBJ* FDOCUMENT::FindNextStyle(uint8_t type, FORMOBJ* after)
{
    return styles.FindNextOfType(type, after);
}

FORMOBJ* FDOCUMENT::GetFirstListObject()
{
    return styles.GetHead();
}

FORMOBJ* FDOCUMENT::GetNextObject(FORMOBJ* object)
{
    return object ? object->GetNext() : nullptr;
}

int FDOCUMENT::AddStyleInNameOrder(std::unique_ptr<FORMOBJ> style)
{
    if (!style)
        return 0;
    const uint8_t type = style->GetType();
    if (styles.FindByName(type, style->GetName()))
        return 0;
    FORMOBJ* lastOfType = nullptr;
    for (FORMOBJ* s = FindFirstStyle(type); s; s = FindNextStyle(type, s)) {
        if (text::CompareNoCase(style->GetName(), s->GetName()) < 0) {
            styles.InsertBefore(s, std::move(style));
            return 1;
        }
        lastOfType = s;
    }
    if (lastOfType)
        styles.InsertAfter(lastOfType, std::move(style));
    else
        styles.AddHead(std::move(style));
    return 1;
}

namespace {

// Every object of the list, members of groups included, that follows the
// style takes its look as its own.
void DetachUsers(const FOBJLIST& list, FORMOBJ* style)
{
    const uint8_t type = style->GetType();
    for (FORMOBJ* o = list.GetHead(); o; o = list.GetNextDeep(o))
        if (o->GetType() == type && o->GetMaster() == style)
            o->ReleaseMaster();
}

} // namespace

void FDOCUMENT::DeleteStyle(FORMOBJ* style)
{
    if (!style || !styles.Contains(style))
        return;
    // Deleted objects kept for Undo may still point at the style.
    undoList.Clear();
    DetachUsers(objects, style);
    DetachUsers(specialFields, style);
    DetachUsers(styles, style);
    styles.Delete(style);
}

void FDOCUMENT::DropStyleMasters()
{
    // A style never follows another: a master named in the styles' section
    // is dropped, the style keeping the look saved in its own groups.
    for (FORMOBJ* s = styles.GetHead(); s; s = styles.GetNextDeep(s))
        s->SetMaster(nullptr);
}
