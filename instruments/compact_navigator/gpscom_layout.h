// What the two COM builds of the compact navigator share and the GPS-only build has otherwise: the order
// of the air data in the table of module variables, the power rule, the places of the texts the GPS-only
// faceplate moves and the bitmaps it numbers differently.
#pragma once

#include <cstdint>

#include "text_place.h"

namespace profile {

// Wind direction, heading, wind speed, airspeed.
constexpr int32_t AIR_DATA_TOKENS[4] = {344, 81, 343, 61};

// Power is the bus value 1.0 exactly, and only 0.0 exactly is a power failure.
constexpr bool BUS_POWER_TRUNCATED = false;

constexpr TextPlace DISTANCE_PAGE_2   = {187, 415};
constexpr TextPlace TRACK_ERROR_PAGE_3 = {187, 415};
constexpr TextPlace MIN_SAFE_ALTITUDE = {304, 298};
constexpr TextPlace UTC_MINUTES       = {426, 176};
constexpr TextPlace UTC_CAPTION       = {314, 288};
constexpr TextPlace PDOP_CAPTION      = {448, 154};
constexpr TextPlace COUNTDOWN_MINUTES = {488, 114};

constexpr int32_t GPS_MODE_MARKER_BITMAP  = 0x1900;
constexpr int32_t COUNTDOWN_CURSOR_BITMAP = 0x1800;
constexpr int32_t SELF_TEST_BITMAP        = 0x2000;
constexpr int32_t MESSAGE_BITMAP          = 0x2300;

} // namespace profile
