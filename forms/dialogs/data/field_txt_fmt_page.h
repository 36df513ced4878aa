// The Format page of text and memo fields: whether a memo keeps the
// formatting typed into it.
#pragma once

#include "platform/ui/dialog/property_page.h"

class DATATYPE;

class FIELD_TXT_FMT_PAGE : public ui::PropertyPage {
public:
    FIELD_TXT_FMT_PAGE();
    void SetDataType(DATATYPE* type) { dataType = type; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code) override;

private:
    DATATYPE* dataType = nullptr;
    bool allowFormatting = true;
};
