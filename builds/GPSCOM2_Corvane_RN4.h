// Large GPS/COM navigator, COM2 build.
#pragma once

#include <cstdint>

#define NAVIGATOR_COM_SECTION 1

namespace profile {

constexpr char GAUGE_NAME[] = "GPSCOM2_Corvane_RN4";

constexpr int32_t BACKGROUND_BITMAP = 256;   // 0x100

// Fonts of the displays in which the builds differ.
constexpr char ETE_MINUTES_FONT[]   = "Glass";
constexpr char ABOVE_HOLD_FONT[]    = "Glass";
constexpr char ALTIMETER_FONT[]     = "Glass";
constexpr char ENCODER_ALT_FONT[]   = "Glass";

// The wind angle goes to the track computation in whole degrees.
constexpr bool WIND_ANGLE_UNROUNDED = false;

constexpr int32_t ACTIVE_FREQUENCY  = 870;   // 0x366
constexpr int32_t STANDBY_FREQUENCY = 871;   // 0x367

constexpr uint32_t STANDBY_MHZ_DOWN = 66436; // 0x10384
constexpr uint32_t STANDBY_MHZ_UP   = 66437; // 0x10385
constexpr uint32_t STANDBY_KHZ_DOWN = 66438; // 0x10386
constexpr uint32_t STANDBY_KHZ_UP   = 66440; // 0x10388
constexpr uint32_t SWAP             = 66444; // 0x1038C

} // namespace profile
