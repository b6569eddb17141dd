// The monitor key: while powered it alternates monitoring on and off; unpowered it can only switch
// monitoring off, and tells the simulation so every time. The COM radio's MON key and the NAV/COM radio's
// SYS key share it.
#pragma once

#include <cstdint>

#include "host_services.h"

namespace {

constexpr uint32_t MONITOR_ON  = 66513;   // 0x103D1
constexpr uint32_t MONITOR_OFF = 66514;   // 0x103D2

[[maybe_unused]] void toggle_monitor(int32_t& monitor_on, int32_t powered)
{
    if (monitor_on != 0) monitor_on = 0;
    else monitor_on = powered == 1 ? 1 : 0;
    trigger_key_event(monitor_on == 1 ? MONITOR_ON : MONITOR_OFF, 0);
}

} // namespace
