#include "forms/fields/datatypes/textdatatype.h"

#include "forms/fields/datatypes/datatype_texts.h"
#include "forms/fields/datatypes/face_names.h"
#include "forms/fields/datatypes/number_text.h"
#include "forms/fields/datatypes/value_draw.h"
#include "forms/model/viewdc.h"

#include "platform/text/cp1252.h"

namespace {

// Memo columns this short hold plain text only.
constexpr int32_t kShortColumn = 256;

int Sign(int c)
{
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

} // namespace

int TEXTDATATYPE::GetText(std::string& out)
{
    out = strValue;
    return strValue.empty() ? 0 : 1;
}

int TEXTDATATYPE::Validate(std::string_view text) const
{
    const std::string plain = PlainText(text, kRuleWindow);
    return RulePasses(wRuleOp, static_cast<int>(bRuleNegate), Sign(plain.compare(strRule1)),
               Sign(plain.compare(strRule2)), plain.empty())
        ? 1
        : 0;
}

void TEXTDATATYPE::GetRuleMessage(std::string& out) const
{
    out = RuleMessage(LoadText(kTextWord), wRuleOp, static_cast<int>(bRuleNegate), strRule1, strRule2);
}

int TEXTDATATYPE::Check(std::string_view text, std::string& message, bool validate) const
{
    if (text.size() > static_cast<uint32_t>(limits.nColumnSize)) {
        message = LoadText(kTextTooLong);
        return 0;
    }
    if (validate && !Validate(text)) {
        GetRuleMessage(message);
        return 0;
    }
    return 1;
}

int TEXTDATATYPE::SetText(std::string_view text, std::string& message, int flag)
{
    return Check(text, message, flag != 0);
}

int TEXTDATATYPE::CheckRule(std::string& message)
{
    return Check(strValue, message, true);
}

int TEXTDATATYPE::StoreText(std::string_view text)
{
    if (text != strValue) {
        wErrorId = 0;
        MarkChanged();
    }
    strValue = text;
    return 1;
}

int TEXTDATATYPE::ResetValue(uint32_t)
{
    wErrorId = 0;
    strValue = strInitial;
    return 1;
}

int TEXTDATATYPE::Clear()
{
    DATATYPE::Clear();
    strValue.clear();
    return 0;
}

void TEXTDATATYPE::GetOperand(OPERAND& out)
{
    if (wErrorId) {
        out.nType = kOperandError;
        out.nError = wErrorId == kDiv0Marker ? kDivisionByZero : 0;
        return;
    }
    out.nType = kOperandText;
    out.pszText = strValue.c_str();
}

void TEXTDATATYPE::SetFromOperand(const OPERAND& operand)
{
    const uint16_t oldMarker = wErrorId;
    wErrorId = 0;
    std::string text;
    switch (operand.nType) {
    case kOperandNumber:
        text = NumberToText(operand.dNumber);
        break;
    case kOperandText:
        text = operand.pszText ? operand.pszText : "";
        break;
    case kOperandError:
    case kOperandMessage:
        wErrorId = operand.nError == kDivisionByZero ? kDiv0Marker : kErrMarker;
        break;
    default:
        wErrorId = oldMarker;
        return;
    }
    if (wErrorId != oldMarker || text != strValue)
        MarkChanged();
    strValue = std::move(text);
}

void TEXTDATATYPE::EncodeFaceNames(std::string& text)
{
    ::EncodeFaceNames(text);
}

void TEXTDATATYPE::DecodeFaceNames(std::string& text)
{
    ::DecodeFaceNames(text);
}

int TEXTDATATYPE::GetDrawText(std::string& out)
{
    out = strValue;
    DecodeFaceNames(out);
    return 1;
}

int TEXTDATATYPE::SetRule(
    uint16_t op, int negate, std::string_view value1, std::string_view value2, std::string& message)
{
    bRuleNegate = negate ? 1 : 0;
    wRuleOp = op;
    if (value1.empty() && (op != kRuleBetween || value2.empty())) {
        wRuleOp = kRuleNone;
        strRule1.clear();
        strRule2.clear();
        return 1;
    }
    if (op == kRuleBetween) {
        if (value1.empty() || value2.empty() || value1 > value2) {
            message = LoadText(kBadBetween);
            return 0;
        }
        strRule1 = value1;
        strRule2 = value2;
        return 1;
    }
    strRule1 = value1;
    strRule2.clear();
    return 1;
}

int TEXTDATATYPE::GetRule(int& negate, std::string& value1, std::string& value2)
{
    negate = static_cast<int>(bRuleNegate);
    value1 = strRule1;
    if (wRuleOp == kRuleBetween)
        value2 = strRule2;
    else
        value2.clear();
    return wRuleOp != kRuleNone ? 1 : 0;
}

int TEXTDATATYPE::GetInitialValue(std::string& out, uint32_t)
{
    out = strInitial;
    return strInitial.empty() ? 0 : 1;
}

int TEXTDATATYPE::SetInitialValue(std::string_view text, std::string& message, uint32_t)
{
    if (!text.empty() && !SetText(text, message, 1))
        return 0;
    strInitial = text;
    return 1;
}

int TEXTDATATYPE::CompareValue(DATATYPE& other)
{
    auto* text = dynamic_cast<TEXTDATATYPE*>(&other);
    const std::string mine = PlainText(strValue);
    std::string theirs = text ? PlainText(text->strValue) : std::string();
    if (theirs.size() > mine.size())
        theirs.resize(mine.size());
    return Sign(text::CompareNoCase(mine, theirs));
}

int TEXTDATATYPE::Draw(
    VIEWDC& dc, const RECT& rect, TEXTATTR attr, uint8_t alignment, uint16_t word, FORMOBJ*, uint16_t outputMode)
{
    if (outputMode != kOutputFill || (strValue.empty() && !wErrorId))
        return 1;
    std::string text;
    if (wErrorId)
        text = MarkerText(wErrorId);
    else if (!GetDrawText(text))
        return 1;
    return DrawValueText(dc, rect, text, attr, alignment, word);
}

int MEMODATATYPE::KeepsFormatting()
{
    if (limits.nColumnSize >= 1 && limits.nColumnSize <= kShortColumn)
        return 0;
    return bKeepFormatting ? 1 : 0;
}
