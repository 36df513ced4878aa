// The form editor's placing of pasted and dropped objects on the current
// page.
#include "forms/editor/editor_listener.h"
#include "forms/editor/form_editor.h"

#include "forms/document/fdocument.h"
#include "forms/model/fobjlist.h"
#include "forms/model/group_members.h"
#include "forms/model/object_view.h"
#include "forms/objects/fselection.h"

#include <algorithm>

namespace {

// Pastes land this much further down and right each time, back at 0 after
// the fifth.
constexpr int32_t kPasteStep = 180;
constexpr int32_t kPasteWrap = 720;

POINT g_pasteOffset {0, 0};

} // namespace

POINT FORM_EDITOR::GetPasteOffset()
{
    return g_pasteOffset;
}

void FORM_EDITOR::ResetPasteOffset()
{
    g_pasteOffset = {0, 0};
}

bool FORM_EDITOR::PlacePasted(FSELECTION& paste, const RECT& visible, POINT scrollOrigin)
{
    return Place(paste, nullptr, visible, scrollOrigin);
}

bool FORM_EDITOR::PlaceDropped(FSELECTION& paste, const RECT& target)
{
    return Place(paste, &target, {}, {0, 0});
}

bool FORM_EDITOR::Place(FSELECTION& paste, const RECT* dropAt, const RECT& visibleRect, POINT scrollOrigin)
{
    if (!paste.GetList() || paste.GetCount() == 0)
        return false;
    RECT bounds;
    paste.GetRect(bounds);
    // The size in 64 bits: objects from another process may lie anywhere.
    const int64_t wide = int64_t(bounds.right) - bounds.left;
    const int64_t high = int64_t(bounds.bottom) - bounds.top;
    if (wide > view.GetPageWidth() || high > view.GetPageHeight()) {
        listener.PasteTooLarge();
        return false;
    }
    const auto width = static_cast<int32_t>(wide);
    const auto height = static_cast<int32_t>(high);
    RECT margins;
    if (!view.GetMarginRect(margins))
        return false;
    POINT base {0, 0};
    if (!dropAt) {
        // The visible part of the page, within the margins.
        const RECT visible {std::max(visibleRect.left, margins.left), std::max(visibleRect.top, margins.top),
            std::min(visibleRect.right, margins.right), std::min(visibleRect.bottom, margins.bottom)};
        base = {visible.left, visible.top};
        if (base.x + width > margins.right)
            base.x = margins.right - width;
        if (base.y + height > margins.bottom)
            base.y = margins.bottom - height;
    }

    selection.Deselect(&view);
    document.SetModified(true);
    document.GetUndoList().Clear();

    const uint16_t page = view.GetCurrentPage();
    selection.SetPage(page);
    std::unique_ptr<FOBJLIST> pasted = paste.TakeList();
    std::vector<FORMOBJ*> placed;
    while (FORMOBJ* head = pasted->GetHead()) {
        std::unique_ptr<FORMOBJ> object = pasted->Remove(head);
        FORMOBJ* o = object.get();
        if (auto* group = dynamic_cast<GroupMembers*>(o))
            group->SetOwnerList(&document.GetObjects());
        o->SetSelectFlag(0);
        document.GetObjects().SetObjectPage(std::move(object), page);
        o->Select(&view);
        placed.push_back(o);
    }

    RECT target;
    if (dropAt) {
        target = RECT {dropAt->left, dropAt->top, dropAt->left + width, dropAt->top + height};
    } else {
        target = RECT {base.x + g_pasteOffset.x, base.y + g_pasteOffset.y, base.x + g_pasteOffset.x + width,
            base.y + g_pasteOffset.y + height};
        RECT turned = target;
        selection.RotateTrackerRect(turned);
        turned = turned.Normalized().Offset(-scrollOrigin.x, -scrollOrigin.y);
        if (view.IsValidPlacement(turned.left, turned.top, turned.right, turned.bottom, &selection)) {
            g_pasteOffset = {g_pasteOffset.x + kPasteStep, g_pasteOffset.y + kPasteStep};
            if (g_pasteOffset.x > kPasteWrap)
                g_pasteOffset = {0, 0};
        } else {
            target = RECT {base.x, base.y, base.x + width, base.y + height};
        }
    }
    selection.SetRectBy(target.left, target.top, target.right, target.bottom);
    selection.Invalidate(&view);

    std::vector<FORMOBJ*> fields;
    for (FORMOBJ* o : placed)
        CollectDeep(o, fields);
    for (FORMOBJ* o : fields)
        document.InsertFieldInOrder(o, false);
    listener.PastePlaced();
    return true;
}
