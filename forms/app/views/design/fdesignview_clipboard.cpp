// The design view's clipboard: Copy, Cut and Paste of form objects, and
// the placement of pasted or dropped objects on the current page.
#include "forms/app/views/design/fdesignview.h"

#include "forms/document/fdocument.h"
#include "forms/model/fobjlist.h"
#include "forms/model/group_members.h"
#include "forms/objects/fselection.h"
#include "forms/res/program_resources.h"

#include "platform/ui/clipboard.h"
#include "platform/ui/message_box.h"

#include <vector>

namespace {

// Pastes land this much further down and right each time, back at 0 after
// the fifth.
constexpr int32_t kPasteStep = 180;
constexpr int32_t kPasteWrap = 720;

POINT g_pasteOffset {0, 0};

} // namespace

void FDESIGNVIEW::CollectDeep(FORMOBJ* object, std::vector<FORMOBJ*>& out)
{
    out.push_back(object);
    if (auto* group = dynamic_cast<GroupMembers*>(object))
        for (FORMOBJ* m = group->GetMembers().GetHead(); m; m = m->GetNext())
            CollectDeep(m, out);
}

POINT FDESIGNVIEW::GetPasteOffset()
{
    return g_pasteOffset;
}

void FDESIGNVIEW::ResetPasteOffset()
{
    g_pasteOffset = {0, 0};
}

void FDESIGNVIEW::OnEditCopy()
{
    if (selection && selection->CanCopy())
        selection->Copy(this, nullptr);
}

void FDESIGNVIEW::OnEditCut()
{
    FDOCUMENT* doc = GetFormDocument();
    if (!doc || !selection || !selection->CanCut())
        return;
    // A clipboard that refused the objects keeps them on the form.
    if (!selection->Copy(this, nullptr))
        return;
    DeleteSelection(false);
    doc->GetUndoList().Clear();
}

bool FDESIGNVIEW::CanPaste()
{
    return ui::IsClipboardFormatAvailable(kFormatSelection);
}

void FDESIGNVIEW::OnEditPaste()
{
    if (!GetFormDocument())
        return;
    const ui::DataObject data = ui::DataObject::FromClipboard();
    if (!data.IsAvailable(kFormatSelection))
        return;
    FSELECTION paste(nullptr);
    paste.PasteObjects(this, &data);
    PlacePasted(paste, nullptr);
}

bool FDESIGNVIEW::PlacePasted(FSELECTION& paste, const RECT* dropAt)
{
    FDOCUMENT* doc = GetFormDocument();
    if (!doc || !selection || !paste.GetList() || paste.GetCount() == 0)
        return false;
    RECT bounds;
    paste.GetRect(bounds);
    // The size in 64 bits: objects from another process may lie anywhere.
    const int64_t wide = int64_t(bounds.right) - bounds.left;
    const int64_t high = int64_t(bounds.bottom) - bounds.top;
    if (wide > GetPageWidth() || high > GetPageHeight()) {
        ui::MessageBox(ProgramResources().LoadString(kSelectionTooLarge), {});
        return false;
    }
    const auto width = static_cast<int32_t>(wide);
    const auto height = static_cast<int32_t>(high);
    RECT margins;
    if (!GetMarginRect(margins))
        return false;
    POINT base {0, 0};
    if (!dropAt) {
        // The visible part of the page, within the margins.
        RECT visible = GetClientRect();
        ToLogicalRect(visible);
        visible = {std::max(visible.left, margins.left), std::max(visible.top, margins.top),
            std::min(visible.right, margins.right), std::min(visible.bottom, margins.bottom)};
        base = {visible.left, visible.top};
        if (base.x + width > margins.right)
            base.x = margins.right - width;
        if (base.y + height > margins.bottom)
            base.y = margins.bottom - height;
    }

    selection->Deselect(this);
    doc->SetModified(true);
    doc->GetUndoList().Clear();

    const auto page = static_cast<uint16_t>(currentPage);
    selection->SetPage(page);
    std::unique_ptr<FOBJLIST> pasted = paste.TakeList();
    std::vector<FORMOBJ*> placed;
    while (FORMOBJ* head = pasted->GetHead()) {
        std::unique_ptr<FORMOBJ> object = pasted->Remove(head);
        FORMOBJ* o = object.get();
        if (auto* group = dynamic_cast<GroupMembers*>(o))
            group->SetOwnerList(&doc->GetObjects());
        o->SetSelectFlag(0);
        doc->GetObjects().SetObjectPage(std::move(object), page);
        o->Select(this);
        placed.push_back(o);
    }

    RECT target;
    if (dropAt) {
        target = RECT {dropAt->left, dropAt->top, dropAt->left + width, dropAt->top + height};
    } else {
        target = RECT {base.x + g_pasteOffset.x, base.y + g_pasteOffset.y, base.x + g_pasteOffset.x + width,
            base.y + g_pasteOffset.y + height};
        RECT turned = target;
        selection->RotateTrackerRect(turned);
        turned = turned.Normalized().Offset(-windowOrg.x, -windowOrg.y);
        if (IsValidPlacement(turned.left, turned.top, turned.right, turned.bottom, selection.get())) {
            g_pasteOffset = {g_pasteOffset.x + kPasteStep, g_pasteOffset.y + kPasteStep};
            if (g_pasteOffset.x > kPasteWrap)
                g_pasteOffset = {0, 0};
        } else {
            target = RECT {base.x, base.y, base.x + width, base.y + height};
        }
    }
    selection->SetRectBy(target.left, target.top, target.right, target.bottom);
    selection->Invalidate(this);

    std::vector<FORMOBJ*> fields;
    for (FORMOBJ* o : placed)
        CollectDeep(o, fields);
    for (FORMOBJ* o : fields)
        doc->InsertFieldInOrder(o, false);
    SetTool(kSelectionTool);
    UpdateWindow();
    ShowSelectionPosSize();
    return true;
}
