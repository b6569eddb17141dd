// The frequency and squawk decoders give, for every one of the 65,536 values of four BCD digits (digits
// above 9 included), exactly the number that printing the digits and reading the text back gives: the
// displays show what they always showed.
#include "bcd_frequency.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

float frequency_through_text(int32_t bcd)
{
    char text[16];
    std::snprintf(text, sizeof text, "1%d%d.%d%d", (bcd >> 12) & 0xF, (bcd >> 8) & 0xF, (bcd >> 4) & 0xF, bcd & 0xF);
    return static_cast<float>(std::atof(text));
}

double code_through_text(int32_t code)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d%d%d%d", (code >> 12) & 0xF, (code >> 8) & 0xF, (code >> 4) & 0xF, code & 0xF);
    return std::atof(text);
}

bool same_bits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

} // namespace

TEST(BcdDecode, EveryValueReadsAsItsText)
{
    int differ = 0;
    for (int32_t bcd = 0; bcd <= 0xFFFF; ++bcd) {
        const float fast = bcd_frequency_mhz(bcd);
        const float text = frequency_through_text(bcd);
        if (!same_bits(fast, text) && ++differ <= 5)
            ADD_FAILURE() << std::hex << "0x" << bcd << std::dec << ": " << fast << " against " << text;
        // Bits above the four digits are ignored.
        if (!same_bits(bcd_frequency_mhz(bcd | 0x7FFF0000), fast) && ++differ <= 5)
            ADD_FAILURE() << std::hex << "0x" << bcd << " with high bits set";
        if (bcd_printed_number(bcd) != code_through_text(bcd) && ++differ <= 5)
            ADD_FAILURE() << std::hex << "squawk 0x" << bcd;
    }
    EXPECT_EQ(differ, 0);
    EXPECT_FLOAT_EQ(bcd_frequency_mhz(0x1802), 118.02f);
    EXPECT_FLOAT_EQ(bcd_frequency_mhz(0xFFFF), 11515.1515f);
}
