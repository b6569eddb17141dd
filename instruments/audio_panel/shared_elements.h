// What both audio panels draw alike: the marker lamps, the hidden DME source element, and the records of
// their icons.
#pragma once

#include "audio_state.h"

namespace {

// Frames of the marker lamp strip: all dark, outer (blue), middle (amber), inner (white), all three lit.
constexpr int32_t MARKER_LAMP_FRAMES = 5;
constexpr int32_t ALL_MARKER_LAMPS   = 4;

// Dark without power; all three lit while the switch stands at TEST; else the beacon received. A receiver
// value outside 0 to 3 is no beacon the lamps know and lights none, rather than asking for a frame that
// the strip does not have (or for the TEST picture).
int32_t marker_lamps_frame()
{
    if (powered != 1) return 0;
    if (marker_switch == 1) return ALL_MARKER_LAMPS;
    return marker_beacon >= 0 && marker_beacon <= 3 ? marker_beacon : 0;
}

FLOAT64 GAUGE_CALL marker_lamps_cb(ELEMENT_ICON*)
{
    return marker_lamps_frame();
}

// Never shown: the element is there so that the host hands over which DME the D key addresses (token 355)
// on every drawing pass.
FLOAT64 GAUGE_CALL dme_source_cb(ELEMENT_STRING* element)
{
    dme_select = element->source_var[0].var_value.i;
    write_text(element, "%.0f", static_cast<double>(dme_select));
    set_hidden(element->header, true);
    return 0.0;
}

constexpr ELEMENT_ICON icon(int32_t resource, int32_t x, int32_t y, int32_t frames, ICON_CALLBACK cb,
                            ELEMENT_HEADER* const* next)
{
    return ELEMENT_ICON{element_header(ELEMENT_TYPE_ICON, resource, x, y, next), ICON_SETTING, module_var(0),
                        frames, cb};
}

// The DME source element: white "Courier New" on black, never shown.
constexpr ELEMENT_STRING dme_source_element(int32_t x, int32_t y, int32_t width, int32_t height, int32_t weight,
                                            ELEMENT_HEADER* const* next)
{
    constexpr uint32_t WHITE = 0xFFFFFF;
    constexpr uint32_t BLACK = 0x000000;
    return ELEMENT_STRING{element_header(ELEMENT_TYPE_STRING, -1, x, y, next),
                          {module_var(DME_SOURCE), module_var(0), module_var(0)},
                          width, height, WHITE, BLACK, BLACK, "Courier New", weight, CHARSET_WINDOWS_1252,
                          STRING_TEXT_FLAGS, nullptr, 0, dme_source_cb};
}

} // namespace
