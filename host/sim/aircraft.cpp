#include "aircraft.h"

#include <algorithm>
#include <cmath>

namespace host {

using geo::radians;
using geo::degrees;

Aircraft::Aircraft(const Flight& flight, const Wind& wind)
    : route_(flight.route), climb_fpm_(flight.climb_fpm), descent_fpm_(flight.descent_fpm)
{
    leg_from_ = route_.front().position;
    state_.position = route_.front().position;
    state_.altitude_ft = route_.front().altitude_ft;
    state_.true_airspeed_kt = flight.true_airspeed_kt;
    const double track = geo::bearing_deg(route_[0].position, route_[1].position);
    state_.heading_deg = heading_for(track, wind);
    last_track_ = track;
    move(0.0, wind);
}

double Aircraft::heading_for(double track, const Wind& wind) const
{
    // Crosswind over airspeed is the sine of the correction angle; into a wind stronger than the aircraft
    // is fast, the best it can do is to turn square to it.
    const double s = wind.speed_kt * std::sin(radians(wind.from_deg - track)) / state_.true_airspeed_kt;
    return geo::wrap360(track + degrees(std::asin(std::clamp(s, -1.0, 1.0))));
}

double Aircraft::commanded_track() const
{
    if (!has_to_waypoint()) return last_track_;
    // Aim at a point on the leg's great circle some way ahead of the point abeam: far from the leg that
    // is an intercept, on it the leg itself. Beyond the TO waypoint the great circle runs on.
    const geo::LegPosition where = geo::leg_position(leg_from_, to().position, state_.position);
    const double lookahead = std::max(1000.0, state_.ground_speed_kt * geo::MPS_PER_KNOT * 20.0);
    const double course = geo::bearing_deg(leg_from_, to().position);
    const geo::LatLon aim = geo::destination(leg_from_, course, std::max(0.0, where.along_track_m) + lookahead);
    return geo::bearing_deg(state_.position, aim);
}

void Aircraft::move(double seconds, const Wind& wind)
{
    const double h = radians(state_.heading_deg), w = radians(wind.from_deg);
    // The air moves the aircraft towards where the wind blows to.
    const double north = state_.true_airspeed_kt * std::cos(h) - wind.speed_kt * std::cos(w);
    const double east = state_.true_airspeed_kt * std::sin(h) - wind.speed_kt * std::sin(w);
    state_.ground_speed_kt = std::hypot(north, east);
    state_.track_deg = geo::wrap360(degrees(std::atan2(east, north)));
    if (seconds > 0)
        state_.position = geo::destination(state_.position, state_.track_deg,
                                           state_.ground_speed_kt * geo::MPS_PER_KNOT * seconds);
}

void Aircraft::climb_or_descend(double seconds)
{
    if (!has_to_waypoint()) {
        state_.vertical_speed_fpm = 0.0;
        return;
    }
    const double target = to().altitude_ft, alt = state_.altitude_ft;
    double fpm = 0.0;
    if (alt < target) {
        fpm = climb_fpm_;
    } else if (alt > target) {
        // Start down when the time to the waypoint no longer exceeds the time the descent takes.
        const double gs_fpm = std::max(1.0, state_.ground_speed_kt * geo::METRES_PER_NM / geo::METRES_PER_FOOT / 60.0);
        // The waypoint's altitude is due where the leg ends: at the start of the turn onto the next one.
        const double to_go_m = std::max(0.0, geo::distance_m(state_.position, to().position) - turn_lead_m());
        const double minutes_to_go = to_go_m / geo::METRES_PER_FOOT / gs_fpm;
        if (!descending_ && (alt - target) / descent_fpm_ >= minutes_to_go) descending_ = true;
        if (descending_) fpm = -descent_fpm_;
    }
    // Level off on the altitude, not beyond it.
    const double change = fpm * seconds / 60.0;
    if (fpm > 0 && alt + change > target) fpm = seconds > 0 ? (target - alt) * 60.0 / seconds : 0.0;
    if (fpm < 0 && alt + change < target) fpm = seconds > 0 ? (target - alt) * 60.0 / seconds : 0.0;
    state_.vertical_speed_fpm = fpm;
    state_.altitude_ft += fpm * seconds / 60.0;
}

double Aircraft::turn_lead_m() const
{
    if (!has_to_waypoint() || to_ + 1 >= route_.size()) return 0.0;
    // Turn anticipation: a standard-rate turn through the change of course rolls out on the next leg when
    // it starts this far before the waypoint.
    const geo::LatLon to_pos = to().position;
    const double course_in = geo::wrap360(geo::bearing_deg(to_pos, leg_from_) + 180.0);
    const double change = std::min(120.0, std::fabs(geo::wrap180(geo::bearing_deg(to_pos, route_[to_ + 1].position) - course_in)));
    const double radius = state_.ground_speed_kt * geo::MPS_PER_KNOT / radians(TURN_RATE_DEG_S);
    return std::min(radius * std::tan(radians(change / 2.0)), 3.0 * geo::METRES_PER_NM);
}

void Aircraft::sequence()
{
    if (!has_to_waypoint()) return;
    const geo::LatLon to_pos = to().position;
    const geo::LegPosition where = geo::leg_position(leg_from_, to_pos, state_.position);
    const double remaining = geo::distance_m(leg_from_, to_pos) - where.along_track_m;
    const double course_in = geo::wrap360(geo::bearing_deg(to_pos, leg_from_) + 180.0);
    if (remaining > turn_lead_m()) return;
    last_track_ = course_in;
    leg_from_ = to_pos;
    ++to_;
    descending_ = false;
}

void Aircraft::step(double seconds, const Wind& wind)
{
    // While the pilot keeps the heading, the wind carries the aircraft off the leg unchecked.
    const double wanted = heading_held_s_ > 0 ? state_.heading_deg : heading_for(commanded_track(), wind);
    heading_held_s_ = std::max(0.0, heading_held_s_ - seconds);
    const double turn = geo::wrap180(wanted - state_.heading_deg);
    const double most = TURN_RATE_DEG_S * seconds;
    state_.heading_deg = geo::wrap360(state_.heading_deg + std::clamp(turn, -most, most));
    move(seconds, wind);
    climb_or_descend(seconds);
    sequence();
}

void Aircraft::direct_to()
{
    if (!has_to_waypoint()) return;
    leg_from_ = state_.position;
    descending_ = false;
}

double Aircraft::route_length_m() const
{
    double total = 0.0;
    for (std::size_t i = 1; i < route_.size(); ++i) total += geo::distance_m(route_[i - 1].position, route_[i].position);
    return total;
}

void Aircraft::jump_along(double metres, const Wind& wind)
{
    double left = std::max(0.0, metres);
    std::size_t leg = 0;
    for (; leg + 1 < route_.size(); ++leg) {
        // A jump to a waypoint's distance lands on it with the next leg ahead, whatever the rounding.
        const double length = geo::distance_m(route_[leg].position, route_[leg + 1].position);
        if (left < length - 1.0) break;
        left = std::max(0.0, left - length);
    }
    descending_ = false;
    heading_held_s_ = 0.0;
    if (leg + 1 >= route_.size()) {
        // Past the end: over the last waypoint, flying on along the last leg.
        const Waypoint& last = route_.back();
        last_track_ = geo::wrap360(geo::bearing_deg(last.position, route_[route_.size() - 2].position) + 180.0);
        leg_from_ = last.position;
        to_ = route_.size();
        state_.position = last.position;
        state_.altitude_ft = last.altitude_ft;
        state_.heading_deg = heading_for(last_track_, wind);
    } else {
        const Waypoint& from = route_[leg];
        leg_from_ = from.position;
        to_ = leg + 1;
        state_.position = geo::destination(from.position, geo::bearing_deg(from.position, to().position), left);
        state_.altitude_ft = from.altitude_ft;
        state_.heading_deg = heading_for(geo::bearing_deg(state_.position, to().position), wind);
        last_track_ = geo::bearing_deg(from.position, to().position);
    }
    state_.vertical_speed_fpm = 0.0;
    move(0.0, wind);
}

GpsSolution Aircraft::gps() const
{
    GpsSolution g;
    if (!has_to_waypoint()) return g;
    g.has_to_waypoint = true;
    const geo::LatLon to_pos = to().position;
    g.bearing_deg = geo::bearing_deg(state_.position, to_pos);
    g.distance_m = geo::distance_m(state_.position, to_pos);
    const geo::LegPosition where = geo::leg_position(leg_from_, to_pos, state_.position);
    g.cross_track_m = where.cross_track_m;
    const double leg = geo::distance_m(leg_from_, to_pos);
    if (leg - where.along_track_m > 1.0) {
        const geo::LatLon abeam = geo::destination(leg_from_, geo::bearing_deg(leg_from_, to_pos), std::max(0.0, where.along_track_m));
        g.desired_track_deg = geo::bearing_deg(abeam, to_pos);
    } else {
        g.desired_track_deg = geo::wrap360(geo::bearing_deg(to_pos, leg_from_) + 180.0);
    }
    return g;
}

} // namespace host
