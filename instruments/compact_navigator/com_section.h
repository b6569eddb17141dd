// The COM transceiver of the COM builds: the active and standby frequencies on the left of the line in COM
// mode, the dual knob tuning the standby frequency, the transfer key, the COM key and the COM monitor on
// the SYS key with its lamp. The frequency text is the COM radio's own.
#pragma once

#include <cstdint>

#include "../com_radio/bcd_frequency.h"

namespace {

constexpr uint32_t MONITOR_ON  = 66513;   // 0x103D1
constexpr uint32_t MONITOR_OFF = 66514;   // 0x103D2

bool com_frequencies_shown()
{
    return powered == 1 && gps_knobs == 0 && screen_stage == 0;
}

FLOAT64 GAUGE_CALL active_frequency_cb(ELEMENT_STRING* e)
{
    const float mhz = bcd_frequency_mhz(e->source_var[0].var_value.i);
    show(e, com_frequencies_shown());
    write_text(e, "%3.2f", mhz);
    return 13.0;
}

FLOAT64 GAUGE_CALL standby_frequency_cb(ELEMENT_STRING* e)
{
    const float mhz = bcd_frequency_mhz(e->source_var[0].var_value.i);
    show(e, com_frequencies_shown());
    write_text(e, "s%3.2f", mhz);
    return 13.0;
}

FLOAT64 GAUGE_CALL sys_lamp_cb(ELEMENT_ICON* e)
{
    show(e, powered == 1 && monitor_on == 1);
    return own_value(e);
}

// The dual knob tunes the standby frequency in COM mode, silently.
void tune_standby(uint32_t event)
{
    if (powered == 1 && gps_knobs == 0) trigger_key_event(event, 0);
}

int32_t GAUGE_CALL transfer_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    if (powered == 1 && gps_knobs == 0) trigger_key_event(profile::SWAP, 0);
    return 0;
}

// COM mode only from the pages: not during the self-test or a message view. The page stays as it was.
int32_t GAUGE_CALL com_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    if (powered == 1 && screen_stage == 0) gps_knobs = 0;
    return 0;
}

// SYS ends any editing (the cursor stays where it was) and toggles the COM monitor while powered;
// unpowered it can only switch monitoring off, and says so every time.
int32_t GAUGE_CALL sys_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    edit_mode = 0;
    monitor_on = (powered == 1 && monitor_on == 0) ? 1 : 0;
    trigger_key_event(monitor_on == 1 ? MONITOR_ON : MONITOR_OFF, 0);
    return 0;
}

} // namespace
