#include "radio_range.h"

#include <algorithm>
#include <cmath>

namespace host {

double radio_horizon_nm(double aircraft_altitude_ft, double antenna_altitude_ft)
{
    return 1.23 * (std::sqrt(std::max(0.0, aircraft_altitude_ft)) + std::sqrt(std::max(0.0, antenna_altitude_ft)));
}

double vor_service_range_nm(VorClass vor_class, double height_ft)
{
    switch (vor_class) {
    case VorClass::Terminal: return height_ft <= 12000.0 ? 25.0 : 0.0;
    case VorClass::Low: return height_ft <= 18000.0 ? 40.0 : 0.0;
    case VorClass::High:
        if (height_ft <= 14500.0) return 40.0;
        if (height_ft < 18000.0 || height_ft > 45000.0) return height_ft <= 60000.0 ? 100.0 : 0.0;
        return 130.0;
    }
    return 0.0;
}

double localizer_service_range_nm(double off_course_deg, double explicit_range_nm)
{
    const double off = std::fabs(off_course_deg);
    const double front = explicit_range_nm > 0 ? explicit_range_nm : LOCALIZER_FRONT_NM;
    if (off <= LOCALIZER_FRONT_SECTOR_DEG) return front;
    if (off <= LOCALIZER_SECTOR_DEG) return std::min(front, LOCALIZER_SIDE_NM);
    return 0.0;
}

double tailored_course_width_deg(double antenna_to_threshold_m)
{
    const double half = geo::degrees(std::atan2(LOCALIZER_HALF_WIDTH_AT_THRESHOLD_FT * geo::METRES_PER_FOOT,
                                                antenna_to_threshold_m));
    return std::clamp(2.0 * half, LOCALIZER_NARROWEST_DEG, LOCALIZER_WIDEST_DEG);
}

} // namespace host
