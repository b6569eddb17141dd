// The large navigator's faceplate and hotspot numbers, in drawing and table order, so that code, tests and
// traces can name "the bearing display" instead of a bare number. The GPS-only build leaves out the two
// COM frequency displays and the three COM controls: gps_only_faceplate.h numbers its own.
#pragma once

namespace large_navigator {

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
    ACTIVE_FREQUENCY,
    STANDBY_FREQUENCY,
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
    TRANSFER_AREA,
    COM_KEY,
    INFO_KEY,
    INT_KEY,
    HOTSPOT_COUNT = INT_KEY,
};

// Page groups and what `page_group` holds during the self-test.
constexpr int NAVIGATION_PAGES = 10;
constexpr int ALTITUDE_PAGES = 20;
constexpr int POSITION_PAGE = 30;
constexpr int TIMER_PAGE = 40;

// Frames of the self-test and message screen.
enum ScreenFrame : int {
    SCREEN_NONE,
    SCREEN_BANNER,
    SCREEN_TEST_IN_PROGRESS,
    SCREEN_TEST_PASSED,
    SCREEN_COUNTDOWN_EXPIRED,
    SCREEN_EMPTY_TO_WAYPOINT,
    SCREEN_ARRIVAL,
    SCREEN_FRAME_COUNT,
};

// Frames of the soft-key label strip.
enum LabelFrame : int {
    LABELS_NONE,
    LABELS_SKP,
    LABELS_MSG,
    LABELS_TRANSFER,
    LABELS_MSG_AND_TRANSFER,
    LABEL_FRAME_COUNT,
};

} // namespace large_navigator
