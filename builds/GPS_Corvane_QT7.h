// Compact GPS navigator without COM transceiver, GPS-only build.
// No COM section, the power convention of the other instruments, some texts moved and the screen bitmaps
// numbered differently.
#pragma once

#include <cstdint>

#include "text_place.h"

#define COMPACT_NAVIGATOR_HAS_COM 0

namespace profile {

constexpr char GAUGE_NAME[] = "GPS_Corvane_QT7";

// Airspeed, wind direction, heading, wind speed.
constexpr int32_t AIR_DATA_TOKENS[4] = {61, 344, 81, 343};

// Power is the bus value truncated to a whole number: 1.5 powers the unit, 0.5 is a power failure.
constexpr bool BUS_POWER_TRUNCATED = true;

constexpr TextPlace DISTANCE_PAGE_2   = {177, 425};
constexpr TextPlace TRACK_ERROR_PAGE_3 = {177, 425};
constexpr TextPlace MIN_SAFE_ALTITUDE = {27, 575};
constexpr TextPlace UTC_MINUTES       = {428, 174};
constexpr TextPlace UTC_CAPTION       = {319, 283};
constexpr TextPlace PDOP_CAPTION      = {438, 164};
constexpr TextPlace COUNTDOWN_MINUTES = {489, 113};

constexpr int32_t GPS_MODE_MARKER_BITMAP  = 0x2000;
constexpr int32_t COUNTDOWN_CURSOR_BITMAP = 0x1900;
constexpr int32_t SELF_TEST_BITMAP        = 0x2100;
constexpr int32_t MESSAGE_BITMAP          = 0x2200;

} // namespace profile
