// A limit a test may put on the allocations a table makes while it builds
// its parts, so that a failure part-way through a rebuild can be shown to
// leave the table as it was. Without a limit every allocation is counted
// and none refused.
#pragma once

class TableAllocationLimit {
public:
    // While this lives, `allowed` further allocations succeed and the next
    // one fails.
    explicit TableAllocationLimit(int allowed);
    ~TableAllocationLimit();
    TableAllocationLimit(const TableAllocationLimit&) = delete;
    TableAllocationLimit& operator=(const TableAllocationLimit&) = delete;
};

// One allocation of a table's parts: throws std::bad_alloc when a limit is
// spent.
void CountTableAllocation();
