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

} // namespace host::key_event
