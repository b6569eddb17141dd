#include "geo.h"

#include <algorithm>
#include <cmath>

namespace host::geo {

double wrap360(double d)
{
    d = std::fmod(d, 360.0);
    if (d < 0) d += 360.0;
    return d >= 360.0 ? 0.0 : d;
}

double wrap180(double d)
{
    d = wrap360(d);
    return d > 180.0 ? d - 360.0 : d;
}

double magnetic(double true_deg, double variation_east_deg)
{
    return wrap360(true_deg - variation_east_deg);
}

double rounded(double value, double step)
{
    // + 0.0: never a negative zero, which some gauges would print as "-0".
    return std::round(value / step) * step + 0.0;
}

namespace {

// Central angle between two points (haversine, well conditioned for short distances).
double central_angle(LatLon p, LatLon q)
{
    const double dlat = radians(q.lat - p.lat), dlon = radians(q.lon - p.lon);
    const double s = std::sin(dlat / 2), t = std::sin(dlon / 2);
    const double h = s * s + std::cos(radians(p.lat)) * std::cos(radians(q.lat)) * t * t;
    return 2.0 * std::asin(std::min(1.0, std::sqrt(h)));
}

} // namespace

double distance_m(LatLon from, LatLon to)
{
    return central_angle(from, to) * EARTH_RADIUS_M;
}

double bearing_deg(LatLon from, LatLon to)
{
    const double p1 = radians(from.lat), p2 = radians(to.lat), dl = radians(to.lon - from.lon);
    const double y = std::sin(dl) * std::cos(p2);
    const double x = std::cos(p1) * std::sin(p2) - std::sin(p1) * std::cos(p2) * std::cos(dl);
    return wrap360(degrees(std::atan2(y, x)));
}

LatLon destination(LatLon from, double course_deg, double metres)
{
    const double d = metres / EARTH_RADIUS_M, c = radians(course_deg);
    const double p1 = radians(from.lat), l1 = radians(from.lon);
    const double sp2 = std::sin(p1) * std::cos(d) + std::cos(p1) * std::sin(d) * std::cos(c);
    const double p2 = std::asin(std::clamp(sp2, -1.0, 1.0));
    const double l2 = l1 + std::atan2(std::sin(c) * std::sin(d) * std::cos(p1), std::cos(d) - std::sin(p1) * sp2);
    return {degrees(p2), wrap180(degrees(l2))};
}

LegPosition leg_position(LatLon a, LatLon b, LatLon point)
{
    const double d13 = central_angle(a, point);
    const double t13 = radians(bearing_deg(a, point)), t12 = radians(bearing_deg(a, b));
    const double xt = std::asin(std::clamp(std::sin(d13) * std::sin(t13 - t12), -1.0, 1.0));
    const double c = std::cos(xt);
    double at = c > 1e-12 ? std::acos(std::clamp(std::cos(d13) / c, -1.0, 1.0)) : 0.0;
    if (std::cos(t13 - t12) < 0) at = -at;   // the point lies behind `a`
    // asin gives the offset to the right of the leg as positive; the GPS counts left of the leg positive.
    return {-xt * EARTH_RADIUS_M, at * EARTH_RADIUS_M};
}

} // namespace host::geo
