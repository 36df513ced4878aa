// The field's data properties sheet: General, Validation, Help and Values,
// then the Format page of the current kind. It works on a clone of the
// field's data type and copies of its other properties; the opener reads
// the results after OK (1) and writes them back.
#pragma once

#include "forms/fields/datatypes/datatype.h"

#include "platform/ui/dialog/property_sheet.h"

#include <memory>
#include <string>

class CB_DATA_PP;
class FIELD_DATE_FMT_PAGE;
class FIELD_HELP;
class FIELD_NUM_FMT_PAGE;
class FIELD_TXT_FMT_PAGE;
class FIELD_TYPE;
class FIELD_VALID;
class FORMOBJ;
class LISTBOXVALUES;
class OBJECT_VIEW;
class VALUESPP;

constexpr uint16_t kDataSheetCaption = 137;

class DATA_PROPS_SHEET : public ui::PropertySheet {
public:
    DATA_PROPS_SHEET(std::string caption, OBJECT_VIEW* view, QWidget* parent, int startPage = 0);
    ~DATA_PROPS_SHEET() override;

    // Prepares every page from the object; false when it has no data type.
    bool InitFromField(FORMOBJ* object, uint32_t counter);
    // The General page made `type` current.
    void ChangeDataType(DATATYPE* type);
    void SetActAsListBox(bool on);

    // What the opener reads after OK.
    DATATYPE* GetDataType() const { return dataType.get(); }
    const LISTBOXVALUES* GetValues() const;
    const std::string& GetHelpText() const;
    FIELD_TYPE& General() const { return *generalPage; }
    VALUESPP& Values() const { return *valuesPage; }
    FIELD_NUM_FMT_PAGE& NumberPage() const { return *numberPage; }
    FIELD_VALID& ValidationPage() const { return *validPage; }
    FIELD_HELP& HelpPage() const { return *helpPage; }
    OBJECT_VIEW* GetView() const { return view; }
    std::unique_ptr<DATATYPE>& CurrentSlot() { return dataType; }

protected:
    // Apply hidden; Help becomes "Appearance >>".
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code) override;

private:
    ui::PropertyPage* FormatPageFor(DATATYPE* type);

    std::unique_ptr<DATATYPE> dataType;
    std::unique_ptr<FIELD_NUM_FMT_PAGE> numberPage;
    std::unique_ptr<FIELD_TXT_FMT_PAGE> textPage;
    std::unique_ptr<FIELD_DATE_FMT_PAGE> datePage;
    std::unique_ptr<CB_DATA_PP> checkPage;
    std::unique_ptr<VALUESPP> valuesPage;
    std::unique_ptr<FIELD_VALID> validPage;
    std::unique_ptr<FIELD_HELP> helpPage;
    std::unique_ptr<FIELD_TYPE> generalPage;
    OBJECT_VIEW* view;
};
