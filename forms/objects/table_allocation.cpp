// The limit on a table's allocations that a test may set.
#include "forms/objects/table_allocation.h"

#include <new>

namespace {

// Allocations still allowed; negative: no limit.
int g_allowed = -1;

} // namespace

TableAllocationLimit::TableAllocationLimit(int allowed)
{
    g_allowed = allowed;
}

TableAllocationLimit::~TableAllocationLimit()
{
    g_allowed = -1;
}

void CountTableAllocation()
{
    if (g_allowed < 0)
        return;
    if (g_allowed == 0)
        throw std::bad_alloc();
    --g_allowed;
}
