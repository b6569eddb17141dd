// A VHF NAV receiver's tuning as the simulation keeps it: an active and a standby 50-kHz channel between
// 108.00 and 117.95 MHz, and the course selected on its course knobs.
#pragma once

#include "vhf_channels.h"

namespace host {

constexpr Khz NAV_LOWEST_KHZ  = 108000;
constexpr Khz NAV_HIGHEST_KHZ = 117950;
constexpr Khz NAV_CHANNEL_KHZ = 50;
constexpr Band NAV_BAND{NAV_LOWEST_KHZ, NAV_HIGHEST_KHZ, NAV_CHANNEL_KHZ};

// Course knobs: the outer ring turns the course in tens of degrees, the inner knob in single degrees, as
// on a course selector where the coarse ring sets the tens and the fine knob the units.
constexpr int COURSE_STEP_OUTER_DEG = 10;
constexpr int COURSE_STEP_INNER_DEG = 1;

inline std::optional<Khz> nav_channel_of_bcd(int32_t bcd) { return channel_of_bcd(bcd, NAV_BAND); }

struct NavTuning : ChannelPair {
    NavTuning() : ChannelPair(NAV_BAND) {}

    int course_deg = 0;   // selected course, 0 to 359

    // Turns the selected course by whole degrees, wrapping 359 to 0 and back.
    void course_step(int degrees) { course_deg = ((course_deg + degrees) % 360 + 360) % 360; }
};

} // namespace host
