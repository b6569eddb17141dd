// The numbers the pages show, made from the host's raw GPS, air-data and clock values. The unit has its
// own constants and uses them everywhere: pi is 3.14 and the nautical mile 1856.7508 m, so that every page
// agrees with every other. Values the pages show are kept in single precision, as the unit always has.
#pragma once

#include <cmath>

namespace {

constexpr double PI = 3.14;
constexpr double NM_DIVISOR = 1.8567508;               // after dividing metres by 1000
constexpr double KNOTS_PER_MPS = 1.944;
constexpr double FEET_PER_METRE = 3.2808;
constexpr double FEET_PER_METRE_MSA = 3.28084;          // the minimum safe altitude's own factor
constexpr double VS_TOKEN_FACTOR = 0.00390625;                // 1/256 metre per second
constexpr double LATITUDE_UNITS_PER_DEGREE = 111130.555557;
constexpr double LONGITUDE_UNITS_PER_DEGREE = 11930430.0;
constexpr double DEGREES_PER_RADIAN = 57.324840764331206;   // 180 / 3.14
constexpr double SAFE_ALTITUDE_MARGIN_FT = 2000.0;
constexpr double HOLD_BUFFER_FT = 300.0;
constexpr double CROSS_TRACK_DEADBAND_NM = 0.05;
constexpr float  CROSS_TRACK_LEFT_CAP_NM = 999.9f;
constexpr double MINIMUM_TRACK_AIRSPEED = 5.0;           // below it the track displays stay dark

double metres_to_nm(double m) { return m / 1000.0 / NM_DIVISOR; }
double radians_to_degrees(double r) { return r * 180.0 / PI; }

float bearing_deg() { return static_cast<float>(radians_to_degrees(sim(VAR_BEARING))); }
float distance_nm() { return static_cast<float>(metres_to_nm(sim(VAR_DISTANCE))); }
float ground_speed_kt() { return static_cast<float>(sim(VAR_GROUND_SPEED) * KNOTS_PER_MPS); }

// Positive: the desired track lies to the right.
float cross_track_nm() { return static_cast<float>(metres_to_nm(sim(VAR_CROSS_TRACK))); }
bool cross_track_right(float xte) { return xte > static_cast<float>(CROSS_TRACK_DEADBAND_NM); }
bool cross_track_left(float xte) { return xte < -static_cast<float>(CROSS_TRACK_DEADBAND_NM); }

// The desired track in 0 to 360.
float desired_track_deg()
{
    float dtk = static_cast<float>(radians_to_degrees(sim(VAR_DESIRED_TRACK)));
    if (dtk < 0.0f) dtk += 360.0f;
    return dtk;
}

// Track over ground: the heading corrected by the wind's share of the airspeed across it. The wind angle
// is in degrees and goes to the sine in radians. At an airspeed of zero the quotient is infinite or not a
// number; the track displays are dark then, and the truncation keeps the integer defined.
int32_t track_over_ground()
{
    const double wind_angle = profile::WIND_ANGLE_UNROUNDED
                                  ? static_cast<double>(static_cast<float>(sim(VAR_WIND_DIRECTION) - sim(VAR_HEADING)))
                                  : static_cast<double>(truncate_to_int(sim(VAR_WIND_DIRECTION) - sim(VAR_HEADING)));
    const double drift = sim(VAR_WIND_SPEED) / sim(VAR_AIRSPEED) * std::sin(wind_angle * PI / 180.0);
    int32_t track = truncate_to_int(drift * DEGREES_PER_RADIAN + sim(VAR_HEADING));
    if (track < 0) track += 360;
    if (track > 360) track -= 360;
    return track;
}

bool track_known() { return sim(VAR_AIRSPEED) > MINIMUM_TRACK_AIRSPEED; }

float minimum_safe_altitude_ft()
{
    return static_cast<float>(sim(VAR_BARO_ALTITUDE) + SAFE_ALTITUDE_MARGIN_FT - sim(VAR_HEIGHT_TERM) * FEET_PER_METRE_MSA);
}

float above_hold_ft() { return static_cast<float>(sim(VAR_BARO_ALTITUDE) - hold_alt * 100.0); }
float below_hold_ft() { return static_cast<float>(hold_alt * 100.0 - sim(VAR_BARO_ALTITUDE)); }
float encoder_altitude_ft() { return static_cast<float>(sim(VAR_ENCODER_ALTITUDE) * FEET_PER_METRE); }

// Tens of feet per minute: the display appends the last zero.
float vertical_speed_tens_fpm()
{
    return static_cast<float>(sim(VAR_VERTICAL_SPEED) * VS_TOKEN_FACTOR * FEET_PER_METRE * 60.0 / 10.0);
}

// Where the descent to the end altitude begins, in nautical miles from the TO waypoint: the distance left
// less the ground covered while descending at the present vertical speed. A level aircraft divides by a
// vertical speed of zero; the display shows what the division gives.
float descent_point_nm()
{
    const double ground_nm_per_min = sim(VAR_GROUND_SPEED) * KNOTS_PER_MPS / 60.0;
    const double climb = (end_alt * 100.0 - sim(VAR_BARO_ALTITUDE)) / sim(VAR_VERTICAL_SPEED);
    return static_cast<float>(metres_to_nm(sim(VAR_DISTANCE)) -
                              ground_nm_per_min * climb * VS_TOKEN_FACTOR * FEET_PER_METRE * 60.0);
}

double latitude_degrees() { return sim(VAR_LATITUDE) / LATITUDE_UNITS_PER_DEGREE; }
float longitude_degrees() { return static_cast<float>(sim(VAR_LONGITUDE) / LONGITUDE_UNITS_PER_DEGREE); }

// Time en route: the distance in nautical miles over the ground speed in knots; nothing to divide by while
// the aircraft stands.
float time_en_route_hours()
{
    const double knots = sim(VAR_GROUND_SPEED) * KNOTS_PER_MPS;
    if (!(knots > 0.0)) return 0.0f;
    return static_cast<float>(metres_to_nm(sim(VAR_DISTANCE)) / knots);
}

} // namespace
