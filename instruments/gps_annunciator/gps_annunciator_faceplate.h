// The annunciator unit's faceplate and hotspot numbers, in drawing and table order, and the frames of its
// two pictures.
#pragma once

namespace gps_annunciator {

enum Element : int {
    BACKGROUND = 1,
    ANNUNCIATORS,
    KEYS,
    ELEMENT_COUNT = KEYS,
};

enum Hotspot : int {
    NAV_GPS_KEY = 1,
    TEST_BUTTON,
    GPS_SEQ_KEY,
    HOTSPOT_COUNT = GPS_SEQ_KEY,
};

// Frames of the annunciator picture: which of the eight lamps are lit.
enum AnnunciatorFrame : int {
    ALL_DARK = 0,
    NAV_LIT,
    GPS_LIT,
    NAV_AND_MSG_LIT,
    GPS_AND_MSG_LIT,
    ALL_LIT,
    ANNUNCIATOR_FRAMES,
};

// Frames of the key picture: the sum of NAV_GPS_KEY_LIT and GPS_SEQ_KEY_LIT for the keys that are lit.
enum KeyFrame : int {
    KEYS_UNLIT = 0,
    NAV_GPS_KEY_LIT = 1,
    GPS_SEQ_KEY_LIT = 2,
    KEY_FRAMES = 4,
};

} // namespace gps_annunciator
