// The form editor's state and its page operations.
#include "forms/editor/form_editor.h"

#include "forms/document/fdocument.h"
#include "forms/editor/editor_listener.h"
#include "forms/model/fhint.h"
#include "forms/model/fobjlist.h"
#include "forms/model/group_members.h"
#include "forms/objects/fselection.h"

FORM_EDITOR::FORM_EDITOR(FDOCUMENT& document, FSELECTION& selection, OBJECT_VIEW& view, EDITOR_LISTENER& listener)
    : document(document)
    , selection(selection)
    , view(view)
    , listener(listener)
{}

UNDO_LIST& FORM_EDITOR::GetUndoList() const
{
    return document.GetUndoList();
}

void FORM_EDITOR::CollectDeep(FORMOBJ* object, std::vector<FORMOBJ*>& out)
{
    out.push_back(object);
    if (auto* group = dynamic_cast<GroupMembers*>(object))
        for (FORMOBJ* m = group->GetMembers().GetHead(); m; m = m->GetNext())
            CollectDeep(m, out);
}

void FORM_EDITOR::AppendPage()
{
    selection.Deselect(&view);
    document.AppendPage();
    document.GetUndoList().Clear();
}

void FORM_EDITOR::InsertPage(uint16_t before)
{
    selection.Deselect(&view);
    document.GetUndoList().Clear();
    document.InsertPage(before);
    listener.PageChanged(FHINT(kHintPageInserted, before));
}

void FORM_EDITOR::DeletePage(uint16_t page)
{
    document.GetUndoList().Clear();
    selection.Deselect(&view);
    document.DeletePage(page);
    listener.PageChanged(FHINT(kHintPageDeleted, page));
}
