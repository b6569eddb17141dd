// GPS annunciator/control unit, vertical build (93 x 246).
#pragma once

#include <cstdint>

namespace profile {

constexpr char GAUGE_NAME[] = "GPSACU_Corvane_ver";

// Where the lamp and key pictures lie on this build's faceplate, and the keys' own bitmaps.
constexpr int32_t ANNUNCIATORS_XY[2] = {14, 74};
constexpr int32_t KEYS_XY[2]         = {52, 104};
constexpr int32_t KEYS_BITMAP        = 0x1400;

// Hotspot boxes, (x, y, width, height).
constexpr int32_t NAV_GPS_KEY_BOX[4] = {54, 176, 24, 36};
constexpr int32_t TEST_BUTTON_BOX[4] = {11, 38, 17, 22};
constexpr int32_t GPS_SEQ_KEY_BOX[4] = {54, 106, 24, 37};

} // namespace profile
