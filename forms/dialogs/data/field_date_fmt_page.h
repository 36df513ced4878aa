// The Format page of date fields: the 17 date pictures shown as samples;
// choosing one sets it on the data type at once.
#pragma once

#include "forms/dialogs/data/date_pictures.h"

#include "platform/ui/dialog/property_page.h"

class DATATYPE;

class FIELD_DATE_FMT_PAGE : public ui::PropertyPage {
public:
    FIELD_DATE_FMT_PAGE();
    void BuildFormatList() { list = BuildDatePictureList(); }
    void SetDataType(DATATYPE* type) { dataType = type; }
    const DATEPICTURELIST& Pictures() const { return list; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code) override;

private:
    DATEPICTURELIST list;
    DATATYPE* dataType = nullptr;
};
