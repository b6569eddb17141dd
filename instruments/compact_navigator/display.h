// The display line and its surroundings: every element of the faceplate chain, in drawing order, and the
// callbacks that decide on every draw what each one shows. Texts are written even while hidden.
#pragma once

#include <cmath>
#include <cstdint>

namespace {

using namespace compact_navigator;

constexpr uint32_t LCD_YELLOW         = 0x80FFFF;
constexpr uint32_t UTC_CAPTION_YELLOW = 0x7FFFFF;
constexpr uint32_t WHITE              = 0xFFFFFF;
constexpr uint32_t BLACK              = 0x000000;
constexpr double   BAR_PIXELS_PER_NM  = 10.2;
constexpr double   BAR_LIMIT_NM       = 5.0;
constexpr double   TRACK_GATE         = 5.0;   // the track texts need an airspeed above this
constexpr double   METRES_PER_DEGREE_LATITUDE = 111130.555557;
constexpr double   LONGITUDE_UNITS_PER_DEGREE = 11930430.0;

// ---- When an element shows ----------------------------------------------------------------------------

// The texts of a page show only while the unit is powered and nothing covers the display.
bool on_page(int32_t p)
{
    return powered == 1 && page == p && screen_stage == 0;
}

// The left part of the display belongs to the COM frequencies in COM mode. The GPS-only build has no COM
// mode: its pages always own the whole line.
bool gps_mode()
{
    return !COMPACT_NAVIGATOR_HAS_COM || gps_knobs == 1;
}

bool airspeed_for_track()
{
    return sim(token::AIRSPEED) > TRACK_GATE;
}

template <typename Element>
void show(Element* element, bool shown)
{
    set_hidden(element->header, !shown);
}

// Sets the hidden flag, writes the text and returns the number shown.
[[gnu::format(printf, 3, 0)]] FLOAT64 show_text(ELEMENT_STRING* element, bool shown, const char* format, double value)
{
    show(element, shown);
    write_text(element, format, value);
    return value;
}

FLOAT64 own_value(const ELEMENT_ICON* element)
{
    return element->source_var.var_value.f;
}

// ---- Page 0: time en route, bearing and distance ------------------------------------------------------

FLOAT64 GAUGE_CALL ete_caption_cb(ELEMENT_STRING* e)
{
    return show_text(e, on_page(0) && gps_mode(), "Ete%200.0f", e->source_var[0].var_value.f);
}

FLOAT64 GAUGE_CALL ete_hours_cb(ELEMENT_STRING* e)
{
    return show_text(e, on_page(0) && gps_mode(), "%02.0f:", truncate_to_int(ete_hours));
}

FLOAT64 GAUGE_CALL ete_minutes_cb(ELEMENT_STRING* e)
{
    return show_text(e, on_page(0) && gps_mode(), "%02.0f", ete_minutes);
}

FLOAT64 GAUGE_CALL bearing_cb(ELEMENT_STRING* e)
{
    return show_text(e, on_page(0) || on_page(1), "BRG %03.0f", bearing_deg);
}

FLOAT64 GAUGE_CALL distance_cb(ELEMENT_STRING* e)
{
    return show_text(e, on_page(0) || on_page(1), "%3.0fnm", distance_nm);
}

// ---- Page 1: cross-track error and the deviation bar --------------------------------------------------

FLOAT64 GAUGE_CALL cross_track_cb(ELEMENT_STRING* e)
{
    return show_text(e, on_page(1) && gps_mode(), "%2.1f", std::fmin(std::fabs(cross_track_nm), 99.9));
}

// ---- Page 2: desired track, distance, track and track angle error ------------------------------------

FLOAT64 GAUGE_CALL desired_track_cb(ELEMENT_STRING* e)
{
    desired_track_deg = static_cast<float>(180.0 * sim(token::DESIRED_TRACK) / 3.14);
    const double shown = desired_track_deg < 0.0f ? desired_track_deg + 360.0 : desired_track_deg;
    return show_text(e, on_page(2) && gps_mode(), "Dtk %03.0f", shown);
}

FLOAT64 GAUGE_CALL distance_page_2_cb(ELEMENT_STRING* e)
{
    return show_text(e, on_page(2) && gps_mode(), "%4.1fnm", distance_nm);
}

// The heading corrected for the drift the crosswind gives, in whole degrees 0 to 360. The angle between
// wind and heading is taken in radians by the sine, as the factor 180 / 3.14 behind it expects.
FLOAT64 GAUGE_CALL track_cb(ELEMENT_STRING* e)
{
    const double heading = sim(token::HEADING);
    const int32_t d = truncate_to_int(sim(token::WIND_DIRECTION) - heading);
    const double s = std::sin(d * 3.14 / 180.0);
    track_deg = truncate_to_int((sim(token::WIND_SPEED) / sim(token::AIRSPEED)) * s * 57.324840764331206 + heading);
    if (track_deg < 0) track_deg += 360;
    else if (track_deg > 360) track_deg -= 360;
    return show_text(e, on_page(2) && airspeed_for_track(), "Trk %03.0f", track_deg);
}

double track_error()
{
    float error = desired_track_deg - static_cast<float>(track_deg);
    if (error < 0.0f) error += 360.0f;
    return error;
}

FLOAT64 GAUGE_CALL track_error_cb(ELEMENT_STRING* e)
{
    return show_text(e, on_page(2) && airspeed_for_track(), "Tae %03.0f", track_error());
}

// ---- Page 3: track, track angle error, ground speed ---------------------------------------------------

FLOAT64 GAUGE_CALL track_page_3_cb(ELEMENT_STRING* e)
{
    return show_text(e, on_page(3) && gps_mode() && airspeed_for_track(), "Trk %03.0f", track_deg);
}

FLOAT64 GAUGE_CALL track_error_page_3_cb(ELEMENT_STRING* e)
{
    return show_text(e, on_page(3) && gps_mode() && airspeed_for_track(), "Tae %03.0f", track_error());
}

FLOAT64 GAUGE_CALL ground_speed_cb(ELEMENT_STRING* e)
{
    return show_text(e, on_page(3), "Ground Sp %3.0fkts", ground_speed_kt);
}

// ---- Page 4: minimum safe altitude, in hundreds of feet -----------------------------------------------

FLOAT64 GAUGE_CALL min_safe_altitude_cb(ELEMENT_STRING* e)
{
    const float hundreds = static_cast<float>((3.28084 * sim(token::SAFE_HEIGHT_TERM) + 2000.0) / 100.0);
    return show_text(e, on_page(4), "MinSafeA %3.0f00", hundreds);
}

// ---- Page 5: flight time and UTC ----------------------------------------------------------------------

FLOAT64 GAUGE_CALL flight_time_caption_cb(ELEMENT_STRING* e)
{
    return show_text(e, on_page(5) && gps_mode(), "Flt Time%200.0f", e->source_var[0].var_value.f);
}

FLOAT64 GAUGE_CALL flight_hours_cb(ELEMENT_STRING* e)
{
    return show_text(e, on_page(5) && gps_mode(), "%02.0f:", flight_hours);
}

FLOAT64 GAUGE_CALL flight_minutes_cb(ELEMENT_STRING* e)
{
    return show_text(e, on_page(5) && gps_mode(), "%02.0f", flight_minutes);
}

// The UTC field under the cursor blinks while it is edited (on during even clock seconds); with the
// cursor on a field after SYS ended the editing, that field stays dark.
bool utc_field_shown(int32_t field, bool shown_when_not_edited)
{
    bool shown = on_page(5) && shown_when_not_edited;
    if (powered == 1 && page == 5 && edit_mode == 1 && cursor_field == field) shown = blink_on == 1;
    return shown;
}

FLOAT64 GAUGE_CALL utc_hours_cb(ELEMENT_STRING* e)
{
    return show_text(e, utc_field_shown(1, cursor_field != 1), "%02.0f:", sim(token::UTC_HOUR));
}

FLOAT64 GAUGE_CALL utc_minutes_cb(ELEMENT_STRING* e)
{
    return show_text(e, utc_field_shown(2, cursor_field < 2), "%02.0f", sim(token::UTC_MINUTE));
}

FLOAT64 GAUGE_CALL utc_caption_cb(ELEMENT_STRING* e)
{
    return show_text(e, on_page(5), "Time      UTC%200.0f", e->source_var[0].var_value.f);
}

// ---- Page 6: position and the PDOP caption ------------------------------------------------------------
// The hemisphere letter follows the sign of the minutes; a position on a whole degree shows no minutes.

FLOAT64 GAUGE_CALL latitude_degrees_cb(ELEMENT_STRING* e)
{
    lat_deg = truncate_to_int(sim(token::LATITUDE) / METRES_PER_DEGREE_LATITUDE);
    return show_text(e, on_page(6) && gps_mode(), "%02.0f\xB0", std::fabs(static_cast<double>(lat_deg)));
}

FLOAT64 GAUGE_CALL latitude_north_cb(ELEMENT_STRING* e)
{
    lat_min = static_cast<float>((sim(token::LATITUDE) / METRES_PER_DEGREE_LATITUDE - lat_deg) * 60.0);
    return show_text(e, on_page(6) && gps_mode() && lat_min > 0.0f, "%02.2fN", lat_min);
}

FLOAT64 GAUGE_CALL latitude_south_cb(ELEMENT_STRING* e)
{
    return show_text(e, on_page(6) && gps_mode() && lat_min < 0.0f, "%02.2fS", -lat_min);
}

FLOAT64 GAUGE_CALL longitude_degrees_cb(ELEMENT_STRING* e)
{
    lon_deg = truncate_to_int(sim(token::LONGITUDE) / LONGITUDE_UNITS_PER_DEGREE);
    return show_text(e, on_page(6) && gps_mode(), "%03.0f\xB0", std::fabs(static_cast<double>(lon_deg)));
}

FLOAT64 GAUGE_CALL longitude_east_cb(ELEMENT_STRING* e)
{
    const float degrees = static_cast<float>(sim(token::LONGITUDE) / LONGITUDE_UNITS_PER_DEGREE);
    lon_min = static_cast<float>((static_cast<double>(degrees) - lon_deg) * 60.0);
    return show_text(e, on_page(6) && gps_mode() && lon_min > 0.0f, "%02.2fE", lon_min);
}

// The west minutes carry a doubled zero flag, which printf reads as one.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat"
FLOAT64 GAUGE_CALL longitude_west_cb(ELEMENT_STRING* e)
{
    return show_text(e, on_page(6) && gps_mode() && lon_min < 0.0f, "%003.2fW", -lon_min);
}
#pragma GCC diagnostic pop

FLOAT64 GAUGE_CALL pdop_caption_cb(ELEMENT_STRING* e)
{
    return show_text(e, on_page(6), "PDOP 0.0%200.0f", e->source_var[0].var_value.f);
}

// A small diamond at the right end of the line: the pages of GPS mode, but not the timer page.
FLOAT64 GAUGE_CALL gps_mode_marker_cb(ELEMENT_ICON* e)
{
    show(e, powered == 1 && page >= 0 && page <= 6 && screen_stage == 0 && gps_mode());
    return 0.0;
}

// ---- Page 7: the count-down timer ---------------------------------------------------------------------

// The caption stands in the middle of the line, where the standby frequency of COM mode would run into it:
// it gives way to the frequencies, and the digits at the right stay.
FLOAT64 GAUGE_CALL countdown_caption_cb(ELEMENT_STRING* e)
{
    return show_text(e, on_page(7) && gps_mode(), "Countdown Timer%200.0f", e->source_var[0].var_value.f);
}

FLOAT64 GAUGE_CALL countdown_hours_cb(ELEMENT_STRING* e)
{
    return show_text(e, on_page(7), "%02.0f:", cd_hours);
}

FLOAT64 GAUGE_CALL countdown_minutes_cb(ELEMENT_STRING* e)
{
    return show_text(e, on_page(7), "%02.0f:", cd_minutes);
}

FLOAT64 GAUGE_CALL countdown_seconds_cb(ELEMENT_STRING* e)
{
    return show_text(e, on_page(7), "%02.0f", cd_seconds);
}

// A grey box blinks behind the field of the setting being edited.
FLOAT64 GAUGE_CALL countdown_cursor_cb(ELEMENT_ICON* e)
{
    show(e, powered == 1 && page == 7 && cursor_field > 0 && blink_on == 1);
    if (page == 7 && cursor_field >= 1 && cursor_field <= 3) return cursor_field;
    return own_value(e);
}

// ---- Page 1: the course deviation bar -----------------------------------------------------------------
// Two rows of bars slide out from under masks of the window's colour on either side of the aircraft
// symbol, 10.2 pixels per nautical mile off track, full scale at 5 nm.

bool right_bar_shown()
{
    return on_page(1) && gps_mode() && std::fmin(cross_track_nm, BAR_LIMIT_NM) > 0.0;
}

bool left_bar_shown()
{
    return on_page(1) && gps_mode() && std::fmax(cross_track_nm, -BAR_LIMIT_NM) < 0.0;
}

FLOAT64 GAUGE_CALL right_bar_x_cb(ELEMENT_SLIDER* e)
{
    show(e, right_bar_shown());
    return std::fmin(cross_track_nm, BAR_LIMIT_NM);
}

FLOAT64 GAUGE_CALL right_bar_y_cb(ELEMENT_SLIDER* e)
{
    show(e, right_bar_shown());
    return e->source_var_y.var_value.f;
}

FLOAT64 GAUGE_CALL right_bar_mask_cb(ELEMENT_ICON* e)
{
    show(e, right_bar_shown());
    return own_value(e);
}

FLOAT64 GAUGE_CALL left_bar_x_cb(ELEMENT_SLIDER* e)
{
    show(e, left_bar_shown());
    return std::fmax(cross_track_nm, -BAR_LIMIT_NM);
}

FLOAT64 GAUGE_CALL left_bar_y_cb(ELEMENT_SLIDER* e)
{
    show(e, left_bar_shown());
    return e->source_var_y.var_value.f;
}

FLOAT64 GAUGE_CALL left_bar_mask_cb(ELEMENT_ICON* e)
{
    show(e, left_bar_shown());
    return own_value(e);
}

FLOAT64 GAUGE_CALL aircraft_symbol_cb(ELEMENT_ICON* e)
{
    show(e, on_page(1) && gps_mode());
    return own_value(e);
}

// ---- Lamps, knob and the hidden GPS status ------------------------------------------------------------

FLOAT64 GAUGE_CALL power_knob_cb(ELEMENT_ICON* e)
{
    show(e, true);
    return power_switch == 1 ? 1.0 : 0.0;
}

// The MSG lamp blinks with the clock's seconds while a message waits.
FLOAT64 GAUGE_CALL msg_lamp_cb(ELEMENT_ICON* e)
{
    show(e, powered == 1 && msg_code > 0 && blink_on == 1);
    return 0.0;
}

// The only way the unit learns the GPS status: the host supplies token 831 to this never-shown text.
FLOAT64 GAUGE_CALL gps_status_cb(ELEMENT_STRING* e)
{
    gps_flags = e->source_var[0].var_value.i;
    show_text(e, false, "%.2f", gps_flags);
    return gps_flags;
}

// ---- Self-test and message screens --------------------------------------------------------------------

FLOAT64 GAUGE_CALL self_test_screens_cb(ELEMENT_ICON* e)
{
    if (powered == 1 && screen_stage >= 0 && screen_stage <= 4) return screen_stage;
    return own_value(e);
}

FLOAT64 GAUGE_CALL message_screens_cb(ELEMENT_ICON* e)
{
    if (powered == 1) {
        if (screen_stage == 0) return 0.0;
        if (screen_stage >= 5 && screen_stage <= 7 && msg_view == 1) return screen_stage - 4;
    }
    return own_value(e);
}

} // namespace
