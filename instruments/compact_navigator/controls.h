// The power/squelch knob, the push keys and the dual knob: what a click does in each state, and the hotspot
// table in its order. Keys play their sound first, whatever the state.
#pragma once

#include <cstdint>

namespace {

constexpr uint32_t UTC_HOURS_DOWN   = 65657;   // 0x10079
constexpr uint32_t UTC_HOURS_UP     = 65658;   // 0x1007A
constexpr uint32_t UTC_MINUTES_DOWN = 65659;   // 0x1007B
constexpr uint32_t UTC_MINUTES_UP   = 65660;   // 0x1007C
constexpr uint32_t DIRECT_TO        = 65908;   // 0x10174

constexpr int32_t TITLE_TICKS = 54;            // 3 s of the title screen

// ---- Power knob ---------------------------------------------------------------------------------------
// Each half clicks only when the switch turns, but always reapplies its side effects.

int32_t GAUGE_CALL power_knob_off(PIXPOINT*, uint32_t)
{
    if (power_switch == 1) {
        play_sound(CLICK_SOUND);
        power_switch = 0;
    }
    gps_knobs = 0;
    page = 0;
    flight_running = 0;
    cursor_field = 0;
    cd_running = 0;
    return 0;
}

// Switching on starts the self-test at its title screen; on a unit already on it restarts it, silently.
int32_t GAUGE_CALL power_knob_on(PIXPOINT*, uint32_t)
{
    if (power_switch == 0) {
        play_sound(CLICK_SOUND);
        power_switch = 1;
    }
    test_target = truncate_to_int(sim(token::TICKS) + TITLE_TICKS);
    screen_stage = 1;
    if (COMPACT_NAVIGATOR_HAS_COM) gps_knobs = 1;
    return 0;
}

// ---- Keys ---------------------------------------------------------------------------------------------

// The first press shows a flagged message, the next acknowledges it. With nothing pending MSG leaves any
// self-test or message screen for the pages, powered or not.
int32_t GAUGE_CALL msg_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    if (msg_view == 0 && msg_code > 0) {
        msg_view = 1;
    } else {
        msg_view = 0;
        msg_code = 0;
        screen_stage = 0;
        gps_knobs = 1;
    }
    if (msg_view == 1) {
        if (msg_code == 1) screen_stage = 5;
        if (msg_code == 2) screen_stage = 6;
    }
    return 0;
}

int32_t GAUGE_CALL direct_to_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    if (powered == 1) trigger_key_event(DIRECT_TO, 0);
    return 0;
}

// NAV selects GPS mode and ends the late self-test screens or a message view without acknowledging the
// message; a self-test cut short this way does not start the flight timer.
int32_t GAUGE_CALL nav_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    if (COMPACT_NAVIGATOR_HAS_COM) {
        if (powered == 1) {
            if (gps_knobs == 0) gps_knobs = 1;
            if (screen_stage > 2) screen_stage = 0;
        }
    } else if (powered == 1 && screen_stage > 2) {
        gps_knobs = 1;
        screen_stage = 0;
    }
    return 0;
}

// The count-down setting, page 7, and the page-7 cursor follow the knobs in GPS mode (always in the
// GPS-only build, which has no other mode).
bool countdown_knobs()
{
    return !COMPACT_NAVIGATOR_HAS_COM || gps_knobs == 1;
}

// ENT ends UTC editing on page 5, and on page 7 starts the count-down from the setting last loaded.
int32_t GAUGE_CALL ent_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    if (powered != 1) return 0;
    if (page == 5) {
        edit_mode = 0;
        cursor_field = 0;
    }
    if (page == 7 && cd_running == 0 && cd_remaining > 0 && countdown_knobs()) {
        cd_end = truncate_to_int(cd_remaining + sim(token::SIMULATION_TIME) + 1.0);
        cd_running = 1;
        cursor_field = 0;
        edit_mode = 0;
    }
    return 0;
}

// SEL edits the UTC hours on page 5, the count-down minutes on page 7 (stopping a running count-down,
// which keeps the seconds left).
int32_t GAUGE_CALL sel_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    if (powered != 1) return 0;
    if (page == 5) {
        edit_mode = 1;
        cursor_field = 1;
    }
    if (page == 7 && countdown_knobs()) {
        edit_mode = 1;
        cursor_field = 2;
        cd_running = 0;
    }
    return 0;
}

// ---- Dual knob ----------------------------------------------------------------------------------------

int32_t wrapped(int32_t value, int32_t step, int32_t top)
{
    value += step;
    if (value < 0) return top;
    if (value > top) return 0;
    return value;
}

