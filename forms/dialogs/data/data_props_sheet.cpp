#include "forms/dialogs/data/data_props_sheet.h"

#include "forms/dialogs/data/cb_data_pp.h"
#include "forms/dialogs/data/field_date_fmt_page.h"
#include "forms/dialogs/data/field_help.h"
#include "forms/dialogs/data/field_num_fmt_page.h"
#include "forms/dialogs/data/field_txt_fmt_page.h"
#include "forms/dialogs/data/field_type.h"
#include "forms/dialogs/data/field_valid.h"
#include "forms/dialogs/data/valuespp.h"
#include "forms/fields/datatypes/fieldvalues.h"
#include "forms/model/formobj.h"
#include "forms/model/object_view.h"
#include "forms/res/command_ids.h"
#include "forms/res/program_resources.h"

#include "platform/ui/dialog/notifications.h"

namespace {

constexpr uint32_t kAppearanceButtonText = 443;
constexpr int kButtonWidening = 30;
constexpr int kFormatPageIndex = 4;

bool KindTakesList(uint8_t kind)
{
    return kind == kKindNumber || kind == kKindDate || kind == kKindText || kind == kKindMemo;
}

} // namespace

DATA_PROPS_SHEET::DATA_PROPS_SHEET(std::string caption, OBJECT_VIEW* owner, QWidget* parent, int startPage)
    : ui::PropertySheet(std::move(caption), parent, startPage)
    , numberPage(std::make_unique<FIELD_NUM_FMT_PAGE>())
    , textPage(std::make_unique<FIELD_TXT_FMT_PAGE>())
    , datePage(std::make_unique<FIELD_DATE_FMT_PAGE>())
    , checkPage(std::make_unique<CB_DATA_PP>())
    , valuesPage(std::make_unique<VALUESPP>())
    , validPage(std::make_unique<FIELD_VALID>())
    , helpPage(std::make_unique<FIELD_HELP>())
    , generalPage(std::make_unique<FIELD_TYPE>())
    , view(owner)
{}

DATA_PROPS_SHEET::~DATA_PROPS_SHEET() = default;

const LISTBOXVALUES* DATA_PROPS_SHEET::GetValues() const
{
    return generalPage->GetActAsListBox() ? valuesPage->GetList() : nullptr;
}

const std::string& DATA_PROPS_SHEET::GetHelpText() const
{
    return helpPage->text;
}

ui::PropertyPage* DATA_PROPS_SHEET::FormatPageFor(DATATYPE* type)
{
    switch (type ? type->GetTypeTag() : 0) {
    case kKindNumber:
        numberPage->SetDataType(type);
        return numberPage.get();
    case kKindDate:
        datePage->SetDataType(type);
        return datePage.get();
    case kKindText:
    case kKindMemo:
        textPage->SetDataType(type);
        return textPage.get();
    case kKindCheckBox:
        checkPage->SetDataType(type);
        return checkPage.get();
    default:
        return nullptr;
    }
}

bool DATA_PROPS_SHEET::InitFromField(FORMOBJ* object, uint32_t counter)
{
    datePage->BuildFormatList();
    AddPage(generalPage.get());
    AddPage(validPage.get());
    AddPage(helpPage.get());
    AddPage(valuesPage.get());
    DATATYPE* own = nullptr;
    if (!object->GetAttribute(1, reinterpret_cast<uintptr_t>(&own)) || !own)
        return false;
    dataType = own->Clone();
    if (!dataType)
        return false;
    if (TEXTATTR attr; object->GetFont(&attr))
        numberPage->SetAutomaticColour(attr.colour);
    FIELDVALUES* values = nullptr;
    object->GetAttribute(2, reinterpret_cast<uintptr_t>(&values));
    valuesPage->Init(dynamic_cast<const LISTBOXVALUES*>(values), dataType.get(), counter);
    generalPage->InitFromField(object, this);
    std::string help;
    object->GetAttribute(3, reinterpret_cast<uintptr_t>(&help));
    helpPage->text = help;
    if (ui::PropertyPage* format = FormatPageFor(dataType.get()))
        AddPage(format);
    valuesPage->SetListEnabled(KindTakesList(dataType->GetTypeTag()) && valuesPage->GetList());
    validPage->SetDataType(dataType.get());
    return true;
}

void DATA_PROPS_SHEET::ChangeDataType(DATATYPE* type)
{
    if (GetPageCount() >= kFormatPageIndex + 1) {
        RemovePage(kFormatPageIndex);
        if (ui::PropertyPage* format = FormatPageFor(type))
            AddPage(format);
        valuesPage->SetDataType(type);
    }
    valuesPage->SetListEnabled(KindTakesList(type->GetTypeTag()) && generalPage->GetActAsListBox());
    validPage->SetDataType(type);
    validPage->Refresh();
}

void DATA_PROPS_SHEET::SetActAsListBox(bool on)
{
    valuesPage->EnableListValues(on);
    valuesPage->SetListEnabled(on);
}

bool DATA_PROPS_SHEET::OnInitDialog()
{
    EnableItem(ui::ID_APPLY_NOW, false);
    ShowItem(ui::ID_APPLY_NOW, false);
    gdi::RECT r = GetItemRect(ui::ID_HELP);
    r.left -= kButtonWidening;
    MoveItem(ui::ID_HELP, r);
    SetDlgItemText(ui::ID_HELP, ProgramResources().LoadString(kAppearanceButtonText));
    EnableItem(ui::ID_HELP, true);
    return ui::PropertySheet::OnInitDialog();
}

bool DATA_PROPS_SHEET::OnCommand(int id, unsigned code)
{
    if (id == ui::ID_HELP && code == ui::BN_CLICKED) {
        if (ui::PropertyPage* page = GetActivePage(); page && !page->OnKillActive())
            return true;
        if (view)
            view->PostCommand(ID_EDIT_APPEARANCE);
        for (int i = 0; i < GetPageCount(); ++i)
            if (GetPage(i)->IsCreated())
                GetPage(i)->OnOK();
        EndDialog(1);
        return true;
    }
    return ui::PropertySheet::OnCommand(id, code);
}
