// Every floating-to-integer conversion of the suite truncates toward zero. A value nobody meant (NaN,
// infinity, beyond the 32-bit range) must not bring a panel down: NaN reads as 0 and the rest saturate.
#pragma once

#include <cstdint>
#include <limits>

namespace {

[[maybe_unused]] constexpr int32_t truncate_to_int(double v)
{
    if (v != v) return 0;
    if (v >= 2147483647.0) return std::numeric_limits<int32_t>::max();
    if (v <= -2147483648.0) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

} // namespace
