// Compact GPS navigator with its VHF COM transceiver, COM2 build.
#pragma once

#include <cstdint>

#define COMPACT_NAVIGATOR_HAS_COM 1

namespace profile {

constexpr char GAUGE_NAME[] = "GPSCOM2_Corvane_QT8";

constexpr int32_t ACTIVE_FREQUENCY  = 870;   // 0x366
constexpr int32_t STANDBY_FREQUENCY = 871;   // 0x367

constexpr uint32_t STANDBY_MHZ_DOWN = 66436; // 0x10384
constexpr uint32_t STANDBY_MHZ_UP   = 66437; // 0x10385
constexpr uint32_t STANDBY_KHZ_DOWN = 66438; // 0x10386
constexpr uint32_t STANDBY_KHZ_UP   = 66440; // 0x10388
constexpr uint32_t SWAP             = 66444; // 0x1038C

} // namespace profile

#include "gpscom_layout.h"
