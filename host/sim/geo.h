// Positions on the earth and the great-circle arithmetic the aircraft, the GPS and the radio receivers share.
// The earth is a sphere whose degree of latitude is 111130.555557 m long, the same scale in which the
// navigators read the latitude token, so that one minute of arc is one nautical mile to within 0.01 %.
#pragma once

namespace host::geo {

constexpr double PI = 3.14159265358979323846;
constexpr double METRES_PER_DEGREE = 111130.555557;
constexpr double EARTH_RADIUS_M = METRES_PER_DEGREE * 180.0 / PI;
constexpr double METRES_PER_NM = 1852.0;
constexpr double METRES_PER_FOOT = 0.3048;
constexpr double MPS_PER_KNOT = METRES_PER_NM / 3600.0;

constexpr double radians(double degrees) { return degrees * PI / 180.0; }
constexpr double degrees(double radians) { return radians * 180.0 / PI; }

// An angle in degrees brought into [0, 360).
double wrap360(double degrees);
// An angle in degrees brought into (-180, 180].
double wrap180(double degrees);
// A true direction as the compass gives it where the variation is `variation_east_deg` (east positive):
// with 14 degrees east, true 298 is magnetic 284.
double magnetic(double true_deg, double variation_east_deg);
// A value handed to the gauges, on a grid of `step`: the last bits of a long trigonometric chain differ
// between C runtimes, and a gauge that truncates 283.99999999 shows 283 where another runtime shows 284.
double rounded(double value, double step);

struct LatLon {
    double lat = 0.0;   // degrees, north positive
    double lon = 0.0;   // degrees, east positive
};

// Great-circle distance in metres.
double distance_m(LatLon from, LatLon to);
// Initial true course from `from` towards `to`, degrees in [0, 360).
double bearing_deg(LatLon from, LatLon to);
// The point reached from `from` after `metres` along the initial true course `course_deg`.
LatLon destination(LatLon from, double course_deg, double metres);

// Where a point lies against the great circle of a leg from `a` to `b`.
struct LegPosition {
    double cross_track_m;   // signed: positive when the point lies left of the leg (the leg is to its right)
    double along_track_m;   // from `a` towards `b`, measured to the point abeam
};
LegPosition leg_position(LatLon a, LatLon b, LatLon point);

} // namespace host::geo
