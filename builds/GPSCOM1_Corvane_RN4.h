// Large GPS/COM navigator, COM1 build.
#pragma once

#include <cstdint>

#define NAVIGATOR_COM_SECTION 1

namespace profile {

constexpr char GAUGE_NAME[] = "GPSCOM1_Corvane_RN4";

constexpr int32_t BACKGROUND_BITMAP = 256;   // 0x100

// Fonts of the displays in which the builds differ.
constexpr char ETE_MINUTES_FONT[]   = "Glass Gauge";
constexpr char ABOVE_HOLD_FONT[]    = "Glass";
constexpr char ALTIMETER_FONT[]     = "Glass";
constexpr char ENCODER_ALT_FONT[]   = "Glass";

// The wind angle goes to the track computation in whole degrees.
constexpr bool WIND_ANGLE_UNROUNDED = false;

constexpr int32_t ACTIVE_FREQUENCY  = 23;    // 0x17
constexpr int32_t STANDBY_FREQUENCY = 617;   // 0x269

constexpr uint32_t STANDBY_MHZ_DOWN = 65636; // 0x10064
constexpr uint32_t STANDBY_MHZ_UP   = 65637; // 0x10065
constexpr uint32_t STANDBY_KHZ_DOWN = 65638; // 0x10066
constexpr uint32_t STANDBY_KHZ_UP   = 65639; // 0x10067
constexpr uint32_t SWAP             = 66372; // 0x10344

} // namespace profile
