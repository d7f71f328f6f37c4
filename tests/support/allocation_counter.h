#pragma once

#include <cstddef>

// Counts heap allocations of this process while a scope lives. Linking
// allocation_counter.cpp into a program replaces malloc and its relatives there, so
// allocations made inside Qt count as well.
class AllocationCount
{
public:
    AllocationCount();
    ~AllocationCount();
    AllocationCount(const AllocationCount&) = delete;
    AllocationCount& operator=(const AllocationCount&) = delete;

    std::size_t allocations() const;

private:
    std::size_t start_;
};
