// How far a navaid reaches: the radio horizon between the aircraft and the antenna, the standard service
// volumes of VORs by class and of a localizer, and the course width a localizer is tailored to.
#pragma once

#include "flight_file.h"

namespace host {

// A station's antenna stands this high above the ground it is built on.
constexpr double STATION_ANTENNA_FT = 20.0;

// VHF reaches a little beyond the optical horizon: 1.23 x (sqrt(h1) + sqrt(h2)) nautical miles for two
// antennas h1 and h2 feet above sea level. A VOR on a 2,270 ft hill is heard 140 nm out at 4,500 ft.
double radio_horizon_nm(double aircraft_altitude_ft, double antenna_altitude_ft);

// The standard service volume: how far out a VOR of `vor_class` serves at `height_ft` above it, or 0 above
// the top of the volume. Terminal: 25 nm up to 12,000 ft. Low: 40 nm up to 18,000 ft. High: 40 nm up to
// 14,500 ft, 100 nm above, 130 nm from 18,000 to 45,000 ft, 100 nm up to 60,000 ft. Below 1,000 ft the
// volume's lowest radius holds and the radio horizon decides.
double vor_service_range_nm(VorClass vor_class, double height_ft);

// A localizer serves 18 nm out within 10 degrees of its course and 10 nm out to 35 degrees; nothing
// beyond. `off_course_deg` is the aircraft's angle off the course line seen from the antenna.
constexpr double LOCALIZER_FRONT_NM = 18.0;
constexpr double LOCALIZER_FRONT_SECTOR_DEG = 10.0;
constexpr double LOCALIZER_SIDE_NM = 10.0;
constexpr double LOCALIZER_SECTOR_DEG = 35.0;
double localizer_service_range_nm(double off_course_deg, double explicit_range_nm = 0.0);

// A localizer is tailored to be 700 ft wide at the runway threshold (full scale 350 ft either side), but
// never narrower than 3 degrees in all nor wider than 6.
constexpr double LOCALIZER_HALF_WIDTH_AT_THRESHOLD_FT = 350.0;
constexpr double LOCALIZER_NARROWEST_DEG = 3.0;
constexpr double LOCALIZER_WIDEST_DEG = 6.0;
double tailored_course_width_deg(double antenna_to_threshold_m);

} // namespace host
