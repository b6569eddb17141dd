// The controls: power knob, transfer key, COM and NAV, T/F, ID, the dual concentric knob, SYS, OBS, SEL and
// ENT, in hotspot table order.
#pragma once

namespace {

constexpr ComTuningEvents COM_TUNING = {profile::COM_STANDBY_MHZ_DOWN, profile::COM_STANDBY_MHZ_UP,
                                        profile::COM_STANDBY_KHZ_DOWN, profile::COM_STANDBY_KHZ_UP,
                                        profile::COM_SWAP};

// Losing power closes the menu, and with it the emergency item: a transfer press after power returns must
// not silently put the active COM on 121.50 and lose the standby frequency, with no prompt on the display.
void close_menu_on_power_loss()
{
    menu_state = MENU_CLOSED;
    emergency_selected = 0;
}

// The power knob clicks only when it actually turns; turning it off closes the menu.
int32_t GAUGE_CALL power_knob_left(PIXPOINT*, uint32_t)
{
    if (turn_power_knob(power_switch, 0)) close_menu_on_power_loss();
    return 0;
}

int32_t GAUGE_CALL power_knob_right(PIXPOINT*, uint32_t)
{
    turn_power_knob(power_switch, 1);
    return 0;
}

// Swaps the chosen radio's pair; with the emergency item chosen it tunes the COM to 121.50 instead.
int32_t GAUGE_CALL transfer_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    if (radio_mode == COM_MODE && powered == 1 && emergency_selected == 0) trigger_key_event(profile::COM_SWAP, 0);
    if (radio_mode == COM_MODE && powered == 1 && menu_state == COM_MENU) menu_state = MENU_CLOSED;
    // The NAV swap works with a NAV prompt on the display, which stays.
    if (radio_mode == NAV_MODE && powered == 1) trigger_key_event(profile::NAV_SWAP, 0);
    if (powered == 1 && emergency_selected == 1) {
        tune_emergency_channel(com_standby_mhz, COM_TUNING);
        emergency_selected = 0;
    }
    return 0;
}

// COM and NAV choose the radio and close the menu, powered or not.
template <Mode mode>
int32_t GAUGE_CALL radio_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    radio_mode = mode;
    menu_state = MENU_CLOSED;
    emergency_selected = 0;
    return 0;
}

// T/F alternates between the TO bearing and the FROM radial, only while a VOR is received on the bearing page.
int32_t GAUGE_CALL tf_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    if (powered == 1 && radio_mode == NAV_MODE && nav_active_mhz > VOR_ABOVE_MHZ && to_from > 0 && obs_mode == 0 &&
        menu_state == MENU_CLOSED) {
        ++bearing_mode;
        dme_page = 0;
    }
    if (bearing_mode > 1) bearing_mode = 0;
    return 0;
}

// ID cycles off, IDENT, VOICE in NAV mode. The receiver's audio comes on with IDENT and goes off with the step
// back to off; each message shows for three seconds.
int32_t GAUGE_CALL id_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    const bool stepped = radio_mode == NAV_MODE && menu_state == MENU_CLOSED && powered == 1;
    if (stepped) ++ident_state;
    if (ident_state > VOICE_ON) ident_state = IDENT_OFF;
    if (stepped && (ident_state == IDENT_OFF || ident_state == IDENT_ON))
        trigger_key_event(profile::NAV_AUDIO_TOGGLE, 0);
    if (ident_state > IDENT_OFF) {
        message_end_tick = truncate_to_int(var(TICKS_VAR) + MESSAGE_TICKS);
        message_shown = 1;
    }
    return 0;
}

// The dual concentric knob, one callback per half: the outer ring steps MHz and turns the course in large
// steps, the inner knob steps kHz and the course in small ones. The outer ring also picks the menu item.
template <bool outer, uint32_t com_step, uint32_t nav_step, uint32_t course_step>
int32_t GAUGE_CALL tuning_knob(PIXPOINT*, uint32_t)
{
    if (radio_mode == COM_MODE && powered == 1 && obs_mode == 0 && menu_state == MENU_CLOSED && emergency_selected == 0)
        trigger_key_event(com_step, 0);
    if (radio_mode == NAV_MODE && powered == 1 && obs_mode == 0 && menu_state == MENU_CLOSED)
        trigger_key_event(nav_step, 0);
    // On the course page the knobs turn the course of a VOR; a localizer's course is its own.
    if (obs_mode == 1 && powered == 1 && nav_active_mhz > VOR_ABOVE_MHZ) trigger_key_event(course_step, 0);
    if constexpr (outer) {
        if (menu_state == COM_MENU) emergency_selected = 1;
        else if (menu_state == NAV_MENU) menu_state = dme_page == 0 ? SHOW_DME_MENU : REMOVE_DME_MENU;
    }
    return 0;
}

