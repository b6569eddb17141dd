// The audio panel's faceplate and hotspot numbers, in drawing and table order, so that code, tests and
// traces can name "the N1 light" instead of a bare number.
#pragma once

namespace audio_panel_qt1m {

enum Element : int {
    BACKGROUND = 1,
    MARKER_LAMPS,
    ROTARY_SELECTOR,
    MARKER_SWITCH,
    DME_SOURCE_TEXT,
    C2_LIGHT,
    N1_LIGHT,
    N2_LIGHT,
    D_LIGHT,
    AX_LIGHT,
    M_LIGHT,
    A_LIGHT,
    S_LIGHT,
    SPLIT_LAMP,
    XMT_LAMP,
    C1_LIGHT,
    ELEMENT_COUNT = C1_LIGHT,
};

enum Hotspot : int {
    C1_KEY = 1,
    C2_KEY,
    N1_KEY,
    N2_KEY,
    M_KEY,
    A_KEY,
    AX_KEY,
    D_KEY,
    S_KEY,
    ROTARY_ANTICLOCKWISE,
    ROTARY_CLOCKWISE,
    MARKER_SWITCH_LEVER,
    HOTSPOT_COUNT = MARKER_SWITCH_LEVER,
};

// Rotary selector positions, anticlockwise to clockwise.
enum Position : int {
    OFF = 0,
    COM_1,
    COM_2,
    COM_1_2,
    COM_2_1,
    TEL_COM_1,
    POSITION_COUNT,
};

} // namespace audio_panel_qt1m
