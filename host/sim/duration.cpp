#include "duration.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace host {

std::optional<double> parse_duration(const std::string& text)
{
    if (text.empty()) return std::nullopt;
    double total = 0.0;
    size_t i = 0;
    int last_unit = 4;   // units must come in the order h, m, s
    while (i < text.size()) {
        const char* start = text.c_str() + i;
        if (!std::isdigit(static_cast<unsigned char>(*start)) && *start != '.') return std::nullopt;
        char* end = nullptr;
        const double value = std::strtod(start, &end);
        if (end == start || !std::isfinite(value)) return std::nullopt;
        i = static_cast<size_t>(end - text.c_str());
        if (i == text.size()) {
            if (last_unit != 4) return std::nullopt;   // "1h30" is ambiguous
            return value;
        }
        int unit;
        double scale;
        switch (text[i]) {
        case 'h': unit = 3; scale = 3600.0; break;
        case 'm': unit = 2; scale = 60.0; break;
        case 's': unit = 1; scale = 1.0; break;
        default: return std::nullopt;
        }
        if (unit >= last_unit) return std::nullopt;
        last_unit = unit;
        total += value * scale;
        ++i;
    }
    // "1e308h": every figure a number, the whole no longer one.
    if (!std::isfinite(total)) return std::nullopt;
    return total;
}

std::string duration_problem(double seconds)
{
    if (std::isnan(seconds) || seconds < 0) return "not a duration";
    if (seconds > LONGEST_DURATION_S) return "longer than " + format_duration(LONGEST_DURATION_S);
    return "";
}

std::string format_duration(double seconds)
{
    const long s = std::lround(std::max(0.0, seconds));
    char text[32];
    if (s >= 3600) std::snprintf(text, sizeof text, "%ldh%02ldm%02lds", s / 3600, s / 60 % 60, s % 60);
    else if (s >= 60) std::snprintf(text, sizeof text, "%ldm%02lds", s / 60, s % 60);
    else std::snprintf(text, sizeof text, "%lds", s);
    return text;
}

} // namespace host
