// The transponder code as the simulation keeps it: four octal digits, one BCD nibble each (thousands in
// bits 12-15), so 7000 is 0x7000.
#pragma once

#include <cstdint>

namespace host {

// Four nibbles of 0 to 7 and nothing above them.
constexpr bool is_squawk(int64_t code)
{
    if (code < 0 || code > 0xFFFF) return false;
    for (int shift = 0; shift < 16; shift += 4)
        if (((code >> shift) & 0xF) > 7) return false;
    return true;
}

// One digit (1 thousands .. 4 ones) up or down, 7 up giving 0 and 0 down giving 7, without carrying into
// the next digit.
constexpr int32_t squawk_digit_step(int32_t code, int digit, int direction)
{
    const int shift = (4 - digit) * 4;
    const int32_t d = ((code >> shift) & 0xF) + direction;
    const int32_t wrapped = (d % 8 + 8) % 8;
    return (code & ~(0xF << shift)) | (wrapped << shift);
}

} // namespace host
