// The transponder's controls: power knob, the six keys and the dual concentric knob. Keys click softly
// whether or not the transponder is powered; most act only while it is.
#pragma once

#include <iterator>

namespace {

// ---- Power knob: clicks only when it turns ------------------------------------------------------------

int32_t GAUGE_CALL power_knob_left(PIXPOINT*, uint32_t)
{
    if (power_switch == 1) {
        play_sound(CLICK_SOUND);
        power_switch = 0;
    }
    return 0;
}

int32_t GAUGE_CALL power_knob_right(PIXPOINT*, uint32_t)
{
    if (power_switch == 0) {
        play_sound(CLICK_SOUND);
        power_switch = 1;
    }
    return 0;
}

// ---- Keys ---------------------------------------------------------------------------------------------

// IDENT starts an identification only in a replying mode with no digit being entered; pressed again
// during one, it restarts the period from now.
int32_t GAUGE_CALL ident_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    if (ident_active == 0 && mode > MODE_STANDBY && selected_digit == 0) ident_active = 1;
    if (ident_active == 1) ident_end = truncate_to_int(simulation_time_var.var_value.f + IDENT_SECONDS);
    return 0;
}

// Standby is always at hand, powered or not.
int32_t GAUGE_CALL sby_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    mode = MODE_STANDBY;
    selected_digit = 0;
    return 0;
}

template <int32_t chosen_mode>
int32_t GAUGE_CALL mode_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    if (powered == 1) {
        mode = chosen_mode;
        selected_digit = 0;
    }
    return 0;
}

// VFR dials the build's VFR code into the simulation and lights; pressed again it only puts the light
// out. It does not look at power: off, it still sets the code, and the next update darkens it again.
int32_t GAUGE_CALL vfr_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    vfr_active = 1 - vfr_active;
    selected_digit = 0;
    if (vfr_active == 1) {
        trigger_key_event(SET_CODE, 0);
        for (uint32_t event : profile::VFR_DIGIT_EVENTS) trigger_key_event(event, 0);
    }
    return 0;
}

// HLD captures the altitude (whole feet) to watch the deviation from it; pressed again it lets go.
int32_t GAUGE_CALL hld_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    if (powered == 1 && alt_hold == 0) {
        alt_hold = 1;
        held_altitude = truncate_to_int(altitude());
    } else {
        alt_hold = 0;
    }
    return 0;
}

// ---- Dual knob ----------------------------------------------------------------------------------------

// The outer knob walks the digit cursor: clockwise none -> 1 -> 2 -> 3 -> 4 -> none, anticlockwise down to
// the thousands and no further. It clicks while there is a digit to move to, and selecting a digit puts the
// VFR light out.
int32_t GAUGE_CALL outer_knob_left(PIXPOINT*, uint32_t)
{
    if (selected_digit > 0) play_sound(SOFT_CLICK_SOUND);
    if (powered == 1) {
        selected_digit = selected_digit - 1;
        vfr_active = 0;
    }
    if (selected_digit <= 0) selected_digit = 1;
    return 0;
}

int32_t GAUGE_CALL outer_knob_right(PIXPOINT*, uint32_t)
{
    if (selected_digit < 4) play_sound(SOFT_CLICK_SOUND);
    if (powered == 1) {
        selected_digit = selected_digit + 1;
        vfr_active = 0;
    }
    if (selected_digit > 4) selected_digit = 0;
    return 0;
}

// The inner knob steps the selected digit of the simulation's code, silently.
int32_t GAUGE_CALL inner_knob_left(PIXPOINT*, uint32_t)
{
    if (powered == 1 && selected_digit >= 1 && selected_digit <= 4) trigger_key_event(DIGIT_DOWN[selected_digit], 0);
    return 0;
}

int32_t GAUGE_CALL inner_knob_right(PIXPOINT*, uint32_t)
{
    if (powered == 1 && selected_digit >= 1 && selected_digit <= 4) trigger_key_event(DIGIT_UP[selected_digit], 0);
    return 0;
}

constexpr MOUSERECT knob_hotspot(const int32_t (&box)[4], int32_t cursor, MOUSE_CALLBACK cb)
{
    return hotspot(box[0], box[1], box[2], box[3], cursor, cb);
}

constexpr MOUSERECT hotspots[] = {
    hotspot_parent(),
    hotspot(27, 71, 19, 36, CURSOR_DOWNARROW, power_knob_left),
    hotspot(47, 71, 20, 36, CURSOR_UPARROW, power_knob_right),
    hotspot(96, 79, 49, 21, CURSOR_HAND, ident_key),
    hotspot(169, 79, 24, 21, CURSOR_HAND, sby_key),
    hotspot(209, 79, 26, 21, CURSOR_HAND, mode_key<MODE_ON>),
    hotspot(248, 79, 28, 21, CURSOR_HAND, mode_key<MODE_ALTITUDE>),
    hotspot(288, 79, 27, 21, CURSOR_HAND, vfr_key),
    hotspot(442, 79, 26, 21, CURSOR_HAND, hld_key),
    knob_hotspot(profile::OUTER_KNOB_LEFT_BOX, CURSOR_DOWNARROW, outer_knob_left),
    knob_hotspot(profile::INNER_KNOB_LEFT_BOX, CURSOR_DOWNARROW, inner_knob_left),
    knob_hotspot(profile::INNER_KNOB_RIGHT_BOX, CURSOR_UPARROW, inner_knob_right),
    knob_hotspot(profile::OUTER_KNOB_RIGHT_BOX, CURSOR_UPARROW, outer_knob_right),
    hotspot_end_of_parent(),
    hotspot_end_of_list(),
};
static_assert(std::size(hotspots) == HOTSPOT_COUNT + 3, "hotspot table and its numbering disagree");

} // namespace
