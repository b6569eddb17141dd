// NAV/COM radio, NAV2/COM2 build.
#pragma once

#include <cstdint>

namespace profile {

constexpr char GAUGE_NAME[] = "NAVCOM2_Corvane_QT2";

// Frequencies, four BCD digits each.
constexpr int32_t COM_ACTIVE_FREQUENCY  = 870;   // 0x366
constexpr int32_t COM_STANDBY_FREQUENCY = 871;   // 0x367
constexpr int32_t NAV_ACTIVE_FREQUENCY  = 27;    // 0x1B
constexpr int32_t NAV_STANDBY_FREQUENCY = 873;   // 0x369

// What the NAV2 receiver gives the navigation display.
constexpr int32_t RADIAL           = 28;    // 0x1C, FROM radial times 180
constexpr int32_t BEARING_TERM     = 59;    // 0x3B, plus token 81 the bearing to the station
constexpr int32_t NAV_AUDIO        = 878;   // 0x36E
constexpr int32_t DME_AVAILABILITY = 58;    // 0x3A
constexpr int32_t SELECTED_COURSE  = 54;    // 0x36
constexpr int32_t COURSE_DEVIATION = 50;    // 0x32
constexpr int32_t DME_DISTANCE     = 35;    // 0x23
constexpr int32_t DME_SPEED        = 36;    // 0x24
constexpr int32_t TO_FROM_FLAG     = 52;    // 0x34

constexpr uint32_t COM_STANDBY_MHZ_DOWN = 66436;   // 0x10384
constexpr uint32_t COM_STANDBY_MHZ_UP   = 66437;   // 0x10385
constexpr uint32_t COM_STANDBY_KHZ_DOWN = 66438;   // 0x10386
constexpr uint32_t COM_STANDBY_KHZ_UP   = 66440;   // 0x10388
constexpr uint32_t COM_SWAP             = 66444;   // 0x1038C
constexpr uint32_t NAV_STANDBY_MHZ_DOWN = 65644;   // 0x1006C
constexpr uint32_t NAV_STANDBY_MHZ_UP   = 65645;   // 0x1006D
constexpr uint32_t NAV_STANDBY_KHZ_DOWN = 65646;   // 0x1006E
constexpr uint32_t NAV_STANDBY_KHZ_UP   = 65647;   // 0x1006F
constexpr uint32_t NAV_SWAP             = 66452;   // 0x10394
constexpr uint32_t COURSE_OUTER_DOWN    = 66369;   // 0x10341
constexpr uint32_t COURSE_OUTER_UP      = 66370;   // 0x10342
constexpr uint32_t COURSE_INNER_DOWN    = 65664;   // 0x10080
constexpr uint32_t COURSE_INNER_UP      = 65665;   // 0x10081
constexpr uint32_t NAV_AUDIO_TOGGLE     = 65843;   // 0x10133

} // namespace profile
