// The GPS-only navigator's faceplate and hotspot numbers: the large navigator's without the two COM
// frequency displays and the three COM controls, so that its screen and its INT key follow on directly.
#pragma once

#include "large_navigator_faceplate.h"

namespace large_navigator::gps_only {

enum Element : int {
    BACKGROUND = 1,
    POWER_KNOB_IMAGE,
    LABEL_STRIP,
    PAGE_TITLE,
    STEERING_ARROW,
    ETE_LABEL,
    ETE_HOURS,
    ETE_MINUTES,
    CROSS_TRACK_RIGHT,
    CROSS_TRACK_LEFT,
    BEARING,
    DISTANCE,
    DESIRED_TRACK,
    TRACK,
    TRACK_ANGLE_ERROR,
    FLIGHT_TIME_HOURS,
    FLIGHT_TIME_MINUTES,
    GROUND_SPEED,
    TRACK_AND_DESIRED,        // navigation page 5: track ...
    DESIRED_AND_TRACK,        // ... and desired track
    UTC_HOURS,
    UTC_MINUTES,
    MIN_SAFE_ALTITUDE,
    ALTITUDE,
    ABOVE_HOLD,
    BELOW_HOLD,
    ALTIMETER_SETTING,
    ENCODER_ALTITUDE,
    DESCENT_END_ALTITUDE,
    DESCENT_POINT,
    VERTICAL_SPEED,
    DESCENT_GROUND_SPEED,
    HOLD_ALTITUDE,
    HOLD_BUFFER,
    LATITUDE_DEGREES,
    LATITUDE_NORTH,
    LATITUDE_SOUTH,
    LONGITUDE_DEGREES,
    LONGITUDE_EAST,
    LONGITUDE_WEST,
    COURSE_MARK,
    TIMER_HOURS,
    TIMER_MINUTES,
    TIMER_SECONDS,
    TIMER_CURSOR,
    FLAGS_READER,
    SELF_TEST_SCREEN,
    ELEMENT_COUNT = SELF_TEST_SCREEN,
};

enum Hotspot : int {
    POWER_KNOB_OFF = 1,
    POWER_KNOB_ON,
    MSG_KEY,
    DIRECT_TO_KEY,
    NAV_KEY,
    INNER_KNOB_LEFT,
    INNER_KNOB_RIGHT,
    ENTER_KEY,
    OUTER_KNOB_LEFT,
    OUTER_KNOB_RIGHT,
    SEL_KEY,
    INT_KEY,
    HOTSPOT_COUNT = INT_KEY,
};

// Everything before the left-out COM displays and controls keeps its number.
static_assert(Element::FLAGS_READER == large_navigator::FLAGS_READER);
static_assert(Element::SELF_TEST_SCREEN == large_navigator::SELF_TEST_SCREEN - 2);
static_assert(Hotspot::SEL_KEY == large_navigator::SEL_KEY);
static_assert(Hotspot::INT_KEY == large_navigator::INT_KEY - 3);

} // namespace large_navigator::gps_only
