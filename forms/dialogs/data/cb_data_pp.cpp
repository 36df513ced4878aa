#include "forms/dialogs/data/cb_data_pp.h"

#include "forms/fields/datatypes/check_datatype.h"
#include "forms/res/program_resources.h"

#include "platform/ui/dialog/notifications.h"

namespace {
constexpr uint32_t kCheckFormatPageId = 2061;
constexpr int kTextRight = 1317;
constexpr int kTextLeft = 1318;
struct StyleButton {
    int control;
    uint8_t style;
    uint16_t icon;
};
constexpr std::array<StyleButton, 3> kStyles
    = {{{1314, kCheckCross, 2062}, {1315, kCheckTick, 2063}, {1316, kCheckRound, 2064}}};
} // namespace

CB_DATA_PP::CB_DATA_PP()
    : ui::PropertyPage(ProgramResources().LoadDialog(kCheckFormatPageId))
{}

bool CB_DATA_PP::SetDataType(DATATYPE* type)
{
    dataType = dynamic_cast<CHECK_DATATYPE*>(type);
    return dataType != nullptr;
}

bool CB_DATA_PP::OnInitDialog()
{
    selected = 0;
    for (size_t i = 0; i < kStyles.size(); ++i)
        if (dataType && dataType->nStyle == kStyles[i].style && kStyles[i].style != kCheckCross)
            selected = static_cast<int>(i);
    for (size_t i = 0; i < kStyles.size(); ++i) {
        buttons[i].icon = kStyles[i].icon;
        buttons[i].centreIcon = 1;
        buttons[i].latched = static_cast<int>(i) == selected ? 1 : 0;
        buttons[i].Attach(*this, kStyles[i].control);
    }
    const bool left = dataType && dataType->nTextPos != 0;
    CheckRadioButton(kTextRight, kTextLeft, left ? kTextLeft : kTextRight);
    return true;
}

void CB_DATA_PP::Select(int index)
{
    buttons[static_cast<size_t>(selected)].latched = 0;
    buttons[static_cast<size_t>(selected)].Redraw();
    selected = index;
    buttons[static_cast<size_t>(selected)].latched = 1;
    buttons[static_cast<size_t>(selected)].Redraw();
}

bool CB_DATA_PP::OnCommand(int id, unsigned code)
{
    if (code != ui::BN_CLICKED || !dataType)
        return ui::PropertyPage::OnCommand(id, code);
    for (size_t i = 0; i < kStyles.size(); ++i)
        if (kStyles[i].control == id) {
            dataType->nStyle = kStyles[i].style;
            Select(static_cast<int>(i));
            return true;
        }
    if (id == kTextRight || id == kTextLeft) {
        dataType->nTextPos = id == kTextLeft ? 1 : 0;
        return true;
    }
    return ui::PropertyPage::OnCommand(id, code);
}
