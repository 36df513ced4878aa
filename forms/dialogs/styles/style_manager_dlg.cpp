#include "forms/dialogs/styles/style_manager_dlg.h"

#include "forms/dialogs/styles/copy_style_dlg.h"
#include "forms/dialogs/styles/new_style_dlg.h"
#include "forms/dialogs/styles/style_names.h"
#include "forms/dialogs/styles/style_site.h"
#include "forms/dialogs/styles/stylesheet.h"
#include "forms/document/fdocument.h"
#include "forms/model/formobj.h"
#include "forms/res/program_resources.h"

#include "platform/ui/dialog/notifications.h"

namespace {

constexpr int kStyleList = 1233;
constexpr int kEdit = 1224;
constexpr int kNew = 1225;
constexpr int kCopy = 1226;
constexpr int kDelete = 1232;
constexpr int kFinish = 1234;

} // namespace

STYLE_MANAGER_DLG::STYLE_MANAGER_DLG(STYLE_SITE& owner, QWidget* parent)
    : ui::Dialog(ProgramResources().LoadDialog(kStyleManagerDialogId), parent)
    , site(owner)
    , document(owner.GetStyleDocument())
{}

bool STYLE_MANAGER_DLG::OnInitDialog()
{
    FillList();
    if (GetCount(kStyleList) > 0) {
        SetCurSel(kStyleList, 0);
        selected = GetItemText(kStyleList, 0);
    } else {
        selected.clear();
    }
    UpdateButtons();
    return ui::Dialog::OnInitDialog();
}

void STYLE_MANAGER_DLG::FillList()
{
    ResetContent(kStyleList);
    count = 0;
    selected.clear();
    if (document)
        for (FORMOBJ* s = document->GetFirstListObject(); s; s = document->GetNextObject(s)) {
            selected = FormatStyleName(s->GetType(), s->GetName());
            AddString(kStyleList, selected);
            ++count;
        }
    SelectEntry(selected);
    UpdateButtons();
}

void STYLE_MANAGER_DLG::UpdateButtons()
{
    const bool any = !selected.empty();
    EnableItem(kDelete, any);
    EnableItem(kEdit, any);
    EnableItem(kCopy, any);
}

bool STYLE_MANAGER_DLG::SelectEntry(const std::string& entry)
{
    const int index = entry.empty() ? -1 : FindStringExact(kStyleList, entry);
    if (index >= 0)
        SetCurSel(kStyleList, index);
    return index >= 0;
}

FORMOBJ* STYLE_MANAGER_DLG::FindStyle(const std::string& entry)
{
    const std::string name = StyleNameWithoutType(entry);
    if (!document || name.empty())
        return nullptr;
    return document->FindObjectByName(TypeFromStyleName(entry), name);
}

bool STYLE_MANAGER_DLG::OnCommand(int id, unsigned code)
{
    if (id == kStyleList) {
        if (code == ui::LBN_SELCHANGE) {
            selected = GetDlgItemText(kStyleList);
            UpdateButtons();
        } else if (code == ui::LBN_DBLCLK) {
            OnEdit();
        }
        return true;
    }
    if (code != ui::BN_CLICKED)
        return ui::Dialog::OnCommand(id, code);
    switch (id) {
    case kEdit:
        OnEdit();
        return true;
    case kNew:
        OnNew();
        return true;
    case kCopy:
        OnCopy();
        return true;
    case kDelete:
        OnDelete();
        return true;
    case kFinish:
        EndDialog(1);
        return true;
    default:
        return ui::Dialog::OnCommand(id, code);
    }
}

void STYLE_MANAGER_DLG::OnEdit()
{
    FORMOBJ* style = selected.empty() ? nullptr : FindStyle(selected);
    if (!style)
        return;
    std::unique_ptr<FORMOBJ> edited;
    if (!EditStyle(style, edited, GetWindow()))
        return;
    style->TakeAppearanceFrom(*edited);
    edited.reset();
    site.RedrawStyleUsers();
    document->SetModified(true);
}

void STYLE_MANAGER_DLG::OnNew()
{
    NEW_STYLE_DLG chooser(site, GetWindow());
    if (chooser.DoModal() != 1 || !document)
        return;
    const uint8_t type = chooser.GetType();
    std::unique_ptr<FORMOBJ> trial = site.NewStyleObject(type);
    if (!trial)
        return;
    trial->ResetToDefaults();
    trial->SetName(chooser.GetName());
    EditAndAdd(trial.get(), chooser.GetName());
}

void STYLE_MANAGER_DLG::OnCopy()
{
    FORMOBJ* source = selected.empty() ? nullptr : FindStyle(selected);
    if (!source)
        return;
    COPY_STYLE_DLG namer(*document, selected, GetWindow());
    if (namer.DoModal() != 1)
        return;
    EditAndAdd(source, namer.GetName());
}

void STYLE_MANAGER_DLG::EditAndAdd(FORMOBJ* source, const std::string& name)
{
    const uint8_t type = source->GetType();
    std::unique_ptr<FORMOBJ> edited;
    if (EditStyle(source, edited, GetWindow())) {
        edited->SetName(name);
        if (document->AddStyleInNameOrder(std::move(edited)))
            document->SetModified(true);
    }
    FillList();
    if (const std::string added = FormatStyleName(type, name); SelectEntry(added))
        selected = added;
    UpdateButtons();
}

void STYLE_MANAGER_DLG::OnDelete()
{
    FORMOBJ* style = selected.empty() ? nullptr : FindStyle(selected);
    if (!style)
        return;
    const std::string entry = selected;
    document->DeleteStyle(style);
    document->SetModified(true);
    site.ApplyStyle(entry);
    FillList();
    if (GetCount(kStyleList) > 0) {
        SetCurSel(kStyleList, 0);
        selected = GetItemText(kStyleList, 0);
    } else {
        selected.clear();
    }
    UpdateButtons();
}
