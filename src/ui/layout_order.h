#pragma once

#include <cstddef>

// Whether each entry of a layout table stands at the index its enumerator names, so that
// the table can be indexed by the enumerator.
template <auto member, typename Table>
constexpr bool followsEnumOrder(const Table& table)
{
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (std::size_t(table[i].*member) != i) {
            return false;
        }
    }
    return true;
}
