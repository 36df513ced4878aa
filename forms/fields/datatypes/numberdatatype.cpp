#include "forms/fields/datatypes/numberdatatype.h"

#include "forms/fields/datatypes/datatype_texts.h"
#include "forms/fields/datatypes/number_text.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr size_t kMaxNumberText = 100;
constexpr char kNumberWord[] = "Number ";

int Compare(double a, double b)
{
    return a < b ? -1 : (a > b ? 1 : 0);
}

bool IsBlank(std::string_view text)
{
    return text.find_first_not_of(' ') == std::string_view::npos;
}

} // namespace

int NUMBERDATATYPE::InitialiseValue()
{
    pPositive = std::make_unique<NUMBERFORMAT>();
    pNegative = std::make_unique<NUMBERFORMAT>();
    pNegative->SetMask("-0.00");
    pZero.reset();
    return 1;
}

const NUMBERFORMAT* NUMBERDATATYPE::MaskFor(double v) const
{
    if (v > 0)
        return pPositive.get();
    if (v < 0)
        return pNegative.get();
    return pZero.get();
}

int16_t NUMBERDATATYPE::PowerFor(double v) const
{
    const NUMBERFORMAT* mask = MaskFor(v);
    if (!mask && v == 0)
        mask = pPositive.get();
    return mask ? mask->nScalePower : 0;
}

uint32_t NUMBERDATATYPE::GetValueColour() const
{
    const double v = pValue ? *pValue : 0.0;
    const NUMBERFORMAT* mask = wErrorId ? pPositive.get() : MaskFor(v);
    if (!mask && v == 0)
        mask = pPositive.get();
    return mask ? mask->crColour : kFieldColour;
}

int NUMBERDATATYPE::FormatNumber(
    const int16_t* charWidths, std::string& text, std::vector<int>& widths, int32_t available) const
{
    const double v = pValue ? *pValue : 0.0;
    return ::FormatNumber(v, MaskFor(v), charWidths, text, widths, available);
}

std::string NUMBERDATATYPE::EditText(double v) const
{
    if (v == 0 && !pZero)
        return {};
    const int16_t power = PowerFor(v);
    return NumberToText(v * std::pow(10.0, power), power != 0);
}

std::string NUMBERDATATYPE::ValueText(double v) const
{
    const std::string general = FormatGeneral(v);
    if (general.find_first_of(" e") != std::string::npos)
        return EditText(v);
    return general;
}

int NUMBERDATATYPE::GetText(std::string& out)
{
    out.clear();
    if (!pValue)
        return 0;
    out = EditText(*pValue);
    return 1;
}

double NUMBERDATATYPE::TextToNumber(std::string_view text) const
{
    const double n = ::TextToNumber(text);
    return n / std::pow(10.0, PowerFor(n));
}

int NUMBERDATATYPE::Parse(std::string_view text, std::string& message, int validate)
{
    std::string clean = CleanNumberText(text);
    const bool empty = IsBlank(text);
    size_t start = 0;
    if (!clean.empty() && clean[0] == '-')
        start = 1;
    bool percent = false;
    if (clean.back() == '%') {
        percent = true;
        clean.pop_back();
        if (clean.empty())
            clean = "0";
    }
    if (clean.size() >= kMaxNumberText) {
        message = LoadText(kTooManyDigits);
        return 0;
    }
    bool point = false;
    int16_t decimals = 0;
    for (size_t i = start; i < clean.size(); ++i) {
        const char c = clean[i];
        if (c == '.') {
            if (point) {
                message = LoadText(kTwoPoints);
                return 0;
            }
            point = true;
        } else if (c < '0' || c > '9') {
            message = LoadText(kBadNumberChar);
            return 0;
        } else if (point) {
            ++decimals;
        }
    }
    if (nDecimals != -1 && decimals > nDecimals) {
        message = LoadText(kTooManyDecimals);
        return 0;
    }
    const double typed = ::TextToNumber(clean);
    if (percent && PowerFor(typed) == 0) {
        message = LoadText(kNoPercent);
        return 0;
    }
    const double v = TextToNumber(clean);
    if (!CheckColumnLimits(v, message))
        return 0;
    if (validate && !RulePassesFor(v, empty)) {
        message = GetRuleMessage();
        return 0;
    }
    return 1;
}

int NUMBERDATATYPE::CheckColumnLimits(double v, std::string& message) const
{
    if (limits.bIntegerOnly && v != std::trunc(v)) {
        message = LoadText(kColumnNotInteger);
        return 0;
    }
    if (limits.dMaxPositive != -1.0 && v > limits.dMaxPositive) {
        message = FillMessage(LoadText(kColumnTooLarge), FormatFixed(limits.dMaxPositive, 6));
        return 0;
    }
    if (limits.dMaxNegative != -1.0 && v < -limits.dMaxNegative) {
        message = FillMessage(LoadText(kColumnTooSmall), FormatFixed(limits.dMaxNegative, 6));
        return 0;
    }
    if (limits.nScale != kNoScale) {
        const double scaled = v * std::pow(10.0, limits.nScale);
        if (scaled != std::trunc(scaled)) {
            message = FillMessage(LoadText(kColumnScale), std::to_string(limits.nScale));
            return 0;
        }
    }
    return 1;
}