// SYS closes the menu and works the monitor as the COM radio's MON key does.
int32_t GAUGE_CALL sys_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    menu_state = MENU_CLOSED;
    emergency_selected = 0;
    toggle_monitor(monitor_on, powered);
    return 0;
}

// OBS toggles the course page, powered or not; opening it closes the menu and the DME page.
int32_t GAUGE_CALL obs_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    obs_mode = obs_mode == 0 ? 1 : 0;
    if (obs_mode == 1) {
        menu_state = MENU_CLOSED;
        emergency_selected = 0;
        dme_page = 0;
    }
    return 0;
}

// SEL opens the chosen radio's menu; pressed again on the emergency item it goes back to select COM ?.
int32_t GAUGE_CALL sel_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    if (menu_state == MENU_CLOSED && powered == 1) menu_state = radio_mode == COM_MODE ? COM_MENU : NAV_MENU;
    if (menu_state > MENU_CLOSED) {
        obs_mode = 0;
        emergency_selected = 0;
    }
    return 0;
}

// ENT answers the DME prompts and nothing else, silently.
int32_t GAUGE_CALL ent_key(PIXPOINT*, uint32_t)
{
    if (menu_state == SHOW_DME_MENU) {
        dme_page = 1;
        menu_state = MENU_CLOSED;
    } else if (menu_state == REMOVE_DME_MENU) {
        dme_page = 0;
        menu_state = MENU_CLOSED;
    }
    return 0;
}

constexpr MOUSERECT hotspots[] = {
    hotspot_parent(),
    hotspot(26, 65, 20, 39, CURSOR_DOWNARROW, power_knob_left),
    hotspot(46, 65, 20, 39, CURSOR_UPARROW, power_knob_right),
    hotspot(91, 75, 56, 29, CURSOR_HAND, transfer_key),
    hotspot(161, 75, 34, 32, CURSOR_HAND, radio_key<COM_MODE>),
    hotspot(202, 75, 34, 31, CURSOR_HAND, radio_key<NAV_MODE>),
    hotspot(357, 75, 33, 31, CURSOR_HAND, tf_key),
    hotspot(397, 74, 34, 32, CURSOR_HAND, id_key),
    hotspot(525, 57, 21, 55, CURSOR_DOWNARROW,
            tuning_knob<true, profile::COM_STANDBY_MHZ_DOWN, profile::NAV_STANDBY_MHZ_DOWN, profile::COURSE_OUTER_DOWN>),
    hotspot(550, 70, 17, 39, CURSOR_DOWNARROW,
            tuning_knob<false, profile::COM_STANDBY_KHZ_DOWN, profile::NAV_STANDBY_KHZ_DOWN, profile::COURSE_INNER_DOWN>),
    hotspot(567, 70, 17, 39, CURSOR_UPARROW,
            tuning_knob<false, profile::COM_STANDBY_KHZ_UP, profile::NAV_STANDBY_KHZ_UP, profile::COURSE_INNER_UP>),
    hotspot(584, 57, 13, 55, CURSOR_UPARROW,
            tuning_knob<true, profile::COM_STANDBY_MHZ_UP, profile::NAV_STANDBY_MHZ_UP, profile::COURSE_OUTER_UP>),
    hotspot(244, 75, 34, 31, CURSOR_HAND, sys_key),
    hotspot(285, 75, 34, 32, CURSOR_HAND, obs_key),
    hotspot(438, 77, 32, 28, CURSOR_HAND, sel_key),
    hotspot(479, 78, 32, 25, CURSOR_HAND, ent_key),
    hotspot_end_of_parent(),
    hotspot_end_of_list(),
};
static_assert(std::size(hotspots) == HOTSPOT_COUNT + 3, "hotspot table and its numbering disagree");

} // namespace
