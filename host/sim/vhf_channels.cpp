#include "vhf_channels.h"

#include <utility>

namespace host {

int32_t bcd_of_khz(Khz khz)
{
    const int32_t reading = (khz / 10) % 10000;   // 118025 -> 11802 -> 1802
    return ((reading / 1000) % 10) << 12 | ((reading / 100) % 10) << 8 | ((reading / 10) % 10) << 4 | reading % 10;
}

std::optional<Khz> channel_of_bcd(int32_t bcd, const Band& band)
{
    const int d[4] = {(bcd >> 12) & 0xF, (bcd >> 8) & 0xF, (bcd >> 4) & 0xF, bcd & 0xF};
    for (int digit : d)
        if (digit > 9) return std::nullopt;
    const Khz reading = 100000 + (d[0] * 1000 + d[1] * 100 + d[2] * 10 + d[3]) * 10;
    // The channel is the first multiple of the spacing at or above the reading whose reading it is.
    const Khz channel = (reading + band.spacing - 1) / band.spacing * band.spacing;
    if (channel / 10 != reading / 10 || channel < band.lowest || channel > band.highest) return std::nullopt;
    return channel;
}

void ChannelPair::standby_mhz_step(int direction)
{
    const int lowest = band.lowest / 1000, highest = band.highest / 1000;
    int mhz = standby / 1000 + direction;
    if (mhz > highest) mhz = lowest;
    if (mhz < lowest) mhz = highest;
    standby = mhz * 1000 + standby % 1000;
}

void ChannelPair::standby_channel_step(int direction)
{
    int khz = standby % 1000 + direction * band.spacing;
    if (khz >= 1000) khz = 0;
    if (khz < 0) khz = 1000 - band.spacing;
    standby = standby / 1000 * 1000 + khz;
}

void ChannelPair::swap()
{
    std::swap(active, standby);
}

} // namespace host
