// Key event numbers the simulation performs.
#pragma once

#include <cstdint>

namespace host::key_event {

constexpr uint32_t COM1_STANDBY_MHZ_DOWN = 65636;   // 0x10064
constexpr uint32_t COM1_STANDBY_MHZ_UP   = 65637;   // 0x10065
constexpr uint32_t COM1_STANDBY_KHZ_DOWN = 65638;   // 0x10066
constexpr uint32_t COM1_STANDBY_KHZ_UP   = 65639;   // 0x10067
constexpr uint32_t COM1_SWAP             = 66372;   // 0x10344
constexpr uint32_t COM2_STANDBY_MHZ_DOWN = 66436;   // 0x10384
constexpr uint32_t COM2_STANDBY_MHZ_UP   = 66437;   // 0x10385
constexpr uint32_t COM2_STANDBY_KHZ_DOWN = 66438;   // 0x10386
constexpr uint32_t COM2_STANDBY_KHZ_UP   = 66440;   // 0x10388
constexpr uint32_t COM2_SWAP             = 66444;   // 0x1038C
constexpr uint32_t COM_MONITOR_ON        = 66513;   // 0x103D1
constexpr uint32_t COM_MONITOR_OFF       = 66514;   // 0x103D2
constexpr uint32_t COM1_TRANSMIT_SELECT  = 66463;   // 0x1039F
constexpr uint32_t COM2_TRANSMIT_SELECT  = 66464;   // 0x103A0

constexpr uint32_t NAV1_STANDBY_MHZ_DOWN = 65640;   // 0x10068
constexpr uint32_t NAV1_STANDBY_MHZ_UP   = 65641;   // 0x10069
constexpr uint32_t NAV1_STANDBY_KHZ_DOWN = 65642;   // 0x1006A
constexpr uint32_t NAV1_STANDBY_KHZ_UP   = 65643;   // 0x1006B
constexpr uint32_t NAV2_STANDBY_MHZ_DOWN = 65644;   // 0x1006C
constexpr uint32_t NAV2_STANDBY_MHZ_UP   = 65645;   // 0x1006D
constexpr uint32_t NAV2_STANDBY_KHZ_DOWN = 65646;   // 0x1006E
constexpr uint32_t NAV2_STANDBY_KHZ_UP   = 65647;   // 0x1006F
constexpr uint32_t NAV1_SWAP             = 66448;   // 0x10390
constexpr uint32_t NAV2_SWAP             = 66452;   // 0x10394
constexpr uint32_t NAV1_COURSE_OUTER_DOWN = 66367;  // 0x1033F
constexpr uint32_t NAV1_COURSE_OUTER_UP   = 66368;  // 0x10340
constexpr uint32_t NAV2_COURSE_OUTER_DOWN = 66369;  // 0x10341
constexpr uint32_t NAV2_COURSE_OUTER_UP   = 66370;  // 0x10342
constexpr uint32_t NAV1_COURSE_INNER_DOWN = 65662;  // 0x1007E
constexpr uint32_t NAV1_COURSE_INNER_UP   = 65663;  // 0x1007F
constexpr uint32_t NAV2_COURSE_INNER_DOWN = 65664;  // 0x10080
constexpr uint32_t NAV2_COURSE_INNER_UP   = 65665;  // 0x10081

constexpr uint32_t NAV1_AUDIO_TOGGLE     = 65842;   // 0x10132
constexpr uint32_t NAV2_AUDIO_TOGGLE     = 65843;   // 0x10133
constexpr uint32_t DME1_AUDIO_TOGGLE     = 65844;   // 0x10134
constexpr uint32_t DME2_AUDIO_TOGGLE     = 65845;   // 0x10135
constexpr uint32_t ADF_AUDIO_TOGGLE      = 65846;   // 0x10136
constexpr uint32_t MARKER_AUDIO_TOGGLE   = 66477;   // 0x103AD
constexpr uint32_t MARKER_AUDIO_OFF      = 66478;   // 0x103AE

constexpr uint32_t SQUAWK_THOUSANDS_UP   = 65651;   // 0x10073; hundreds, tens, ones follow
constexpr uint32_t SQUAWK_ONES_UP        = 65654;   // 0x10076
constexpr uint32_t SQUAWK_THOUSANDS_DOWN = 66455;   // 0x10397; hundreds, tens, ones follow
constexpr uint32_t SQUAWK_ONES_DOWN      = 66458;   // 0x1039A
constexpr uint32_t SQUAWK_SET            = 65715;   // 0x100B3, the code in the event's value

constexpr uint32_t UTC_HOURS_DOWN        = 65657;   // 0x10079
constexpr uint32_t UTC_HOURS_UP          = 65658;   // 0x1007A
constexpr uint32_t UTC_MINUTES_DOWN      = 65659;   // 0x1007B
constexpr uint32_t UTC_MINUTES_UP        = 65660;   // 0x1007C
constexpr uint32_t ALTIMETER_UP          = 65883;   // 0x1015B
constexpr uint32_t ALTIMETER_DOWN        = 65884;   // 0x1015C
constexpr uint32_t DIRECT_TO             = 65908;   // 0x10174
constexpr uint32_t NAV_SOURCE_TOGGLE     = 66375;   // 0x10347

} // namespace host::key_event
