// VHF radio channels as the simulation keeps them, COM and NAV alike: a band of channels a fixed spacing
// apart, an active and a standby channel, and the BCD digits in which gauges read a channel (the four digits
// of its 10-kHz reading below 100 MHz: 118.025 reads 118.02, 0x1802; 108.05 reads 0x0805).
#pragma once

#include <cstdint>
#include <optional>

namespace host {

// A frequency in kHz, e.g. 118025.
using Khz = int32_t;

struct Band {
    Khz lowest;
    Khz highest;
    Khz spacing;
};

// The four BCD digits of the 10-kHz reading below 100 MHz.
int32_t bcd_of_khz(Khz khz);

// The channel of the band whose 10-kHz reading these BCD digits show, or nothing when they show none.
std::optional<Khz> channel_of_bcd(int32_t bcd, const Band& band);

struct ChannelPair {
    explicit ChannelPair(const Band& b) : band(b), active(b.lowest), standby(b.lowest) {}

    Band band;
    Khz active;
    Khz standby;

    // Whole MHz up or down, wrapping from the band's top MHz to its lowest and back; the kHz part is kept.
    void standby_mhz_step(int direction);
    // One channel up or down inside the MHz: the last channel of a MHz up gives x.000, without carrying.
    void standby_channel_step(int direction);
    void swap();
};

} // namespace host
