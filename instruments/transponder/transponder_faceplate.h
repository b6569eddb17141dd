// The transponder's faceplate and hotspot numbers, in drawing and table order, so that code, tests and
// traces can name "the code display" instead of a bare number.
#pragma once

namespace transponder {

enum Element : int {
    BACKGROUND = 1,
    POWER_KNOB,
    IDENT_LIGHT,
    SBY_LIGHT,
    ON_LIGHT,
    ALT_LIGHT,
    VFR_LIGHT,
    HLD_LIGHT,
    CODE_DISPLAY,
    DIGIT_CURSOR,
    ALTITUDE_DISPLAY,
    DEVIATION_ABOVE,
    DEVIATION_BELOW,
    DEVIATION_ALERT,
    ELEMENT_COUNT = DEVIATION_ALERT,
};

enum Hotspot : int {
    POWER_KNOB_LEFT = 1,
    POWER_KNOB_RIGHT,
    IDENT_KEY,
    SBY_KEY,
    ON_KEY,
    ALT_KEY,
    VFR_KEY,
    HLD_KEY,
    OUTER_KNOB_LEFT,
    INNER_KNOB_LEFT,
    INNER_KNOB_RIGHT,
    OUTER_KNOB_RIGHT,
    HOTSPOT_COUNT = OUTER_KNOB_RIGHT,
};

// What the mode keys choose.
enum Mode : int { MODE_STANDBY = 0, MODE_ON = 1, MODE_ALTITUDE = 2 };

} // namespace transponder
