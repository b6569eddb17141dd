// The navigator's state: the module variables it reads on every update and its own state variables, all
// module-level, shared by the update, the controls and the displays. Everything is 0 at load; the one-time
// reset gives each its start value.
#pragma once

#include <cstdint>

namespace {

// ---- Module variables, refreshed in this order at the start of every update ---------------------------

enum ModuleVarIndex : int {
    VAR_BUS_POWER,          // 773
    VAR_BEARING,            // 836 radians to the TO waypoint
    VAR_DISTANCE,           // 835 metres to the TO waypoint
    VAR_CROSS_TRACK,        // 837 metres, positive: the desired track lies to the right
    VAR_GROUND_SPEED,       // 832 metres per second
    VAR_UNUSED_834,         // 834
    VAR_DESIRED_TRACK,      // 838 radians
    VAR_UNUSED_2,           // 2
    VAR_HEIGHT_TERM,        // 614 metres
    VAR_SIMULATION_TIME,    // 604 seconds
    VAR_UTC_HOUR,           // 6
    VAR_UTC_MINUTE,         // 7
    VAR_LATITUDE,           // 827 111130.555557 per degree
    VAR_LONGITUDE,          // 828 11930430 per degree
    VAR_EMPTY,              // 0
    VAR_TICKS,              // 1, 18 a second
    VAR_CLOCK_SECOND,       // 5
    VAR_UNUSED_875,         // 875
    VAR_BARO_ALTITUDE,      // 74 feet
    VAR_ALTIMETER_SETTING,  // 75 millibars
    VAR_ENCODER_ALTITUDE,   // 73 metres
    VAR_VERTICAL_SPEED,     // 65 1/256 metre per second
    VAR_WIND_DIRECTION,     // 344
    VAR_HEADING,            // 81 degrees
    VAR_WIND_SPEED,         // 343
    VAR_AIRSPEED,           // 61
    MODULE_VAR_COUNT,
};

MODULE_VAR module_vars[] = {
    module_var(773), module_var(836), module_var(835), module_var(837), module_var(832), module_var(834),
    module_var(838), module_var(2),   module_var(614), module_var(604), module_var(6),   module_var(7),
    module_var(827), module_var(828), module_var(0),   module_var(1),   module_var(5),   module_var(875),
    module_var(74),  module_var(75),  module_var(73),  module_var(65),  module_var(344), module_var(81),
    module_var(343), module_var(61),
};
static_assert(std::size(module_vars) == MODULE_VAR_COUNT, "module variables and their numbering disagree");

// A module variable as the last update left it.
double sim(ModuleVarIndex v) { return module_vars[v].var_value.f; }

// ---- State variables ----------------------------------------------------------------------------------

int32_t bus_power = 0;
int32_t power_switch = 0;       // 0 off, 1 on
int32_t powered = 0;
int32_t page_group = 0;         // 0 to 3 self-test steps; 10 navigation, 20 altitude, 30 position, 40 timer
int32_t sub_page = 0;
int32_t test_target = 0;        // tick count at which the current self-test step ends
int32_t gps_knobs = 0;          // 1: the dual knob drives the pages; 0: it tunes the COM radio
int32_t edit_mode = 0;
int32_t cursor_field = 0;       // timer page 1 h, 2 min, 3 s; UTC page 1 h, 2 min
int32_t msg_code = 0;           // 0 none, 1 count-down expired, 2 empty TO waypoint, 3 arrival
int32_t msg_view = 0;
int32_t published_msg = 0;      // "send_msg"
int32_t gps_flags = 0;
int32_t to_valid = 0;
int32_t blink_on = 0;

int32_t flight_start = 0;
int32_t flight_running = 0;
int32_t flight_secs = 0;
int32_t flight_hours = 0;
int32_t flight_minutes = 0;

int32_t cd_hours_set = 0;
int32_t cd_minutes_set = 0;
int32_t cd_seconds_set = 0;
int32_t cd_remaining = 0;
int32_t cd_running = 0;
int32_t cd_end = 0;
int32_t cd_hours = 0;
int32_t cd_minutes = 0;
int32_t cd_seconds = 0;

float   ete_hours = 0.0f;
int32_t ete_minutes = 0;

int32_t track_deg = 0;
int32_t lat_deg = 0;
float   lat_min = 0.0f;
int32_t lon_deg = 0;
float   lon_min = 0.0f;

int32_t hold_alt = 0;           // hundreds of feet
int32_t end_alt = 0;            // hundreds of feet

int32_t com_key_count = 0;      // 0, 1 COM mode selected, 2 pressed again
int32_t monitor_on = 0;

// Every state variable's start value; the hold and descent end altitudes start from the barometric
// altitude the last update read.
void reset_state()
{
    bus_power = 0;
    power_switch = 0;
    powered = 0;
    page_group = 0;
    sub_page = 0;
    test_target = 0;
    gps_knobs = 0;
    edit_mode = 0;
    cursor_field = 0;
    msg_code = 0;
    msg_view = 0;
    published_msg = 0;
    gps_flags = 0;
    to_valid = 0;
    blink_on = 0;
    flight_start = flight_running = flight_secs = flight_hours = flight_minutes = 0;
    cd_hours_set = 0;
    cd_minutes_set = 3;
    cd_seconds_set = 0;
    cd_remaining = cd_running = cd_end = cd_hours = cd_minutes = cd_seconds = 0;
    ete_hours = 0.0f;
    ete_minutes = 0;
    track_deg = 0;
    lat_deg = 0;
    lat_min = 0.0f;
    lon_deg = 0;
    lon_min = 0.0f;
    hold_alt = truncate_to_int(sim(VAR_BARO_ALTITUDE) / 100.0);
    end_alt = truncate_to_int((sim(VAR_BARO_ALTITUDE) + 2000.0) / 100.0);
    com_key_count = 0;
    monitor_on = 0;
}

// Page a/b.
bool on_page(int32_t group, int32_t page) { return page_group == group && sub_page == page; }

} // namespace
