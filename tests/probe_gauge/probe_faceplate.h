// The probe gauge's element and hotspot numbers.
#pragma once

#include <cstdint>

namespace probe {

enum Element : int { BACKGROUND = 1, STATUS, PEER, LABEL, ICON, SLIDER, ELEMENT_COUNT = SLIDER };
enum Hotspot : int { LEFT_KEY = 1, RIGHT_KEY, HOTSPOT_COUNT = RIGHT_KEY };

constexpr uint32_t LEFT_KEY_EVENT = 70001;
constexpr uint32_t RIGHT_KEY_EVENT = 70002;

} // namespace probe
