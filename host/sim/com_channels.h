// A VHF COM receiver as the simulation keeps it: an active and a standby 25-kHz channel between 118.000
// and 136.975 MHz. The gauges see each as the BCD digits of its 10-kHz reading (118.025 reads 118.02,
// 0x1802).
#pragma once

#include <cstdint>
#include <optional>

namespace host {

// A frequency in kHz, e.g. 118025.
using Khz = int32_t;

constexpr Khz COM_LOWEST_KHZ  = 118000;
constexpr Khz COM_HIGHEST_KHZ = 136975;
constexpr Khz COM_CHANNEL_KHZ = 25;

// The four BCD digits of the 10-kHz reading below 100 MHz.
int32_t bcd_of_khz(Khz khz);

// The 25-kHz channel whose 10-kHz reading these BCD digits show, or nothing when they show no COM channel.
std::optional<Khz> com_channel_of_bcd(int32_t bcd);

struct ComReceiver {
    Khz active  = COM_LOWEST_KHZ;
    Khz standby = COM_LOWEST_KHZ;

    // Whole MHz up or down, wrapping 136 to 118 and back; the kHz part is kept.
    void standby_mhz_step(int direction);
    // One channel up or down inside the MHz: x.975 up gives x.000, without carrying.
    void standby_channel_step(int direction);
    void swap();
};

} // namespace host
