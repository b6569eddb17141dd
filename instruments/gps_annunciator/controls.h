// The annunciator unit's keys: NAV/GPS switches the simulation's navigation source, TEST lights every lamp,
// GPS SEQ latches.
#pragma once

#include <iterator>

namespace {

int32_t GAUGE_CALL nav_gps_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    if (bus_power == 1) trigger_key_event(NAV_SOURCE_TOGGLE, 0);
    return 0;
}

// Silent. With power it toggles the lamp test; without, it can only end it.
int32_t GAUGE_CALL test_button(PIXPOINT*, uint32_t)
{
    lamp_test = (bus_power == 1 && lamp_test == 0) ? 1 : 0;
    return 0;
}

// The latch toggles with or without power; it shows once power returns.
int32_t GAUGE_CALL gps_seq_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    seq_latched = 1 - seq_latched;
    return 0;
}

constexpr MOUSERECT key_hotspot(const int32_t (&box)[4], MOUSE_CALLBACK cb)
{
    return hotspot(box[0], box[1], box[2], box[3], CURSOR_HAND, cb);
}

constexpr MOUSERECT hotspots[] = {
    hotspot_parent(),
    key_hotspot(profile::NAV_GPS_KEY_BOX, nav_gps_key),
    key_hotspot(profile::TEST_BUTTON_BOX, test_button),
    key_hotspot(profile::GPS_SEQ_KEY_BOX, gps_seq_key),
    hotspot_end_of_parent(),
    hotspot_end_of_list(),
};
static_assert(std::size(hotspots) == HOTSPOT_COUNT + 3, "hotspot table and its numbering disagree");

} // namespace
