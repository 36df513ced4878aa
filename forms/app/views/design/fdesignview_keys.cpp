// The design view's keyboard and deletion: arrow keys on the page's grid,
// typing into a check box's caption, Delete and Clear, and Undo Deletion,
// which the form editor carries out.
#include "forms/app/views/design/fdesignview.h"

#include "forms/document/fdocument.h"
#include "forms/document/print/flayout.h"
#include "forms/edit/fgrid.h"
#include "forms/editor/form_editor.h"
#include "forms/objects/ffield.h"
#include "forms/objects/fselection.h"
#include "forms/objects/ftable.h"

#include <Qt>

namespace {

uint16_t ArrowKeyCode(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return kKeyLeft;
    case Qt::Key_Up:
        return kKeyUp;
    case Qt::Key_Right:
        return kKeyRight;
    case Qt::Key_Down:
        return kKeyDown;
    default:
        return 0;
    }
}

} // namespace

void FDESIGNVIEW::OnKeyDown(int key, bool shift)
{
    const uint16_t code = ArrowKeyCode(key);
    if (code == 0 || !selection || selection->GetCount() == 0 || !pageLayout || !pageLayout->grid.IsOn())
        return;
    MoveSelectionByKey(code, shift);
}

bool FDESIGNVIEW::OnChar(const std::string& typed)
{
    constexpr unsigned char kFirstPrintable = 32;
    constexpr unsigned char kDelete = 127;
    if (typed.size() != 1 || !selection || selection->GetCount() != 1)
        return false;
    const auto ch = static_cast<unsigned char>(typed[0]);
    auto* field = dynamic_cast<FFIELD*>(selection->GetFirstSelected());
    // An open editor takes its keys itself.
    if (ch < kFirstPrintable || ch == kDelete || !field || !field->IsCheckBox() || field->EditHookState())
        return false;
    return field->BeginEdit(reinterpret_cast<uintptr_t>(static_cast<OBJECT_VIEW*>(this)), ch, 0) == 0;
}

void FDESIGNVIEW::MoveSelectionByKey(uint16_t key, bool size)
{
    FDOCUMENT* doc = GetFormDocument();
    if (!doc)
        return;
    RECT r;
    selection->GetRect(r);
    POINT corner {r.right, r.bottom};
    pageLayout->grid.MoveByKey(corner, key);
    const POINT origin = windowOrg;
    auto valid = [&](POINT pagePoint) { return IsValidPoint({pagePoint.x - origin.x, pagePoint.y - origin.y}); };
    RECT moved;
    if (!size) {
        const int32_t dx = corner.x - r.right;
        const int32_t dy = corner.y - r.bottom;
        moved = r.Offset(dx, dy);
        if (!valid({moved.left, moved.top}) || !valid({moved.right, moved.bottom}))
            return;
    } else {
        FORMOBJ* one = selection->GetFirstSelected();
        if (selection->GetCount() != 1 || !one || one->GetType() == kTypeGroup)
            return;
        moved = {r.left, r.top, corner.x, corner.y};
        const int32_t width = moved.right - moved.left;
        const int32_t height = moved.bottom - moved.top;
        SIZE least;
        SIZE most;
        one->GetMinSize(least);
        one->GetMaxSize(most);
        if (width <= 0 || height <= 0 || !valid(corner) || width < least.cx || height < least.cy || width > most.cx
            || height > most.cy)
            return;
    }
    if (moved == r)
        return;
    selection->Invalidate(this);
    selection->SetRectBy(moved.left, moved.top, moved.right, moved.bottom);
    selection->Invalidate(this);
    doc->SetModified(true);
    ShowSelectionPosSize();
}

bool FDESIGNVIEW::IsTableCellCurrent() const
{
    if (!selection || selection->GetCount() != 1)
        return false;
    const auto* table = dynamic_cast<const FTABLE*>(selection->GetFirstSelected());
    return table && table->GetCurrentObject() && table->GetCurrentObject()->GetType() == kTypeCell;
}

void FDESIGNVIEW::DeleteSelection(bool ask)
{
    // A cell being worked on inside a table is not deleted with its table.
    if (!GetFormDocument() || !editor || !selection || selection->GetCount() == 0 || IsTableCellCurrent())
        return;
    editor->DeleteSelection(ask);
    UpdateWindow();
    ClearPosSize();
}

void FDESIGNVIEW::UndoDeletion()
{
    if (!editor || !editor->UndoDeletion())
        return;
    SetTool(kSelectionTool);
    UpdateWindow();
    ShowSelectionPosSize();
}

void FDESIGNVIEW::KeepDeleted(std::unique_ptr<FORMOBJ> unlinked, bool kept)
{
    if (editor)
        editor->KeepDeleted(std::move(unlinked), kept);
}
