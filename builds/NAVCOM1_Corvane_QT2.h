// NAV/COM radio, NAV1/COM1 build.
#pragma once

#include <cstdint>

namespace profile {

constexpr char GAUGE_NAME[] = "NAVCOM1_Corvane_QT2";

// Frequencies, four BCD digits each.
constexpr int32_t COM_ACTIVE_FREQUENCY  = 23;    // 0x17
constexpr int32_t COM_STANDBY_FREQUENCY = 617;   // 0x269
constexpr int32_t NAV_ACTIVE_FREQUENCY  = 24;    // 0x18
constexpr int32_t NAV_STANDBY_FREQUENCY = 872;   // 0x368

// What the NAV1 receiver gives the navigation display.
constexpr int32_t RADIAL           = 25;    // 0x19, FROM radial times 180
constexpr int32_t BEARING_TERM     = 550;   // 0x226, plus token 81 the bearing to the station
constexpr int32_t NAV_AUDIO        = 877;   // 0x36D
constexpr int32_t DME_AVAILABILITY = 49;    // 0x31
constexpr int32_t SELECTED_COURSE  = 45;    // 0x2D
constexpr int32_t COURSE_DEVIATION = 40;    // 0x28
constexpr int32_t DME_DISTANCE     = 31;    // 0x1F
constexpr int32_t DME_SPEED        = 32;    // 0x20
constexpr int32_t TO_FROM_FLAG     = 43;    // 0x2B

constexpr uint32_t COM_STANDBY_MHZ_DOWN = 65636;   // 0x10064
constexpr uint32_t COM_STANDBY_MHZ_UP   = 65637;   // 0x10065
constexpr uint32_t COM_STANDBY_KHZ_DOWN = 65638;   // 0x10066
constexpr uint32_t COM_STANDBY_KHZ_UP   = 65639;   // 0x10067
constexpr uint32_t COM_SWAP             = 66372;   // 0x10344
constexpr uint32_t NAV_STANDBY_MHZ_DOWN = 65640;   // 0x10068
constexpr uint32_t NAV_STANDBY_MHZ_UP   = 65641;   // 0x10069
constexpr uint32_t NAV_STANDBY_KHZ_DOWN = 65642;   // 0x1006A
constexpr uint32_t NAV_STANDBY_KHZ_UP   = 65643;   // 0x1006B
constexpr uint32_t NAV_SWAP             = 66448;   // 0x10390
constexpr uint32_t COURSE_OUTER_DOWN    = 66367;   // 0x1033F
constexpr uint32_t COURSE_OUTER_UP      = 66368;   // 0x10340
constexpr uint32_t COURSE_INNER_DOWN    = 65662;   // 0x1007E
constexpr uint32_t COURSE_INNER_UP      = 65663;   // 0x1007F
constexpr uint32_t NAV_AUDIO_TOGGLE     = 65842;   // 0x10132

} // namespace profile
