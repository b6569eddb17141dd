// The marker lamps and the hidden DME source element, drawn alike on both audio panels.
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

} // namespace
