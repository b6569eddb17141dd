// What the transponder does on every update: power, the reply light, the blinking, the identification.
#pragma once

#include <cmath>

namespace {

void update()
{
    bus_power = truncate_to_int(bus_power_var.var_value.f);
    clock_seconds = truncate_to_int(simulation_time_var.var_value.f);
    powered = powered_from(bus_power, power_switch);

    // Without power the transponder falls back to standby; the code in the simulation is untouched, and a
    // running identification keeps running.
    if (powered == 0) {
        selected_digit = 0;
        mode = MODE_STANDBY;
        alt_hold = 0;
        vfr_active = 0;
    }

    const double second_parity = std::fmod(static_cast<double>(clock_seconds), 2.0);

    // In a replying mode the IDENT light blinks, lit in the even seconds, while no digit is being entered.
    reply_light = (mode > MODE_STANDBY && ident_active == 0 && second_parity == 0.0 && selected_digit == 0) ? 1 : 0;
    digit_blink = (selected_digit > 0 && second_parity == 0.0) ? 1 : 0;
    deviation_blink = (alt_hold == 1 && second_parity == 1.0) ? 1 : 0;

    // The identification holds the light on for its period. It ends once the clock has reached its end
    // second, or has gone back before the second it began in: a clock that jumps either way must not leave
    // the transponder identifying until IDENT is pressed again.
    if (ident_active == 1) {
        const bool ended = clock_seconds >= ident_end ||
                           static_cast<double>(clock_seconds) < static_cast<double>(ident_end) - IDENT_SECONDS;
        if (ended) ident_active = 0;
        else reply_light = 1;
    }
}

} // namespace
