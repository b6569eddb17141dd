// The element records of the faceplate and the one chain that draws them, in faceplate order. The GPS-only
// build leaves the COM elements out of the chain, and its elements after them move up.
#pragma once

#include <cstdint>

namespace {

constexpr int32_t DISPLAY_Y = 17;
constexpr int32_t DISPLAY_HEIGHT = 38;

// An element's number in this build's chain.
constexpr int number(Element e)
{
    return COMPACT_NAVIGATOR_HAS_COM ? e : gps_only_number(e);
}

constexpr ELEMENT_STRING lcd_text(ELEMENT_HEADER* const* next, int32_t x, int32_t width, STRING_CALLBACK cb,
                                  uint32_t colour = LCD_YELLOW, int32_t token = 0)
{
    return ELEMENT_STRING{element_header(ELEMENT_TYPE_STRING, -1, x, DISPLAY_Y, next),
                          {module_var(token), module_var(0), module_var(0)},
                          width, DISPLAY_HEIGHT, colour, BLACK, BLACK, "Glass", 400, CHARSET_WINDOWS_1252,
                          STRING_TEXT_FLAGS, nullptr, 0, cb};
}

constexpr ELEMENT_STRING lcd_text(ELEMENT_HEADER* const* next, profile::TextPlace place, STRING_CALLBACK cb)
{
    return lcd_text(next, place.x, place.width, cb);
}

constexpr ELEMENT_ICON icon(ELEMENT_HEADER* const* next, int32_t bitmap, int32_t x, int32_t y, int32_t frames,
                            ICON_CALLBACK cb)
{
    return ELEMENT_ICON{element_header(ELEMENT_TYPE_ICON, bitmap, x, y, next), ICON_SETTING, module_var(0),
                        frames, cb};
}

constexpr ELEMENT_SLIDER bar(ELEMENT_HEADER* const* next, int32_t bitmap, int32_t x, SLIDER_CALLBACK cb_x,
                             SLIDER_CALLBACK cb_y)
{
    return ELEMENT_SLIDER{element_header(ELEMENT_TYPE_SLIDER, bitmap, x, 27, next),
                          module_var(0), BAR_PIXELS_PER_NM, cb_x, module_var(0), 0.0, cb_y};
}

// The records, then the chain in faceplate order; each record takes its link from the chain.
extern ELEMENT_STATIC_IMAGE background;
extern ELEMENT_ICON power_knob, msg_lamp, sys_lamp, gps_mode_marker, countdown_cursor, right_bar_mask, left_bar_mask,
    aircraft_symbol, self_test_screens, message_screens;
extern ELEMENT_STRING ete_caption, ete_hours_text, ete_minutes_text, bearing_text, distance_text, cross_track_text,
    desired_track_text, distance_page_2_text, track_text, track_error_text, track_page_3_text,
    track_error_page_3_text, ground_speed_text, min_safe_altitude_text, flight_time_caption, flight_hours_text,
    flight_minutes_text, utc_hours_text, utc_minutes_text, utc_caption, latitude_degrees_text,
    latitude_north_text, latitude_south_text, longitude_degrees_text, longitude_east_text, longitude_west_text,
    pdop_caption, countdown_caption, countdown_hours_text, countdown_minutes_text, countdown_seconds_text,
    gps_status, active_frequency, standby_frequency;
extern ELEMENT_SLIDER right_bar, left_bar;

constexpr auto faceplate = element_chain(
    background, power_knob, msg_lamp,
#if COMPACT_NAVIGATOR_HAS_COM
    sys_lamp,
#endif
    ete_caption, ete_hours_text, ete_minutes_text, bearing_text, distance_text, cross_track_text,
    desired_track_text, distance_page_2_text, track_text, track_error_text, track_page_3_text,
    track_error_page_3_text, ground_speed_text, min_safe_altitude_text, flight_time_caption, flight_hours_text,
    flight_minutes_text, utc_hours_text, utc_minutes_text, utc_caption, latitude_degrees_text,
    latitude_north_text, latitude_south_text, longitude_degrees_text, longitude_east_text, longitude_west_text,
    pdop_caption, gps_mode_marker, countdown_caption, countdown_hours_text, countdown_minutes_text,
    countdown_seconds_text, countdown_cursor, right_bar, right_bar_mask, left_bar, left_bar_mask,
    aircraft_symbol, gps_status,
#if COMPACT_NAVIGATOR_HAS_COM
    active_frequency, standby_frequency,
#endif
    self_test_screens, message_screens);
static_assert(faceplate.size() == (COMPACT_NAVIGATOR_HAS_COM ? ELEMENT_COUNT : GPS_ONLY_ELEMENT_COUNT),
              "faceplate chain and its numbering disagree");

// The link of element `e`, the record being defined, to the element after it in this build's chain.
template <class Record>
consteval ELEMENT_HEADER* const* link(Element e, const Record& record)
{
    return faceplate.after(number(e), record);
}

ELEMENT_STATIC_IMAGE background = {
    element_header(ELEMENT_TYPE_STATIC_IMAGE, 0x100, 0, 0, link(BACKGROUND, background)), STATIC_IMAGE_SETTING};
ELEMENT_ICON power_knob = icon(link(POWER_KNOB, power_knob), 0x1100, 23, 64, 2, power_knob_cb);
ELEMENT_ICON msg_lamp = icon(link(MSG_LAMP, msg_lamp), 0x1200, 286, 53, 2, msg_lamp_cb);
#if COMPACT_NAVIGATOR_HAS_COM
ELEMENT_ICON sys_lamp = icon(link(SYS_LAMP, sys_lamp), 0x2400, 247, 53, 2, sys_lamp_cb);
#endif
ELEMENT_STRING ete_caption = lcd_text(link(ETE_CAPTION, ete_caption), 27, 575, ete_caption_cb);
ELEMENT_STRING ete_hours_text = lcd_text(link(ETE_HOURS, ete_hours_text), 187, 415, ete_hours_cb);
ELEMENT_STRING ete_minutes_text = lcd_text(link(ETE_MINUTES, ete_minutes_text), 228, 374, ete_minutes_cb);
ELEMENT_STRING bearing_text = lcd_text(link(BEARING, bearing_text), 304, 298, bearing_cb);
ELEMENT_STRING distance_text = lcd_text(link(DISTANCE, distance_text), 448, 154, distance_cb);
ELEMENT_STRING cross_track_text = lcd_text(link(CROSS_TRACK, cross_track_text), 27, 575, cross_track_cb);
ELEMENT_STRING desired_track_text = lcd_text(link(DESIRED_TRACK, desired_track_text), 27, 575, desired_track_cb);
ELEMENT_STRING distance_page_2_text =
    lcd_text(link(DISTANCE_PAGE_2, distance_page_2_text), profile::DISTANCE_PAGE_2, distance_page_2_cb);
ELEMENT_STRING track_text = lcd_text(link(TRACK, track_text), 304, 298, track_cb);
ELEMENT_STRING track_error_text = lcd_text(link(TRACK_ERROR, track_error_text), 448, 154, track_error_cb);
ELEMENT_STRING track_page_3_text = lcd_text(link(TRACK_PAGE_3, track_page_3_text), 27, 575, track_page_3_cb);
ELEMENT_STRING track_error_page_3_text =
    lcd_text(link(TRACK_ERROR_PAGE_3, track_error_page_3_text), profile::TRACK_ERROR_PAGE_3, track_error_page_3_cb);
ELEMENT_STRING ground_speed_text = lcd_text(link(GROUND_SPEED, ground_speed_text), 304, 298, ground_speed_cb);
ELEMENT_STRING min_safe_altitude_text =
    lcd_text(link(MIN_SAFE_ALTITUDE, min_safe_altitude_text), profile::MIN_SAFE_ALTITUDE, min_safe_altitude_cb);
ELEMENT_STRING flight_time_caption =
    lcd_text(link(FLIGHT_TIME_CAPTION, flight_time_caption), 27, 575, flight_time_caption_cb);
ELEMENT_STRING flight_hours_text = lcd_text(link(FLIGHT_HOURS, flight_hours_text), 187, 415, flight_hours_cb);
ELEMENT_STRING flight_minutes_text = lcd_text(link(FLIGHT_MINUTES, flight_minutes_text), 228, 374, flight_minutes_cb);
ELEMENT_STRING utc_hours_text = lcd_text(link(UTC_HOURS, utc_hours_text), 387, 215, utc_hours_cb);
ELEMENT_STRING utc_minutes_text = lcd_text(link(UTC_MINUTES, utc_minutes_text), profile::UTC_MINUTES, utc_minutes_cb);
ELEMENT_STRING utc_caption = lcd_text(link(UTC_CAPTION, utc_caption), profile::UTC_CAPTION.x,
                                      profile::UTC_CAPTION.width, utc_caption_cb, UTC_CAPTION_YELLOW);
ELEMENT_STRING latitude_degrees_text =
    lcd_text(link(LATITUDE_DEGREES, latitude_degrees_text), 27, 575, latitude_degrees_cb);
ELEMENT_STRING latitude_north_text = lcd_text(link(LATITUDE_NORTH, latitude_north_text), 73, 529, latitude_north_cb);
ELEMENT_STRING latitude_south_text = lcd_text(link(LATITUDE_SOUTH, latitude_south_text), 73, 529, latitude_south_cb);
ELEMENT_STRING longitude_degrees_text =
    lcd_text(link(LONGITUDE_DEGREES, longitude_degrees_text), 187, 415, longitude_degrees_cb);
ELEMENT_STRING longitude_east_text = lcd_text(link(LONGITUDE_EAST, longitude_east_text), 251, 351, longitude_east_cb);
ELEMENT_STRING longitude_west_text = lcd_text(link(LONGITUDE_WEST, longitude_west_text), 251, 351, longitude_west_cb);
ELEMENT_STRING pdop_caption = lcd_text(link(PDOP_CAPTION, pdop_caption), profile::PDOP_CAPTION, pdop_caption_cb);
ELEMENT_ICON gps_mode_marker =
    icon(link(GPS_MODE_MARKER, gps_mode_marker), profile::GPS_MODE_MARKER_BITMAP, 574, 29, 2, gps_mode_marker_cb);
ELEMENT_STRING countdown_caption =
    lcd_text(link(COUNTDOWN_CAPTION, countdown_caption), 223, 379, countdown_caption_cb);
ELEMENT_STRING countdown_hours_text =
    lcd_text(link(COUNTDOWN_HOURS, countdown_hours_text), 448, 154, countdown_hours_cb);
ELEMENT_STRING countdown_minutes_text =
    lcd_text(link(COUNTDOWN_MINUTES, countdown_minutes_text), profile::COUNTDOWN_MINUTES, countdown_minutes_cb);
ELEMENT_STRING countdown_seconds_text =
    lcd_text(link(COUNTDOWN_SECONDS, countdown_seconds_text), 530, 72, countdown_seconds_cb);
ELEMENT_ICON countdown_cursor =
    icon(link(COUNTDOWN_CURSOR, countdown_cursor), profile::COUNTDOWN_CURSOR_BITMAP, 444, 17, 4, countdown_cursor_cb);
ELEMENT_SLIDER right_bar = bar(link(RIGHT_BAR, right_bar), 0x1300, 27, right_bar_x_cb, right_bar_y_cb);
ELEMENT_ICON right_bar_mask = icon(link(RIGHT_BAR_MASK, right_bar_mask), 0x1500, 71, 27, 2, right_bar_mask_cb);
ELEMENT_SLIDER left_bar = bar(link(LEFT_BAR, left_bar), 0x1600, 142, left_bar_x_cb, left_bar_y_cb);
ELEMENT_ICON left_bar_mask = icon(link(LEFT_BAR_MASK, left_bar_mask), 0x1700, 142, 27, 2, left_bar_mask_cb);
ELEMENT_ICON aircraft_symbol = icon(link(AIRCRAFT_SYMBOL, aircraft_symbol), 0x1400, 131, 26, 2, aircraft_symbol_cb);
ELEMENT_STRING gps_status = {element_header(ELEMENT_TYPE_STRING, -1, 120, 1, link(GPS_STATUS, gps_status)),
                             {module_var(token::GPS_STATUS_FLAGS), module_var(0), module_var(0)},
                             482, 24, WHITE, BLACK, BLACK, "Courier New", 100, CHARSET_WINDOWS_1252,
                             STRING_TEXT_FLAGS, nullptr, 0, gps_status_cb};
#if COMPACT_NAVIGATOR_HAS_COM
ELEMENT_STRING active_frequency =
    lcd_text(link(ACTIVE_FREQUENCY, active_frequency), 27, 575, active_frequency_cb, LCD_YELLOW,
             profile::ACTIVE_FREQUENCY);
ELEMENT_STRING standby_frequency =
    lcd_text(link(STANDBY_FREQUENCY, standby_frequency), 165, 437, standby_frequency_cb, LCD_YELLOW,
             profile::STANDBY_FREQUENCY);
#endif
ELEMENT_ICON self_test_screens =
    icon(link(SELF_TEST_SCREENS, self_test_screens), profile::SELF_TEST_BITMAP, 26, 23, 5, self_test_screens_cb);
ELEMENT_ICON message_screens =
    icon(link(MESSAGE_SCREENS, message_screens), profile::MESSAGE_BITMAP, 26, 23, 4, message_screens_cb);

} // namespace
