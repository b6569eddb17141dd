// Transponder, European build: VFR code 7000.
#pragma once

#include <cstdint>

namespace profile {

constexpr char GAUGE_NAME[] = "XPDR_Corvane_QT9_eu";

// The VFR key sets the code to 0000, then steps it to the VFR code with these digit events.
constexpr int32_t  VFR_CODE         = 0x7000;
constexpr uint32_t VFR_DIGIT_EVENTS[] = {65651, 65651, 65651, 65651, 65651, 65651, 65651};   // thousands up x7

// The halves of the dual knob, (x, y, width, height). The two inner halves share the column x = 567.
constexpr int32_t OUTER_KNOB_LEFT_BOX[4]  = {528, 56, 18, 55};
constexpr int32_t INNER_KNOB_LEFT_BOX[4]  = {552, 72, 16, 37};
constexpr int32_t INNER_KNOB_RIGHT_BOX[4] = {567, 72, 15, 36};
constexpr int32_t OUTER_KNOB_RIGHT_BOX[4] = {583, 55, 17, 56};

} // namespace profile
