// The compact audio panel: what it reads on every update, its update and its one-time reset. The
// faceplate and the controls are in the files included below.
#pragma once

#include "audio_state.h"
#include "qt5_faceplate.h"

namespace {

int32_t ics_on = 0;   // the intercom key's own light

// Refreshed on every update, in this order. The receiver selections are read by the key lamps as they draw.
enum ModuleVar : int {
    VAR_NONE,
    VAR_BUS_POWER,
    VAR_MARKER_BEACON,
    VAR_DME_SOURCE,
    VAR_NAV1_AUDIO,
    VAR_NAV2_AUDIO,
    VAR_MARKER_AUDIO,
    VAR_ADF_AUDIO,
    VAR_DME_AUDIO,
    MODULE_VAR_COUNT,
};

MODULE_VAR module_vars[] = {
    module_var(0),          module_var(BUS_POWER),  module_var(MARKER_BEACON), module_var(DME_SOURCE),
    module_var(NAV1_AUDIO), module_var(NAV2_AUDIO), module_var(MARKER_AUDIO),  module_var(ADF_AUDIO),
    module_var(DME_AUDIO),
};
static_assert(std::size(module_vars) == MODULE_VAR_COUNT, "module variables and their numbering disagree");

int32_t token_int(ModuleVar v)
{
    return truncate_to_int(module_vars[v].var_value.f);
}

} // namespace

#include "qt5_controls.h"
#include "qt5_display.h"

namespace {

// Power and the marker receiver only: the panel never switches a selection itself.
void update()
{
    for (MODULE_VAR& var : module_vars) lookup_var(&var);
    bus_power = token_int(VAR_BUS_POWER);
    powered = powered_from(bus_power, power_switch);
    if (powered == 1) marker_beacon = token_int(VAR_MARKER_BEACON);
}

// After loading the knob is off, the selector at Com 1 and the marker audio selected, in the simulation
// too: 66478 clears the marker selection, whatever it was, and 66477 sets it.
void one_time_reset()
{
    com2_selected = 0;
    ics_on = 0;
    aux_on = 0;
    speaker_on = 0;
    power_switch = 0;
    marker_beacon = 0;
    selector = COM_1;
    nav2_audio = 0;
    powered = 0;
    com1_selected = 1;
    nav1_audio = 0;
    marker_audio = 1;
    adf_audio = 0;
    dme_audio = 0;
    trigger_key_event(MARKER_AUDIO_OFF, 0);
    trigger_key_event(MARKER_AUDIO_TOGGLE, 0);
    dme_select = 0;
    marker_switch = 0;
}

} // namespace
