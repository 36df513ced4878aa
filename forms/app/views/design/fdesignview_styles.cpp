// The design view's styles: the Style Manager command, the current style of
// each kind for new objects, the attributes a style gives new objects, and
// the format bar's style box.
#include "forms/app/frames/style_combo.h"
#include "forms/app/views/design/fdesignview.h"
#include "forms/app/views/format_bar.h"
#include "forms/dialogs/styles/style_manager_dlg.h"
#include "forms/dialogs/styles/style_names.h"
#include "forms/document/fdocument.h"
#include "forms/editor/form_editor.h"
#include "forms/objects/fselection.h"
#include "forms/res/command_ids.h"
#include "forms/res/program_resources.h"

#include "platform/text/cp1252.h"
#include "platform/ui/cmd_ui.h"
#include "platform/ui/dialog/notifications.h"

namespace {

// The box's special entries.
constexpr uint32_t kNoneEntry = 110;
constexpr uint32_t kDetachEntry = 180;

} // namespace

void FDESIGNVIEW::RegisterStyleCommands()
{
    AddCommand(ID_STYLE_MANAGER, [this](unsigned) { OnStyleManager(); });
    AddUpdate(ID_STYLE_MANAGER, [this](ui::CmdUI& cmdUI) { cmdUI.Enable(GetFormDocument() != nullptr); });
}

void FDESIGNVIEW::OnStyleManager()
{
    if (!GetFormDocument())
        return;
    STYLE_MANAGER_DLG manager(*this, GetWindow());
    manager.DoModal();
    RefreshStyleBox();
}

void FDESIGNVIEW::LoadDefaultsFromStyle(uint8_t kind, std::string_view name)
{
    FDOCUMENT* doc = GetFormDocument();
    FORMOBJ* style = doc && !name.empty() ? doc->FindObjectByName(kind, name) : nullptr;
    if (!style)
        return;
    if (BORDER border; style->GetBorder(&border))
        format->NewObjectBorder().Copy(border);
    if (BASICSHADE shade; style->GetShade(&shade)) {
        format->NewObjectShade().Copy(shade);
        format->NewObjectShade().noFill = shade.noFill;
    }
    if (SHADOW shadow; style->GetShadow(&shadow))
        format->NewObjectShadow().Copy(shadow);
    if (TEXTATTR font; style->GetFont(&font))
        format->NewObjectFont() = font;
    if (uint8_t align = 0; style->GetAlignment(&align))
        format->SetNewObjectAlignment(align);
}

FORMOBJ* FDESIGNVIEW::GetCurrentStyle()
{
    FDOCUMENT* doc = GetFormDocument();
    if (!doc)
        return nullptr;
    const std::string& name = doc->GetStyleKinds().GetCurrentName(tool);
    return name.empty() ? nullptr : doc->FindObjectByName(tool, name);
}

void FDESIGNVIEW::DropCurrentStyle()
{
    FDOCUMENT* doc = GetFormDocument();
    if (!doc)
        return;
    const std::string name = doc->GetStyleKinds().GetCurrentName(tool);
    LoadDefaultsFromStyle(tool, name);
    doc->GetStyleKinds().SetCurrentName(tool, {});
}

void FDESIGNVIEW::ApplyCurrentStyle(FORMOBJ& object)
{
    if (FORMOBJ* style = GetCurrentStyle(); style && style->GetType() == object.GetType())
        object.SetMaster(style);
}

void FDESIGNVIEW::ApplyStyle(std::string_view entry)
{
    FDOCUMENT* doc = GetFormDocument();
    if (!doc)
        return;
    doc->GetUndoList().Clear();
    const uint8_t type = TypeFromStyleName(entry);
    const std::string name = StyleNameWithoutType(entry);
    STYLE_KINDS& kinds = doc->GetStyleKinds();
    if (type && !name.empty() && text::EqualNoCase(kinds.GetCurrentName(type), name))
        kinds.SetCurrentName(type, {});
    RefreshStyleBox();
}

