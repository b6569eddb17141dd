// The controls both audio panels share: receiver, own and DME keys, the rotary selector's turn, the marker
// switch; and the named variables they publish. Every key clicks softly, powered or not, and flips what it
// shows at once; a receiver key also asks the simulation to toggle that receiver, but only while the panel
// is powered: an unpowered panel cannot switch audio, and the next refresh from the simulation puts the
// light back.
#pragma once

#include "audio_state.h"

namespace {

// N1, N2, M, A and their counterparts on the compact panel.
template <int32_t& mirror, uint32_t toggle_event>
int32_t GAUGE_CALL receiver_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    mirror = one_minus(mirror);
    if (powered == 1) trigger_key_event(toggle_event, 0);
    return 0;
}

// AX, S, ICS: lights of the panel's own, nothing for the simulation.
template <int32_t& flag>
int32_t GAUGE_CALL own_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    flag = 1 - flag;
    return 0;
}

// The DME audio of the DME the panel was told to address; none while that is neither 1 nor 2.
void toggle_selected_dme()
{
    if (dme_select == 1) trigger_key_event(DME1_AUDIO_TOGGLE, 0);
    if (dme_select == 2) trigger_key_event(DME2_AUDIO_TOGGLE, 0);
}

int32_t GAUGE_CALL dme_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    dme_audio = one_minus(dme_audio);
    if (powered == 1) toggle_selected_dme();
    return 0;
}

// Turns the rotary selector one position (step -1 or +1) within its stops; it clicks only when it turns.
void turn_selector(int32_t step, int32_t lowest, int32_t highest)
{
    if (step < 0 ? selector > lowest : selector < highest) play_sound(CLICK_SOUND);
    selector = selector + step;
    if (selector < lowest) selector = lowest;
    if (selector > highest) selector = highest;
}

// HI, LO, TEST: each click moves the lever one place on, LO to TEST to HI and back to LO, while powered.
// Reaching TEST sounds the three marker tones; a click without power leaves the lever where it is, and if
// it stands at TEST the tones sound again.
int32_t GAUGE_CALL marker_switch_click(PIXPOINT*, uint32_t)
{
    play_sound(CLICK_SOUND);
    if (powered == 1) marker_switch = marker_switch + 1;
    if (marker_switch == 1) play_sound(MARKER_TEST_TONE);
    if (marker_switch > 2) marker_switch = 0;
    return 0;
}

// "nav1" and "nav2": the NAV audio selections for other gauges of the panel.
void publish_nav_audio()
{
    register_var_by_name(&nav1_audio, NAMED_VAR_TYPE_INT32, "nav1");
    register_var_by_name(&nav2_audio, NAMED_VAR_TYPE_INT32, "nav2");
}

void withdraw_nav_audio()
{
    unregister_var_by_name("nav1");
    unregister_var_by_name("nav2");
}

} // namespace
