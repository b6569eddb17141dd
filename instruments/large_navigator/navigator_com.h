// The COM section of the GPS/COM builds: the active and standby frequencies on the bottom line of the
// screen, the COM soft key, the transfer area and INFO. The unit owns no frequency: the simulation keeps
// both, the unit shows them and steps them with the build profile's key events, using its own dual knob
// while the COM key has put it in COM mode.
#pragma once

#include "../com_radio/bcd_frequency.h"

namespace {

constexpr uint32_t MONITOR_ON = 66513;    // 0x103D1
constexpr uint32_t MONITOR_OFF = 66514;   // 0x103D2

void tune_com(ComStep step)
{
    switch (step) {
    case COM_MHZ_DOWN: trigger_key_event(profile::STANDBY_MHZ_DOWN, 0); break;
    case COM_MHZ_UP: trigger_key_event(profile::STANDBY_MHZ_UP, 0); break;
    case COM_KHZ_DOWN: trigger_key_event(profile::STANDBY_KHZ_DOWN, 0); break;
    case COM_KHZ_UP: trigger_key_event(profile::STANDBY_KHZ_UP, 0); break;
    }
}

bool com_line_shown() { return powered == 1 && page_group > 9; }

FLOAT64 GAUGE_CALL active_frequency_cb(ELEMENT_STRING* e)
{
    const float mhz = bcd_frequency_mhz(e->source_var[0].var_value.i);
    set_hidden(e->header, !com_line_shown());
    write_text(e, "a%3.2f", static_cast<double>(mhz));
    return 13.0;
}

FLOAT64 GAUGE_CALL standby_frequency_cb(ELEMENT_STRING* e)
{
    const float mhz = bcd_frequency_mhz(e->source_var[0].var_value.i);
    set_hidden(e->header, !com_line_shown());
    write_text(e, "s%3.2f", static_cast<double>(mhz));
    return 13.0;
}

// The first press while operating selects COM mode; every further press swaps. A count left from before
// still selects COM mode and swaps when the unit is in its self-test or off.
int32_t GAUGE_CALL com_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    if (powered == 1 && page_group > 9) com_key_count += 1;
    if (com_key_count > 0) gps_knobs = 0;
    if (com_key_count > 2) com_key_count = 2;
    if (com_key_count == 2) trigger_key_event(profile::SWAP, 0);
    return 0;
}

// The double arrow on the screen swaps the frequencies in COM mode.
int32_t GAUGE_CALL transfer_area(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    if (powered == 1 && gps_knobs == 0) trigger_key_event(profile::SWAP, 0);
    return 0;
}

// INFO ends any editing and toggles monitoring of the radio; unpowered it can only switch it off, and says
// so on every click.
int32_t GAUGE_CALL info_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    edit_mode = 0;
    if (powered == 1 && monitor_on == 0) monitor_on = 1;
    else monitor_on = 0;
    trigger_key_event(monitor_on == 1 ? MONITOR_ON : MONITOR_OFF, 0);
    return 0;
}

} // namespace
