// The Spacing page of the object appearance sheet: the height of the text's
// lines, fixed or the tallest font's, in the program's unit; each new
// spacing is applied at once to the sheet's view.
#pragma once

#include "forms/dialogs/appearance/spacing_editor.h"

#include "platform/ui/dialog/property_page.h"

class OBJAPPDLG;
class STYLESHEET;

class LSPACEDLG : public ui::PropertyPage {
public:
    explicit LSPACEDLG(OBJAPPDLG* owner);
    // A style sheet as the owner: changes go to its prototype instead.
    void SetStyleSheet(STYLESHEET* sheet) { styleSheet = sheet; }

    void SetSpacing(uint16_t value) { editor.SetSpacing(value); }
    uint16_t GetSpacing() const { return editor.GetSpacing(); }
    // The unit the page opens in (the program's measurement unit).
    void SetUnits(uint8_t units) { editor.SetUnits(units); }
    uint8_t GetUnits() const { return editor.GetUnits(); }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code) override;

private:
    OBJAPPDLG* owner;
    STYLESHEET* styleSheet = nullptr;
    SPACING_EDITOR editor;
};
