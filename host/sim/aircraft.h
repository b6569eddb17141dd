// The simulated aircraft: a point that flies the flight's route leg by leg at its true airspeed, holding
// each leg's great circle against the wind with a heading that corrects for drift, turning at standard
// rate (3 degrees a second) and starting each turn early enough to roll out on the next leg. It climbs at
// once to a waypoint's altitude when that is higher and descends late enough to arrive at it when that is
// lower, at the point where the turn onto the next leg begins. After the last waypoint it flies straight on
// at its last altitude, with no TO waypoint. Directions are true here; the simulation hands them to the
// gauges magnetic.
#pragma once

#include "flight_file.h"
#include "geo.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace host {

struct AircraftState {
    geo::LatLon position;
    double altitude_ft = 0.0;          // true altitude above sea level
    double heading_deg = 0.0;          // true
    double track_deg = 0.0;            // true, over the ground
    double true_airspeed_kt = 0.0;
    double ground_speed_kt = 0.0;
    double vertical_speed_fpm = 0.0;
};

// What the GPS reports about the TO waypoint.
struct GpsSolution {
    bool has_to_waypoint = false;
    double bearing_deg = 0.0;          // true, from the aircraft to the TO waypoint
    double distance_m = 0.0;
    double cross_track_m = 0.0;        // positive when the desired track lies to the right
    double desired_track_deg = 0.0;    // true course of the leg where the aircraft is abeam
};

class Aircraft {
public:
    static constexpr double TURN_RATE_DEG_S = 3.0;

    // Over the first waypoint at its altitude, heading along the first leg.
    Aircraft(const Flight& flight, const Wind& wind);

    void step(double seconds, const Wind& wind);
    // A direct leg from the present position to the current TO waypoint; nothing without one.
    void direct_to();
    // The aircraft taken to the point `metres` along the route from its first waypoint, on course along
    // that leg at the altitude of the leg's first waypoint; at or beyond the end, over the last waypoint
    // with no TO waypoint. Negative distances count as 0.
    void jump_along(double metres, const Wind& wind);
    // The length of the route, waypoint to waypoint, in metres.
    double route_length_m() const;
    // A new true airspeed from now on.
    void set_true_airspeed(double kt) { state_.true_airspeed_kt = kt; }
    // The pilot keeps the present heading for `seconds`, whatever the wind does to the track, then flies
    // back onto the leg.
    void hold_heading(double seconds) { heading_held_s_ = std::max(0.0, seconds); }

    const AircraftState& state() const { return state_; }
    GpsSolution gps() const;
    // Index into the route of the TO waypoint, or route().size() after the last one.
    std::size_t to_index() const { return to_; }
    const std::vector<Waypoint>& route() const { return route_; }
    bool has_to_waypoint() const { return to_ < route_.size(); }

private:
    const Waypoint& to() const { return route_[to_]; }
    // The true track that brings the aircraft onto the leg and along it.
    double commanded_track() const;
    // The heading that makes good `track` in this wind.
    double heading_for(double track, const Wind& wind) const;
    void move(double seconds, const Wind& wind);
    void climb_or_descend(double seconds);
    void sequence();
    // How far before the TO waypoint the turn onto the next leg begins (0 at the last waypoint).
    double turn_lead_m() const;

    std::vector<Waypoint> route_;
    double climb_fpm_, descent_fpm_;
    std::size_t to_ = 1;
    geo::LatLon leg_from_;             // the previous waypoint, or where a direct-to started
    bool descending_ = false;          // the descent towards the TO waypoint has begun
    double last_track_ = 0.0;          // the track held after the last waypoint
    double heading_held_s_ = 0.0;      // how much longer the pilot keeps the heading
    AircraftState state_;
};

} // namespace host
