// The gauges write their texts in character set 1, the Windows western code page 1252: ASCII, Latin-1
// above 0xA0 (0xB0 is the degree sign the navigators print behind bearings), and typographic signs in
// 0x80-0x9F. The five unassigned bytes there map to the control characters of the same number, as
// Windows maps them.
#pragma once

#include <cstdint>

namespace host::draw {

constexpr char32_t windows_1252_to_unicode(uint8_t byte)
{
    constexpr char32_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    return byte >= 0x80 && byte < 0xA0 ? high[byte - 0x80] : static_cast<char32_t>(byte);
}

} // namespace host::draw
