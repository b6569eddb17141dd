// Compact GPS navigator with its VHF COM transceiver, COM1 build.
#pragma once

#include <cstdint>

#define COMPACT_NAVIGATOR_HAS_COM 1

namespace profile {

constexpr char GAUGE_NAME[] = "GPSCOM1_Corvane_QT8";

constexpr int32_t ACTIVE_FREQUENCY  = 23;    // 0x17
constexpr int32_t STANDBY_FREQUENCY = 617;   // 0x269

constexpr uint32_t STANDBY_MHZ_DOWN = 65636; // 0x10064
constexpr uint32_t STANDBY_MHZ_UP   = 65637; // 0x10065
constexpr uint32_t STANDBY_KHZ_DOWN = 65638; // 0x10066
constexpr uint32_t STANDBY_KHZ_UP   = 65639; // 0x10067
constexpr uint32_t SWAP             = 66372; // 0x10344

} // namespace profile

#include "gpscom_layout.h"
