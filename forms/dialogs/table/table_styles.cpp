#include "forms/dialogs/table/table_styles.h"

#include <cstddef>

int TableStyleOf(bool columnHeaders, bool rowHeaders)
{
    for (std::size_t i = 0; i < kTableStyles.size(); ++i)
        if (kTableStyles[i].columnHeaders == columnHeaders && kTableStyles[i].rowHeaders == rowHeaders)
            return static_cast<int>(i);
    return static_cast<int>(kTableStyles.size()) - 1;
}

int TableStyleOfControl(int control)
{
    for (std::size_t i = 0; i < kTableStyles.size(); ++i)
        if (kTableStyles[i].control == control)
            return static_cast<int>(i);
    return -1;
}
