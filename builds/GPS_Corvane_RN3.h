// Large GPS-only navigator: the large navigator without the COM section.
#pragma once

#include <cstdint>

#define NAVIGATOR_COM_SECTION 0

namespace profile {

constexpr char GAUGE_NAME[] = "GPS_Corvane_RN3";

constexpr int32_t BACKGROUND_BITMAP = 14592; // 0x3900

// Fonts of the displays in which the builds differ.
constexpr char ETE_MINUTES_FONT[]   = "Glass";
constexpr char ABOVE_HOLD_FONT[]    = "Glass Gauge";
constexpr char ALTIMETER_FONT[]     = "Glass Gauge";
constexpr char ENCODER_ALT_FONT[]   = "Glass Gauge";

// The wind angle goes to the track computation as it comes, in single precision.
constexpr bool WIND_ANGLE_UNROUNDED = true;

} // namespace profile
