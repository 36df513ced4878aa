// The selection's commands on its objects: delete and undo deletion, align,
// bring to front and send to back.
#include "forms/objects/fselection.h"

#include "forms/model/fobjlist.h"
#include "forms/model/object_document.h"
#include "forms/model/object_view.h"
#include "forms/res/program_resources.h"
#include "platform/ui/message_box.h"

void FSELECTION::Unlink(FORMOBJ* object, OBJECT_VIEW* view, OBJECT_DOCUMENT* document, bool kept)
{
    object->Deselect(view);
    if (document)
        document->RemoveFromTabOrder(object);
    std::unique_ptr<FORMOBJ> removed = list->Remove(object);
    // The undo step recorded the object and owns it from now on.
    if (kept)
        (void)removed.release();
}

void FSELECTION::Delete(OBJECT_VIEW* view, uintptr_t, int suppressQuestion)
{
    if (!view || !list || count <= 0)
        return;
    if (count >= 2 && !suppressQuestion) {
        const std::string question = ProgramResources().LoadString(kDeleteAllQuestion);
        if (ui::MessageBox(question, {}, ui::MB_OKCANCEL | ui::MB_ICONQUESTION) != ui::IDOK)
            return;
    }
    OBJECT_DOCUMENT* document = view->GetObjectDocument();
    if (count == 1) {
        // A member selected inside a group leaves its group.
        FORMOBJ* one = GetFirstSelected();
        if (!one || DeleteMember(view, document) || !list->Contains(one))
            return;
        const bool kept = view->RecordDeletionUndo();
        Unlink(one, view, document, kept);
        return;
    }
    const bool kept = view->RecordDeletionUndo();
    for (FORMOBJ* o : SelectedTopmostFirst())
        Unlink(o, view, document, kept);
}

void FSELECTION::UndoDelete(OBJECT_VIEW* view)
{
    if (!list)
        return;
    uint16_t firstPage = 0;
    for (FORMOBJ* o = list->GetHead(); o; o = list->GetNextDeep(o)) {
        FORMOBJ* named = nullptr;
        if (!o->IsSelected(&named) || named != o)
            continue;
        ++count;
        if (firstPage == 0 && o->GetPage() != 0)
            firstPage = o->GetPage();
    }
    if (firstPage != 0) {
        page = firstPage;
        if (view && view->GetCurrentPage() != page)
            view->GoToPage(page);
    }
    InvalidateUpdateRect(view);
}

int FSELECTION::Align(OBJECT_VIEW* view, uint32_t code, int32_t x, int32_t y)
{
    const uint8_t horizontal = code & 0xFF;
    const uint8_t vertical = (code >> 8) & 0xFF;
    const uint8_t reference = (code >> 16) & 0xFF;
    if (count == 0 || (horizontal == 0 && vertical == 0))
        return 0;
    RECT r;
    bool hasReference = false;
    if (reference == kAlignToMargins) {
        // Without a page layout there are no margins to align to.
        if (!view || !view->GetMarginRect(r))
            return 0;
        hasReference = true;
    } else if (reference == kAlignToFirst) {
        if (FORMOBJ* first = GetFirstSelected()) {
            first->GetBoundingRect(r);
            hasReference = true;
        }
    }
    if (hasReference) {
        if (horizontal == kAlignCentre)
            x = (r.left + r.right) / 2;
        else if (horizontal == kAlignLeft)
            x = r.left;
        else if (horizontal == kAlignRight)
            x = r.right;
        if (vertical == kAlignCentre)
            y = (r.top + r.bottom) / 2;
        else if (vertical == kAlignTop)
            y = r.top;
        else if (vertical == kAlignBottom)
            y = r.bottom;
    }
    const uint16_t modes = code & 0xFFFF;
    if (FORMOBJ* one = GetSingle())
        return one->Align(view, modes, x, y);
    int moved = 0;
    for (FORMOBJ* o : SelectedTopmostFirst())
        moved |= o->Align(view, modes, x, y);
    return moved;
}
