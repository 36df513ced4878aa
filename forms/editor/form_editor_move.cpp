// The form editor's moves within the form: the filling order that follows
// a move, objects moved from one view of the form to another, set aside
// while their copies are pasted, and objects copied between views.
#include "forms/editor/form_editor.h"

#include "forms/document/fdocument.h"
#include "forms/document/ptrarray.h"
#include "forms/model/fobjlist.h"
#include "forms/model/object_view.h"
#include "forms/objects/fselection.h"

#include <algorithm>

std::vector<FORMOBJ*> FORM_EDITOR::FieldsByPosition() const
{
    std::vector<FORMOBJ*> fields;
    const PTRARRAY& order = document.GetTabOrder();
    for (int i = 0; i < order.GetCount(); ++i)
        fields.push_back(order.GetAt(i));
    std::stable_sort(
        fields.begin(), fields.end(), [](const FORMOBJ* a, const FORMOBJ* b) { return ComparePosition(*a, *b) < 0; });
    return fields;
}

void FORM_EDITOR::FollowFillingOrder(const std::vector<FORMOBJ*>& before)
{
    const std::vector<FORMOBJ*> moved = FieldsByPosition();
    // A move that changes the fields' order on the form makes the filling
    // order the position order.
    if (moved == before)
        return;
    PTRARRAY& order = document.GetTabOrder();
    order.RemoveAll();
    for (FORMOBJ* field : moved)
        order.InsertAt(order.GetCount(), field);
    order.Renumber();
}

FORM_EDITOR::MoveResult FORM_EDITOR::MoveFrom(
    FORM_EDITOR& source, const std::function<std::unique_ptr<FSELECTION>()>& paste, const RECT& target)
{
    FOBJLIST& objects = document.GetObjects();
    std::vector<FORMOBJ*> chosen;
    for (FORMOBJ* o = objects.GetHead(); o; o = o->GetNext()) {
        FORMOBJ* out = nullptr;
        if (o->IsSelected(&out) && out == o)
            chosen.push_back(o);
    }
    std::vector<std::unique_ptr<FORMOBJ>> kept;
    std::vector<FORMOBJ*> keptFields;
    for (FORMOBJ* o : chosen) {
        o->Deselect(&source.view);
        std::vector<FORMOBJ*> deep;
        CollectDeep(o, deep);
        for (FORMOBJ* f : deep)
            if (document.IsInTabOrder(f)) {
                keptFields.push_back(f);
                document.RemoveFromTabOrder(f);
            }
        kept.push_back(objects.Remove(o));
    }
    const bool memberDragged = source.selection.GetCount() > 0;
    std::unique_ptr<FSELECTION> pasted = paste();
    if (!pasted || !PlaceDropped(*pasted, target)) {
        for (std::unique_ptr<FORMOBJ>& o : kept) {
            FORMOBJ* back = o.get();
            objects.SetObjectPage(std::move(o), back->GetPage());
            back->Select(&source.view);
        }
        for (FORMOBJ* f : keptFields)
            document.InsertFieldInOrder(f, true);
        return MoveResult::PutBack;
    }
    return memberDragged ? MoveResult::MovedMemberLeft : MoveResult::Moved;
}

bool FORM_EDITOR::CopyFrom(
    FORM_EDITOR& source, const std::function<std::unique_ptr<FSELECTION>()>& paste, const RECT& target)
{
    if (source.selection.GetCount() > 0) {
        source.selection.Invalidate(&source.view);
        source.selection.Deselect(&source.view);
        source.view.UpdateWindow();
    }
    std::unique_ptr<FSELECTION> pasted = paste();
    return pasted && PlaceDropped(*pasted, target);
}
