// The Format page of check boxes: the mark's style (cross, tick, round)
// and the side of the text, written into the data type at once.
#pragma once

#include "forms/dialogs/controls/icon_button.h"

#include "platform/ui/dialog/property_page.h"

#include <array>

class DATATYPE;
class CHECK_DATATYPE;

class CB_DATA_PP : public ui::PropertyPage {
public:
    CB_DATA_PP();
    // Whether the data type is a check box's.
    bool SetDataType(DATATYPE* type);

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code) override;

private:
    void Select(int index);

    CHECK_DATATYPE* dataType = nullptr;
    std::array<ICON_BUTTON, 3> buttons;
    int selected = 0;
};
