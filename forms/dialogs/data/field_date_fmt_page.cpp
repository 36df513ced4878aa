#include "forms/dialogs/data/field_date_fmt_page.h"

#include "forms/fields/datatypes/datedatatype.h"
#include "forms/res/program_resources.h"

#include "platform/ui/dialog/notifications.h"

namespace {
constexpr uint32_t kDateFormatPageId = 2036;
constexpr int kPictureList = 1266;
} // namespace

FIELD_DATE_FMT_PAGE::FIELD_DATE_FMT_PAGE()
    : ui::PropertyPage(ProgramResources().LoadDialog(kDateFormatPageId))
{}

bool FIELD_DATE_FMT_PAGE::OnInitDialog()
{
    for (const std::string& sample : list.samples)
        AddString(kPictureList, sample);
    auto* date = dynamic_cast<DATEDATATYPE*>(dataType);
    SetCurSel(kPictureList, date ? FindDatePicture(list, date->strPicture) : -1);
    return true;
}

bool FIELD_DATE_FMT_PAGE::OnCommand(int id, unsigned code)
{
    if (id == kPictureList && code == ui::LBN_SELCHANGE) {
        const int at = GetCurSel(kPictureList);
        if (auto* date = dynamic_cast<DATEDATATYPE*>(dataType); date && at >= 0 && at < kDatePictureCount)
            date->SetPicture(list.pictures[static_cast<size_t>(at)]);
        return true;
    }
    return ui::PropertyPage::OnCommand(id, code);
}
