// Transponder, US build: VFR code 1200.
#pragma once

#include <cstdint>

namespace profile {

constexpr char GAUGE_NAME[] = "XPDR_Corvane_QT9_us";

// The VFR key sets the code to 0000, then steps it to the VFR code with these digit events.
constexpr int32_t  VFR_CODE         = 0x1200;
constexpr uint32_t VFR_DIGIT_EVENTS[] = {65651, 65652, 65652};   // thousands up, hundreds up, hundreds up

// The halves of the dual knob, (x, y, width, height).
constexpr int32_t OUTER_KNOB_LEFT_BOX[4]  = {526, 59, 16, 51};
constexpr int32_t INNER_KNOB_LEFT_BOX[4]  = {550, 73, 18, 34};
constexpr int32_t INNER_KNOB_RIGHT_BOX[4] = {569, 71, 13, 36};
constexpr int32_t OUTER_KNOB_RIGHT_BOX[4] = {584, 56, 15, 58};

} // namespace profile
