// The design view's arrange commands: Group, UnGroup, Group Radio Buttons,
// Select Group Member, Bring To Front and Send To Back, and what deleting a
// group's member hands to the undo list.
#include "forms/app/views/design/fdesignview.h"

#include "forms/dialogs/designer/align_objects_dlg.h"
#include "forms/dialogs/designer/grid_values.h"
#include "forms/document/fdocument.h"
#include "forms/document/print/flayout.h"
#include "forms/editor/form_editor.h"
#include "forms/objects/fselection.h"

#include "platform/ui/cmd_ui.h"

void FDESIGNVIEW::RegisterArrangeCommands()
{
    AddCommand(ID_DRAW_GROUP, [this](unsigned) { OnGroup(); });
    AddUpdate(ID_DRAW_GROUP, [this](ui::CmdUI& cmdUI) { cmdUI.Enable(selection && selection->GetCount() > 1); });
    AddCommand(ID_DRAW_UNGROUP, [this](unsigned) { OnUngroup(); });
    AddUpdate(ID_DRAW_UNGROUP, [this](ui::CmdUI& cmdUI) { cmdUI.Enable(selection && selection->CanUngroup()); });
    AddCommand(ID_DRAW_GROUP_RADIO, [this](unsigned) { OnGroupRadioButtons(); });
    AddUpdate(ID_DRAW_GROUP_RADIO,
        [this](ui::CmdUI& cmdUI) { cmdUI.Enable(selection && selection->CanGroupRadioButtons()); });
    AddCommand(ID_SELECT_GROUP_MEMBER, [this](unsigned) { OnSelectGroupMember(); });
    AddUpdate(ID_SELECT_GROUP_MEMBER, [this](ui::CmdUI& cmdUI) {
        cmdUI.Enable(selection && selection->CanSelectGroupMember(this, mouseDown.x, mouseDown.y));
    });
    AddCommand(ID_DRAW_ALIGN, [this](unsigned) { OnAlignObjects(); });
    AddUpdate(ID_DRAW_ALIGN, [this](ui::CmdUI& cmdUI) { cmdUI.Enable(selection && selection->CanAlign()); });
    AddCommand(ID_DRAW_BRING_TO_FRONT, [this](unsigned) { OnBringToFront(); });
    AddUpdate(
        ID_DRAW_BRING_TO_FRONT, [this](ui::CmdUI& cmdUI) { cmdUI.Enable(selection && selection->CanBringToFront()); });
    AddCommand(ID_DRAW_SEND_TO_BACK, [this](unsigned) { OnSendToBack(); });
    AddUpdate(
        ID_DRAW_SEND_TO_BACK, [this](ui::CmdUI& cmdUI) { cmdUI.Enable(selection && selection->CanSendToBack()); });
}

void FDESIGNVIEW::OnGroup()
{
    if (GetFormDocument() && editor && editor->Group())
        ShowSelectionPosSize();
}

void FDESIGNVIEW::OnUngroup()
{
    if (GetFormDocument() && editor && editor->Ungroup())
        ShowSelectionPosSize();
}

void FDESIGNVIEW::OnGroupRadioButtons()
{
    if (GetFormDocument() && editor && editor->GroupRadioButtons())
        ShowSelectionPosSize();
}

void FDESIGNVIEW::OnSelectGroupMember()
{
    if (!selection || !selection->CanSelectGroupMember(this, mouseDown.x, mouseDown.y))
        return;
    selection->SelectMember(this, mouseDown.x, mouseDown.y);
    UpdateWindow();
    ShowSelectionPosSize();
}

void FDESIGNVIEW::OnBringToFront()
{
    if (GetFormDocument() && editor)
        editor->BringToFront();
}

void FDESIGNVIEW::OnSendToBack()
{
    if (GetFormDocument() && editor)
        editor->SendToBack();
}

void FDESIGNVIEW::KeepDeleted(std::unique_ptr<FORMOBJ> unlinked, bool kept)
{
    FDOCUMENT* doc = GetFormDocument();
    if (kept && doc)
        doc->GetUndoList().Keep(std::move(unlinked));
}

void FDESIGNVIEW::OnAlignObjects()
{
    FDOCUMENT* doc = GetFormDocument();
    FLAYOUT* layout = doc ? doc->GetPageLayout(static_cast<uint16_t>(currentPage)) : nullptr;
    if (!layout || !editor || !selection->CanAlign())
        return;
    const auto inUnit = static_cast<uint8_t>(unit);
    ALIGN_OBJECTS_DLG dialog(GetWindow());
    AlignSettings& s = dialog.settings;
    s.relative = selection->GetCount() == 1 ? 6 : 7;
    s.leftMargin = TwipsToUnit(layout->left, inUnit);
    s.rightMargin = TwipsToUnit(layout->right, inUnit);
    s.topMargin = TwipsToUnit(layout->top, inUnit);
    s.bottomMargin = TwipsToUnit(layout->bottom, inUnit);
    if (dialog.DoModal() != 1)
        return;
    editor->Align(s.Code(), UnitToTwips(s.across, inUnit), UnitToTwips(s.down, inUnit));
    ShowSelectionPosSize();
}
