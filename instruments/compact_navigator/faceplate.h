// The element records of the faceplate and the one chain that draws them, in faceplate order. Each
// record's successor comes from the chain table at the end, so the order is written down once; the
// GPS-only build leaves the COM elements out of it.
#pragma once

#include <cstdint>

namespace {

constexpr int32_t DISPLAY_Y = 17;
constexpr int32_t DISPLAY_HEIGHT = 38;

struct ChainLinks {
    ELEMENT_HEADER* rows[ELEMENT_COUNT][2];
};
extern const ChainLinks chain;

// The null-terminated list holding the element that follows `e`.
constexpr ELEMENT_HEADER* const* after(Element e)
{
    return chain.rows[e - 1];
}

constexpr ELEMENT_STRING lcd_text(Element e, int32_t x, int32_t width, STRING_CALLBACK cb,
                                  uint32_t colour = LCD_YELLOW, int32_t token = 0)
{
    return ELEMENT_STRING{element_header(ELEMENT_TYPE_STRING, -1, x, DISPLAY_Y, after(e)),
                          {module_var(token), module_var(0), module_var(0)},
                          width, DISPLAY_HEIGHT, colour, BLACK, BLACK, "Glass", 400, CHARSET_WINDOWS_1252,
                          STRING_TEXT_FLAGS, nullptr, 0, cb};
}

constexpr ELEMENT_STRING lcd_text(Element e, profile::TextPlace place, STRING_CALLBACK cb)
{
    return lcd_text(e, place.x, place.width, cb);
}

constexpr ELEMENT_ICON icon(Element e, int32_t bitmap, int32_t x, int32_t y, int32_t frames, ICON_CALLBACK cb)
{
    return ELEMENT_ICON{element_header(ELEMENT_TYPE_ICON, bitmap, x, y, after(e)), ICON_SETTING, module_var(0),
                        frames, cb};
}

constexpr ELEMENT_SLIDER bar(Element e, int32_t bitmap, int32_t x, SLIDER_CALLBACK cb_x, SLIDER_CALLBACK cb_y)
{
    return ELEMENT_SLIDER{element_header(ELEMENT_TYPE_SLIDER, bitmap, x, 27, after(e)),
                          module_var(0), BAR_PIXELS_PER_NM, cb_x, module_var(0), 0.0, cb_y};
}

ELEMENT_STATIC_IMAGE background = {element_header(ELEMENT_TYPE_STATIC_IMAGE, 0x100, 0, 0, after(BACKGROUND)),
                                   STATIC_IMAGE_SETTING};
ELEMENT_ICON power_knob = icon(POWER_KNOB, 0x1100, 23, 64, 2, power_knob_cb);
ELEMENT_ICON msg_lamp = icon(MSG_LAMP, 0x1200, 286, 53, 2, msg_lamp_cb);
#if COMPACT_NAVIGATOR_HAS_COM
ELEMENT_ICON sys_lamp = icon(SYS_LAMP, 0x2400, 247, 53, 2, sys_lamp_cb);
#endif
ELEMENT_STRING ete_caption = lcd_text(ETE_CAPTION, 27, 575, ete_caption_cb);
ELEMENT_STRING ete_hours_text = lcd_text(ETE_HOURS, 187, 415, ete_hours_cb);
ELEMENT_STRING ete_minutes_text = lcd_text(ETE_MINUTES, 228, 374, ete_minutes_cb);
ELEMENT_STRING bearing_text = lcd_text(BEARING, 304, 298, bearing_cb);
ELEMENT_STRING distance_text = lcd_text(DISTANCE, 448, 154, distance_cb);
ELEMENT_STRING cross_track_text = lcd_text(CROSS_TRACK, 27, 575, cross_track_cb);
ELEMENT_STRING desired_track_text = lcd_text(DESIRED_TRACK, 27, 575, desired_track_cb);
ELEMENT_STRING distance_page_2_text = lcd_text(DISTANCE_PAGE_2, profile::DISTANCE_PAGE_2, distance_page_2_cb);
ELEMENT_STRING track_text = lcd_text(TRACK, 304, 298, track_cb);
ELEMENT_STRING track_error_text = lcd_text(TRACK_ERROR, 448, 154, track_error_cb);
ELEMENT_STRING track_page_3_text = lcd_text(TRACK_PAGE_3, 27, 575, track_page_3_cb);
ELEMENT_STRING track_error_page_3_text =
    lcd_text(TRACK_ERROR_PAGE_3, profile::TRACK_ERROR_PAGE_3, track_error_page_3_cb);
ELEMENT_STRING ground_speed_text = lcd_text(GROUND_SPEED, 304, 298, ground_speed_cb);
ELEMENT_STRING min_safe_altitude_text =
    lcd_text(MIN_SAFE_ALTITUDE, profile::MIN_SAFE_ALTITUDE, min_safe_altitude_cb);
ELEMENT_STRING flight_time_caption = lcd_text(FLIGHT_TIME_CAPTION, 27, 575, flight_time_caption_cb);
ELEMENT_STRING flight_hours_text = lcd_text(FLIGHT_HOURS, 187, 415, flight_hours_cb);
ELEMENT_STRING flight_minutes_text = lcd_text(FLIGHT_MINUTES, 228, 374, flight_minutes_cb);
ELEMENT_STRING utc_hours_text = lcd_text(UTC_HOURS, 387, 215, utc_hours_cb);
ELEMENT_STRING utc_minutes_text = lcd_text(UTC_MINUTES, profile::UTC_MINUTES, utc_minutes_cb);
ELEMENT_STRING utc_caption = lcd_text(UTC_CAPTION, profile::UTC_CAPTION.x, profile::UTC_CAPTION.width,
                                      utc_caption_cb, UTC_CAPTION_YELLOW);
ELEMENT_STRING latitude_degrees_text = lcd_text(LATITUDE_DEGREES, 27, 575, latitude_degrees_cb);
ELEMENT_STRING latitude_north_text = lcd_text(LATITUDE_NORTH, 73, 529, latitude_north_cb);
ELEMENT_STRING latitude_south_text = lcd_text(LATITUDE_SOUTH, 73, 529, latitude_south_cb);
ELEMENT_STRING longitude_degrees_text = lcd_text(LONGITUDE_DEGREES, 187, 415, longitude_degrees_cb);
ELEMENT_STRING longitude_east_text = lcd_text(LONGITUDE_EAST, 251, 351, longitude_east_cb);
ELEMENT_STRING longitude_west_text = lcd_text(LONGITUDE_WEST, 251, 351, longitude_west_cb);
ELEMENT_STRING pdop_caption = lcd_text(PDOP_CAPTION, profile::PDOP_CAPTION, pdop_caption_cb);
ELEMENT_ICON gps_mode_marker = icon(GPS_MODE_MARKER, profile::GPS_MODE_MARKER_BITMAP, 574, 29, 2, gps_mode_marker_cb);
ELEMENT_STRING countdown_caption = lcd_text(COUNTDOWN_CAPTION, 223, 379, countdown_caption_cb);
ELEMENT_STRING countdown_hours_text = lcd_text(COUNTDOWN_HOURS, 448, 154, countdown_hours_cb);
ELEMENT_STRING countdown_minutes_text = lcd_text(COUNTDOWN_MINUTES, profile::COUNTDOWN_MINUTES, countdown_minutes_cb);
ELEMENT_STRING countdown_seconds_text = lcd_text(COUNTDOWN_SECONDS, 530, 72, countdown_seconds_cb);
ELEMENT_ICON countdown_cursor =
    icon(COUNTDOWN_CURSOR, profile::COUNTDOWN_CURSOR_BITMAP, 444, 17, 4, countdown_cursor_cb);
ELEMENT_SLIDER right_bar = bar(RIGHT_BAR, 0x1300, 27, right_bar_x_cb, right_bar_y_cb);
ELEMENT_ICON right_bar_mask = icon(RIGHT_BAR_MASK, 0x1500, 71, 27, 2, right_bar_mask_cb);
ELEMENT_SLIDER left_bar = bar(LEFT_BAR, 0x1600, 142, left_bar_x_cb, left_bar_y_cb);
ELEMENT_ICON left_bar_mask = icon(LEFT_BAR_MASK, 0x1700, 142, 27, 2, left_bar_mask_cb);
ELEMENT_ICON aircraft_symbol = icon(AIRCRAFT_SYMBOL, 0x1400, 131, 26, 2, aircraft_symbol_cb);
ELEMENT_STRING gps_status = {element_header(ELEMENT_TYPE_STRING, -1, 120, 1, after(GPS_STATUS)),
                             {module_var(token::GPS_STATUS_FLAGS), module_var(0), module_var(0)},
                             482, 24, WHITE, BLACK, BLACK, "Courier New", 100, CHARSET_WINDOWS_1252,
                             STRING_TEXT_FLAGS, nullptr, 0, gps_status_cb};
#if COMPACT_NAVIGATOR_HAS_COM
ELEMENT_STRING active_frequency = lcd_text(ACTIVE_FREQUENCY, 27, 575, active_frequency_cb, LCD_YELLOW,
                                           profile::ACTIVE_FREQUENCY);
ELEMENT_STRING standby_frequency = lcd_text(STANDBY_FREQUENCY, 165, 437, standby_frequency_cb, LCD_YELLOW,
                                            profile::STANDBY_FREQUENCY);
#define COM_ELEMENT(record) &record.header
#else
#define COM_ELEMENT(record) nullptr
#endif
ELEMENT_ICON self_test_screens = icon(SELF_TEST_SCREENS, profile::SELF_TEST_BITMAP, 26, 23, 5, self_test_screens_cb);
ELEMENT_ICON message_screens = icon(MESSAGE_SCREENS, profile::MESSAGE_BITMAP, 26, 23, 4, message_screens_cb);

// Faceplate order, one entry per Element; null where this build has no such element.
constexpr ELEMENT_HEADER* faceplate[] = {
    &background.header, &power_knob.header, &msg_lamp.header, COM_ELEMENT(sys_lamp),
    &ete_caption.header, &ete_hours_text.header, &ete_minutes_text.header, &bearing_text.header,
    &distance_text.header, &cross_track_text.header, &desired_track_text.header, &distance_page_2_text.header,
    &track_text.header, &track_error_text.header, &track_page_3_text.header, &track_error_page_3_text.header,
    &ground_speed_text.header, &min_safe_altitude_text.header, &flight_time_caption.header,
    &flight_hours_text.header, &flight_minutes_text.header, &utc_hours_text.header, &utc_minutes_text.header,
    &utc_caption.header, &latitude_degrees_text.header, &latitude_north_text.header,
    &latitude_south_text.header, &longitude_degrees_text.header, &longitude_east_text.header,
    &longitude_west_text.header, &pdop_caption.header, &gps_mode_marker.header, &countdown_caption.header,
    &countdown_hours_text.header, &countdown_minutes_text.header, &countdown_seconds_text.header,
    &countdown_cursor.header, &right_bar.header, &right_bar_mask.header, &left_bar.header,
    &left_bar_mask.header, &aircraft_symbol.header, &gps_status.header, COM_ELEMENT(active_frequency),
    COM_ELEMENT(standby_frequency), &self_test_screens.header, &message_screens.header,
};
#undef COM_ELEMENT
static_assert(std::size(faceplate) == ELEMENT_COUNT, "faceplate order and its numbering disagree");

constexpr int chained_elements()
{
    int n = 0;
    for (ELEMENT_HEADER* e : faceplate) n += e != nullptr;
    return n;
}
static_assert(chained_elements() == (COMPACT_NAVIGATOR_HAS_COM ? ELEMENT_COUNT : GPS_ONLY_ELEMENT_COUNT));

// Each present element is followed by the next present one; the last by nothing.
constexpr ChainLinks link_chain()
{
    ChainLinks links{};
    int previous = -1;
    for (int i = 0; i < ELEMENT_COUNT; ++i) {
        if (faceplate[i] == nullptr) continue;
        if (previous >= 0) links.rows[previous][0] = faceplate[i];
        previous = i;
    }
    return links;
}
constexpr ChainLinks chain = link_chain();

} // namespace
