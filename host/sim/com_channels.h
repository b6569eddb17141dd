// A VHF COM receiver as the simulation keeps it: an active and a standby 25-kHz channel between 118.000
// and 136.975 MHz.
#pragma once

#include "vhf_channels.h"

namespace host {

constexpr Khz COM_LOWEST_KHZ  = 118000;
constexpr Khz COM_HIGHEST_KHZ = 136975;
constexpr Khz COM_CHANNEL_KHZ = 25;
constexpr Band COM_BAND{COM_LOWEST_KHZ, COM_HIGHEST_KHZ, COM_CHANNEL_KHZ};

// The 25-kHz channel whose 10-kHz reading these BCD digits show, or nothing when they show no COM channel.
inline std::optional<Khz> com_channel_of_bcd(int32_t bcd) { return channel_of_bcd(bcd, COM_BAND); }

struct ComReceiver : ChannelPair {
    ComReceiver() : ChannelPair(COM_BAND) {}
};

} // namespace host
