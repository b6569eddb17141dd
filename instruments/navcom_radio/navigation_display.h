// The right of the display, from x = 324: station type, TO bearing or FROM radial, the DME page, the course
// page with its deviation bar and TO/FROM symbol, and the identifier messages. Every element decides on each
// draw whether it shows, so the page follows the state at once. An element that uses a value computed by an
// element drawn after it sees the value of the previous frame.
#pragma once

namespace {

// A NAV frequency above 111.95 MHz is a VOR; at or below it the localizer band. The localizer test reads
// "below 111.97": on the 50-kHz grid both split the band between 111.95 and 112.00.
constexpr double VOR_ABOVE_MHZ = 111.95;
constexpr double LOCALIZER_BELOW_MHZ = 111.97;

bool is_powered() { return powered == 1; }
bool nav_mode() { return radio_mode == NAV_MODE; }
bool vor_tuned() { return nav_active_mhz > VOR_ABOVE_MHZ; }
bool localizer_tuned() { return nav_active_mhz < LOCALIZER_BELOW_MHZ; }
bool signal_received() { return to_from > 0; }
bool course_page() { return obs_mode == 1; }
bool dme_page_shown() { return dme_page == 1; }
bool dme_available() { return var(DME_AVAILABILITY_VAR) > 255; }
bool menu_closed() { return menu_state == MENU_CLOSED; }
bool no_message() { return message_shown == 0; }
// A VOR tuned but not received: the course page says so instead of showing a deviation.
bool flagged() { return to_from == 0 && vor_tuned(); }

FLOAT64 deviation() { return var(DEVIATION_VAR); }
FLOAT64 dme_distance() { return var(DME_DISTANCE_VAR); }
FLOAT64 dme_speed() { return var(DME_SPEED_VAR); }

// ---- Station type and bearing ---------------------------------------------------------------------------

// The VOR label returns 1.0, unlike the other labels.
FLOAT64 GAUGE_CALL vor_label_cb(ELEMENT_STRING* element)
{
    show_label(element,
               is_powered() && nav_mode() && !course_page() && vor_tuned() && !dme_page_shown() && menu_closed() &&
                   no_message(),
               "vor", "%200.0f");
    return 1.0;
}

// loc shows in either mode and on the course page too: the pilot sees the localizer is tuned.
FLOAT64 GAUGE_CALL loc_label_cb(ELEMENT_STRING* element)
{
    return show_label(element, is_powered() && localizer_tuned() && !dme_page_shown() && menu_closed() && no_message(),
                      "loc", "%200.0f");
}

bool bearing_shown()
{
    return is_powered() && nav_mode() && vor_tuned() && signal_received() && !course_page() && !dme_page_shown() &&
           menu_closed();
}

FLOAT64 GAUGE_CALL from_label_cb(ELEMENT_STRING* element)
{
    return show_label(element, bearing_shown() && bearing_mode == 1, "from", "%200.0f");
}

FLOAT64 GAUGE_CALL to_label_cb(ELEMENT_STRING* element)
{
    return show_label(element, bearing_shown() && bearing_mode == 0, "to", "%200.0f");
}

// The FROM radial: the radial source truncated, divided by 180 with the quotient truncated, wrapped once.
FLOAT64 GAUGE_CALL bearing_value_cb(ELEMENT_STRING* element)
{
    from_radial = truncate_to_int(var(RADIAL_VAR)) / 180;
    if (from_radial < 0) from_radial += 360;
    const double value = bearing_mode == 1 ? from_radial : to_bearing;
    set_hidden(element->header, !bearing_shown());
    write_text(element, "%03.0f", value);
    return value;
}

FLOAT64 GAUGE_CALL no_bearing_dashes_cb(ELEMENT_STRING* element)
{
    return show_label(element,
                      is_powered() && nav_mode() && !course_page() && to_from <= 0 && !dme_page_shown() && menu_closed(),
                      " - - -", "%200.0f");
}

// The TO bearing: the two terms added and truncated. Only a sum above 360 is wrapped, so 360 stays 360.
FLOAT64 GAUGE_CALL bearing_calculation_cb(ELEMENT_STRING* element)
{
    to_bearing = truncate_to_int(var(BEARING_TERM_VAR) + var(HEADING_VAR));
    if (to_bearing > 360) to_bearing -= 360;
    set_hidden(element->header, true);
    write_text(element, "%03.0f", static_cast<double>(to_bearing));
    return to_bearing;
}

FLOAT64 GAUGE_CALL selected_course_cb(ELEMENT_STRING* element)
{
    const double course = var(COURSE_VAR);
    set_hidden(element->header, !(is_powered() && course_page() && vor_tuned() && !dme_page_shown() && no_message()));
    write_text(element, "%03.0f", course);
    return course;
}

FLOAT64 GAUGE_CALL flag_message_cb(ELEMENT_STRING* element)
{
    return show_label(element, is_powered() && course_page() && to_from == 0 && vor_tuned() && no_message(),
                      "- - - flagged - - -", "%200.0f");
}

// ---- DME page -----------------------------------------------------------------------------------------

bool dme_data_page() { return is_powered() && nav_mode() && dme_page_shown() && menu_closed(); }

FLOAT64 GAUGE_CALL dme_distance_cb(ELEMENT_STRING* element)
{
    const double distance = element->source_var[0].var_value.f;
    set_hidden(element->header, !(dme_data_page() && dme_available() && distance > -1 && no_message()));
    write_text(element, "%3.1fnm", distance);
    return distance;
}

// Three digits: a speed above 1000 knots reads 999.
FLOAT64 GAUGE_CALL dme_speed_cb(ELEMENT_STRING* element)
{
    float speed = static_cast<float>(element->source_var[0].var_value.f);
    if (speed > 1000) speed = 999;
    set_hidden(element->header, !(dme_data_page() && dme_available() && speed > -1));
    write_text(element, "%3.0fkt", static_cast<double>(speed));
    return speed;
}

bool time_shown()
{
    return dme_data_page() && dme_available() && !(dme_distance() < 0 && dme_speed() < 0);
}

// Time to the station in hours and minutes, at most 9 hours. Without a speed there is no time: 9:99. The
// division by a speed of 0 is harmless, as the truncation reads what it gives as 0.
FLOAT64 GAUGE_CALL time_hours_cb(ELEMENT_STRING* element)
{
    station_time = static_cast<float>(dme_distance() / dme_speed());
    station_hours = truncate_to_int(station_time - std::fmod(station_time, 1.0f));
    if (station_hours > 9) station_hours = 9;
    const double hours = dme_speed() == 0 ? 9 : station_hours;
    set_hidden(element->header, !time_shown());
    write_text(element, "%1.0f:", hours);
    return hours;
}

// The minutes are counted from the capped hours, so 10 hours reads 9:60 and longer times 9:99.
FLOAT64 GAUGE_CALL time_minutes_cb(ELEMENT_STRING* element)
{
    station_minutes = truncate_to_int((station_time - static_cast<float>(station_hours)) * 60.0f);
    if (station_minutes > 99) station_minutes = 99;
    const double minutes = dme_speed() == 0 ? 99 : station_minutes;
    set_hidden(element->header, !time_shown());
    write_text(element, "%02.0f", minutes);
    return minutes;
}

bool no_dme() { return dme_data_page() && !dme_available() && dme_distance() < 0; }

FLOAT64 GAUGE_CALL no_distance_dashes_cb(ELEMENT_STRING* element)
{
    return show_label(element, no_dme() && no_message(), "- - - nm", "%200.0f");
}

FLOAT64 GAUGE_CALL no_speed_dashes_cb(ELEMENT_STRING* element)
{
    return show_label(element, no_dme(), "- - - kt", "%200.0f");
}

// ---- Values the host supplies through never-shown elements -----------------------------------------------

FLOAT64 GAUGE_CALL to_from_calculation_cb(ELEMENT_STRING* element)
{
    to_from = element->source_var[0].var_value.i;
    set_hidden(element->header, true);
    write_text(element, "%.0f", static_cast<double>(to_from));
    return to_from;
}

FLOAT64 GAUGE_CALL nav_frequency_calculation_cb(ELEMENT_STRING* element)
{
    nav_active_mhz = bcd_frequency_mhz(element->source_var[0].var_value.i);
    set_hidden(element->header, true);
    write_text(element, "NF%3.2f", static_cast<double>(nav_active_mhz));
    return nav_active_mhz;
}

// ---- Course page ----------------------------------------------------------------------------------------

// The deviation bar is two dot scales that grow from the symbol towards the side of the deviation, 56 pixels
// at full scale; each slides out from under a dark mask on the other side.
bool right_bar_shown() { return is_powered() && course_page() && deviation() > 0 && !flagged(); }
bool left_bar_shown() { return is_powered() && course_page() && deviation() < 0 && no_message() && !flagged(); }

FLOAT64 GAUGE_CALL right_bar_x_cb(ELEMENT_SLIDER* element)
{
    set_hidden(element->header, !right_bar_shown());
    return deviation() > 0 ? deviation() : 0.0;
}

FLOAT64 GAUGE_CALL right_bar_y_cb(ELEMENT_SLIDER* element)
{
    set_hidden(element->header, !right_bar_shown());
    return 0.0;
}

FLOAT64 GAUGE_CALL left_mask_cb(ELEMENT_ICON* element)
{
    set_hidden(element->header, !(course_page() && deviation() > 0));
    return 0.0;
}

FLOAT64 GAUGE_CALL left_bar_x_cb(ELEMENT_SLIDER* element)
{
    set_hidden(element->header, !left_bar_shown());
    return deviation() < 0 ? deviation() : 0.0;
}

FLOAT64 GAUGE_CALL left_bar_y_cb(ELEMENT_SLIDER* element)
{
    set_hidden(element->header, !left_bar_shown());
    return 0.0;
}

FLOAT64 GAUGE_CALL right_mask_cb(ELEMENT_ICON* element)
{
    set_hidden(element->header, !(course_page() && deviation() < 1));
    return 0.0;
}

// The symbol points up flying TO the station, down FROM it, and is a plain cross abeam (the radial some 90
// degrees off the selected course). On a localizer it always points up.
FLOAT64 GAUGE_CALL to_from_symbol_cb(ELEMENT_ICON* element)
{
    course_offset = truncate_to_int(from_radial - var(COURSE_VAR));
    if (course_offset < 0) course_offset += 360;
    FLOAT64 frame = element->source_var.var_value.f;
    if (to_from == 1) frame = 0;
    if (to_from == 2) frame = 1;
    if (course_offset >= 86 && course_offset <= 94) frame = 2;
    set_hidden(element->header, !(is_powered() && course_page() && signal_received()));
    if (is_powered() && course_page() && localizer_tuned()) {
        frame = 0;
        set_hidden(element->header, false);
    }
    return frame;
}

// ---- Identifier messages --------------------------------------------------------------------------------

bool message_page(int32_t state)
{
    return is_powered() && nav_mode() && ident_state == state && menu_closed() && message_shown == 1;
}

FLOAT64 GAUGE_CALL ident_message_cb(ELEMENT_STRING* element)
{
    return show_label(element, message_page(IDENT_ON), "IDENT", "%200.0f");
}

FLOAT64 GAUGE_CALL voice_message_cb(ELEMENT_STRING* element)
{
    return show_label(element, message_page(VOICE_ON), "VOICE", "%200.0f");
}

} // namespace
