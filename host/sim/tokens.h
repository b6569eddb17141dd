// Simulation variable tokens the host gives a meaning to, and which of them it supplies as 32-bit
// integers (in the value's first 4 bytes) rather than as FLOAT64.
#pragma once

#include <cstdint>

namespace host::token {

constexpr int32_t TICKS            = 1;
constexpr int32_t CLOCK_SECOND     = 5;
constexpr int32_t COM1_ACTIVE      = 23;
constexpr int32_t NAV1_ACTIVE      = 24;
constexpr int32_t NAV2_ACTIVE      = 27;
constexpr int32_t SQUAWK           = 38;
constexpr int32_t NAV1_TO_FROM     = 43;
constexpr int32_t NAV2_TO_FROM     = 52;
constexpr int32_t MARKER_DME_SELECT = 355;
constexpr int32_t SIMULATION_TIME  = 604;
constexpr int32_t COM1_STANDBY     = 617;
constexpr int32_t BUS_POWER        = 773;
constexpr int32_t GPS_FLAGS        = 831;
constexpr int32_t COM2_ACTIVE      = 870;
constexpr int32_t COM2_STANDBY     = 871;
constexpr int32_t NAV1_STANDBY     = 872;
constexpr int32_t NAV2_STANDBY     = 873;

// BCD frequencies and codes, flags and selections that gauges read through the integer view.
constexpr bool is_integer(int32_t t)
{
    switch (t) {
    case COM1_ACTIVE: case COM1_STANDBY: case COM2_ACTIVE: case COM2_STANDBY:
    case NAV1_ACTIVE: case NAV1_STANDBY: case NAV2_ACTIVE: case NAV2_STANDBY:
    case SQUAWK: case NAV1_TO_FROM: case NAV2_TO_FROM: case MARKER_DME_SELECT: case GPS_FLAGS:
        return true;
    default:
        return false;
    }
}

} // namespace host::token
