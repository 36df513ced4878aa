#include "forms/app/views/design/design_styles.h"

#include "forms/app/views/design/design_pages.h"
#include "forms/app/views/design/fdesignview.h"
#include "forms/app/views/format_bar.h"
#include "forms/app/views/style_box.h"
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

DESIGN_STYLES::DESIGN_STYLES(FDESIGNVIEW& view)
    : view(view)
{}

void DESIGN_STYLES::RegisterStyleCommands()
{
    view.AddCommand(ID_STYLE_MANAGER, [this](unsigned) { OnStyleManager(); });
    view.AddUpdate(ID_STYLE_MANAGER, [this](ui::CmdUI& cmdUI) { cmdUI.Enable(view.GetFormDocument() != nullptr); });
}

void DESIGN_STYLES::OnStyleManager()
{
    if (!view.GetFormDocument())
        return;
    STYLE_MANAGER_DLG manager(*this, view.GetWindow());
    manager.DoModal();
    RefreshStyleBox();
}

void DESIGN_STYLES::LoadDefaultsFromStyle(uint8_t kind, std::string_view name)
{
    FDOCUMENT* doc = view.GetFormDocument();
    FORMOBJ* style = doc && !name.empty() ? doc->FindObjectByName(kind, name) : nullptr;
    if (!style)
        return;
    if (BORDER border; style->GetBorder(&border))
        view.Format().NewObjectBorder().Copy(border);
    if (BASICSHADE shade; style->GetShade(&shade)) {
        view.Format().NewObjectShade().Copy(shade);
        view.Format().NewObjectShade().noFill = shade.noFill;
    }
    if (SHADOW shadow; style->GetShadow(&shadow))
        view.Format().NewObjectShadow().Copy(shadow);
    if (TEXTATTR font; style->GetFont(&font))
        view.Format().NewObjectFont() = font;
    if (uint8_t align = 0; style->GetAlignment(&align))
        view.Format().SetNewObjectAlignment(align);
}

FORMOBJ* DESIGN_STYLES::GetCurrentStyle()
{
    FDOCUMENT* doc = view.GetFormDocument();
    if (!doc)
        return nullptr;
    const uint8_t tool = view.GetTool();
    const std::string& name = doc->GetStyleKinds().GetCurrentName(tool);
    return name.empty() ? nullptr : doc->FindObjectByName(tool, name);
}

void DESIGN_STYLES::DropCurrentStyle()
{
    FDOCUMENT* doc = view.GetFormDocument();
    if (!doc)
        return;
    const uint8_t tool = view.GetTool();
    const std::string name = doc->GetStyleKinds().GetCurrentName(tool);
    LoadDefaultsFromStyle(tool, name);
    doc->GetStyleKinds().SetCurrentName(tool, {});
}

void DESIGN_STYLES::ApplyCurrentStyle(FORMOBJ& object)
{
    if (FORMOBJ* style = GetCurrentStyle(); style && style->GetType() == object.GetType())
        object.SetMaster(style);
}

FDOCUMENT* DESIGN_STYLES::GetStyleDocument()
{
    return view.GetFormDocument();
}

std::unique_ptr<FORMOBJ> DESIGN_STYLES::NewStyleObject(uint8_t type)
{
    return view.NewObjectOfType(type);
}

void DESIGN_STYLES::ApplyStyle(std::string_view entry)
{
    FDOCUMENT* doc = view.GetFormDocument();
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

void DESIGN_STYLES::RedrawStyleUsers()
{
    for (FDESIGNVIEW* other : view.Pages().AllDesignViews())
        if (other->GetFormDocument() == view.GetFormDocument()) {
            other->RepaintAll();
            other->UpdateWindow();
        }
}

// The style box.

STYLE_BOX* DESIGN_STYLES::GetStyleBox()
{
    if (testStyleBox)
        return testStyleBox;
    VIEW_HOST* host = view.GetViewHost();
    FORMAT_BAR* bar = host ? host->GetTextToolBar() : nullptr;
    return bar ? bar->GetStyleBox() : nullptr;
}

void DESIGN_STYLES::RefreshStyleBox()
{
    STYLE_BOX* box = GetStyleBox();
    FDOCUMENT* doc = view.GetFormDocument();
    if (!box || !doc)
        return;
    FSELECTION* selection = view.GetSelection();
    if (!selection || selection->GetCount() == 0) {
        const uint8_t tool = view.GetTool();
        const std::string& name = doc->GetStyleKinds().GetCurrentName(tool);
        if (name.empty())
            box->SelectNone();
        else
            box->SelectStyle(tool, name);
        return;
    }
    if (FORMOBJ* master = selection->GetMaster())
        box->SelectStyle(master->GetType(), master->GetName());
    else
        box->SelectNone();
}

void DESIGN_STYLES::FillStyleBox(STYLE_BOX& box)
{
    FDOCUMENT* doc = view.GetFormDocument();
    if (!doc)
        return;
    const std::string showing = box.GetSelectedEntry();
    box.Reset();
    FSELECTION* selection = view.GetSelection();
    if (!selection || selection->GetCount() == 0) {
        const uint8_t tool = view.GetTool();
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
        box.SelectNone();
}

void DESIGN_STYLES::TakeStyleBoxChoice(STYLE_BOX& box)
{
    FDOCUMENT* doc = view.GetFormDocument();
    FORM_EDITOR* editor = view.GetEditor();
    const std::string entry = box.GetSelectedEntry();
    if (!doc || !editor || entry.empty())
        return;
    if (view.GetSelection()->GetCount() == 0) {
        const uint8_t tool = view.GetTool();
        STYLE_KINDS& kinds = doc->GetStyleKinds();
        if (entry == ProgramResources().LoadString(kNoneEntry)) {
            kinds.SetCurrentName(tool, {});
            view.Format().UpdateFormatBar();
            return;
        }
        const std::string name = StyleNameWithoutType(entry);
        FORMOBJ* style = name.empty() ? nullptr : doc->FindObjectByName(tool, name);
        if (!style)
            return;
        kinds.SetCurrentName(tool, name);
        view.Format().UpdateFormatBar();
        return;
    }
    if (entry == ProgramResources().LoadString(kDetachEntry))
        editor->DetachStyle();
    else if (!editor->FollowStyle(TypeFromStyleName(entry), StyleNameWithoutType(entry)))
        return;
    view.Format().UpdateFormatBar();
}

void DESIGN_STYLES::OnStyleBoxNotify(STYLE_BOX& box, unsigned code)
{
    switch (code) {
    case ui::CBN_DROPDOWN:
        FillStyleBox(box);
        break;
    case ui::CBN_KILLFOCUS:
        TakeStyleBoxChoice(box);
        break;
    case ui::CBN_CLOSEUP:
        view.SetFocus();
        break;
    default:
        break;
    }
}
