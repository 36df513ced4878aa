// The form editor's format changes of the selected objects: attributes
// changed or set, alignment, line spacing, text attributes and rotation,
// and the appearance sheet's snapshot of the form's objects.
#include "forms/editor/form_editor.h"

#include "forms/document/fdocument.h"
#include "forms/edit/undo_list.h"
#include "forms/model/border.h"
#include "forms/model/object_view.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"
#include "forms/model/textattr.h"
#include "forms/model/viewdc.h"
#include "forms/objects/fselection.h"
#include "forms/objects/ftextobj.h"

namespace {

// A set from a page: the selection repainted before and after it, within
// one drawing context of the view's window; false without one.
template<class Set>
bool SetWithRepaint(FSELECTION& selection, OBJECT_VIEW& view, Set set)
{
    VIEWDC dc(&view);
    if (!view.SetupOwnDC(dc))
        return false;
    selection.Invalidate(&view);
    set();
    selection.Invalidate(&view);
    return true;
}

} // namespace

bool FORM_EDITOR::ApplyShadow(const SHADOW& shadow, bool set)
{
    if (!set) {
        selection.ChangeShadow(shadow, &view);
        return true;
    }
    return SetWithRepaint(selection, view, [&] { selection.SetShadow(shadow); });
}

bool FORM_EDITOR::ApplyBorder(const BORDER& border, bool set)
{
    BORDER applied;
    applied.Copy(border);
    applied.reserved = 0;
    if (!set) {
        selection.ChangeBorder(applied, &view);
        return true;
    }
    return SetWithRepaint(selection, view, [&] { selection.SetBorder(applied); });
}

bool FORM_EDITOR::ApplyShade(const BASICSHADE& shade, bool set)
{
    if (!set) {
        selection.ChangeShade(shade, &view);
        return true;
    }
    return SetWithRepaint(selection, view, [&] { selection.SetShade(shade); });
}

bool FORM_EDITOR::ApplyAlignment(uint8_t code, bool set)
{
    if (!set) {
        selection.ChangeAlignment(code, &view);
        return true;
    }
    return SetWithRepaint(selection, view, [&] { selection.SetAlignment(code); });
}

void FORM_EDITOR::ApplyLineSpacing(uint16_t spacing)
{
    // The setter alone does not repaint; the change shows at once.
    selection.Invalidate(&view);
    selection.SetAttribute(kAttrLineSpacing, reinterpret_cast<uintptr_t>(&spacing));
    selection.Invalidate(&view);
}

bool FORM_EDITOR::ChangeAlignment(uint8_t code)
{
    if (uint8_t shown = 0; !selection.GetAlignment(&shown))
        return false;
    selection.ChangeAlignment(code, &view);
    document.SetModified(true);
    return true;
}

bool FORM_EDITOR::ChangeTextAttr(const TEXTATTR& change)
{
    if (TEXTATTR shown; !selection.GetFont(&shown))
        return false;
    selection.ApplyToSelected(change, &view);
    document.SetModified(true);
    return true;
}

void FORM_EDITOR::ChangeRotation(uint16_t angle)
{
    selection.SetRotation(angle, &view);
    document.SetModified(true);
}

void FORM_EDITOR::RecordSelectionUndo()
{
    UNDO_LIST& list = document.GetUndoList();
    if (sheetSnapshot && list.Contains(sheetSnapshot))
        list.Drop(sheetSnapshot);
    sheetSnapshot = list.Record({&document.GetObjects(), nullptr, kUndoSnapshot}, 0);
}

void FORM_EDITOR::UndoLast()
{
    if (sheetSnapshot && document.GetUndoList().Contains(sheetSnapshot))
        sheetSnapshot->Restore();
}

void FORM_EDITOR::DropLastUndo()
{
    if (sheetSnapshot && document.GetUndoList().Contains(sheetSnapshot))
        document.GetUndoList().Drop(sheetSnapshot);
    sheetSnapshot = nullptr;
}
