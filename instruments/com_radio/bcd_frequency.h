// The frequency text every COM and NAV display shows. The simulation keeps a radio frequency in 10-kHz
// units below 100 MHz as four BCD digits in the low 16 bits (0x2150 is 121.50 MHz); the leading 1 of the
// hundreds is implied. Higher bits are ignored.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Decodes the four digits through the text "1%d%d.%d%d" and keeps the result in single precision, as the
// displays do: 0x1802 reads 118.02 (the 118.025-MHz channel).
[[maybe_unused]] float bcd_frequency_mhz(int32_t bcd)
{
    char text[16];
    std::snprintf(text, sizeof text, "1%d%d.%d%d", (bcd >> 12) & 0xF, (bcd >> 8) & 0xF, (bcd >> 4) & 0xF,
                  bcd & 0xF);
    return static_cast<float>(std::atof(text));
}

} // namespace
