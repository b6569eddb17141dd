// The audio panel's keys, rotary selector and marker switch, in hotspot table order.
#pragma once

#include "qt1m_faceplate.h"
#include "selection_keys.h"

namespace {

using namespace audio_panel_qt1m;

// Every receiver still selected in the simulation is toggled off, each as its mirror stands now: on an
// unpowered panel, so that it leaves nothing selected, and in the split positions of the selector.
void switch_off_sequence()
{
    if (nav1_audio == 1) trigger_key_event(NAV1_AUDIO_TOGGLE, 0);
    if (nav2_audio == 1) trigger_key_event(NAV2_AUDIO_TOGGLE, 0);
    if (marker_audio == 1) trigger_key_event(MARKER_AUDIO_TOGGLE, 0);
    if (dme_audio == 1) toggle_selected_dme();
    if (adf_audio == 1) trigger_key_event(ADF_AUDIO_TOGGLE, 0);
}

// C1 and C2 choose the COM radio the pilot talks on, powered or not.
template <uint32_t select_event, int32_t& chosen, int32_t& other>
int32_t GAUGE_CALL com_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    chosen = 1;
    other = 0;
    trigger_key_event(select_event, 0);
    return 0;
}

// Any position but OFF switches the panel on; COM 1 and COM 2 select their radio on the panel alone (the
// simulation's selection follows only C1, C2 and OFF).
void apply_selector()
{
    power_switch = selector != OFF ? 1 : 0;
    if (selector == COM_1 && com1_selected == 0) {
        com1_selected = 1;
        com2_selected = 0;
    }
    if (selector == COM_2 && com2_selected == 0) {
        com2_selected = 1;
        com1_selected = 0;
    }
}

int32_t GAUGE_CALL rotary_anticlockwise(PIXPOINT*, uint32_t)
{
    turn_selector(-1, OFF, TEL_COM_1);
    apply_selector();
    return 0;
}

// Turning into or within the split positions switches every selected receiver off.
int32_t GAUGE_CALL rotary_clockwise(PIXPOINT*, uint32_t)
{
    turn_selector(+1, OFF, TEL_COM_1);
    apply_selector();
    if (selector > COM_2) switch_off_sequence();
    return 0;
}

constexpr MOUSERECT hotspots[] = {
    hotspot_parent(),
    hotspot(296, 21, 27, 28, CURSOR_HAND, com_key<COM1_SELECT, com1_selected, com2_selected>),
    hotspot(335, 21, 25, 27, CURSOR_HAND, com_key<COM2_SELECT, com2_selected, com1_selected>),
    hotspot(296, 61, 26, 25, CURSOR_HAND, receiver_key<nav1_audio, NAV1_AUDIO_TOGGLE>),
    hotspot(335, 61, 26, 25, CURSOR_HAND, receiver_key<nav2_audio, NAV2_AUDIO_TOGGLE>),
    hotspot(410, 22, 26, 26, CURSOR_HAND, receiver_key<marker_audio, MARKER_AUDIO_TOGGLE>),
    hotspot(448, 21, 27, 28, CURSOR_HAND, receiver_key<adf_audio, ADF_AUDIO_TOGGLE>),
    hotspot(373, 61, 25, 25, CURSOR_HAND, own_key<aux_on>),
    hotspot(372, 21, 27, 28, CURSOR_HAND, dme_key),
    hotspot(448, 60, 26, 26, CURSOR_HAND, own_key<speaker_on>),
    hotspot(508, 25, 29, 60, CURSOR_DOWNARROW, rotary_anticlockwise),
    hotspot(537, 24, 29, 64, CURSOR_UPARROW, rotary_clockwise),
    hotspot(57, 23, 20, 25, CURSOR_HAND, marker_switch_click),
    hotspot_end_of_parent(),
    hotspot_end_of_list(),
};
static_assert(std::size(hotspots) == HOTSPOT_COUNT + 3, "hotspot table and its numbering disagree");

} // namespace
