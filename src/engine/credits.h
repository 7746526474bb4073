#pragma once
#include <cstdint>
#include <limits>

namespace zorva {

// Credit amounts are signed 32-bit. Sums that would run past either end stop there
// instead of wrapping, so a lucky streak can never turn a fortune into a debt.
inline int32_t SaturatingAdd(int32_t a, int32_t b) {
    const int64_t sum = int64_t{a} + int64_t{b};
    if (sum > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    if (sum < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(sum);
}

inline int32_t SaturatingMultiply(int32_t a, int32_t b) {
    const int64_t product = int64_t{a} * int64_t{b};
    if (product > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    if (product < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(product);
}

} // namespace zorva
