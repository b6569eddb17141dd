#include "receivers.h"

#include <algorithm>
#include <cmath>

namespace host {

namespace {

constexpr double STATION_ANTENNA_FT = 20.0;
// A marker beacon is heard within this distance of the point right above it, and the circle widens with
// the height at the cone's half angle: about 0.4 nm across at 1500 ft, a few seconds of flight low down.
constexpr double MARKER_RADIUS_ON_GROUND_M = 150.0;
constexpr double MARKER_CONE_HALF_ANGLE_DEG = 40.0;

double course_deviation(double off_course_deg, double full_scale_deg)
{
    return std::clamp(off_course_deg / full_scale_deg * DEVIATION_FULL_SCALE, -1.0 * DEVIATION_FULL_SCALE,
                      1.0 * DEVIATION_FULL_SCALE);
}

// Whether and how far the aircraft hears `n`: the horizontal distance in metres, or a negative value.
double heard_at(const Navaid& n, const AircraftState& a)
{
    const double distance = geo::distance_m(n.position, a.position);
    const double reach_nm = std::min(n.range_nm, line_of_sight_nm(a.altitude_ft - n.elevation_ft));
    if (distance > reach_nm * geo::METRES_PER_NM) return -1.0;
    if (n.kind == NavaidKind::Localizer) {
        const double radial = geo::bearing_deg(n.position, a.position);
        if (std::fabs(geo::wrap180(radial - (n.course_deg + 180.0))) > LOCALIZER_SECTOR_DEG) return -1.0;
    }
    return distance;
}

void measure_dme(NavSignal& s, const Navaid& n, const AircraftState& a, double horizontal_m)
{
    const double height_m = (a.altitude_ft - n.elevation_ft) * geo::METRES_PER_FOOT;
    const double slant_m = std::hypot(horizontal_m, height_m);
    // The rate of change of the slant distance: the ground speed's component away from the station and the
    // vertical speed, each weighted by its share of the slant line.
    const double away_kt = -a.ground_speed_kt * std::cos(geo::radians(a.track_deg - s.bearing_to_deg));
    const double vertical_kt = a.vertical_speed_fpm * geo::METRES_PER_FOOT * 60.0 / geo::METRES_PER_NM;
    const double rate_kt = slant_m > 0 ? (horizontal_m * away_kt + height_m * vertical_kt) / slant_m : 0.0;
    s.dme = true;
    s.dme_nm = slant_m / geo::METRES_PER_NM;
    s.dme_speed_kt = std::fabs(rate_kt);
}

} // namespace

double line_of_sight_nm(double height_ft)
{
    return 1.23 * (std::sqrt(std::max(0.0, height_ft)) + std::sqrt(STATION_ANTENNA_FT));
}

NavSignal receive_nav(const std::vector<Navaid>& navaids, Khz channel, double selected_course_deg,
                      const AircraftState& aircraft)
{
    NavSignal s;
    double nearest = -1.0;
    for (const Navaid& n : navaids) {
        if (n.kind == NavaidKind::Marker || n.frequency != channel) continue;
        const double d = heard_at(n, aircraft);
        if (d >= 0 && (nearest < 0 || d < nearest)) {
            nearest = d;
            s.station = &n;
        }
    }
    if (!s.station) return s;
    const Navaid& n = *s.station;
    s.radial_deg = geo::bearing_deg(n.position, aircraft.position);
    s.bearing_to_deg = geo::bearing_deg(aircraft.position, n.position);
    // Flying the course towards the station the aircraft sits on the opposite radial (TO); flying it away
    // from the station, on the course's own radial (FROM). A localizer's course is its approach course.
    const bool localizer = n.kind == NavaidKind::Localizer;
    const double course = localizer ? n.course_deg : selected_course_deg;
    const bool to = std::fabs(geo::wrap180(s.radial_deg - course)) > 90.0;
    s.to_from = to ? 1 : 2;
    const double off = to ? geo::wrap180(s.radial_deg - course - 180.0) : geo::wrap180(course - s.radial_deg);
    s.deviation = course_deviation(off, localizer ? LOCALIZER_FULL_SCALE_DEG : VOR_FULL_SCALE_DEG);
    if (n.dme) measure_dme(s, n, aircraft, nearest);
    return s;
}

int receive_marker(const std::vector<Navaid>& navaids, const AircraftState& aircraft, bool high_sensitivity)
{
    int received = 0;
    double nearest = 0.0;
    for (const Navaid& n : navaids) {
        if (n.kind != NavaidKind::Marker) continue;
        const double height_m = (aircraft.altitude_ft - n.elevation_ft) * geo::METRES_PER_FOOT;
        const double d = geo::distance_m(n.position, aircraft.position);
        const double radius = (MARKER_RADIUS_ON_GROUND_M + height_m * std::tan(geo::radians(MARKER_CONE_HALF_ANGLE_DEG))) *
                              (high_sensitivity ? 2.0 : 1.0);
        if (height_m < 0 || d > radius) continue;
        if (!received || d < nearest) {
            received = n.marker;
            nearest = d;
        }
    }
    return received;
}

} // namespace host
