// The Align page of the object appearance sheet: left, centre, right or
// justify, applied at once to the sheet's view.
#pragma once

#include "platform/ui/dialog/property_page.h"

#include <cstdint>

class OBJAPPDLG;
class STYLESHEET;

class ALIGNPAGE : public ui::PropertyPage {
public:
    explicit ALIGNPAGE(OBJAPPDLG* owner);
    // A style sheet as the owner: changes go to its prototype instead.
    void SetStyleSheet(STYLESHEET* sheet) { styleSheet = sheet; }

    void SetAlignment(uint8_t value) { alignment = value; }
    uint8_t GetAlignment() const { return alignment; }

protected:
    // Checks the radio of the byte (none for a byte no radio shows).
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code) override;

private:
    void OnAlignChanged();

    OBJAPPDLG* owner;
    STYLESHEET* styleSheet = nullptr;
    uint8_t alignment = 0;
};
