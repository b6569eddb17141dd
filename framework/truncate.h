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

namespace {

// 1 - v for a key that flips a value read from the simulation, as a 32-bit register computes it: a hostile
// value (the lowest integer) wraps around instead of overflowing.
[[maybe_unused]] constexpr int32_t one_minus(int32_t v)
{
    return static_cast<int32_t>(1u - static_cast<uint32_t>(v));
}

} // namespace
