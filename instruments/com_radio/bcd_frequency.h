// The frequency text every COM and NAV display shows. The simulation keeps a radio frequency in 10-kHz
// units below 100 MHz as four BCD digits in the low 16 bits (0x2150 is 121.50 MHz); the leading 1 of the
// hundreds is implied. Higher bits are ignored.
#pragma once

#include <cstdint>

namespace {

// The number a decimal text grows to when printf's "%d" of one BCD digit is appended to it: one more
// place, or two for the digits 10 to 15 that a corrupted frequency may hold.
constexpr int64_t append_printed_digit(int64_t number, int digit, int& places)
{
    if (digit > 9) {
        places += 2;
        return number * 100 + digit;
    }
    places += 1;
    return number * 10 + digit;
}

// The four digits read as the text "1%d%d.%d%d" would read, kept in single precision as the displays
// do: 0x1802 reads 118.02 (the 118.025-MHz channel), 0xFFFF reads 11515.1515. Built as the whole number
// of all printed digits divided by the power of ten of the places behind the point: both are exact in
// double precision, so the one correctly rounded division gives what reading the text gives, without
// printing and parsing on every frame.
[[maybe_unused]] float bcd_frequency_mhz(int32_t bcd)
{
    static constexpr double POWERS_OF_TEN[] = {1.0, 10.0, 100.0, 1000.0, 10000.0};
    int whole_places = 0, fraction_places = 0;
    int64_t number = 1;
    number = append_printed_digit(number, (bcd >> 12) & 0xF, whole_places);
    number = append_printed_digit(number, (bcd >> 8) & 0xF, whole_places);
    number = append_printed_digit(number, (bcd >> 4) & 0xF, fraction_places);
    number = append_printed_digit(number, bcd & 0xF, fraction_places);
    return static_cast<float>(static_cast<double>(number) / POWERS_OF_TEN[fraction_places]);
}

// Four BCD digits printed one after another with "%d" and read back as a whole number, as the squawk
// display reads its code: 0x0021 reads 21, 0xA000 reads 10000.
[[maybe_unused]] double bcd_printed_number(int32_t bcd)
{
    int places = 0;
    int64_t number = 0;
    for (int shift = 12; shift >= 0; shift -= 4) number = append_printed_digit(number, (bcd >> shift) & 0xF, places);
    return static_cast<double>(number);
}

} // namespace
