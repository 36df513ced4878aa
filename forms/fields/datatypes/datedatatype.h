// The value of a date field: a day number, read from typed dates in the
// field's or the system's day/month order and shown through a date picture.
#pragma once

#include "forms/fields/datatypes/datatype.h"

class DATEDATATYPE : public DATATYPE {
public:
    const char* GetRuntimeClass() const override { return "DATEDATATYPE"; }
    int Draw(VIEWDC& dc, const RECT& rect, TEXTATTR attr, uint8_t alignment, uint16_t word, FORMOBJ* field,
        uint16_t outputMode) override;
    void Save(RECORDARCHIVE& ar) override;
    int Load(RECORDARCHIVE& ar) override;
    std::unique_ptr<DATATYPE> Clone() const override;
    int IsTextEntered() override { return 1; }
    int SelectAllOnEdit() override { return 1; }
    int GetText(std::string& out) override;
    int SetText(std::string_view text, std::string& message, int flag) override;
    int StoreText(std::string_view text) override;
    int InitialiseValue() override;
    int ResetValue(uint32_t increment) override;
    void ClearValue() override { dValue = 0; }
    int16_t GetColumnType() override { return kColumnDate; }
    uint8_t GetTypeTag() override { return kKindDate; }
    int IsEmpty() override { return dValue == 0 ? 1 : 0; }
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
    // Reads the picture record whose tag was just read.
    virtual void LoadPicture(RECORDARCHIVE& ar);
    // The value through the picture.
    virtual void GetDisplayText(std::string& out);

    // Takes the picture and works out from it the day/month order and
    // whether it shows a year.
    void SetPicture(std::string_view picture);
    // The field's order, else the system's: 1 day first, 2 month first.
    uint8_t GetDateOrder() const;
    std::string GetRuleMessage();

    double dValue = 0; // day number; 0 = empty
    std::string strPicture;
    int8_t nOrder = 0;
    uint8_t bHasYear = 0;
    double dRule1 = 0;
    double dRule2 = 0;
    int32_t bRuleNegate = 0;
    uint16_t wRuleOp = 0;
    double dInitial = 0;

private:
    // A day number through the picture, keeping the order and year flag.
    std::string ThroughPicture(double v);
    bool RulePassesFor(double v) const;
    void SetValue(double v, uint16_t marker);
};
