// GPS annunciator/control unit, horizontal build (246 x 93).
#pragma once

#include <cstdint>

namespace profile {

constexpr char GAUGE_NAME[] = "GPSACU_Corvane_hor";

// Where the lamp and key pictures lie on this build's faceplate, and the keys' own bitmaps.
constexpr int32_t ANNUNCIATORS_XY[2] = {40, 14};
constexpr int32_t KEYS_XY[2]         = {30, 52};
constexpr int32_t KEYS_BITMAP        = 0x1200;

// Hotspot boxes, (x, y, width, height).
constexpr int32_t NAV_GPS_KEY_BOX[4] = {33, 54, 38, 27};
constexpr int32_t TEST_BUTTON_BOX[4] = {188, 11, 16, 17};
constexpr int32_t GPS_SEQ_KEY_BOX[4] = {103, 55, 37, 26};

} // namespace profile
