// The navigator's controls: power knob, MSG, direct-to, NAV, SEL, ENTER, INT and the dual knob. Every
// callback plays its sound first, then changes the state, each step seeing what the steps before it left.
// In COM mode (gps_knobs 0) the knobs tune the COM radio and leave the pages alone; the tuning lives with
// the COM section.
#pragma once

namespace {

constexpr uint32_t DIRECT_TO = 65908;          // 0x10174
constexpr uint32_t UTC_HOURS_DOWN = 65657;     // 0x10079
constexpr uint32_t UTC_HOURS_UP = 65658;       // 0x1007A
constexpr uint32_t UTC_MINUTES_DOWN = 65659;   // 0x1007B
constexpr uint32_t UTC_MINUTES_UP = 65660;     // 0x1007C
constexpr uint32_t ALTIMETER_DOWN = 65884;     // 0x1015C
constexpr uint32_t ALTIMETER_UP = 65883;       // 0x1015B

constexpr int32_t LAST_NAVIGATION_PAGE = 8;
constexpr int32_t LAST_ALTITUDE_PAGE = 4;

// The knobs' COM tuning steps: the COM section sends them; the GPS-only build has no radio to tune.
enum ComStep : int { COM_MHZ_DOWN, COM_MHZ_UP, COM_KHZ_DOWN, COM_KHZ_UP };
void tune_com(ComStep step);

bool on_timer_page() { return on_page(TIMER_PAGE, 1); }
bool on_utc_page() { return on_page(NAVIGATION_PAGES, 6); }
bool on_altitude_edit_page()
{
    return on_page(ALTITUDE_PAGES, 1) || on_page(ALTITUDE_PAGES, 3) || on_page(ALTITUDE_PAGES, 4);
}

int32_t countdown_setting_secs() { return cd_hours_set * 3600 + cd_minutes_set * 60 + cd_seconds_set; }

// ---- Power knob ---------------------------------------------------------------------------------------

// Switching off clears the pages, the timers and the message; it clicks only when the knob turns. Editing
// ends too: a field left in editing would otherwise hold the knobs after the next power-up.
int32_t GAUGE_CALL power_knob_off(PIXPOINT*, uint32_t)
{
    if (power_switch == 1) {
        play_sound(CLICK_SOUND);
        power_switch = 0;
    }
    if (power_switch == 0) {
        gps_knobs = 0;
        sub_page = 0;
        flight_running = 0;
        cursor_field = 0;
        cd_running = 0;
        page_group = 0;
        msg_code = 0;
        edit_mode = 0;
    }
    return 0;
}

// Switching on shows the banner at once; without bus power the next update darkens the unit again.
int32_t GAUGE_CALL power_knob_on(PIXPOINT*, uint32_t)
{
    if (power_switch != 0) return 0;
    play_sound(CLICK_SOUND);
    test_target = truncate_to_int(sim(VAR_TICKS) + BANNER_TICKS);
    page_group = 1;
    gps_knobs = 1;
    power_switch = 1;
    return 0;
}

// ---- Keys ---------------------------------------------------------------------------------------------

// MSG opens a pending message; the next press acknowledges it. It works powered or not.
int32_t GAUGE_CALL msg_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    if (msg_view == 0 && msg_code > 0) {
        msg_view = 1;
    } else {
        msg_view = 0;
        msg_code = 0;
    }
    return 0;
}

int32_t GAUGE_CALL direct_to_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    if (powered == 1) trigger_key_event(DIRECT_TO, 0);
    return 0;
}

// NAV hands the knobs back to the pages, without changing the page.
int32_t GAUGE_CALL nav_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    if (powered == 1) gps_knobs = 1;
    if (gps_knobs == 1) com_key_count = 0;
    return 0;
}

// INT skips the rest of the self-test.
int32_t GAUGE_CALL int_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    if (powered == 1 && page_group <= 9) start_operating();
    return 0;
}

// SEL starts editing on the timer, UTC, altimeter setting, descent and hold altitude pages. On the timer
// page it loads the setting into the stopped count-down, or stops a running one where it stands.
int32_t GAUGE_CALL sel_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    if (powered != 1) return 0;
    if (on_timer_page() && cd_running == 0 && gps_knobs == 1) {
        edit_mode = 1;
        cursor_field = 2;
        cd_remaining = countdown_setting_secs();
    }
    if (on_timer_page() && cd_running == 1 && gps_knobs == 1) {
        edit_mode = 1;
        cursor_field = 2;
        cd_running = 0;
    }
    if (on_utc_page() && gps_knobs == 1) {
        edit_mode = 1;
        cursor_field = 1;
    }
    if (on_altitude_edit_page() && gps_knobs == 1) edit_mode = 1;
    return 0;
}

// ENTER starts (or resumes) the count-down, or ends editing. The end of the count-down is one second
// beyond the remaining time, so that the first running value is the one loaded.
int32_t GAUGE_CALL enter_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    if (powered != 1) return 0;
    if (on_timer_page() && gps_knobs == 1 && cd_running == 0 && cd_remaining > 0) {
        cd_running = 1;
        cd_end = truncate_to_int(cd_remaining + sim(VAR_SIMULATION_TIME) + 1.0);
        cursor_field = 0;
        edit_mode = 0;
    }
    if (on_utc_page() && edit_mode == 1) {
        edit_mode = 0;
        cursor_field = 0;
    }
    if (on_altitude_edit_page() && edit_mode == 1) edit_mode = 0;
    return 0;
}

// ---- Dual knob ----------------------------------------------------------------------------------------

