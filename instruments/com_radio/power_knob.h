// The radios' power knob: a click on its left half turns it off, on its right half on, and it clicks only
// when it actually turns. The COM radio and the NAV/COM radio share it.
#pragma once

#include <cstdint>

#include "host_services.h"

namespace {

// Turns the switch to `position` (0 off, 1 on); true when it moved.
[[maybe_unused]] bool turn_power_knob(int32_t& power_switch, int32_t position)
{
    if (power_switch == position) return false;
    power_switch = position;
    play_sound(CLICK_SOUND);
    return true;
}

} // namespace
