// The COM radio's faceplate and hotspot numbers, in drawing and table order, so that code, tests and
// traces can name "the standby display" instead of a bare number.
#pragma once

namespace com_radio {

enum Element : int {
    BACKGROUND = 1,
    ACTIVE_DISPLAY,
    STANDBY_DISPLAY,
    POWER_KNOB,
    ELEMENT_COUNT = POWER_KNOB,
};

enum Hotspot : int {
    TRANSFER_KEY = 1,
    OUTER_KNOB_LEFT,
    INNER_KNOB_LEFT,
    INNER_KNOB_RIGHT,
    OUTER_KNOB_RIGHT,
    POWER_KNOB_LEFT,
    POWER_KNOB_RIGHT,
    MON_KEY,
    EC_KEY,
    HOTSPOT_COUNT = EC_KEY,
};

} // namespace com_radio
