// The calls a gauge makes to its host. Every call reads the services pointer from ImportTable at the
// moment of the call, so a host may fill or change it at any time before it drives the gauge. A gauge
// never examines a result: with no host behind the table, a call simply does nothing.
#pragma once

#include "gauge_abi.h"

#if defined(_WIN32)
#include <windows.h>
#include <mmsystem.h>
#endif

extern "C" IMPORT_TABLE ImportTable;

namespace {

PANEL_SERVICES* panel_services()
{
    return static_cast<PANEL_SERVICES*>(ImportTable.services.ptr);
}

[[maybe_unused]] void lookup_var(MODULE_VAR* var)
{
    if (PANEL_SERVICES* s = panel_services(); s && s->lookup_var) s->lookup_var(var);
}

[[maybe_unused]] void trigger_key_event(uint32_t event, uint32_t value)
{
    if (PANEL_SERVICES* s = panel_services(); s && s->trigger_key_event) s->trigger_key_event(event, value);
}

[[maybe_unused]] void register_var_by_name(void* var, int32_t var_type, const char* name)
{
    if (PANEL_SERVICES* s = panel_services(); s && s->register_var_by_name) s->register_var_by_name(var, var_type, name);
}

[[maybe_unused]] void unregister_var_by_name(const char* name)
{
    if (PANEL_SERVICES* s = panel_services(); s && s->unregister_var_by_name) s->unregister_var_by_name(name);
}

[[maybe_unused]] void initialize_var_by_name(MODULE_VAR* var, const char* name)
{
    if (PANEL_SERVICES* s = panel_services(); s && s->initialize_var_by_name) s->initialize_var_by_name(var, name);
}

// Click sounds. On Windows the simulator expects the gauge to play them itself through the multimedia
// library; elsewhere our host plays them through its services table.
[[maybe_unused]] void play_sound(const char* file)
{
#if defined(_WIN32)
    PlaySoundA(file, nullptr, SOUND_ASYNC_FROM_FILE);
#else
    if (PANEL_SERVICES* s = panel_services(); s && s->play_sound) s->play_sound(file, SOUND_ASYNC_FROM_FILE);
#endif
}

constexpr const char CLICK_SOUND[]      = "sound\\click.wav";
constexpr const char SOFT_CLICK_SOUND[] = "sound\\soft_click.wav";
constexpr const char MARKER_TEST_TONE[] = "sound\\omi_test.wav";

} // namespace