void FDESIGNVIEW::RedrawStyleUsers()
{
    for (FDESIGNVIEW* view : AllDesignViews())
        if (view->GetFormDocument() == GetFormDocument()) {
            view->InvalidateAll();
            view->UpdateWindow();
        }
}

// The style box.

STYLECOMBO* FDESIGNVIEW::GetStyleCombo()
{
    if (testStyleCombo)
        return testStyleCombo;
    FORMAT_BAR* bar = TextBar();
    return bar ? dynamic_cast<STYLECOMBO*>(bar->GetStyleCombo()) : nullptr;
}

void FDESIGNVIEW::RefreshStyleBox()
{
    STYLECOMBO* box = GetStyleCombo();
    FDOCUMENT* doc = GetFormDocument();
    if (!box || !doc)
        return;
    if (!selection || selection->GetCount() == 0) {
        const std::string& name = doc->GetStyleKinds().GetCurrentName(tool);
        if (name.empty())
            box->setCurrentIndex(-1);
        else
            box->SelectStyle(tool, name);
        return;
    }
    if (FORMOBJ* master = selection->GetMaster())
        box->SelectStyle(master->GetType(), master->GetName());
    else
        box->setCurrentIndex(-1);
}

void FDESIGNVIEW::FillStyleBox(STYLECOMBO& box)
{
    FDOCUMENT* doc = GetFormDocument();
    if (!doc)
        return;
    const std::string showing = box.GetSelectedEntry();
    box.Reset();
    if (!selection || selection->GetCount() == 0) {
        for (FORMOBJ* s = doc->FindFirstStyle(tool); s; s = doc->FindNextStyle(tool, s))
            box.AddStyle(s->GetType(), s->GetName());
        box.AddEntry(ProgramResources().LoadString(kNoneEntry));
    } else {
        bool any = false;
        for (const uint8_t kind : selection->SelectedKinds())
            for (FORMOBJ* s = doc->FindFirstStyle(kind); s; s = doc->FindNextStyle(kind, s)) {
                box.AddStyle(s->GetType(), s->GetName());
                any = true;
            }
        if (any)
            box.AddEntry(ProgramResources().LoadString(kDetachEntry));
    }
    if (showing.empty() || !box.SelectEntry(showing))
        box.setCurrentIndex(-1);
}

void FDESIGNVIEW::TakeStyleBoxChoice(STYLECOMBO& box)
{
    FDOCUMENT* doc = GetFormDocument();
    const std::string entry = box.GetSelectedEntry();
    if (!doc || !editor || entry.empty())
        return;
    if (selection->GetCount() == 0) {
        STYLE_KINDS& kinds = doc->GetStyleKinds();
        if (entry == ProgramResources().LoadString(kNoneEntry)) {
            kinds.SetCurrentName(tool, {});
            format->UpdateFormatBar();
            return;
        }
        const std::string name = StyleNameWithoutType(entry);
        FORMOBJ* style = name.empty() ? nullptr : doc->FindObjectByName(tool, name);
        if (!style)
            return;
        kinds.SetCurrentName(tool, name);
        format->UpdateFormatBar();
        return;
    }
    if (entry == ProgramResources().LoadString(kDetachEntry))
        editor->DetachStyle();
    else if (!editor->FollowStyle(TypeFromStyleName(entry), StyleNameWithoutType(entry)))
        return;
    format->UpdateFormatBar();
}

void FDESIGNVIEW::OnStyleBoxNotify(STYLECOMBO& box, unsigned code)
{
    switch (code) {
    case ui::CBN_DROPDOWN:
        FillStyleBox(box);
        break;
    case ui::CBN_KILLFOCUS:
        TakeStyleBoxChoice(box);
        break;
    case ui::CBN_CLOSEUP:
        SetFocus();
        break;
    default:
        break;
    }
}
