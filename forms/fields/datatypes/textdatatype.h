// The value of a text field: rich text kept in its stored form (typeface
// codes naming their faces), checked against a rule and the bound column's
// length, with an initial value.
#pragma once

#include "forms/fields/datatypes/datatype.h"

// Plain characters that take part in the rule test.
constexpr size_t kRuleWindow = 40;

class TEXTDATATYPE : public DATATYPE {
public:
    const char* GetRuntimeClass() const override { return "TEXTDATATYPE"; }
    int Draw(VIEWDC& dc, const RECT& rect, TEXTATTR attr, uint8_t alignment, uint16_t word, FORMOBJ* field,
        uint16_t outputMode) override;
    void Save(RECORDARCHIVE& ar) override;
    int Load(RECORDARCHIVE& ar) override;
    std::unique_ptr<DATATYPE> Clone() const override;
    int IsTextEntered() override { return 1; }
    int GetText(std::string& out) override;
    int SetText(std::string_view text, std::string& message, int flag) override;
    int StoreText(std::string_view text) override;
    int ResetValue(uint32_t increment) override;
    void ClearValue() override { strValue.clear(); }
    int16_t GetColumnType() override { return kColumnShortText; }
    uint8_t GetTypeTag() override { return kKindText; }
    int IsEmpty() override { return strValue.empty() ? 1 : 0; }
    // 1 when the open editor's text, its faces named, is not the value.
    int IsEditChanged() override;
    int Clear() override;
    void GetOperand(OPERAND& out) override;
    void SetFromOperand(const OPERAND& operand) override;
    int CheckRule(std::string& message) override;
    void EncodeFaceNames(std::string& text) override;
    void DecodeFaceNames(std::string& text) override;
    int SetRule(
        uint16_t op, int negate, std::string_view value1, std::string_view value2, std::string& message) override;
    uint16_t GetRuleOperator() override { return wRuleOp; }
    int GetRule(int& negate, std::string& value1, std::string& value2) override;
    int GetInitialValue(std::string& out, uint32_t increment) override;
    int SetInitialValue(std::string_view text, std::string& message, uint32_t increment) override;
    int CompareValue(DATATYPE& other) override;
    // The value with its faces as indexes of the program's font table; 1.
    virtual int GetDrawText(std::string& out);

    // The rule test on the first 40 plain characters of a text.
    int Validate(std::string_view text) const;
    void GetRuleMessage(std::string& out) const;

    std::string strValue; // stored form
    std::string strRule1;
    std::string strRule2; // "Between " only
    uint32_t bRuleNegate = 0;
    uint16_t wRuleOp = 0;
    std::string strInitial; // stored form
    uint32_t nDataPos = 0;

protected:
    // The rule record's fields: the two values, the negate flag, the
    // operator.
    void PutRule(RECORDARCHIVE& ar) const;
    void ReadRule(RECORDARCHIVE& ar);
    void CopyTo(TEXTDATATYPE& copy) const;

private:
    // The length and rule checks shared by SetText and CheckRule.
    int Check(std::string_view text, std::string& message, bool validate) const;
};

// The long-text kind: the same value and rule, a long-text column, and a
// flag that lets its text keep its formatting.
class MEMODATATYPE : public TEXTDATATYPE {
public:
    const char* GetRuntimeClass() const override { return "MEMODATATYPE"; }
    void Save(RECORDARCHIVE& ar) override;
    int Load(RECORDARCHIVE& ar) override;
    std::unique_ptr<DATATYPE> Clone() const override;
    // The flag, but never on a column of 1 to 256 characters.
    int KeepsFormatting() override;
    void SetKeepsFormatting(int keep) override { bKeepFormatting = keep ? 1 : 0; }
    int16_t GetColumnType() override { return kColumnLongText; }
    uint8_t GetTypeTag() override { return kKindMemo; }

    uint32_t bKeepFormatting = 1;
};
