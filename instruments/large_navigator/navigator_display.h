// What the screen shows. There is no page object: every display decides on every draw, from the power,
// the page group and the sub-page, whether it is on the screen, and writes its text even while hidden.
// A page is the set of displays whose condition holds.
#pragma once

#include <cmath>

namespace {

constexpr uint32_t LCD_TEXT   = 0x7FFFFF;
constexpr uint32_t LCD_BRIGHT = 0x80FFFF;
constexpr uint32_t WHITE      = 0xFFFFFF;
constexpr uint32_t BLACK      = 0x000000;
constexpr char GLASS[]        = "Glass";
constexpr char GLASS_GAUGE[]  = "Glass Gauge";

// ---- Visibility ---------------------------------------------------------------------------------------

bool navigation_page(int32_t first, int32_t last)
{
    return powered == 1 && page_group == NAVIGATION_PAGES && sub_page >= first && sub_page <= last;
}
bool altitude_page(int32_t page) { return powered == 1 && on_page(ALTITUDE_PAGES, page); }
bool position_page() { return powered == 1 && on_page(POSITION_PAGE, 1); }
bool timer_page() { return powered == 1 && on_page(TIMER_PAGE, 1); }

// A field being edited flashes: it shows only on even seconds.
bool steady_or_blink_phase(bool being_edited) { return !(edit_mode == 1 && being_edited) || blink_on == 1; }

FLOAT64 show(ELEMENT_STRING* element, bool shown, double value)
{
    set_hidden(element->header, !shown);
    return value;
}

// ---- Icons --------------------------------------------------------------------------------------------

FLOAT64 GAUGE_CALL power_knob_cb(ELEMENT_ICON*)
{
    return power_switch == 1 ? 1.0 : 0.0;
}

// MSG flashes over the first soft key while a message waits; the double arrow stands over the COM key in
// COM mode; SKP over INT during the self-test.
FLOAT64 GAUGE_CALL label_strip_cb(ELEMENT_ICON*)
{
    const int32_t c = com_key_count;
    int frame;
    if (msg_code > 0) {
        if (blink_on == 1) frame = c == 0 ? LABELS_MSG : LABELS_MSG_AND_TRANSFER;
        else frame = c == 0 ? LABELS_NONE : LABELS_TRANSFER;
    } else {
        frame = c > 0 ? LABELS_TRANSFER : LABELS_NONE;
    }
    if (page_group >= 1 && page_group <= 8 && msg_code == 0 && c == 0) frame = LABELS_SKP;
    return frame;
}

// The screen background of every page, with its title where the page has one.
FLOAT64 GAUGE_CALL page_title_cb(ELEMENT_ICON* element)
{
    set_hidden(element->header, page_group < NAVIGATION_PAGES);
    if (page_group == NAVIGATION_PAGES) {
        if (sub_page >= 1 && sub_page <= 6) return 1;
        if (sub_page == 8) return 2;
        return 0;
    }
    if (page_group == ALTITUDE_PAGES) {
        if (sub_page == 1) return 3;
        if (sub_page == 2) return 4;
        if (sub_page == 4) return 5;
        return 0;
    }
    if (on_page(POSITION_PAGE, 1)) return 6;
    if (on_page(TIMER_PAGE, 1)) return 7;
    return 0;
}

// Points up on course, left or right towards the desired track beyond 0.05 nm.
FLOAT64 GAUGE_CALL steering_arrow_cb(ELEMENT_ICON* element)
{
    set_hidden(element->header, !navigation_page(1, 6));
    const double x = metres_to_nm(sim(VAR_CROSS_TRACK));
    if (x > CROSS_TRACK_DEADBAND_NM) return 2;
    if (x < -CROSS_TRACK_DEADBAND_NM) return 1;
    return 0;
}

FLOAT64 GAUGE_CALL course_mark_cb(ELEMENT_ICON* element)
{
    const bool shown = powered == 1 && page_group >= 10 && page_group <= 29 && !on_page(NAVIGATION_PAGES, 8) &&
                       !on_page(ALTITUDE_PAGES, 4);
    set_hidden(element->header, !shown);
    return 0;
}

// Covers the selected count-down field with screen background on even seconds: the field flashes.
FLOAT64 GAUGE_CALL timer_cursor_cb(ELEMENT_ICON* element)
{
    set_hidden(element->header, !(blink_on == 1 && cursor_field > 0 && page_group == TIMER_PAGE));
    return cursor_field;
}

// The self-test screens, and a message in view over the page.
FLOAT64 GAUGE_CALL self_test_screen_cb(ELEMENT_ICON*)
{
    int frame = page_group >= 0 && page_group <= 3 ? page_group : SCREEN_NONE;
    if (msg_code == 0 && page_group > 9) frame = SCREEN_NONE;
    if (msg_code >= 1 && msg_code <= 3) frame = msg_view == 1 ? SCREEN_TEST_PASSED + msg_code : SCREEN_NONE;
    return frame;
}

// ---- Time en route and cross-track: navigation pages 1 to 7 --------------------------------------------

// The label with its own (always zero) value far to the right of a 200-character field: only Ete shows.
FLOAT64 GAUGE_CALL ete_label_cb(ELEMENT_STRING* e)
{
    const double own = e->source_var[0].var_value.f;
    write_label(e, "Ete", "%200.0f", own);
    return show(e, navigation_page(1, 7), own);
}

FLOAT64 GAUGE_CALL ete_hours_cb(ELEMENT_STRING* e)
{
    const double hours = std::trunc(static_cast<double>(ete_hours));
    write_text(e, "%02.0f:", hours);
    return show(e, navigation_page(1, 7), hours);
}

FLOAT64 GAUGE_CALL ete_minutes_cb(ELEMENT_STRING* e)
{
    write_text(e, "%02.0f", static_cast<double>(ete_minutes));
    return show(e, navigation_page(1, 7), ete_minutes);
}

FLOAT64 GAUGE_CALL cross_track_right_cb(ELEMENT_STRING* e)
{
    const float xte = cross_track_nm();
    write_text(e, "%05.1f", static_cast<double>(xte));
    return show(e, navigation_page(1, 6) && cross_track_right(xte), xte);
}

FLOAT64 GAUGE_CALL cross_track_left_cb(ELEMENT_STRING* e)
{
    const float xte = cross_track_nm();
    const float magnitude = std::fmin(std::fabs(xte), CROSS_TRACK_LEFT_CAP_NM);
    write_text(e, "%05.1f", static_cast<double>(magnitude));
    return show(e, navigation_page(1, 6) && cross_track_left(xte), magnitude);
}

// ---- Line 3 of navigation pages 1 to 6 -----------------------------------------------------------------

FLOAT64 GAUGE_CALL bearing_cb(ELEMENT_STRING* e)
{
    const float brg = bearing_deg();
    write_text(e, "Brg %03.0f", static_cast<double>(brg));
    return show(e, navigation_page(1, 1), brg);
}

FLOAT64 GAUGE_CALL distance_cb(ELEMENT_STRING* e)
{
    const float nm = distance_nm();
    write_text(e, "%3.0fnm", static_cast<double>(nm));
    return show(e, navigation_page(1, 1), nm);
}

FLOAT64 GAUGE_CALL desired_track_cb(ELEMENT_STRING* e)
{
    const float dtk = desired_track_deg();
    write_text(e, "Dtk %03.0f", static_cast<double>(dtk));
    return show(e, navigation_page(2, 2), dtk);
}

// Computes the track over ground for this draw; the displays after it show the same value.
FLOAT64 GAUGE_CALL track_cb(ELEMENT_STRING* e)
{
    track_deg = track_over_ground();
    write_text(e, "Trk %03.0f", static_cast<double>(track_deg));
    return show(e, navigation_page(3, 3) && track_known(), track_deg);
}

FLOAT64 GAUGE_CALL track_angle_error_cb(ELEMENT_STRING* e)
{
    const float tae = desired_track_deg() - static_cast<float>(track_deg);
    write_text(e, "Tae %03.0f", static_cast<double>(tae));
    return show(e, navigation_page(3, 3) && track_known(), tae);
}

FLOAT64 GAUGE_CALL flight_time_hours_cb(ELEMENT_STRING* e)
{
    write_text(e, "Ft %02.0f:", static_cast<double>(flight_hours));
    return show(e, navigation_page(4, 4), flight_hours);
}

FLOAT64 GAUGE_CALL flight_time_minutes_cb(ELEMENT_STRING* e)
{
    write_text(e, "%02.0f", static_cast<double>(flight_minutes));
    return show(e, navigation_page(4, 4), flight_minutes);
}

FLOAT64 GAUGE_CALL ground_speed_cb(ELEMENT_STRING* e)
{
    const float kt = ground_speed_kt();
    write_text(e, "%3.0fkts ", static_cast<double>(kt));
    return show(e, navigation_page(4, 4), kt);
}

FLOAT64 GAUGE_CALL track_and_desired_cb(ELEMENT_STRING* e)
{
    write_text(e, "Trk %03.0f", static_cast<double>(track_deg));
    return show(e, navigation_page(5, 5) && track_known(), track_deg);
}

FLOAT64 GAUGE_CALL desired_and_track_cb(ELEMENT_STRING* e)
{
    const float dtk = desired_track_deg();
    write_text(e, "Dtk %03.0f", static_cast<double>(dtk));
    return show(e, navigation_page(5, 5), dtk);
}

// The UTC page: the field being edited flashes.
FLOAT64 GAUGE_CALL utc_hours_cb(ELEMENT_STRING* e)
{
    const double hours = sim(VAR_UTC_HOUR);
    write_text(e, "%02.0f:", hours);
    return show(e, navigation_page(6, 6) && steady_or_blink_phase(cursor_field == 1), hours);
}

FLOAT64 GAUGE_CALL utc_minutes_cb(ELEMENT_STRING* e)
{
    const double minutes = sim(VAR_UTC_MINUTE);
    write_text(e, "%02.0f UTC", minutes);
    return show(e, navigation_page(6, 6) && steady_or_blink_phase(cursor_field == 2), minutes);
}

// ---- Navigation pages 7 and 8 --------------------------------------------------------------------------

FLOAT64 GAUGE_CALL min_safe_altitude_cb(ELEMENT_STRING* e)
{
    const float msa = minimum_safe_altitude_ft();
    write_text(e, "MinSafeA    %5.0f'", static_cast<double>(msa));
    return show(e, navigation_page(7, 7), msa);
}

FLOAT64 GAUGE_CALL altitude_cb(ELEMENT_STRING* e)
{
    const double ft = sim(VAR_BARO_ALTITUDE);
    write_text(e, "%5.0fft", ft);
    return show(e, navigation_page(8, 8), ft);
}

FLOAT64 GAUGE_CALL above_hold_cb(ELEMENT_STRING* e)
{
    const float ft = above_hold_ft();
    write_text(e, "%4.0f' Above Hold", static_cast<double>(ft));
    return show(e, navigation_page(8, 8) && ft > 0.0f, ft);
}

FLOAT64 GAUGE_CALL below_hold_cb(ELEMENT_STRING* e)
{
    const float ft = below_hold_ft();
    write_text(e, "%4.0f' Below Hold", static_cast<double>(ft));
    return show(e, navigation_page(8, 8) && ft > 0.0f, ft);
}

// ---- Altitude pages ------------------------------------------------------------------------------------

FLOAT64 GAUGE_CALL altimeter_setting_cb(ELEMENT_STRING* e)
{
    const double mb = sim(VAR_ALTIMETER_SETTING);
    write_text(e, "%04.1fmb", mb);
    return show(e, altitude_page(1) && steady_or_blink_phase(true), mb);
}

FLOAT64 GAUGE_CALL encoder_altitude_cb(ELEMENT_STRING* e)
{
    const float ft = encoder_altitude_ft();
    write_text(e, "%5.0fft", static_cast<double>(ft));
    return show(e, altitude_page(2), ft);
}

FLOAT64 GAUGE_CALL descent_end_altitude_cb(ELEMENT_STRING* e)
{
    write_text(e, "End Alt:   %3.0f00'", static_cast<double>(end_alt));
    return show(e, altitude_page(3) && steady_or_blink_phase(true), end_alt);
}

FLOAT64 GAUGE_CALL descent_point_cb(ELEMENT_STRING* e)
{
    const float nm = descent_point_nm();
    write_text(e, "%3.0fnm frm nxt WP", static_cast<double>(nm));
    return show(e, altitude_page(3), nm);
}

FLOAT64 GAUGE_CALL vertical_speed_cb(ELEMENT_STRING* e)
{
    const float tens = vertical_speed_tens_fpm();
    write_text(e, "%3.0f0'/Min", static_cast<double>(tens));
    return show(e, altitude_page(3), tens);
}

FLOAT64 GAUGE_CALL descent_ground_speed_cb(ELEMENT_STRING* e)
{
    const float kt = ground_speed_kt();
    write_text(e, "%3.0fkts", static_cast<double>(kt));
    return show(e, altitude_page(3), kt);
}

FLOAT64 GAUGE_CALL hold_altitude_cb(ELEMENT_STRING* e)
{
    write_text(e, "%3.0f00ft", static_cast<double>(hold_alt));
    return show(e, altitude_page(4) && steady_or_blink_phase(true), hold_alt);
}

FLOAT64 GAUGE_CALL hold_buffer_cb(ELEMENT_STRING* e)
{
    write_text(e, "%5.0fft", HOLD_BUFFER_FT);
    return show(e, altitude_page(4), HOLD_BUFFER_FT);
}

// ---- Position page: degrees and minutes, the hemisphere by the sign of the minutes ----------------------

FLOAT64 GAUGE_CALL latitude_degrees_cb(ELEMENT_STRING* e)
{
    lat_deg = truncate_to_int(latitude_degrees());
    const double shown = std::fabs(static_cast<double>(lat_deg));
    write_text(e, "%02.0f\xB0", shown);
    return show(e, position_page(), shown);
}

FLOAT64 GAUGE_CALL latitude_north_cb(ELEMENT_STRING* e)
{
    lat_min = static_cast<float>((latitude_degrees() - lat_deg) * 60.0);
    write_text(e, "%02.2fN", std::fabs(static_cast<double>(lat_min)));
    return show(e, position_page() && lat_min > 0.0f, lat_min);
}

FLOAT64 GAUGE_CALL latitude_south_cb(ELEMENT_STRING* e)
{
    write_text(e, "%02.2fS", std::fabs(static_cast<double>(lat_min)));
    return show(e, position_page() && lat_min < 0.0f, lat_min);
}

FLOAT64 GAUGE_CALL longitude_degrees_cb(ELEMENT_STRING* e)
{
    lon_deg = truncate_to_int(longitude_degrees());
    const double shown = std::fabs(static_cast<double>(lon_deg));
    write_text(e, "%03.0f\xB0", shown);
    return show(e, position_page(), shown);
}

FLOAT64 GAUGE_CALL longitude_east_cb(ELEMENT_STRING* e)
{
    lon_min = static_cast<float>((static_cast<double>(longitude_degrees()) - lon_deg) * 60.0);
    write_text(e, "%02.2fE", std::fabs(static_cast<double>(lon_min)));
    return show(e, position_page() && lon_min > 0.0f, lon_min);
}

// The west minutes carry their format's doubled zero flag as the unit always printed it; it means one zero.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat"
FLOAT64 GAUGE_CALL longitude_west_cb(ELEMENT_STRING* e)
{
    write_text(e, "%003.2fW", std::fabs(static_cast<double>(lon_min)));
    return show(e, position_page() && lon_min < 0.0f, lon_min);
}
#pragma GCC diagnostic pop

// ---- Timer page ----------------------------------------------------------------------------------------

FLOAT64 GAUGE_CALL timer_hours_cb(ELEMENT_STRING* e)
{
    write_text(e, "%02.0f:", static_cast<double>(cd_hours));
    return show(e, timer_page(), cd_hours);
}

FLOAT64 GAUGE_CALL timer_minutes_cb(ELEMENT_STRING* e)
{
    write_text(e, "%02.0f:", static_cast<double>(cd_minutes));
    return show(e, timer_page(), cd_minutes);
}

FLOAT64 GAUGE_CALL timer_seconds_cb(ELEMENT_STRING* e)
{
    write_text(e, "%02.0f", static_cast<double>(cd_seconds));
    return show(e, timer_page(), cd_seconds);
}

// Never on the screen: it carries the host's GPS status flags into the unit on every draw.
FLOAT64 GAUGE_CALL flags_reader_cb(ELEMENT_STRING* e)
{
    gps_flags = e->source_var[0].var_value.i;
    write_text(e, "%.2f", static_cast<double>(gps_flags));
    return show(e, false, gps_flags);
}

// ---- Records ------------------------------------------------------------------------------------------

constexpr ELEMENT_STRING text_display(int32_t x, int32_t y, int32_t width, STRING_CALLBACK cb,
                                      ELEMENT_HEADER* const* next, uint32_t colour = LCD_TEXT,
                                      const char* font = GLASS, int32_t source = 0)
{
    ELEMENT_STRING e{element_header(ELEMENT_TYPE_STRING, -1, x, y, next),
                     {module_var(source), module_var(0), module_var(0)},
                     width, 32, colour, BLACK, BLACK, {}, 400, CHARSET_WINDOWS_1252,
                     STRING_TEXT_FLAGS, nullptr, 0, cb};
    for (int i = 0; font[i] != '\0' && i < FONT_NAME_CAPACITY - 1; ++i) e.font_name[i] = font[i];
    return e;
}

constexpr ELEMENT_ICON icon(int32_t bitmap, int32_t x, int32_t y, int32_t frames, ICON_CALLBACK cb,
                            ELEMENT_HEADER* const* next)
{
    return ELEMENT_ICON{element_header(ELEMENT_TYPE_ICON, bitmap, x, y, next), ICON_SETTING, module_var(0), frames, cb};
}

} // namespace
