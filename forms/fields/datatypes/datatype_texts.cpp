#include "forms/fields/datatypes/datatype_texts.h"

#include "forms/res/program_resources.h"

std::string LoadText(uint16_t id)
{
    return ProgramResources().LoadString(id);
}

std::string MarkerText(uint16_t id)
{
    if (ProgramResources().Find(res::Kind::String, id))
        return LoadText(id);
    return LoadText(kErrMarker);
}

std::string FillMessage(std::string_view message, std::string_view value)
{
    for (size_t i = 0; i + 1 < message.size(); ++i) {
        const char c = message[i + 1];
        if (message[i] == '%' && (c == 'f' || c == 'd' || c == 's')) {
            std::string out(message.substr(0, i));
            out += value;
            out += message.substr(i + 2);
            return out;
        }
    }
    return std::string(message);
}

bool IsComparingRule(uint16_t op)
{
    return (op >= kRuleEqual && op <= kRuleLessEqual) || op == kRuleBetween;
}

bool RulePasses(uint16_t op, int negate, int c1, int c2, bool empty)
{
    bool passes = true;
    switch (op) {
    case kRuleEqual:
        passes = c1 == 0;
        break;
    case kRuleGreater:
        passes = c1 > 0;
        break;
    case kRuleLess:
        passes = c1 < 0;
        break;
    case kRuleGreaterEqual:
        passes = c1 >= 0;
        break;
    case kRuleLessEqual:
        passes = c1 <= 0;
        break;
    case kRuleContains:
        passes = !empty;
        break;
    case kRuleBlank:
        passes = empty;
        break;
    case kRuleBetween:
        passes = c1 >= 0 && c2 <= 0;
        break;
    default:
        return true;
    }
    return negate ? !passes : passes;
}

std::string RuleMessage(
    std::string_view kindWord, uint16_t op, int negate, std::string_view value1, std::string_view value2)
{
    if (op == kRuleNone)
        return {};
    std::string message(kindWord);
    message += LoadText(negate ? kCannotBe : kMustBe);
    message += LoadText(op);
    if (op == kRuleContains || op == kRuleBlank)
        return message;
    message += "'";
    message += value1;
    if (op == kRuleBetween) {
        message += "' ";
        message += LoadText(kAndWord);
        message += "'";
        message += value2;
    }
    message += "'";
    return message;
}
