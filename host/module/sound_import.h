// Windows gauges play their click sounds themselves, with PlaySoundA from WINMM, as the simulator expects
// of them. The host stands in for the simulator and its sound system, so it points the module's import of
// PlaySoundA at a function of its own that hands each sound to the services table's play_sound, where a
// native module's sounds arrive: both builds of a gauge then show the same sounds in a trace.
#pragma once

#include "gauge_abi.h"

namespace host {

// Redirects the PlaySoundA import of the loaded module `module_handle` to `services->play_sound`. Native
// modules call play_sound themselves: there it does nothing.
void route_sound_import(void* module_handle, PANEL_SERVICES* services);

} // namespace host
