// The navigator's own state: module-level, 0 at load, given its start values by the one-time reset.
#pragma once

#include <cstdint>

namespace {

// ---- Switch, power, screens ---------------------------------------------------------------------------

int32_t power_switch   = 0;   // power/squelch knob: 0 off, 1 on
int32_t bus_power      = 0;   // GPS-only build: token 773 truncated
int32_t powered        = 0;
int32_t gps_knobs      = 0;   // knob mode: 0 COM mode, 1 GPS mode (GPS-only: the small knob turns pages)
int32_t page           = 0;   // GPS page 0 to 7
int32_t screen_stage   = 0;   // 0 pages; 1 to 4 self-test screens; 5 to 7 message views
int32_t test_target    = 0;   // tick at which the current self-test step ends

// ---- Messages -----------------------------------------------------------------------------------------

int32_t msg_code       = 0;   // 0 none, 1 count-down expired, 2 empty TO waypoint, 3 arrival
int32_t msg_view       = 0;
int32_t published_msg  = 0;   // "send_msg", for the annunciator unit

// ---- Editing and timers -------------------------------------------------------------------------------

int32_t edit_mode      = 0;
int32_t cursor_field   = 0;   // page 5: 1 UTC hours, 2 minutes; page 7: 1 hours, 2 minutes, 3 seconds
int32_t cd_hours_set   = 0;
int32_t cd_minutes_set = 0;
int32_t cd_seconds_set = 0;
int32_t cd_running     = 0;
int32_t cd_end         = 0;   // whole seconds of simulation time
int32_t cd_remaining   = 0;
int32_t flight_running = 0;
int32_t flight_start   = 0;
int32_t blink_on       = 0;

// ---- GPS status and COM -------------------------------------------------------------------------------

int32_t gps_flags      = 0;
int32_t to_valid       = 0;
int32_t monitor_on     = 0;   // COM builds

// ---- Values shown on the pages ------------------------------------------------------------------------

float   bearing_deg       = 0.0f;
float   distance_nm       = 0.0f;
float   cross_track_nm    = 0.0f;
float   ground_speed_kt   = 0.0f;
float   ete_hours         = 0.0f;
int32_t ete_minutes       = 0;
float   desired_track_deg = 0.0f;
int32_t track_deg         = 0;
int32_t flight_secs       = 0;
int32_t flight_hours      = 0;
int32_t flight_minutes    = 0;
int32_t cd_hours          = 0;
int32_t cd_minutes        = 0;
int32_t cd_seconds        = 0;
int32_t lat_deg           = 0;
float   lat_min           = 0.0f;
int32_t lon_deg           = 0;
float   lon_min           = 0.0f;

// The unit comes up switched off, in COM mode, on page 0, with no message and a count-down setting of
// 00:03:00.
void reset_state()
{
    power_switch = bus_power = powered = gps_knobs = page = screen_stage = test_target = 0;
    msg_code = msg_view = published_msg = 0;
    edit_mode = cursor_field = cd_hours_set = cd_seconds_set = 0;
    cd_minutes_set = 3;
    cd_running = cd_end = cd_remaining = flight_running = flight_start = blink_on = 0;
    gps_flags = to_valid = monitor_on = 0;
    bearing_deg = distance_nm = cross_track_nm = ground_speed_kt = ete_hours = desired_track_deg = 0.0f;
    lat_min = lon_min = 0.0f;
    ete_minutes = track_deg = flight_secs = flight_hours = flight_minutes = 0;
    cd_hours = cd_minutes = cd_seconds = lat_deg = lon_deg = 0;
}

} // namespace
