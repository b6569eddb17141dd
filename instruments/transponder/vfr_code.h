// The VFR key's code: each build steps 0000 to its region's VFR code with digit-up events. The build
// profile names both the code and the events; this holds them against each other at compile time, so a
// profile cannot promise one code and dial another.
#pragma once

#include <cstdint>
#include <iterator>

namespace {

// The code that the events make of 0000: each digit-up event adds one to its digit (no digit passes 7).
constexpr int32_t code_dialled_from_zero(const uint32_t* events, int count)
{
    int32_t code = 0;
    for (int i = 0; i < count; ++i) {
        const int digit = static_cast<int>(events[i] - DIGIT_UP[1]) + 1;   // 1 thousands .. 4 ones
        if (digit < 1 || digit > 4) return -1;
        const int shift = (4 - digit) * 4;
        if (((code >> shift) & 0xF) == 7) return -1;
        code += 1 << shift;
    }
    return code;
}

static_assert(code_dialled_from_zero(profile::VFR_DIGIT_EVENTS,
                                     static_cast<int>(std::size(profile::VFR_DIGIT_EVENTS))) == profile::VFR_CODE,
              "the build's VFR digit events do not dial its VFR code");

} // namespace
