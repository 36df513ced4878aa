// The value of a number field: a double, parsed from typed text, checked
// against the field's rule and bound column, shown through a positive, a
// negative and an optional zero mask, with an initial value that may count
// up on each reset.
#pragma once

#include "forms/fields/datatypes/datatype.h"
#include "forms/fields/datatypes/numberformat.h"

#include <memory>
#include <optional>

class NUMBERDATATYPE : public DATATYPE {
public:
    const char* GetRuntimeClass() const override { return "NUMBERDATATYPE"; }
    int Draw(VIEWDC& dc, const RECT& rect, TEXTATTR attr, uint8_t alignment, uint16_t word, FORMOBJ* field,
        uint16_t outputMode) override;
    void Save(RECORDARCHIVE& ar) override;
    int Load(RECORDARCHIVE& ar) override;
    std::unique_ptr<DATATYPE> Clone() const override;
    int IsTextEntered() override { return 1; }
    int SelectAllOnEdit() override { return 1; }
    int GetText(std::string& out) override;
    int SetText(std::string_view text, std::string& message, int flag) override { return Parse(text, message, flag); }
    int StoreText(std::string_view text) override;
    int InitialiseValue() override;
    int ResetValue(uint32_t increment) override;
    void ClearValue() override { pValue.reset(); }
    int16_t GetColumnType() override { return kColumnNumber; }
    uint8_t GetTypeTag() override { return kKindNumber; }
    int IsEmpty() override { return pValue ? 0 : 1; }
    // 1 when the open editor's text is not the value's edit text.
    int IsEditChanged() override { return EditTextDiffers(); }
    int Clear() override;
    void GetOperand(OPERAND& out) override;
    void SetFromOperand(const OPERAND& operand) override;
    int CheckRule(std::string& message) override;
    int SetRule(
        uint16_t op, int negate, std::string_view value1, std::string_view value2, std::string& message) override;
    uint16_t GetRuleOperator() override { return wRuleOp; }
    int GetRule(int& negate, std::string& value1, std::string& value2) override;
    int GetInitialValue(std::string& out, uint32_t increment) override;
    int SetInitialValue(std::string_view text, std::string& message, uint32_t increment) override;
    int CompareValue(DATATYPE& other) override;

    // Reads typed text: 1 when it is a number the field takes (and, with
    // validate, one that passes the rule); else 0 and the message.
    int Parse(std::string_view text, std::string& message, int validate);
    // The number that typed text stands for, divided by the power of the
    // mask its sign chooses (so 50% under a percentage mask is 0.5).
    double TextToNumber(std::string_view text) const;
    // 1 when the bound column takes v; else 0 and the message.
    int CheckColumnLimits(double v, std::string& message) const;
    std::string GetRuleMessage() const;
    // The value through its mask: the characters and their widths measured
    // with the font's 256 widths; a fill uses `available` when it is 0 or
    // more. The number of characters.
    int FormatNumber(
        const int16_t* charWidths, std::string& text, std::vector<int>& widths, int32_t available = -1) const;
    // The text colour of the value (kFieldColour: the field's).
    uint32_t GetValueColour() const;

    void SetDecimalFromString(std::string_view text);
    void GetDecimalText(std::string& out) const;

    // The mask the value v is shown through: null for 0 without a zero mask.
    const NUMBERFORMAT* MaskFor(double v) const;
    // The power and colour that go with v (for 0 without a zero mask, the
    // positive mask's).
    int16_t PowerFor(double v) const;

    std::unique_ptr<double> pValue;
    std::unique_ptr<NUMBERFORMAT> pPositive;
    std::unique_ptr<NUMBERFORMAT> pNegative;
    std::unique_ptr<NUMBERFORMAT> pZero;
    double dRule1 = 0.0;
    double dRule2 = 0.0;
    int32_t bRuleNegate = 0;
    uint16_t wRuleOp = 0;
    int16_t nDecimals = -1; // most digits after the point when typing; -1 any
    std::unique_ptr<double> pInitial;
    int32_t bAutoIncrement = 0;

private:
    // v as the edit text shows it.
    std::string EditText(double v) const;
    // v as "%g", or as edit text when that shows a blank or an exponent.
    std::string ValueText(double v) const;
    bool RulePassesFor(double v, bool empty) const;
    void SetValue(double v);
    // Rebuilds the standard masks from a legacy record.
    void SetStandardMasks(int16_t decimals, bool currency);
};
