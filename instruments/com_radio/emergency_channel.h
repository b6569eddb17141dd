// The emergency-channel key: steps the standby COM frequency to 121.50 MHz one channel at a time and swaps
// it into the active frequency, so the pilot is on guard with a single press and the former active
// frequency waits in standby. The COM radio, the NAV/COM radio and the navigators' COM sections share it.
#pragma once

#include <cmath>
#include <cstdint>

#include "host_services.h"

namespace {

// The standby tuning events of one COM receiver.
struct ComTuningEvents {
    uint32_t mhz_down;
    uint32_t mhz_up;
    uint32_t khz_down;   // one 25-kHz channel
    uint32_t khz_up;
    uint32_t swap;
};

// Works from the standby frequency as the standby display last showed it, without reading the frequency
// again between steps. All kHz steps go first (always towards .50, so they never carry into the MHz), then
// the MHz steps, then the swap.
[[maybe_unused]] void tune_emergency_channel(float standby_mhz, const ComTuningEvents& events)
{
    const double fraction = std::fmod(static_cast<double>(standby_mhz), 1.0);

    // Distance in kHz from the 10-kHz reading to .50. The n-th channel up lies beyond ceil(2.5 n) - 1, the
    // n-th channel down beyond -(floor(2.5 n) - 1); for every channel reading k is at least 1 away from a
    // threshold, so the single-precision rounding never changes the count.
    const float khz = static_cast<float>(50.0 - 100.0 * fraction);
    for (int n = 1; n <= 20; ++n)
        if (khz > static_cast<float>(std::ceil(2.5 * n) - 1.0)) trigger_key_event(events.khz_up, 0);
    for (int n = 1; n <= 19; ++n)
        if (khz < static_cast<float>(-(std::floor(2.5 * n) - 1.0))) trigger_key_event(events.khz_down, 0);

    // Whole MHz to 121: at most 3 up (from 118) and 15 down (from 136, the top of the band: stopping one
    // short there would put the pilot on 122.50 instead of the emergency channel).
    const float mhz = static_cast<float>(121.0 - (static_cast<double>(standby_mhz) - fraction));
    for (int t = 0; t <= 2; ++t)
        if (mhz > static_cast<float>(t)) trigger_key_event(events.mhz_up, 0);
    for (int t = 0; t >= -14; --t)
        if (mhz < static_cast<float>(t)) trigger_key_event(events.mhz_down, 0);

    trigger_key_event(events.swap, 0);
}

} // namespace
