// Large GPS navigator, with the head of a VHF COM transceiver in the GPS/COM builds: a screen of three GPS
// lines and a COM line, five soft keys under it (MSG, APT, VOR, INT, COM; NDB in the GPS-only build), the
// key block (NAV, NRST, INFO, SEL, MAP, direct-to, ENTER), a power knob and a dual concentric knob. It
// plans no route: it formats the simulator's GPS solution into pages, adds the time en route, track over
// ground, minimum safe altitude, descent point and position in degrees and minutes, keeps a flight timer
// and a count-down, and raises three messages.
//
// Reads (module variables, FLOAT64, refreshed in this order at the start of every update)
//   773  bus power, truncated: 1 means power
//   836  bearing to the TO waypoint, radians         835  distance to it, metres
//   837  cross-track error, metres, signed           832  ground speed, metres per second
//   834  read, not used                              838  desired track, radians
//   2    read, not used                              614  height term of the minimum safe altitude, metres
//   604  simulation time, seconds                    6, 7 UTC hour and minute of the simulator clock
//   827  latitude, 111130.555557 per degree          828  longitude, 11930430 per degree
//   0    an empty entry                              1    tick count, 18 a second
//   5    second of the simulator clock (blinking)    875  read, not used
//   74   barometric altitude, feet                   75   altimeter setting, millibars
//   73   encoder altitude, metres                    65   vertical speed, 1/256 metre per second
//   344  wind direction, degrees                     81   heading, degrees
//   343  wind speed                                  61   airspeed, same unit as 343
// Reads (element source variables, refreshed by the host)
//   831  GPS status flags, 32-bit integer, on the hidden flags reader: 64 or 72 mean no TO waypoint
//   active and standby COM frequency (COM1 23 / 617, COM2 870 / 871), four BCD digits as an integer
// Sends (always with the value 0)
//   65908 direct-to; 65657 / 65658 UTC hours down / up; 65659 / 65660 UTC minutes down / up;
//   65884 / 65883 altimeter setting down / up
//   COM builds: the profile's standby MHz and 25 kHz down / up and swap; 66513 / 66514 monitor on / off
// Named variables: publishes "send_msg" (32-bit integer: 0 none, 1 count-down expired, 2 empty TO
//   waypoint, 3 arrival) on install, rewritten at the end of every update, withdrawn on kill.
// Sounds: click on the power knob when it turns; soft click first on every key and soft key, powered or
//   not; the knobs are silent.

#include "gauge_module.h"
#include GAUGE_PROFILE

#include "large_navigator_faceplate.h"
#include "gps_only_faceplate.h"

namespace {
using namespace large_navigator;
} // namespace

#include "navigator_state.h"
#include "computed_values.h"
#include "navigator_update.h"
#include "navigator_controls.h"
#if NAVIGATOR_COM_SECTION
#include "navigator_com.h"
#else
namespace {
void tune_com(ComStep) {}
} // namespace
#endif
#include "navigator_display.h"

