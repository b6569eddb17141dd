// The displays' numbers without printf. Every display text is one number in fixed notation between two
// pieces of literal text ("Dis %3.1fnm", "%02.0f:", a label's "%200.0f"), printed every frame; printf
// spends most of a gauge's frame on it. This writes exactly what snprintf writes for such a format: the
// number correctly rounded (exact halves to even, as the C runtimes print), its sign (negative zero
// included), zero or blank padding to the width. A NaN or an infinity is written as the GNU C library
// writes it ("nan", "-nan", "inf", "-inf", blank-padded): the C runtimes disagree there ("-nan" here is
// "nan" in Windows' msvcrt), and a pilot must see the same on every host. Any other format, a precision
// above 3, and finite numbers of 1e15 and more are left to snprintf.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

struct FixedFormat {
    const char* prefix = nullptr;
    size_t prefix_length = 0;
    bool zero_pad = false;
    int width = 0;
    int precision = 0;
    const char* suffix = nullptr;
    size_t suffix_length = 0;
};

constexpr int FIXED_TEXT_MAX_WIDTH = 400;

// Literal text, one %[0][width][.precision]f, literal text: nothing else.
[[maybe_unused]] bool parse_fixed_format(const char* format, FixedFormat& f)
{
    const char* p = std::strchr(format, '%');
    if (!p) return false;
    f.prefix = format;
    f.prefix_length = static_cast<size_t>(p - format);
    ++p;
    f.zero_pad = false;
    while (*p == '0') {
        f.zero_pad = true;
        ++p;
    }
    f.width = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        if ((f.width = f.width * 10 + (*p - '0')) > FIXED_TEXT_MAX_WIDTH) return false;
    f.precision = 6;
    if (*p == '.') {
        f.precision = 0;
        for (++p; *p >= '0' && *p <= '9'; ++p)
            if ((f.precision = f.precision * 10 + (*p - '0')) > 3) return false;
    }
    if (f.precision > 3 || *p != 'f') return false;
    ++p;
    if (std::strchr(p, '%')) return false;
    f.suffix = p;
    f.suffix_length = std::strlen(p);
    return true;
}

// The digits of |value| rounded to `precision` places, with a '-' in front for a negative sign; returns
// their count. |value| < 1e15 and precision <= 3: value x 10^precision stays below 2^63.
[[maybe_unused]] int fixed_digits(double value, int precision, char* out)
{
    static constexpr uint64_t POWERS[] = {1, 10, 100, 1000};
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent);   // |value| = fraction x 2^exponent
    const uint64_t mantissa = static_cast<uint64_t>(std::ldexp(fraction, 53));
    const uint64_t scaled = mantissa * POWERS[precision];               // below 2^63
    const int shift = exponent - 53;
    uint64_t rounded = 0;
    if (shift >= 0) {
        rounded = scaled << shift;
    } else if (-shift < 64) {
        const int s = -shift;
        const uint64_t below = scaled & ((uint64_t{1} << s) - 1), half = uint64_t{1} << (s - 1);
        rounded = scaled >> s;
        if (below > half || (below == half && (rounded & 1))) ++rounded;
    }   // else below a 2^-64 share of a unit: rounds to 0
    char digits[24];
    int n = 0;
    for (int place = 0; place < precision; ++place, rounded /= 10) digits[n++] = static_cast<char>('0' + rounded % 10);
    if (precision > 0) digits[n++] = '.';
    do {
        digits[n++] = static_cast<char>('0' + rounded % 10);
        rounded /= 10;
    } while (rounded);
    int length = 0;
    if (std::signbit(value)) out[length++] = '-';
    while (n) out[length++] = digits[--n];
    return length;
}

// snprintf(out, capacity, format, value) for a format parse_fixed_format took: writes the same bytes and
// sets `length` to what snprintf returns. False, with nothing written, for a number left to snprintf.
[[maybe_unused]] bool fixed_text(char* out, size_t capacity, const FixedFormat& f, double value, int& length)
{
    const bool finite = std::isfinite(value);
    if (finite && !(std::fabs(value) < 1e15)) return false;
    char number[32];
    int digits = 0;
    if (finite) {
        digits = fixed_digits(value, f.precision, number);
    } else {
        if (std::signbit(value)) number[digits++] = '-';
        std::memcpy(number + digits, std::isnan(value) ? "nan" : "inf", 3);
        digits += 3;
    }
    const int pad = f.width > digits ? f.width - digits : 0;
    const size_t total = f.prefix_length + static_cast<size_t>(pad + digits) + f.suffix_length;
    length = static_cast<int>(total);
    if (capacity == 0) return true;
    size_t at = 0;
    const auto put = [&](const char* from, size_t n) {
        const size_t room = capacity - 1 - at;
        const size_t k = n < room ? n : room;
        std::memcpy(out + at, from, k);
        at += k;
    };
    const auto fill = [&](char c, size_t n) {
        const size_t room = capacity - 1 - at;
        const size_t k = n < room ? n : room;
        std::memset(out + at, c, k);
        at += k;
    };
    put(f.prefix, f.prefix_length);
    const bool sign = number[0] == '-';
    if (f.zero_pad && finite) {
        put(number, sign ? 1 : 0);
        fill('0', static_cast<size_t>(pad));
        put(number + (sign ? 1 : 0), static_cast<size_t>(digits - (sign ? 1 : 0)));
    } else {
        fill(' ', static_cast<size_t>(pad));
        put(number, static_cast<size_t>(digits));
    }
    put(f.suffix, f.suffix_length);
    out[at] = '\0';
    return true;
}

} // namespace
