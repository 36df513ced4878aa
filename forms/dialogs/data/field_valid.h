// The Validation page: the rule a typed value must pass (an operator, NOT,
// one or two values) and, for numbers, the most decimal places typed.
#pragma once

#include "platform/ui/dialog/property_page.h"

class DATATYPE;

class FIELD_VALID : public ui::PropertyPage {
public:
    FIELD_VALID();
    void SetDataType(DATATYPE* type) { dataType = type; }
    // Fills the controls from the data type (once the page exists).
    void Refresh();
    bool OnKillActive() override;

protected:
    bool OnInitDialog() override;
    bool OnSetActive() override;
    bool OnCommand(int id, unsigned code) override;

private:
    void EnableSecondValue();

    DATATYPE* dataType = nullptr;
    bool initialised = false;
    // The user changed the operator, NOT or a value since the refill: a
    // rule the list cannot show is kept until then.
    bool touched = false;
};