namespace {

// ---- Faceplate, in drawing order ----------------------------------------------------------------------

constexpr int32_t POWER_KNOB_BITMAP = 0x1100;
constexpr int32_t COURSE_MARK_BITMAP = 0x1200;
constexpr int32_t TIMER_CURSOR_BITMAP = 0x1400;
constexpr int32_t SCREEN_BITMAP = 0x3400;
constexpr int32_t PAGE_TITLE_BITMAP = 0x3500;
constexpr int32_t LABEL_STRIP_BITMAP = 0x3700;
constexpr int32_t STEERING_ARROW_BITMAP = 0x3800;
constexpr int32_t GPS_FLAGS_TOKEN = 831;

extern ELEMENT_STATIC_IMAGE background;
extern ELEMENT_ICON power_knob, label_strip, page_title, steering_arrow, course_mark, timer_cursor, screen;
extern ELEMENT_STRING ete_label, ete_hours_display, ete_minutes_display, xte_right, xte_left, bearing, distance,
    desired_track, track, track_angle_error, flight_time_hours, flight_time_minutes, ground_speed,
    track_and_desired, desired_and_track, utc_hours, utc_minutes, min_safe_altitude, altitude, above_hold,
    below_hold, altimeter_setting, encoder_altitude, descent_end_altitude, descent_point, vertical_speed,
    descent_ground_speed, hold_altitude, hold_buffer, latitude_deg, latitude_north, latitude_south,
    longitude_deg, longitude_east, longitude_west, timer_hours, timer_minutes, timer_seconds, flags_reader;

#if NAVIGATOR_COM_SECTION
extern ELEMENT_STRING active_frequency, standby_frequency;
constexpr int SCREEN_NUMBER = SELF_TEST_SCREEN;
constexpr int FACEPLATE_SIZE = ELEMENT_COUNT;
#define NAVIGATOR_FREQUENCY_DISPLAYS active_frequency, standby_frequency,
#else
constexpr int SCREEN_NUMBER = gps_only::SELF_TEST_SCREEN;
constexpr int FACEPLATE_SIZE = gps_only::ELEMENT_COUNT;
#define NAVIGATOR_FREQUENCY_DISPLAYS
#endif

constexpr auto faceplate = element_chain(
    background, power_knob, label_strip, page_title, steering_arrow, ete_label, ete_hours_display,
    ete_minutes_display, xte_right, xte_left, bearing, distance, desired_track, track, track_angle_error,
    flight_time_hours, flight_time_minutes, ground_speed, track_and_desired, desired_and_track, utc_hours,
    utc_minutes, min_safe_altitude, altitude, above_hold, below_hold, altimeter_setting, encoder_altitude,
    descent_end_altitude, descent_point, vertical_speed, descent_ground_speed, hold_altitude, hold_buffer,
    latitude_deg, latitude_north, latitude_south, longitude_deg, longitude_east, longitude_west, course_mark,
    timer_hours, timer_minutes, timer_seconds, timer_cursor, flags_reader, NAVIGATOR_FREQUENCY_DISPLAYS screen);
static_assert(faceplate.size() == FACEPLATE_SIZE, "faceplate chain and its numbering disagree");

#define AFTER(number, element) faceplate.after(number, element)

ELEMENT_STATIC_IMAGE background = {
    element_header(ELEMENT_TYPE_STATIC_IMAGE, profile::BACKGROUND_BITMAP, 0, 0, AFTER(BACKGROUND, background)),
    STATIC_IMAGE_SETTING};
ELEMENT_ICON power_knob = icon(POWER_KNOB_BITMAP, 537, 19, 2, power_knob_cb, AFTER(POWER_KNOB_IMAGE, power_knob));
ELEMENT_ICON label_strip = icon(LABEL_STRIP_BITMAP, 60, 138, LABEL_FRAME_COUNT, label_strip_cb,
                                AFTER(LABEL_STRIP, label_strip));
ELEMENT_ICON page_title = icon(PAGE_TITLE_BITMAP, 68, 22, 8, page_title_cb, AFTER(PAGE_TITLE, page_title));
ELEMENT_ICON steering_arrow = icon(STEERING_ARROW_BITMAP, 156, 57, 3, steering_arrow_cb,
                                   AFTER(STEERING_ARROW, steering_arrow));

ELEMENT_STRING ete_label = text_display(67, 26, 535, ete_label_cb, AFTER(ETE_LABEL, ete_label));
ELEMENT_STRING ete_hours_display = text_display(229, 26, 373, ete_hours_cb, AFTER(ETE_HOURS, ete_hours_display));
ELEMENT_STRING ete_minutes_display = text_display(265, 26, 337, ete_minutes_cb,
                                                  AFTER(ETE_MINUTES, ete_minutes_display), LCD_TEXT,
                                                  profile::ETE_MINUTES_FONT);
ELEMENT_STRING xte_right = text_display(232, 50, 370, cross_track_right_cb, AFTER(CROSS_TRACK_RIGHT, xte_right));
ELEMENT_STRING xte_left = text_display(67, 50, 535, cross_track_left_cb, AFTER(CROSS_TRACK_LEFT, xte_left));
ELEMENT_STRING bearing = text_display(67, 74, 535, bearing_cb, AFTER(BEARING, bearing));
ELEMENT_STRING distance = text_display(207, 74, 395, distance_cb, AFTER(DISTANCE, distance));
ELEMENT_STRING desired_track = text_display(67, 74, 535, desired_track_cb, AFTER(DESIRED_TRACK, desired_track));
ELEMENT_STRING track = text_display(68, 74, 534, track_cb, AFTER(TRACK, track));
ELEMENT_STRING track_angle_error = text_display(185, 74, 417, track_angle_error_cb,
                                                AFTER(TRACK_ANGLE_ERROR, track_angle_error));
ELEMENT_STRING flight_time_hours = text_display(67, 74, 535, flight_time_hours_cb,
                                                AFTER(FLIGHT_TIME_HOURS, flight_time_hours));
ELEMENT_STRING flight_time_minutes = text_display(135, 74, 467, flight_time_minutes_cb,
                                                  AFTER(FLIGHT_TIME_MINUTES, flight_time_minutes), LCD_BRIGHT);
ELEMENT_STRING ground_speed = text_display(200, 74, 402, ground_speed_cb, AFTER(GROUND_SPEED, ground_speed));
ELEMENT_STRING track_and_desired = text_display(67, 74, 535, track_and_desired_cb,
                                                AFTER(TRACK_AND_DESIRED, track_and_desired), LCD_BRIGHT);
ELEMENT_STRING desired_and_track = text_display(190, 74, 412, desired_and_track_cb,
                                                AFTER(DESIRED_AND_TRACK, desired_and_track), LCD_BRIGHT);
ELEMENT_STRING utc_hours = text_display(113, 74, 489, utc_hours_cb, AFTER(UTC_HOURS, utc_hours), LCD_BRIGHT);
ELEMENT_STRING utc_minutes = text_display(150, 74, 452, utc_minutes_cb, AFTER(UTC_MINUTES, utc_minutes));
ELEMENT_STRING min_safe_altitude = text_display(67, 50, 535, min_safe_altitude_cb,
                                                AFTER(MIN_SAFE_ALTITUDE, min_safe_altitude), LCD_TEXT, GLASS_GAUGE);
ELEMENT_STRING altitude = text_display(204, 26, 398, altitude_cb, AFTER(ALTITUDE, altitude));
ELEMENT_STRING above_hold = text_display(67, 50, 535, above_hold_cb, AFTER(ABOVE_HOLD, above_hold), LCD_TEXT,
                                         profile::ABOVE_HOLD_FONT);
ELEMENT_STRING below_hold = text_display(67, 50, 535, below_hold_cb, AFTER(BELOW_HOLD, below_hold));
ELEMENT_STRING altimeter_setting = text_display(170, 74, 432, altimeter_setting_cb,
                                                AFTER(ALTIMETER_SETTING, altimeter_setting), LCD_TEXT,
                                                profile::ALTIMETER_FONT);
ELEMENT_STRING encoder_altitude = text_display(200, 50, 402, encoder_altitude_cb,
                                               AFTER(ENCODER_ALTITUDE, encoder_altitude), LCD_TEXT,
                                               profile::ENCODER_ALT_FONT);
ELEMENT_STRING descent_end_altitude = text_display(67, 26, 535, descent_end_altitude_cb,
                                                   AFTER(DESCENT_END_ALTITUDE, descent_end_altitude));
ELEMENT_STRING descent_point = text_display(67, 50, 535, descent_point_cb, AFTER(DESCENT_POINT, descent_point));
ELEMENT_STRING vertical_speed = text_display(67, 74, 535, vertical_speed_cb, AFTER(VERTICAL_SPEED, vertical_speed));
ELEMENT_STRING descent_ground_speed = text_display(200, 74, 402, descent_ground_speed_cb,
                                                   AFTER(DESCENT_GROUND_SPEED, descent_ground_speed));
ELEMENT_STRING hold_altitude = text_display(200, 26, 402, hold_altitude_cb, AFTER(HOLD_ALTITUDE, hold_altitude));
ELEMENT_STRING hold_buffer = text_display(200, 50, 402, hold_buffer_cb, AFTER(HOLD_BUFFER, hold_buffer));
ELEMENT_STRING latitude_deg = text_display(80, 50, 522, latitude_degrees_cb, AFTER(LATITUDE_DEGREES, latitude_deg));
ELEMENT_STRING latitude_north = text_display(120, 50, 482, latitude_north_cb, AFTER(LATITUDE_NORTH, latitude_north));
ELEMENT_STRING latitude_south = text_display(120, 50, 482, latitude_south_cb, AFTER(LATITUDE_SOUTH, latitude_south));
ELEMENT_STRING longitude_deg = text_display(67, 74, 535, longitude_degrees_cb,
                                            AFTER(LONGITUDE_DEGREES, longitude_deg), LCD_BRIGHT);
ELEMENT_STRING longitude_east = text_display(120, 74, 482, longitude_east_cb, AFTER(LONGITUDE_EAST, longitude_east));
ELEMENT_STRING longitude_west = text_display(120, 74, 482, longitude_west_cb, AFTER(LONGITUDE_WEST, longitude_west));
// Declared with two frames; the unit only ever shows the first.
ELEMENT_ICON course_mark = icon(COURSE_MARK_BITMAP, 283, 96, 2, course_mark_cb, AFTER(COURSE_MARK, course_mark));
ELEMENT_STRING timer_hours = text_display(188, 50, 414, timer_hours_cb, AFTER(TIMER_HOURS, timer_hours));
ELEMENT_STRING timer_minutes = text_display(228, 50, 374, timer_minutes_cb, AFTER(TIMER_MINUTES, timer_minutes));
ELEMENT_STRING timer_seconds = text_display(265, 50, 337, timer_seconds_cb, AFTER(TIMER_SECONDS, timer_seconds));
ELEMENT_ICON timer_cursor = icon(TIMER_CURSOR_BITMAP, 179, 59, 4, timer_cursor_cb, AFTER(TIMER_CURSOR, timer_cursor));

constexpr ELEMENT_STRING flags_reader_record()
{
    ELEMENT_STRING e = text_display(120, 1, 482, flags_reader_cb, AFTER(FLAGS_READER, flags_reader), WHITE,
                                    "Courier New", GPS_FLAGS_TOKEN);
    e.box_height = 24;
    e.font_weight = 100;
    return e;
}
ELEMENT_STRING flags_reader = flags_reader_record();

#if NAVIGATOR_COM_SECTION
ELEMENT_STRING active_frequency = text_display(67, 109, 535, active_frequency_cb,
                                               AFTER(ACTIVE_FREQUENCY, active_frequency), LCD_TEXT, GLASS,
                                               profile::ACTIVE_FREQUENCY);
ELEMENT_STRING standby_frequency = text_display(202, 109, 400, standby_frequency_cb,
                                                AFTER(STANDBY_FREQUENCY, standby_frequency), LCD_TEXT, GLASS,
                                                profile::STANDBY_FREQUENCY);
#endif

// Last, so that a self-test screen or a message in view covers the page; the COM line stays visible.
ELEMENT_ICON screen = icon(SCREEN_BITMAP, 68, 22, SCREEN_FRAME_COUNT, self_test_screen_cb, AFTER(SCREEN_NUMBER, screen));

#undef AFTER

// ---- Hotspots, in table order -------------------------------------------------------------------------

constexpr MOUSERECT hotspots[] = {
    hotspot_parent(),
    hotspot(536, 17, 19, 37, CURSOR_DOWNARROW, power_knob_off),
    hotspot(554, 17, 20, 38, CURSOR_UPARROW, power_knob_on),
    hotspot(70, 167, 24, 15, CURSOR_HAND, msg_key),
    hotspot(388, 95, 30, 24, CURSOR_HAND, direct_to_key),
    hotspot(347, 59, 31, 26, CURSOR_HAND, nav_key),
    hotspot(547, 97, 15, 37, CURSOR_DOWNARROW, inner_knob_left),
    hotspot(563, 99, 14, 35, CURSOR_UPARROW, inner_knob_right),
    hotspot(430, 95, 76, 24, CURSOR_HAND, enter_key),
    hotspot(526, 90, 19, 50, CURSOR_DOWNARROW, outer_knob_left),
    hotspot(580, 89, 18, 51, CURSOR_UPARROW, outer_knob_right),
    hotspot(473, 58, 32, 27, CURSOR_HAND, sel_key),
#if NAVIGATOR_COM_SECTION
    hotspot(94, 77, 51, 22, CURSOR_HAND, transfer_area),
    hotspot(261, 166, 31, 16, CURSOR_HAND, com_key),
    hotspot(431, 61, 32, 25, CURSOR_HAND, info_key),
#endif
    hotspot(213, 166, 28, 16, CURSOR_HAND, int_key),
    hotspot_end_of_parent(),
    hotspot_end_of_list(),
};
static_assert(std::size(hotspots) == (NAVIGATOR_COM_SECTION ? int{HOTSPOT_COUNT} : int{gps_only::HOTSPOT_COUNT}) + 3,
              "hotspot table and its numbering disagree");

GAUGEHDR gauge_header = {GAUGE_HEADER_VERSION, profile::GAUGE_NAME, &background.header,
                         nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         100, 0, hotspots, service_callback, 0};

} // namespace

GAUGE_MODULE(gauge_header)
