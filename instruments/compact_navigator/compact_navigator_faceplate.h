// The compact navigator's faceplate and hotspot numbers, in drawing and table order, so that code, tests
// and traces can name "the standby display" instead of a bare number. The numbers are those of the COM
// builds; the GPS-only build has no SYS lamp, no COM frequencies and no transfer, COM or SYS key, and
// gps_only_number() gives an element's place in its shorter chain.
#pragma once

namespace compact_navigator {

enum Element : int {
    BACKGROUND = 1,
    POWER_KNOB,
    MSG_LAMP,
    SYS_LAMP,
    ETE_CAPTION,            // page 0
    ETE_HOURS,
    ETE_MINUTES,
    BEARING,                // pages 0 and 1, right
    DISTANCE,
    CROSS_TRACK,            // page 1
    DESIRED_TRACK,          // page 2
    DISTANCE_PAGE_2,
    TRACK,                  // page 2, right
    TRACK_ERROR,
    TRACK_PAGE_3,           // page 3
    TRACK_ERROR_PAGE_3,
    GROUND_SPEED,           // page 3, right
    MIN_SAFE_ALTITUDE,      // page 4, right
    FLIGHT_TIME_CAPTION,    // page 5
    FLIGHT_HOURS,
    FLIGHT_MINUTES,
    UTC_HOURS,              // page 5, right
    UTC_MINUTES,
    UTC_CAPTION,
    LATITUDE_DEGREES,       // page 6
    LATITUDE_NORTH,
    LATITUDE_SOUTH,
    LONGITUDE_DEGREES,
    LONGITUDE_EAST,
    LONGITUDE_WEST,
    PDOP_CAPTION,           // page 6, right
    GPS_MODE_MARKER,
    COUNTDOWN_CAPTION,      // page 7
    COUNTDOWN_HOURS,
    COUNTDOWN_MINUTES,
    COUNTDOWN_SECONDS,
    COUNTDOWN_CURSOR,
    RIGHT_BAR,              // page 1: the course deviation bar
    RIGHT_BAR_MASK,
    LEFT_BAR,
    LEFT_BAR_MASK,
    AIRCRAFT_SYMBOL,
    GPS_STATUS,
    ACTIVE_FREQUENCY,       // COM mode
    STANDBY_FREQUENCY,
    SELF_TEST_SCREENS,
    MESSAGE_SCREENS,
    ELEMENT_COUNT = MESSAGE_SCREENS,
};

constexpr int GPS_ONLY_ELEMENT_COUNT = ELEMENT_COUNT - 3;

// Whether the GPS-only build has the element.
constexpr bool in_gps_only(Element e)
{
    return e != SYS_LAMP && e != ACTIVE_FREQUENCY && e != STANDBY_FREQUENCY;
}

// The element's number in the GPS-only build's chain; only for elements it has.
constexpr int gps_only_number(Element e)
{
    return e < SYS_LAMP ? e : e < ACTIVE_FREQUENCY ? e - 1 : e - 3;
}

enum Hotspot : int {
    POWER_KNOB_OFF = 1,
    POWER_KNOB_ON,
    MSG_KEY,
    DIRECT_TO_KEY,
    NAV_KEY,
    SMALL_KNOB_LEFT,
    SMALL_KNOB_RIGHT,
    ENT_KEY,
    LARGE_KNOB_LEFT,
    LARGE_KNOB_RIGHT,
    SEL_KEY,
    TRANSFER_KEY,           // COM builds only, from here on
    COM_KEY,
    SYS_KEY,
    HOTSPOT_COUNT = SYS_KEY,
};

constexpr int GPS_ONLY_HOTSPOT_COUNT = SEL_KEY;

} // namespace compact_navigator