// Small knob: COM tuning in COM mode, pages in GPS mode while no field is under the cursor, the field
// under the cursor on pages 5 and 7; every turn in GPS mode loads the count-down setting.
template <int step>
int32_t GAUGE_CALL small_knob(PIXPOINT*, uint32_t)
{
#if COMPACT_NAVIGATOR_HAS_COM
    tune_standby(step < 0 ? profile::STANDBY_KHZ_DOWN : profile::STANDBY_KHZ_UP);
#endif
    if (gps_knobs == 1 && cursor_field == 0) page = wrapped(page, step, 7);
    if (page == 7 && countdown_knobs()) {
        if (cursor_field == 1) cd_hours_set = wrapped(cd_hours_set, step, 99);
        if (cursor_field == 2) cd_minutes_set = wrapped(cd_minutes_set, step, 59);
        if (cursor_field == 3) cd_seconds_set = wrapped(cd_seconds_set, step, 59);
    }
    if (page == 5) {
        if (cursor_field == 1) trigger_key_event(step < 0 ? UTC_HOURS_DOWN : UTC_HOURS_UP, 0);
        if (cursor_field == 2) trigger_key_event(step < 0 ? UTC_MINUTES_DOWN : UTC_MINUTES_UP, 0);
    }
    if (countdown_knobs()) cd_remaining = cd_hours_set * 3600 + cd_minutes_set * 60 + cd_seconds_set;
    return 0;
}

bool editing_countdown()
{
    return powered == 1 && page == 7 && screen_stage == 0 && cd_running == 0 && edit_mode == 1 && countdown_knobs();
}

// Large knob: COM tuning in COM mode; while editing, the cursor: hours and minutes on page 5, hours,
// minutes and seconds on page 7.
int32_t GAUGE_CALL large_knob_left(PIXPOINT*, uint32_t)
{
    if (powered == 1) {
#if COMPACT_NAVIGATOR_HAS_COM
        tune_standby(profile::STANDBY_MHZ_DOWN);
#endif
        if (page == 5 && screen_stage == 0 && edit_mode == 1) --cursor_field;
    }
    if (editing_countdown()) --cursor_field;
    if (cursor_field < 1 && edit_mode == 1 && countdown_knobs()) cursor_field = 1;
    return 0;
}

int32_t GAUGE_CALL large_knob_right(PIXPOINT*, uint32_t)
{
    if (powered == 1) {
#if COMPACT_NAVIGATOR_HAS_COM
        tune_standby(profile::STANDBY_MHZ_UP);
#endif
        if (page == 5 && screen_stage == 0 && edit_mode == 1) ++cursor_field;
    }
    if (cursor_field > 2 && page == 5) cursor_field = 2;
    if (editing_countdown()) ++cursor_field;
    if (cursor_field > 3 && page == 7) cursor_field = 3;
    return 0;
}

// ---- Hotspot table ------------------------------------------------------------------------------------

constexpr MOUSERECT hotspots[] = {
    hotspot_parent(),
    hotspot(19, 62, 20, 38, CURSOR_DOWNARROW, power_knob_off),
    hotspot(40, 61, 20, 41, CURSOR_UPARROW, power_knob_on),
    hotspot(287, 77, 27, 22, CURSOR_HAND, msg_key),
    hotspot(360, 76, 27, 24, CURSOR_HAND, direct_to_key),
    hotspot(206, 77, 27, 23, CURSOR_HAND, nav_key),
    hotspot(557, 66, 15, 36, CURSOR_DOWNARROW, small_knob<-1>),
    hotspot(573, 65, 14, 37, CURSOR_UPARROW, small_knob<+1>),
    hotspot(481, 76, 29, 23, CURSOR_HAND, ent_key),
    hotspot(525, 58, 20, 48, CURSOR_DOWNARROW, large_knob_left),
    hotspot(586, 53, 13, 55, CURSOR_UPARROW, large_knob_right),
    hotspot(440, 75, 29, 25, CURSOR_HAND, sel_key),
#if COMPACT_NAVIGATOR_HAS_COM
    hotspot(94, 77, 51, 22, CURSOR_HAND, transfer_key),
    hotspot(167, 77, 26, 23, CURSOR_HAND, com_key),
    hotspot(247, 77, 29, 22, CURSOR_HAND, sys_key),
#endif
    hotspot_end_of_parent(),
    hotspot_end_of_list(),
};
static_assert(std::size(hotspots) == (COMPACT_NAVIGATOR_HAS_COM ? HOTSPOT_COUNT : GPS_ONLY_HOTSPOT_COUNT) + 3,
              "hotspot table and its numbering disagree");

} // namespace
