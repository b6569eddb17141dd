// What the update derives from the GPS solution and the clocks: bearing, distance, cross-track, ground
// speed, time en route, the flight timer and the count-down. The track, desired track and position are
// worked out by the texts that show them (display.h).
#pragma once

#include <cmath>
#include <cstdint>

namespace {

constexpr double KM_PER_NM = 1.8567508;   // metres to nautical miles: divide by 1000 and by this
constexpr double KNOTS_PER_MPS = 1.944;
constexpr int32_t FLIGHT_SECS_MAX = 359999;            // 99:59:59

void compute_navigation()
{
    // 3.14 stands for pi in every conversion from radians: pi radians read 180.09 degrees.
    bearing_deg = static_cast<float>(sim(token::BEARING_TO) * 180.0 / 3.14);
    distance_nm = static_cast<float>(sim(token::DISTANCE_TO) / 1000.0 / KM_PER_NM);
    cross_track_nm = static_cast<float>(sim(token::CROSS_TRACK) / 1000.0 / KM_PER_NM);
    ground_speed_kt = static_cast<float>(sim(token::GROUND_SPEED) * KNOTS_PER_MPS);
    ete_hours = ground_speed_kt > 0.0f ? distance_nm / ground_speed_kt : 0.0f;
    const float fraction = static_cast<float>(std::fmod(static_cast<double>(ete_hours), 1.0));
    ete_minutes = truncate_to_int(fraction * 60.0f);
}

// Whole seconds since the self-test ended, held at 99:59:59; a stopped timer keeps what it showed.
void run_flight_timer()
{
    if (flight_running == 1) {
        flight_secs = truncate_to_int(sim(token::SIMULATION_TIME) - flight_start);
        if (flight_secs > FLIGHT_SECS_MAX) flight_secs = FLIGHT_SECS_MAX;
    }
    flight_hours = flight_secs / 3600;
    flight_minutes = truncate_to_int(std::fmod(static_cast<double>(flight_secs), 3600.0)) / 60;
}

// Whole seconds to the end of a running count-down. A jump of the simulation clock past the end still
// ends it: the seconds left never go below 0, so the update that sees 0 stops it and raises its message.
void run_countdown()
{
    if (cd_running == 1) {
        cd_remaining = truncate_to_int(static_cast<double>(cd_end) - sim(token::SIMULATION_TIME));
        if (cd_remaining < 0) cd_remaining = 0;
    }
    cd_hours = cd_remaining / 3600;
    const int32_t r = truncate_to_int(std::fmod(static_cast<double>(cd_remaining), 3600.0));
    cd_minutes = r / 60;
    cd_seconds = truncate_to_int(std::fmod(static_cast<double>(r), 60.0));
    if (cd_running == 1 && cd_remaining == 0) {
        cd_running = 0;
        msg_code = 1;
    }
}

} // namespace
