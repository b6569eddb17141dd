// The NAV/COM radio's faceplate and hotspot numbers, in drawing and table order, so that code, tests and
// traces can name "the DME speed" instead of a bare number.
#pragma once

namespace navcom_radio {

enum Element : int {
    BACKGROUND = 1,
    // The frequency window: the COM pair or the NAV pair.
    COM_ACTIVE_DISPLAY,
    COM_STANDBY_DISPLAY,
    NAV_ACTIVE_DISPLAY,
    NAV_STANDBY_DISPLAY,
    // The navigation display, right of the frequencies.
    VOR_LABEL,
    LOC_LABEL,
    FROM_LABEL,
    TO_LABEL,
    BEARING_VALUE,
    NO_BEARING_DASHES,
    BEARING_CALCULATION,
    SELECTED_COURSE,
    // Menu prompts.
    SELECT_COM_PROMPT,
    EMERGENCY_PROMPT,
    SELECT_NAV_PROMPT,
    SHOW_DME_PROMPT,
    REMOVE_DME_PROMPT,
    FLAG_MESSAGE,
    // The DME page.
    DME_DISTANCE,
    DME_SPEED,
    TIME_HOURS,
    TIME_MINUTES,
    NO_DISTANCE_DASHES,
    NO_SPEED_DASHES,
    // Never shown: they only have the host supply their source values.
    TO_FROM_CALCULATION,
    NAV_FREQUENCY_CALCULATION,
    POWER_KNOB,
    COM_LAMP,
    NAV_LAMP,
    SYS_LAMP,
    OBS_LAMP,
    SEL_LAMP,
    ID_LAMP,
    // The course page: deviation bar, its masks, the TO/FROM symbol.
    DEVIATION_BAR_RIGHT,
    LEFT_MASK,
    DEVIATION_BAR_LEFT,
    RIGHT_MASK,
    TO_FROM_SYMBOL,
    IDENT_MESSAGE,
    VOICE_MESSAGE,
    ELEMENT_COUNT = VOICE_MESSAGE,
};

enum Hotspot : int {
    POWER_KNOB_LEFT = 1,
    POWER_KNOB_RIGHT,
    TRANSFER_KEY,
    COM_KEY,
    NAV_KEY,
    TF_KEY,
    ID_KEY,
    OUTER_KNOB_LEFT,
    INNER_KNOB_LEFT,
    INNER_KNOB_RIGHT,
    OUTER_KNOB_RIGHT,
    SYS_KEY,
    OBS_KEY,
    SEL_KEY,
    ENT_KEY,
    HOTSPOT_COUNT = ENT_KEY,
};

} // namespace navcom_radio