// The outer ring steps through the page groups 10, 20, 30, 40 cyclically, or moves the editing cursor.
// Its wrap test runs on every click, whatever the power and knob mode.
int32_t GAUGE_CALL outer_knob_left(PIXPOINT*, uint32_t)
{
    if (powered == 1 && gps_knobs == 0) tune_com(COM_MHZ_DOWN);
    if (powered == 1 && gps_knobs == 1 && edit_mode == 0) {
        page_group -= 10;
        sub_page = 1;
    }
    if (page_group < 10) page_group = TIMER_PAGE;
    if (powered == 1 && on_timer_page() && cd_running == 0 && edit_mode == 1 && gps_knobs == 1) cursor_field -= 1;
    if (cursor_field < 1 && page_group == TIMER_PAGE && edit_mode == 1) cursor_field = 1;
    if (powered == 1 && on_utc_page() && gps_knobs == 1 && edit_mode == 1) cursor_field -= 1;
    if (cursor_field < 1 && on_utc_page() && edit_mode == 1) cursor_field = 1;
    return 0;
}

int32_t GAUGE_CALL outer_knob_right(PIXPOINT*, uint32_t)
{
    if (powered == 1 && gps_knobs == 0) tune_com(COM_MHZ_UP);
    if (powered == 1 && gps_knobs == 1 && edit_mode == 0) {
        page_group += 10;
        sub_page = 1;
    }
    if (page_group > TIMER_PAGE) page_group = NAVIGATION_PAGES;
    if (powered == 1 && on_timer_page() && cd_running == 0 && edit_mode == 1 && gps_knobs == 1) cursor_field += 1;
    if (cursor_field > 3 && page_group == TIMER_PAGE) cursor_field = 3;
    if (powered == 1 && on_utc_page() && gps_knobs == 1 && edit_mode == 1) cursor_field += 1;
    if (cursor_field > 2 && on_utc_page()) cursor_field = 2;
    return 0;
}

// The count-down setting wraps: hours 0 to 99, minutes and seconds 0 to 59, each field on its own.
void wrap_countdown_setting()
{
    if (cd_hours_set < 0) cd_hours_set = 99;
    if (cd_minutes_set < 0) cd_minutes_set = 59;
    if (cd_seconds_set < 0) cd_seconds_set = 59;
    if (cd_hours_set > 99) cd_hours_set = 0;
    if (cd_minutes_set > 59) cd_minutes_set = 0;
    if (cd_seconds_set > 59) cd_seconds_set = 0;
}

// The inner ring steps the sub-pages (they do not wrap) or changes the field being edited. On the timer
// page every click loads the setting into the remaining time, editing or not.
int32_t GAUGE_CALL inner_knob_left(PIXPOINT*, uint32_t)
{
    if (powered == 1 && gps_knobs == 0) tune_com(COM_KHZ_DOWN);
    if (gps_knobs == 1 && edit_mode == 0) {
        sub_page -= 1;
        if (sub_page < 1) sub_page = 1;
    }
    if (on_timer_page() && gps_knobs == 1) {
        if (cursor_field == 1) cd_hours_set -= 1;
        if (cursor_field == 2) cd_minutes_set -= 1;
        if (cursor_field == 3) cd_seconds_set -= 1;
        wrap_countdown_setting();
        cd_remaining = countdown_setting_secs();
    }
    if (on_utc_page() && gps_knobs == 1 && edit_mode == 1) {
        if (cursor_field == 1) trigger_key_event(UTC_HOURS_DOWN, 0);
        if (cursor_field == 2) trigger_key_event(UTC_MINUTES_DOWN, 0);
    }
    if (on_page(ALTITUDE_PAGES, 1) && gps_knobs == 1 && edit_mode == 1) trigger_key_event(ALTIMETER_DOWN, 0);
    if (on_page(ALTITUDE_PAGES, 3) && gps_knobs == 1 && edit_mode == 1) {
        end_alt -= 1;
        if (end_alt < 0) end_alt = 0;
    }
    if (on_page(ALTITUDE_PAGES, 4) && gps_knobs == 1 && edit_mode == 1) {
        hold_alt -= 1;
        if (hold_alt < 0) hold_alt = 0;
    }
    return 0;
}

int32_t GAUGE_CALL inner_knob_right(PIXPOINT*, uint32_t)
{
    if (powered == 1 && gps_knobs == 0) tune_com(COM_KHZ_UP);
    if (gps_knobs == 1 && page_group >= NAVIGATION_PAGES && page_group < POSITION_PAGE && edit_mode == 0) {
        sub_page += 1;
        if (page_group == ALTITUDE_PAGES && sub_page > LAST_ALTITUDE_PAGE) sub_page = LAST_ALTITUDE_PAGE;
        if (page_group == NAVIGATION_PAGES && sub_page > LAST_NAVIGATION_PAGE) sub_page = LAST_NAVIGATION_PAGE;
    }
    if (on_timer_page() && gps_knobs == 1) {
        if (cursor_field == 1) cd_hours_set += 1;
        if (cursor_field == 2) cd_minutes_set += 1;
        if (cursor_field == 3) cd_seconds_set += 1;
        wrap_countdown_setting();
        cd_remaining = countdown_setting_secs();
    }
    if (on_utc_page() && gps_knobs == 1 && edit_mode == 1) {
        if (cursor_field == 1) trigger_key_event(UTC_HOURS_UP, 0);
        if (cursor_field == 2) trigger_key_event(UTC_MINUTES_UP, 0);
    }
    if (on_page(ALTITUDE_PAGES, 1) && powered == 1 && gps_knobs == 1 && edit_mode == 1)
        trigger_key_event(ALTIMETER_UP, 0);
    if (on_page(ALTITUDE_PAGES, 3) && gps_knobs == 1 && edit_mode == 1) end_alt += 1;
    if (on_page(ALTITUDE_PAGES, 4) && gps_knobs == 1 && edit_mode == 1) hold_alt += 1;
    return 0;
}

} // namespace
