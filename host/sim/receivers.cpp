#include "receivers.h"

#include "radio_range.h"

#include <algorithm>
#include <cmath>

namespace host {

namespace {

// The standard coverage of each beacon (index 1 outer, 2 middle, 3 inner): the length of track over which
// it is heard on the glide path, and the glide path's height over a beacon sited as usual: the outer
// marker 3.9 nm out, the middle 1,050 m out, the inner where a category II approach reaches its decision
// height. The cone through those points holds up to three times that height; above it a beacon, built to
// be heard low down on the approach, is too weak to be heard at all (an inner marker is not heard from the
// downwind leg at 3,000 ft).
constexpr double MARKER_CEILING_FACTOR = 3.0;
struct MarkerCoverage {
    double length_m;
    double height_ft;
};
constexpr MarkerCoverage MARKER_COVERAGE[4] = {{0, 1}, {600.0, 1300.0}, {300.0, 230.0}, {150.0, 100.0}};

double course_deviation(double off_course_deg, double full_scale_deg)
{
    return std::clamp(off_course_deg / full_scale_deg * DEVIATION_FULL_SCALE, -1.0 * DEVIATION_FULL_SCALE,
                      1.0 * DEVIATION_FULL_SCALE);
}

// Whether and how far the aircraft hears `n`: the horizontal distance in metres, or a negative value.
double heard_at(const Navaid& n, const AircraftState& a)
{
    const double distance = geo::distance_m(n.position, a.position);
    double reach_nm = radio_horizon_nm(a.altitude_ft, n.elevation_ft + STATION_ANTENNA_FT);
    if (n.kind == NavaidKind::Localizer) {
        const double radial = geo::bearing_deg(n.position, a.position);
        const double off = geo::wrap180(radial - (n.course_deg + 180.0));
        reach_nm = std::min(reach_nm, localizer_service_range_nm(off, n.range_nm));
    } else {
        const double service = n.range_nm > 0 ? n.range_nm : vor_service_range_nm(n.vor_class, a.altitude_ft - n.elevation_ft);
        reach_nm = std::min(reach_nm, service);
    }
    if (reach_nm <= 0 || distance > reach_nm * geo::METRES_PER_NM) return -1.0;
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
    const double true_radial = geo::bearing_deg(n.position, aircraft.position);
    // A VOR's radials are magnetic in its own declination, as its selected course is; a localizer's
    // course is its true approach course.
    s.radial_deg = geo::magnetic(true_radial, n.declination_deg);
    s.bearing_to_deg = geo::bearing_deg(aircraft.position, n.position);
    // Flying the course towards the station the aircraft sits on the opposite radial (TO); flying it away
    // from the station, on the course's own radial (FROM).
    const bool localizer = n.kind == NavaidKind::Localizer;
    const double radial = localizer ? true_radial : s.radial_deg;
    const double course = localizer ? n.course_deg : selected_course_deg;
    const bool to = std::fabs(geo::wrap180(radial - course)) > 90.0;
    s.to_from = to ? 1 : 2;
    const double off = to ? geo::wrap180(radial - course - 180.0) : geo::wrap180(course - radial);
    s.deviation = course_deviation(off, localizer ? n.course_width_deg / 2.0 : VOR_FULL_SCALE_DEG);
    if (n.dme) measure_dme(s, n, aircraft, nearest);
    return s;
}

double marker_passage_m(int beacon, double height_ft, bool high_sensitivity)
{
    if (beacon < 1 || beacon > 3 || height_ft < 0) return 0.0;
    const MarkerCoverage& c = MARKER_COVERAGE[beacon];
    if (height_ft > MARKER_CEILING_FACTOR * c.height_ft) return 0.0;
    return c.length_m * height_ft / c.height_ft * (high_sensitivity ? 2.0 : 1.0);
}

int receive_marker(const std::vector<Navaid>& navaids, const AircraftState& aircraft, bool high_sensitivity)
{
    int received = 0;
    double nearest = 0.0;
    for (const Navaid& n : navaids) {
        if (n.kind != NavaidKind::Marker) continue;
        const double d = geo::distance_m(n.position, aircraft.position);
        const double radius = marker_passage_m(n.marker, aircraft.altitude_ft - n.elevation_ft, high_sensitivity) / 2.0;
        if (radius <= 0 || d > radius) continue;
        if (!received || d < nearest) {
            received = n.marker;
            nearest = d;
        }
    }
    return received;
}

} // namespace host
