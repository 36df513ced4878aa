// The data properties' General page: the name, the kind (seven icon
// buttons; bar code and picture disabled until their kinds exist), and the
// entry switches.
#pragma once

#include "forms/dialogs/controls/icon_button.h"
#include "forms/dialogs/data/datatype_slots.h"

#include "platform/ui/dialog/property_page.h"

#include <array>
#include <memory>
#include <string>

class DATA_PROPS_SHEET;
class FORMOBJ;

class FIELD_TYPE : public ui::PropertyPage {
public:
    FIELD_TYPE();
    ~FIELD_TYPE() override;

    void InitFromField(FORMOBJ* object, DATA_PROPS_SHEET* sheet);
    // Makes the pressed button's kind current and tells the sheet.
    void SetDataType();

    bool GetActAsListBox() const { return actAsListBox; }
    const std::string& GetName() const { return name; }
    bool GetProtect() const { return protect; }
    bool GetMandatory() const { return mandatory; }
    bool GetSaveInDb() const { return saveInDb; }
    int GetSelectedButton() const { return selected; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code) override;
    bool OnKillActive() override;

private:
    void OnTypeButton(int button);
    void Press(int button, bool down);

    std::array<ICON_BUTTON, 7> buttons;
    int selected = -1; // index into the button table
    bool actAsListBox = false;
    std::string name;
    FORMOBJ* object = nullptr;
    DATA_PROPS_SHEET* sheet = nullptr;
    std::unique_ptr<DATATYPE_SLOTS> kindSlots;
    bool mandatory = false;
    bool protect = false;
    bool saveInDb = true;
};
