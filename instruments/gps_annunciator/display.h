// The annunciator unit's faceplate: the background with the lamp legends and keys, the lamps, and the
// keys' lit or unlit state. Without power everything is dark.
#pragma once

namespace {

// NAV or GPS from the navigation source, MSG beside it while a message is pending (any code but 0); the
// lamp test lights all eight. A source other than NAV or GPS lights nothing.
FLOAT64 GAUGE_CALL annunciators_cb(ELEMENT_ICON*)
{
    if (bus_power != 1) return ALL_DARK;
    const bool message = message_code() != 0;
    int frame = ALL_DARK;
    if (nav_source == 0) frame = message ? NAV_AND_MSG_LIT : NAV_LIT;
    else if (nav_source == 1) frame = message ? GPS_AND_MSG_LIT : GPS_LIT;
    if (lamp_test == 1) frame = ALL_LIT;
    return frame;
}

// The NAV/GPS key is lit while the GPS is the source, GPS SEQ while latched.
FLOAT64 GAUGE_CALL keys_cb(ELEMENT_ICON*)
{
    if (bus_power != 1 || (nav_source != 0 && nav_source != 1)) return KEYS_UNLIT;
    return (nav_source == 1 ? NAV_GPS_KEY_LIT : 0) + (seq_latched == 1 ? GPS_SEQ_KEY_LIT : 0);
}

extern ELEMENT_STATIC_IMAGE background;
extern ELEMENT_ICON annunciators, keys;
constexpr auto faceplate = element_chain(background, annunciators, keys);
static_assert(faceplate.size() == ELEMENT_COUNT, "faceplate chain and its numbering disagree");

ELEMENT_STATIC_IMAGE background = {
    element_header(ELEMENT_TYPE_STATIC_IMAGE, 0x100, 0, 0, faceplate.after(BACKGROUND, background)),
    STATIC_IMAGE_SETTING};
ELEMENT_ICON annunciators = {element_header(ELEMENT_TYPE_ICON, 0x1300, profile::ANNUNCIATORS_XY[0],
                                            profile::ANNUNCIATORS_XY[1], faceplate.after(ANNUNCIATORS, annunciators)),
                             ICON_SETTING, module_var(0), ANNUNCIATOR_FRAMES, annunciators_cb};
ELEMENT_ICON keys = {element_header(ELEMENT_TYPE_ICON, profile::KEYS_BITMAP, profile::KEYS_XY[0], profile::KEYS_XY[1],
                                    faceplate.after(KEYS, keys)),
                     ICON_SETTING, module_var(0), KEY_FRAMES, keys_cb};

} // namespace
