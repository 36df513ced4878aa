#include "forms/dialogs/data/validation_rule.h"

int RuleOperatorPosition(uint16_t op)
{
    if (op == 0)
        return 0;
    for (size_t i = 0; i < kRuleOperators.size(); ++i)
        if (kRuleOperators[i] == op)
            return static_cast<int>(i);
    return -1;
}