void NUMBERDATATYPE::SetValue(double v)
{
    if (!pValue || *pValue != v || wErrorId) {
        wErrorId = 0;
        MarkChanged();
    }
    pValue = std::make_unique<double>(v);
}

int NUMBERDATATYPE::StoreText(std::string_view text)
{
    if (IsBlank(text)) {
        if (pValue || wErrorId)
            MarkChanged();
        bEdited = 1;
        wErrorId = 0;
        pValue.reset();
        return 1;
    }
    SetValue(TextToNumber(text));
    return 1;
}

int NUMBERDATATYPE::ResetValue(uint32_t increment)
{
    wErrorId = 0;
    if (!pInitial) {
        pValue.reset();
        return 1;
    }
    pValue = std::make_unique<double>(*pInitial + (bAutoIncrement ? static_cast<double>(increment) : 0.0));
    return 1;
}

int NUMBERDATATYPE::Clear()
{
    DATATYPE::Clear();
    pValue.reset();
    return 0;
}

void NUMBERDATATYPE::GetOperand(OPERAND& out)
{
    if (wErrorId) {
        out.nType = kOperandError;
        out.nError = wErrorId == kDiv0Marker ? kDivisionByZero : 0;
        return;
    }
    out.nType = kOperandNumber;
    out.dNumber = pValue ? *pValue : 0.0;
}

void NUMBERDATATYPE::SetFromOperand(const OPERAND& operand)
{
    uint16_t marker = 0;
    switch (operand.nType) {
    case kOperandNumber:
        SetValue(operand.dNumber);
        return;
    case kOperandText:
        SetValue(TextToNumber(operand.pszText ? operand.pszText : ""));
        return;
    case kOperandError:
        marker = operand.nError == kDivisionByZero ? kDiv0Marker : kErrMarker;
        break;
    case kOperandMessage:
        marker = operand.nError;
        break;
    default:
        return;
    }
    if (marker != wErrorId) {
        wErrorId = marker;
        MarkChanged();
    }
}

bool NUMBERDATATYPE::RulePassesFor(double v, bool empty) const
{
    return RulePasses(wRuleOp, bRuleNegate, Compare(v, dRule1), Compare(v, dRule2), empty);
}

int NUMBERDATATYPE::CheckRule(std::string& message)
{
    if (RulePassesFor(pValue ? *pValue : 0.0, !pValue))
        return 1;
    message = GetRuleMessage();
    return 0;
}

std::string NUMBERDATATYPE::GetRuleMessage() const
{
    return RuleMessage(kNumberWord, wRuleOp, bRuleNegate, EditText(dRule1), ValueText(dRule2));
}

int NUMBERDATATYPE::SetRule(
    uint16_t op, int negate, std::string_view value1, std::string_view value2, std::string& message)
{
    if (value1.empty() && !(op == kRuleBetween && !value2.empty())) {
        wRuleOp = kRuleNone;
        bRuleNegate = 0;
        dRule1 = dRule2 = 0.0;
        return 1;
    }
    if (!Parse(value1, message, 0))
        return 0;
    if (op == kRuleBetween && !Parse(value2, message, 0))
        return 0;
    wRuleOp = op;
    bRuleNegate = negate ? 1 : 0;
    dRule1 = TextToNumber(value1);
    dRule2 = op == kRuleBetween ? TextToNumber(value2) : 0.0;
    if (op == kRuleBetween && dRule1 > dRule2) {
        message = LoadText(kBadBetween);
        return 0;
    }
    return 1;
}

int NUMBERDATATYPE::GetRule(int& negate, std::string& value1, std::string& value2)
{
    negate = bRuleNegate;
    value1.clear();
    value2.clear();
    if (wRuleOp == kRuleNone)
        return 0;
    value1 = ValueText(dRule1);
    if (wRuleOp == kRuleBetween)
        value2 = ValueText(dRule2);
    return 1;
}

int NUMBERDATATYPE::GetInitialValue(std::string& out, uint32_t increment)
{
    out.clear();
    if (!pInitial)
        return 0;
    out = ValueText(*pInitial + (bAutoIncrement ? static_cast<double>(increment) : 0.0));
    return 1;
}

int NUMBERDATATYPE::SetInitialValue(std::string_view text, std::string& message, uint32_t increment)
{
    if (text.empty()) {
        pInitial.reset();
        bAutoIncrement = 0;
        return 1;
    }
    if (!Parse(text, message, 1))
        return 0;
    pInitial = std::make_unique<double>(TextToNumber(text) - (bAutoIncrement ? static_cast<double>(increment) : 0.0));
    return 1;
}

int NUMBERDATATYPE::CompareValue(DATATYPE& other)
{
    auto* number = dynamic_cast<NUMBERDATATYPE*>(&other);
    const double mine = pValue ? *pValue : 0.0;
    const double theirs = number && number->pValue ? *number->pValue : 0.0;
    return Compare(mine, theirs);
}

void NUMBERDATATYPE::SetDecimalFromString(std::string_view text)
{
    nDecimals = text.empty() ? int16_t {-1} : static_cast<int16_t>(std::atoi(std::string(text).c_str()));
}

void NUMBERDATATYPE::GetDecimalText(std::string& out) const
{
    out = nDecimals == -1 ? std::string() : std::to_string(nDecimals);
}
