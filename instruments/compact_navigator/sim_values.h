// The simulation variables the navigator reads on every update, in the order it refreshes them.
#pragma once

#include <cstdint>

namespace {

namespace token {

constexpr int32_t BUS_POWER         = 773;   // 0x305
constexpr int32_t BEARING_TO        = 836;   // 0x344, radians
constexpr int32_t DISTANCE_TO       = 835;   // 0x343, metres
constexpr int32_t CROSS_TRACK       = 837;   // 0x345, metres, signed
constexpr int32_t GROUND_SPEED      = 832;   // 0x340, metres per second
constexpr int32_t DESIRED_TRACK     = 838;   // 0x346, radians
constexpr int32_t SAFE_HEIGHT_TERM  = 614;   // 0x266, metres
constexpr int32_t SIMULATION_TIME   = 604;   // 0x25C, seconds
constexpr int32_t UTC_HOUR          = 6;
constexpr int32_t UTC_MINUTE        = 7;
constexpr int32_t LATITUDE          = 827;   // 0x33B, 111130.555557 per degree north
constexpr int32_t LONGITUDE         = 828;   // 0x33C, 11930430 per degree east
constexpr int32_t TICKS             = 1;     // 18 a second
constexpr int32_t CLOCK_SECOND      = 5;
constexpr int32_t WIND_DIRECTION    = 344;   // 0x158, degrees
constexpr int32_t HEADING           = 81;    // 0x51, degrees
constexpr int32_t WIND_SPEED        = 343;   // 0x157
constexpr int32_t AIRSPEED          = 61;    // 0x3D, same unit as the wind speed
constexpr int32_t GPS_STATUS_FLAGS  = 831;   // 0x33F, read by the hidden status text only

} // namespace token

// 834 and 2 and an empty entry are refreshed with the rest and never read.
MODULE_VAR module_vars[] = {
    module_var(token::BUS_POWER), module_var(token::BEARING_TO), module_var(token::DISTANCE_TO),
    module_var(token::CROSS_TRACK), module_var(token::GROUND_SPEED), module_var(834),
    module_var(token::DESIRED_TRACK), module_var(2), module_var(token::SAFE_HEIGHT_TERM),
    module_var(token::SIMULATION_TIME), module_var(token::UTC_HOUR), module_var(token::UTC_MINUTE),
    module_var(token::LATITUDE), module_var(token::LONGITUDE), module_var(0), module_var(token::TICKS),
    module_var(token::CLOCK_SECOND), module_var(profile::AIR_DATA_TOKENS[0]),
    module_var(profile::AIR_DATA_TOKENS[1]), module_var(profile::AIR_DATA_TOKENS[2]),
    module_var(profile::AIR_DATA_TOKENS[3]),
};
static_assert(std::size(module_vars) == 21);

// The value of a token as the last update refreshed it.
FLOAT64 sim(int32_t id)
{
    for (const MODULE_VAR& var : module_vars)
        if (var.id == id) return var.var_value.f;
    return 0.0;
}

} // namespace
