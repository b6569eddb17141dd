// The displays' numbers written without printf are, byte for byte, what snprintf writes: every kind of
// format the instruments use, numbers of every size with exact halves and the edges of rounding, negative
// zero, NaN and infinities, and buffers too short for the text. What it leaves to snprintf is left.
#include "fixed_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

std::string through_snprintf(const char* format, double value, size_t capacity, int& length)
{
    std::vector<char> out(capacity + 1, '#');
    length = std::snprintf(out.data(), capacity, format, value);
    return std::string(out.data(), capacity ? std::strlen(out.data()) : 0);
}

} // namespace

TEST(FixedText, WritesWhatSnprintfWrites)
{
    const char* const formats[] = {"%5.2f", "s%5.2f", "%02.0f:", "%03.0f\xB0", "%003.2fW", "%200.0f", "%.0f", "%3.1fnm",
                                   "%04.1fmb", "End Alt:   %3.0f00'", "%1.0f:", "%.2f", "%05.1f", "%0.3f", "%12.3f"};
    std::vector<double> values = {0.0, -0.0, 0.5, 1.5, 2.5, -0.5, -2.5, 0.125, 0.375, 0.0625, 1.005, 2.675, 118.025,
                                  121.5, 359.5, 359.49999999999994, 999.995, 9.995, 0.05, 0.15, 0.25, 0.35, -0.004,
                                  -0.0049999, 1e-300, DBL_MIN, DBL_TRUE_MIN, 4503599627370495.5 / 8, 999999999999999.9,
                                  123456789012.345, 65535.99951171875, std::nan(""), -std::nan(""),
                                  double(INFINITY), -double(INFINITY)};
    std::mt19937_64 pick(3);
    for (int i = 0; i < 20000; ++i) {
        const double magnitude = std::pow(10.0, std::uniform_real_distribution<double>(-6, 14.9)(pick));
        const double v = std::uniform_real_distribution<double>(-1, 1)(pick) * magnitude;
        values.push_back(v);
        values.push_back(std::round(v * 1000.0) / 1000.0 + 0.0005);   // halves of the last place, near enough
        values.push_back(std::ldexp(std::round(std::ldexp(v, 4)) + 0.5, -4));   // exact binary halves
    }
    int differ = 0;
    for (const char* format : formats) {
        FixedFormat f;
        ASSERT_TRUE(parse_fixed_format(format, f)) << format;
        for (double v : values)
            for (size_t capacity : {size_t{256}, size_t{6}, size_t{1}}) {
                std::vector<char> out(capacity + 1, '#');
                int length = -1;
                ASSERT_TRUE(fixed_text(out.data(), capacity, f, v, length)) << format << " " << v;
                int expected_length = 0;
                const std::string expected = through_snprintf(format, v, capacity, expected_length);
                const std::string got(out.data(), std::strlen(out.data()));
                if ((got != expected || length != expected_length) && ++differ <= 10)
                    ADD_FAILURE() << format << " of " << std::hexfloat << v << std::defaultfloat << " in " << capacity
                                  << ": \"" << got << "\" against \"" << expected << "\"";
                EXPECT_EQ(out[capacity], '#') << "wrote past the buffer";
            }
    }
    EXPECT_EQ(differ, 0);
}

TEST(FixedText, LeavesEverythingElseToSnprintf)
{
    FixedFormat f;
    for (const char* format : {"%d", "%5.2f %f", "%-5.1f", "%+.1f", "% .1f", "%.4f", "%f", "%5.2e", "100%%", "%s", "text"})
        EXPECT_FALSE(parse_fixed_format(format, f)) << format;
    ASSERT_TRUE(parse_fixed_format("%5.2f", f));
    int length = 0;
    char out[16];
    for (double v : {1e15, -2e300})
        EXPECT_FALSE(fixed_text(out, sizeof out, f, v, length)) << v;
}
