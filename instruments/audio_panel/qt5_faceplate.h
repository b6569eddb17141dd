// The compact audio panel's faceplate and hotspot numbers, in drawing and table order.
#pragma once

namespace audio_panel_qt5 {

enum Element : int {
    BACKGROUND = 1,
    VOLUME_KNOB,
    MARKER_LAMPS,
    COM1_LAMP,
    COM2_LAMP,
    NAV1_LAMP,
    NAV2_LAMP,
    MKR_LAMP,
    ICS_LAMP,
    ADF_LAMP,
    AUX_LAMP,
    DME_LAMP,
    SPR_LAMP,
    ROTARY_SELECTOR,
    SWAP_LAMP,
    DME_SOURCE_TEXT,
    ELEMENT_COUNT = DME_SOURCE_TEXT,
};

enum Hotspot : int {
    COM1_KEY = 1,
    COM2_KEY,
    NAV1_KEY,
    NAV2_KEY,
    MKR_KEY,
    ICS_KEY,
    ADF_KEY,
    AUX_KEY,
    DME_KEY,
    SPR_KEY,
    VOLUME_LEFT,
    VOLUME_RIGHT,
    ROTARY_ANTICLOCKWISE,
    ROTARY_CLOCKWISE,
    MARKER_SWITCH_LEVER,
    HOTSPOT_COUNT = MARKER_SWITCH_LEVER,
};

// Rotary selector positions, anticlockwise to clockwise.
enum Position : int {
    COM_2 = 0,
    COM_1,
    COM_1_2,
    COM_2_1,
    POSITION_COUNT,
};

} // namespace audio_panel_qt5
