// The Format page of number fields: Number, Currency and Accounting build
// the masks from a few choices; Custom edits the three formats directly.
// Every change goes into the data type at once.
#pragma once

#include "forms/dialogs/data/number_masks.h"

#include "platform/ui/dialog/owner_draw.h"
#include "platform/ui/dialog/property_page.h"

#include <array>
#include <functional>
#include <memory>
#include <string>

class DATATYPE;
class NUMBERDATATYPE;
class NUMBERFORMAT;

namespace ui {
class UpDownControl;
}

// The Custom controls stand this many dialog units right of their place.
constexpr int kCustomShift = 173;

class FIELD_NUM_FMT_PAGE : public ui::PropertyPage {
public:
    FIELD_NUM_FMT_PAGE();
    ~FIELD_NUM_FMT_PAGE() override;
    void SetDataType(DATATYPE* type);
    void SetAutomaticColour(uint32_t colour) { automaticColour = colour; }
    const NUMBERCHOICES& Choices() const { return choices; }
    NUMBERDATATYPE* GetNumberType() const { return dataType; }
    bool OnKillActive() override;

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code) override;
    void OnDrawItem(int id, ui::DRAWITEMSTRUCT& item) override;
    void OnMeasureItem(int id, ui::MEASUREITEMSTRUCT& item) override;

private:
    void ChangeCategory(int previous);
    void ShowCustom(bool custom, bool move);
    void FillCustomControls();
    void Rebuild();
    void OnDecimalsUpdate();
    // The decimal places as an integer from 0 to 9; else the framework's
    // message and the edit keeps the focus.
    bool ExchangeDecimals();
    void OnStyle();
    void OnCustomMask(int index);
    void OnColourButton(int index);
    NUMBERFORMAT* FormatAt(int index) const;
    void DrawSample(ui::DRAWITEMSTRUCT& item);
    void DrawStyle(ui::DRAWITEMSTRUCT& item);
    void DrawColourButton(int index, ui::DRAWITEMSTRUCT& item);

    NUMBERDATATYPE* dataType = nullptr;
    NUMBERCHOICES choices;
    std::string symbol;
    uint32_t automaticColour = 0;
    bool initialised = false;
    bool settingDecimals = false;
    bool customShown = false;
    // A child of the page's window, which deletes it.
    ui::UpDownControl* upDown = nullptr;
};
