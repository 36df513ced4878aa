#include "forms/fields/datatypes/datedatatype.h"

#include "forms/fields/datatypes/datatype_texts.h"
#include "forms/fields/datatypes/date_serial.h"
#include "forms/fields/datatypes/date_text.h"
#include "forms/fields/datatypes/intl_settings.h"
#include "forms/fields/datatypes/number_text.h"

namespace {

constexpr char kDateWord[] = "Date ";
// The day number whose formatting tells what a picture shows.
constexpr double kSampleDay = 35300;

int Compare(double a, double b)
{
    return a < b ? -1 : (a > b ? 1 : 0);
}

} // namespace

int DATEDATATYPE::InitialiseValue()
{
    SetPicture(SystemDateOrder() == kMonthFirst ? "mm/dd/yy" : "dd/mm/yy");
    return 1;
}

void DATEDATATYPE::SetPicture(std::string_view picture)
{
    strPicture = picture;
    std::string sample;
    DATEPICTUREINFO info;
    FormatDate(kSampleDay, strPicture, sample, &info);
    nOrder = static_cast<int8_t>(info.order);
    bHasYear = info.hasYear;
}

uint8_t DATEDATATYPE::GetDateOrder() const
{
    return nOrder ? static_cast<uint8_t>(nOrder) : SystemDateOrder();
}

std::string DATEDATATYPE::ThroughPicture(double v)
{
    std::string text;
    DATEPICTUREINFO info;
    FormatDate(v, strPicture, text, &info);
    nOrder = static_cast<int8_t>(info.order);
    bHasYear = info.hasYear;
    return text;
}

void DATEDATATYPE::GetDisplayText(std::string& out)
{
    out = ThroughPicture(dValue);
}

int DATEDATATYPE::GetText(std::string& out)
{
    out.clear();
    FormatDate(dValue, GetDateOrder() == kDayFirst ? "d/m/yyyy" : "m/d/yyyy", out);
    return dValue != 0 ? 1 : 0;
}

int DATEDATATYPE::SetText(std::string_view text, std::string& message, int flag)
{
    double v = 0;
    if (!ParseDate(text, GetDateOrder(), v)) {
        message = LoadText(kBadDateText);
        return 0;
    }
    if (flag && !RulePassesFor(v)) {
        message = GetRuleMessage();
        return 0;
    }
    return 1;
}

void DATEDATATYPE::SetValue(double v, uint16_t marker)
{
    if (v != dValue || marker != wErrorId)
        MarkChanged();
    dValue = v;
    wErrorId = marker;
}

int DATEDATATYPE::StoreText(std::string_view text)
{
    double v = 0;
    if (ParseDate(text, GetDateOrder(), v))
        SetValue(v, 0);
    return 1;
}

int DATEDATATYPE::ResetValue(uint32_t)
{
    wErrorId = 0;
    dValue = dInitial;
    return 1;
}

int DATEDATATYPE::Clear()
{
    DATATYPE::Clear();
    dValue = 0;
    return 0;
}

void DATEDATATYPE::GetOperand(OPERAND& out)
{
    if (dValue != 0 && !wErrorId) {
        out.nType = kOperandNumber;
        out.dNumber = dValue;
        return;
    }
    out.nType = kOperandError;
    out.nError = 0;
}

void DATEDATATYPE::SetFromOperand(const OPERAND& operand)
{
    double v = 0;
    switch (operand.nType) {
    case kOperandNumber:
        v = operand.dNumber;
        break;
    case kOperandText:
        v = TextToNumber(operand.pszText ? operand.pszText : "");
        break;
    case kOperandError:
    case kOperandMessage:
        SetValue(dValue, kDateMarker);
        return;
    default:
        return;
    }
    DATEPARTS parts;
    if (v != 0 && !SerialToDate(v, parts))
        SetValue(dValue, kDateMarker);
    else
        SetValue(v, 0);
}

bool DATEDATATYPE::RulePassesFor(double v) const
{
    return RulePasses(wRuleOp, bRuleNegate, Compare(v, dRule1), Compare(v, dRule2), v == 0);
}

int DATEDATATYPE::CheckRule(std::string& message)
{
    if (RulePassesFor(dValue))
        return 1;
    message = GetRuleMessage();
    return 0;
}

std::string DATEDATATYPE::GetRuleMessage()
{
    const std::string first = ThroughPicture(dRule1);
    const std::string second = wRuleOp == kRuleBetween ? ThroughPicture(dRule2) : std::string();
    return RuleMessage(kDateWord, wRuleOp, bRuleNegate, first, second);
}

int DATEDATATYPE::SetRule(
    uint16_t op, int negate, std::string_view value1, std::string_view value2, std::string& message)
{
    if (value1.empty() && !(op == kRuleBetween && !value2.empty())) {
        wRuleOp = kRuleNone;
        bRuleNegate = 0;
        dRule1 = dRule2 = 0;
        return 1;
    }
    if (value1.empty()) {
        message = LoadText(kBadBetween);
        return 0;
    }
    double first = 0;
    double second = 0;
    if (!ParseDate(value1, GetDateOrder(), first)
        || (op == kRuleBetween && !value2.empty() && !ParseDate(value2, GetDateOrder(), second))) {
        message = LoadText(kBadDateText);
        return 0;
    }
    if (op == kRuleBetween && (value2.empty() || second < first)) {
        message = LoadText(kBadBetween);
        return 0;
    }
    wRuleOp = op;
    bRuleNegate = negate ? 1 : 0;
    dRule1 = first;
    dRule2 = op == kRuleBetween ? second : 0;
    return 1;
}

int DATEDATATYPE::GetRule(int& negate, std::string& value1, std::string& value2)
{
    negate = bRuleNegate;
    value1.clear();
    value2.clear();
    if (wRuleOp == kRuleNone)
        return 0;
    value1 = ThroughPicture(dRule1);
    if (wRuleOp == kRuleBetween)
        value2 = ThroughPicture(dRule2);
    return 1;
}

int DATEDATATYPE::GetInitialValue(std::string& out, uint32_t)
{
    out = ThroughPicture(dInitial);
    return dInitial != 0 ? 1 : 0;
}

int DATEDATATYPE::SetInitialValue(std::string_view text, std::string& message, uint32_t)
{
    double v = 0;
    if (!ParseDate(text, GetDateOrder(), v)) {
        message = LoadText(kBadDateText);
        return 0;
    }
    dInitial = v;
    return 1;
}

int DATEDATATYPE::CompareValue(DATATYPE& other)
{
    auto* date = dynamic_cast<DATEDATATYPE*>(&other);
    return Compare(dValue, date ? date->dValue : 0);
}
