#include "air_data.h"

#include <algorithm>
#include <cmath>

namespace host::air {

namespace {
// Troposphere of the standard atmosphere: h = K (1 - (p / p0)^N) feet.
constexpr double K_FT = 145366.45;
constexpr double N = 0.190284;
} // namespace

double static_pressure_hpa(double true_altitude_ft, double qnh_hpa)
{
    return qnh_hpa * std::pow(1.0 - true_altitude_ft / K_FT, 1.0 / N);
}

double indicated_altitude_ft(double static_hpa, double setting_hpa)
{
    return K_FT * (1.0 - std::pow(static_hpa / setting_hpa, N));
}

double step_setting(double setting_hpa, int direction)
{
    const double next = direction > 0 ? std::floor(setting_hpa) + 1.0 : std::ceil(setting_hpa) - 1.0;
    return std::clamp(next, SETTING_LOWEST_HPA, SETTING_HIGHEST_HPA);
}

} // namespace host::air
