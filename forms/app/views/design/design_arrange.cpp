// The design view's arrange commands: Group, UnGroup, Group Radio Buttons,
// Select Group Member, Bring To Front, Send To Back and Align.
#include "forms/app/views/design/design_arrange.h"

#include "forms/app/views/design/fdesignview.h"
#include "forms/dialogs/designer/align_objects_dlg.h"
#include "forms/dialogs/designer/grid_values.h"
#include "forms/document/fdocument.h"
#include "forms/document/print/flayout.h"
#include "forms/editor/form_editor.h"
#include "forms/objects/fselection.h"
#include "forms/res/command_ids.h"

#include "platform/ui/cmd_ui.h"

#include <functional>

void DESIGN_ARRANGE::RegisterCommands()
{
    // Each command is enabled as the view's selection allows; there is none
    // before the view's first update.
    auto enableFor = [this](std::function<bool(FSELECTION&)> can) {
        return [this, can](ui::CmdUI& cmdUI) {
            FSELECTION* selection = view.GetSelection();
            cmdUI.Enable(selection && can(*selection));
        };
    };
    view.AddCommand(ID_DRAW_GROUP, [this](unsigned) { OnGroup(); });
    view.AddUpdate(ID_DRAW_GROUP, enableFor([](FSELECTION& s) { return s.GetCount() > 1; }));
    view.AddCommand(ID_DRAW_UNGROUP, [this](unsigned) { OnUngroup(); });
    view.AddUpdate(ID_DRAW_UNGROUP, enableFor([](FSELECTION& s) { return s.CanUngroup() != 0; }));
    view.AddCommand(ID_DRAW_GROUP_RADIO, [this](unsigned) { OnGroupRadioButtons(); });
    view.AddUpdate(ID_DRAW_GROUP_RADIO, enableFor([](FSELECTION& s) { return s.CanGroupRadioButtons() != 0; }));
    view.AddCommand(ID_SELECT_GROUP_MEMBER, [this](unsigned) { OnSelectGroupMember(); });
    view.AddUpdate(ID_SELECT_GROUP_MEMBER, enableFor([this](FSELECTION& s) {
        return s.CanSelectGroupMember(&view, view.mouseDown.x, view.mouseDown.y) != 0;
    }));
    view.AddCommand(ID_DRAW_ALIGN, [this](unsigned) { OnAlignObjects(); });
    view.AddUpdate(ID_DRAW_ALIGN, enableFor([](FSELECTION& s) { return s.CanAlign() != 0; }));
    view.AddCommand(ID_DRAW_BRING_TO_FRONT, [this](unsigned) { OnBringToFront(); });
    view.AddUpdate(ID_DRAW_BRING_TO_FRONT, enableFor([](FSELECTION& s) { return s.CanBringToFront() != 0; }));
    view.AddCommand(ID_DRAW_SEND_TO_BACK, [this](unsigned) { OnSendToBack(); });
    view.AddUpdate(ID_DRAW_SEND_TO_BACK, enableFor([](FSELECTION& s) { return s.CanSendToBack() != 0; }));
}

void DESIGN_ARRANGE::OnGroup()
{
    FORM_EDITOR* editor = view.GetEditor();
    if (view.GetFormDocument() && editor && editor->Group())
        view.ShowSelectionPosSize();
}

void DESIGN_ARRANGE::OnUngroup()
{
    FORM_EDITOR* editor = view.GetEditor();
    if (view.GetFormDocument() && editor && editor->Ungroup())
        view.ShowSelectionPosSize();
}

void DESIGN_ARRANGE::OnGroupRadioButtons()
{
    FORM_EDITOR* editor = view.GetEditor();
    if (view.GetFormDocument() && editor && editor->GroupRadioButtons())
        view.ShowSelectionPosSize();
}

void DESIGN_ARRANGE::OnSelectGroupMember()
{
    FSELECTION* selection = view.GetSelection();
    const POINT press = view.mouseDown;
    if (!selection || !selection->CanSelectGroupMember(&view, press.x, press.y))
        return;
    selection->SelectMember(&view, press.x, press.y);
    view.UpdateWindow();
    view.ShowSelectionPosSize();
}

void DESIGN_ARRANGE::OnBringToFront()
{
    if (FORM_EDITOR* editor = view.GetEditor(); view.GetFormDocument() && editor)
        editor->BringToFront();
}

void DESIGN_ARRANGE::OnSendToBack()
{
    if (FORM_EDITOR* editor = view.GetEditor(); view.GetFormDocument() && editor)
        editor->SendToBack();
}

void DESIGN_ARRANGE::OnAlignObjects()
{
    FDOCUMENT* doc = view.GetFormDocument();
    FLAYOUT* layout = doc ? doc->GetPageLayout(static_cast<uint16_t>(view.GetCurrentPage())) : nullptr;
    FORM_EDITOR* editor = view.GetEditor();
    FSELECTION* selection = view.GetSelection();
    if (!layout || !editor || !selection->CanAlign())
        return;
    const auto inUnit = static_cast<uint8_t>(view.GetUnit());
    ALIGN_OBJECTS_DLG dialog(view.GetWindow());
    AlignSettings& s = dialog.settings;
    s.relative = selection->GetCount() == 1 ? 6 : 7;
    s.leftMargin = TwipsToUnit(layout->left, inUnit);
    s.rightMargin = TwipsToUnit(layout->right, inUnit);
    s.topMargin = TwipsToUnit(layout->top, inUnit);
    s.bottomMargin = TwipsToUnit(layout->bottom, inUnit);
    if (dialog.DoModal() != 1)
        return;
    editor->Align(s.Code(), UnitToTwips(s.across, inUnit), UnitToTwips(s.down, inUnit));
    view.ShowSelectionPosSize();
}
