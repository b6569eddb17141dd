// Transponder, build for German airspace: VFR code 0021.
#pragma once

#include <cstdint>

namespace profile {

constexpr char GAUGE_NAME[] = "XPDR_Corvane_QT9_ge";

// The VFR key sets the code to 0000, then steps it to the VFR code with these digit events.
constexpr int32_t  VFR_CODE         = 0x0021;
constexpr uint32_t VFR_DIGIT_EVENTS[] = {65653, 65653, 65654};   // tens up, tens up, ones up

// The halves of the dual knob, (x, y, width, height).
constexpr int32_t OUTER_KNOB_LEFT_BOX[4]  = {523, 57, 19, 54};
constexpr int32_t INNER_KNOB_LEFT_BOX[4]  = {549, 74, 19, 33};
constexpr int32_t INNER_KNOB_RIGHT_BOX[4] = {568, 72, 14, 34};
constexpr int32_t OUTER_KNOB_RIGHT_BOX[4] = {585, 56, 14, 54};

} // namespace profile
