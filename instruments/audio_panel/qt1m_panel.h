// The audio panel with its marker-beacon receiver: what it reads on every update, its update and its
// one-time reset. The faceplate and the controls are in the files included below.
#pragma once

#include "audio_state.h"
#include "qt1m_faceplate.h"

namespace {

// Refreshed on every update, in this order.
enum ModuleVar : int {
    VAR_NONE,
    VAR_BUS_POWER,
    VAR_MARKER_BEACON,
    VAR_NAV1_AUDIO,
    VAR_NAV2_AUDIO,
    VAR_DME_AUDIO,
    VAR_MARKER_AUDIO,
    VAR_ADF_AUDIO,
    VAR_COM1_TRANSMIT,
    VAR_COM2_TRANSMIT,
    MODULE_VAR_COUNT,
};

MODULE_VAR module_vars[] = {
    module_var(0),          module_var(BUS_POWER),    module_var(MARKER_BEACON), module_var(NAV1_AUDIO),
    module_var(NAV2_AUDIO), module_var(DME_AUDIO),    module_var(MARKER_AUDIO),  module_var(ADF_AUDIO),
    module_var(COM1_TRANSMIT), module_var(COM2_TRANSMIT),
};
static_assert(std::size(module_vars) == MODULE_VAR_COUNT, "module variables and their numbering disagree");

int32_t token_int(ModuleVar v)
{
    return truncate_to_int(module_vars[v].var_value.f);
}

} // namespace

#include "qt1m_controls.h"
#include "qt1m_display.h"

namespace {

void update()
{
    for (MODULE_VAR& var : module_vars) lookup_var(&var);
    bus_power = token_int(VAR_BUS_POWER);
    powered = powered_from(bus_power, power_switch);
    // Without power the receiver keeps its last beacon; the lamps are dark anyway.
    if (powered == 1) marker_beacon = token_int(VAR_MARKER_BEACON);
    // The simulation has the last word on every selection, over any key pressed since the last update.
    nav1_audio = token_int(VAR_NAV1_AUDIO);
    dme_audio = token_int(VAR_DME_AUDIO);
    marker_audio = token_int(VAR_MARKER_AUDIO);
    nav2_audio = token_int(VAR_NAV2_AUDIO);
    adf_audio = token_int(VAR_ADF_AUDIO);
    if (powered == 0) switch_off_sequence();
    // OFF is fail-safe: the pilot talks on COM1.
    if (power_switch == 0) {
        com1_selected = 1;
        com2_selected = 0;
        trigger_key_event(COM1_SELECT, 0);
    }
}

// After loading the selector stands at OFF, COM1 selected, every light dark.
void one_time_reset()
{
    selector = OFF;
    power_switch = 0;
    bus_power = 0;
    powered = 0;
    com1_selected = 1;
    com2_selected = 0;
    nav1_audio = 0;
    nav2_audio = 0;
    dme_audio = 0;
    marker_audio = 0;
    adf_audio = 0;
    aux_on = 0;
    speaker_on = 0;
    dme_select = 0;
    marker_beacon = 0;
    marker_switch = 0;
}

} // namespace
