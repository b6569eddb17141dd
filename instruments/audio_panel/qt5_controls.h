// The compact audio panel's keys, volume knob, rotary selector and marker switch, in hotspot table order.
// The Com keys and the rotary selector choose the COM radio on the panel alone: they send no key event.
#pragma once

#include "qt5_faceplate.h"
#include "selection_keys.h"

namespace {

using namespace audio_panel_qt5;

// Com1 and Com2 flip their own selection; selecting one deselects the other, and a second press leaves
// neither selected.
template <int32_t& chosen, int32_t& other>
int32_t GAUGE_CALL com_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    chosen = 1 - chosen;
    if (chosen == 1) other = 0;
    return 0;
}

// The volume knob is the power switch; it clicks on every press of either half, turned or not.
int32_t GAUGE_CALL volume_left(PIXPOINT*, uint32_t)
{
    play_sound(CLICK_SOUND);
    if (power_switch == 1) power_switch = 0;
    return 0;
}

int32_t GAUGE_CALL volume_right(PIXPOINT*, uint32_t)
{
    play_sound(CLICK_SOUND);
    if (power_switch == 0) power_switch = 1;
    return 0;
}

// Com 2 and Com 1 select their radio, again after a Com key changed it; the split positions keep the
// selection.
void apply_selector()
{
    if (selector == COM_2) {
        com1_selected = 0;
        com2_selected = 1;
    }
    if (selector == COM_1) {
        com2_selected = 0;
        com1_selected = 1;
    }
}

int32_t GAUGE_CALL rotary_anticlockwise(PIXPOINT*, uint32_t)
{
    turn_selector(-1, COM_2, COM_2_1);
    apply_selector();
    return 0;
}

int32_t GAUGE_CALL rotary_clockwise(PIXPOINT*, uint32_t)
{
    turn_selector(+1, COM_2, COM_2_1);
    apply_selector();
    return 0;
}

constexpr MOUSERECT hotspots[] = {
    hotspot_parent(),
    hotspot(147, 15, 50, 30, CURSOR_HAND, com_key<com1_selected, com2_selected>),
    hotspot(147, 55, 50, 30, CURSOR_HAND, com_key<com2_selected, com1_selected>),
    hotspot(208, 15, 50, 30, CURSOR_HAND, receiver_key<nav1_audio, NAV1_AUDIO_TOGGLE>),
    hotspot(208, 55, 50, 30, CURSOR_HAND, receiver_key<nav2_audio, NAV2_AUDIO_TOGGLE>),
    hotspot(297, 15, 50, 30, CURSOR_HAND, receiver_key<marker_audio, MARKER_AUDIO_TOGGLE>),
    hotspot(297, 55, 50, 30, CURSOR_HAND, own_key<ics_on>),
    hotspot(359, 15, 50, 30, CURSOR_HAND, receiver_key<adf_audio, ADF_AUDIO_TOGGLE>),
    hotspot(359, 55, 50, 30, CURSOR_HAND, own_key<aux_on>),
    hotspot(420, 15, 50, 30, CURSOR_HAND, dme_key),
    hotspot(420, 55, 50, 30, CURSOR_HAND, own_key<speaker_on>),
    hotspot(29, 44, 26, 56, CURSOR_DOWNARROW, volume_left),
    hotspot(55, 44, 30, 56, CURSOR_UPARROW, volume_right),
    hotspot(513, 18, 31, 63, CURSOR_DOWNARROW, rotary_anticlockwise),
    hotspot(544, 18, 30, 65, CURSOR_UPARROW, rotary_clockwise),
    hotspot(105, 21, 17, 20, CURSOR_HAND, marker_switch_click),
    hotspot_end_of_parent(),
    hotspot_end_of_list(),
};
static_assert(std::size(hotspots) == HOTSPOT_COUNT + 3, "hotspot table and its numbering disagree");

} // namespace
