// Simulation variable tokens the host gives a meaning to, and which of them it supplies as 32-bit
// integers (in the value's first 4 bytes) rather than as FLOAT64. Units are those in which the gauges read
// the values.
#pragma once

#include <cstdint>

namespace host::token {

constexpr int32_t TICKS            = 1;     // frames since the start, 18 a second
constexpr int32_t CLOCK_SECOND     = 5;     // second of the UTC clock, 0 to 59
constexpr int32_t UTC_HOUR         = 6;
constexpr int32_t UTC_MINUTE       = 7;
constexpr int32_t COM1_ACTIVE      = 23;    // BCD
constexpr int32_t NAV1_ACTIVE      = 24;    // BCD
constexpr int32_t NAV1_RADIAL      = 25;    // FROM radial in degrees times 180
constexpr int32_t NAV2_ACTIVE      = 27;    // BCD
constexpr int32_t NAV2_RADIAL      = 28;
constexpr int32_t NAV1_DME_NM      = 31;    // slant distance in nautical miles, -1 without a DME
constexpr int32_t NAV1_DME_SPEED   = 32;    // knots at which the distance changes, -1 without a DME
constexpr int32_t NAV2_DME_NM      = 35;
constexpr int32_t NAV2_DME_SPEED   = 36;
constexpr int32_t SQUAWK           = 38;    // four octal digits as BCD nibbles
constexpr int32_t NAV1_DEVIATION   = 40;    // -127 to 127, positive: the course lies to the right
constexpr int32_t NAV1_TO_FROM     = 43;    // 0 no signal, 1 TO, 2 FROM
constexpr int32_t NAV1_COURSE      = 45;    // selected course, degrees
constexpr int32_t NAV1_DME_FLAGS   = 49;    // 256 while a DME answers, else 0
constexpr int32_t NAV2_DEVIATION   = 50;
constexpr int32_t NAV2_TO_FROM     = 52;
constexpr int32_t NAV2_COURSE      = 54;
constexpr int32_t NAV2_DME_FLAGS   = 58;
constexpr int32_t NAV2_BEARING_TERM = 59;   // degrees; plus the heading it gives the bearing to the station
constexpr int32_t AIRSPEED         = 61;    // true airspeed, knots
constexpr int32_t VERTICAL_SPEED   = 65;    // 1/256 metre per second, up positive
constexpr int32_t PRESSURE_ALTITUDE = 73;   // metres, referred to 1013.25 hPa
constexpr int32_t INDICATED_ALTITUDE = 74;  // feet, as the altimeter shows it with its setting
constexpr int32_t ALTIMETER_SETTING = 75;   // hPa (millibars)
constexpr int32_t HEADING          = 81;    // true heading, degrees
constexpr int32_t WIND_SPEED       = 343;   // knots
constexpr int32_t WIND_DIRECTION   = 344;   // true direction the wind blows from, degrees
constexpr int32_t MARKER           = 354;   // marker beacon received: 0 none, 1 outer, 2 middle, 3 inner
constexpr int32_t MARKER_DME_SELECT = 355;  // which NAV receiver's DME the DME audio key addresses: 1 or 2
constexpr int32_t NAV1_BEARING_TERM = 550;
constexpr int32_t SIMULATION_TIME  = 604;   // seconds
constexpr int32_t HEIGHT_ABOVE_GROUND = 614; // metres
constexpr int32_t COM1_STANDBY     = 617;   // BCD
constexpr int32_t BUS_POWER        = 773;   // 1 while the avionics bus is live
constexpr int32_t LATITUDE         = 827;   // 111130.555557 per degree, north positive
constexpr int32_t LONGITUDE        = 828;   // 11930430 per degree, east positive
constexpr int32_t GPS_FLAGS        = 831;   // 64 while the GPS has no TO waypoint, else 0
constexpr int32_t GPS_GROUND_SPEED = 832;   // metres per second
constexpr int32_t GPS_DISTANCE     = 835;   // metres to the TO waypoint
constexpr int32_t GPS_BEARING      = 836;   // radians, true bearing to the TO waypoint
constexpr int32_t GPS_CROSS_TRACK  = 837;   // metres, positive when the desired track lies to the right
constexpr int32_t GPS_DESIRED_TRACK = 838;  // radians, true
constexpr int32_t NAV_SOURCE       = 848;   // 0 the course display follows the NAV receiver, 1 the GPS
constexpr int32_t COM2_ACTIVE      = 870;   // BCD
constexpr int32_t COM2_STANDBY     = 871;   // BCD
constexpr int32_t NAV1_STANDBY     = 872;   // BCD
constexpr int32_t NAV2_STANDBY     = 873;   // BCD
constexpr int32_t COM1_TRANSMIT    = 874;   // 1.0 while COM1 is the transmitting radio
constexpr int32_t COM2_TRANSMIT    = 875;
constexpr int32_t COM_RECEIVE_BOTH = 876;   // 1.0 while the other COM radio is monitored as well
constexpr int32_t NAV1_AUDIO       = 877;   // 1.0 while selected on the audio panel
constexpr int32_t NAV2_AUDIO       = 878;
constexpr int32_t DME_AUDIO        = 879;
constexpr int32_t ADF_AUDIO        = 880;
constexpr int32_t MARKER_AUDIO     = 881;

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
