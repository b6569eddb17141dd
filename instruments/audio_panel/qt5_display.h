// The compact audio panel's faceplate: volume knob, marker lamps, the ten key lamps, rotary selector and
// Swap lamp, in drawing order. The receiver keys' lamps take the simulation's selection as they draw.
#pragma once

#include "shared_elements.h"
#include "qt5_faceplate.h"

namespace {

// Frame 0 is empty, so the painted knob (off) shows; frame 1 is the knob turned on.
FLOAT64 GAUGE_CALL volume_knob_cb(ELEMENT_ICON*)
{
    return power_switch;
}

// 0 empty (the painted unlit key shows), 1 the key selected but dark, 2 its lamp lit.
FLOAT64 key_lamp_frame(int32_t selection)
{
    if (selection == 1) return powered == 1 ? 2.0 : 1.0;
    return 0.0;
}

template <int32_t& selection>
FLOAT64 GAUGE_CALL key_lamp_cb(ELEMENT_ICON*)
{
    return key_lamp_frame(selection);
}

// A receiver key's lamp first takes the simulation's selection into its mirror, so a key's own toggle lasts
// only until the next drawing pass, and "nav1" and "nav2" follow the simulation.
template <int32_t& mirror, ModuleVar source>
FLOAT64 GAUGE_CALL receiver_lamp_cb(ELEMENT_ICON*)
{
    mirror = token_int(source);
    return key_lamp_frame(mirror);
}

// The pointer pictures run Com 1, Com 2, Com 1/2, Com 2/1; the positions run Com 2, Com 1, Com 1/2, Com 2/1.
FLOAT64 GAUGE_CALL rotary_selector_cb(ELEMENT_ICON*)
{
    constexpr int32_t POINTER_FRAME[] = {1, 0, 2, 3};
    static_assert(std::size(POINTER_FRAME) == POSITION_COUNT);
    return selector >= 0 && selector < POSITION_COUNT ? POINTER_FRAME[selector] : 0;
}

// Lit in the split positions Com 1/2 and Com 2/1.
FLOAT64 GAUGE_CALL swap_lamp_cb(ELEMENT_ICON*)
{
    return selector > COM_1 && powered == 1 ? 1.0 : 0.0;
}

extern ELEMENT_STATIC_IMAGE background;
extern ELEMENT_ICON volume_knob, marker_lamps, com1_lamp, com2_lamp, nav1_lamp, nav2_lamp, mkr_lamp, ics_lamp, adf_lamp,
    aux_lamp, dme_lamp, spr_lamp, rotary_selector, swap_lamp;
extern ELEMENT_STRING dme_source_text;
constexpr auto faceplate = element_chain(background, volume_knob, marker_lamps, com1_lamp, com2_lamp, nav1_lamp,
                                         nav2_lamp, mkr_lamp, ics_lamp, adf_lamp, aux_lamp, dme_lamp, spr_lamp,
                                         rotary_selector, swap_lamp, dme_source_text);
static_assert(faceplate.size() == ELEMENT_COUNT, "faceplate chain and its numbering disagree");

ELEMENT_STATIC_IMAGE background = {
    element_header(ELEMENT_TYPE_STATIC_IMAGE, 256, 0, 0, faceplate.after(BACKGROUND, background)),
    STATIC_IMAGE_SETTING};
ELEMENT_ICON volume_knob = icon(0x2100, 29, 43, 2, volume_knob_cb, faceplate.after(VOLUME_KNOB, volume_knob));
ELEMENT_ICON marker_lamps = icon(0x2200, 10, 20, MARKER_LAMP_FRAMES, marker_lamps_cb,
                                 faceplate.after(MARKER_LAMPS, marker_lamps));
ELEMENT_ICON com1_lamp = icon(0x2800, 148, 16, 3, key_lamp_cb<com1_selected>, faceplate.after(COM1_LAMP, com1_lamp));
ELEMENT_ICON com2_lamp = icon(0x1200, 147, 55, 3, key_lamp_cb<com2_selected>, faceplate.after(COM2_LAMP, com2_lamp));
ELEMENT_ICON nav1_lamp = icon(0x3000, 208, 16, 3, receiver_lamp_cb<nav1_audio, VAR_NAV1_AUDIO>,
                              faceplate.after(NAV1_LAMP, nav1_lamp));
ELEMENT_ICON nav2_lamp = icon(0x1400, 208, 55, 3, receiver_lamp_cb<nav2_audio, VAR_NAV2_AUDIO>,
                              faceplate.after(NAV2_LAMP, nav2_lamp));
ELEMENT_ICON mkr_lamp = icon(0x3200, 297, 16, 3, receiver_lamp_cb<marker_audio, VAR_MARKER_AUDIO>,
                             faceplate.after(MKR_LAMP, mkr_lamp));
ELEMENT_ICON ics_lamp = icon(0x1600, 297, 55, 3, key_lamp_cb<ics_on>, faceplate.after(ICS_LAMP, ics_lamp));
ELEMENT_ICON adf_lamp = icon(0x3400, 359, 16, 3, receiver_lamp_cb<adf_audio, VAR_ADF_AUDIO>,
                             faceplate.after(ADF_LAMP, adf_lamp));
ELEMENT_ICON aux_lamp = icon(0x1800, 359, 55, 3, key_lamp_cb<aux_on>, faceplate.after(AUX_LAMP, aux_lamp));
ELEMENT_ICON dme_lamp = icon(0x3600, 420, 16, 3, receiver_lamp_cb<dme_audio, VAR_DME_AUDIO>,
                             faceplate.after(DME_LAMP, dme_lamp));
ELEMENT_ICON spr_lamp = icon(0x2000, 420, 55, 3, key_lamp_cb<speaker_on>, faceplate.after(SPR_LAMP, spr_lamp));
ELEMENT_ICON rotary_selector = icon(0x2400, 509, 21, POSITION_COUNT, rotary_selector_cb,
                                    faceplate.after(ROTARY_SELECTOR, rotary_selector));
ELEMENT_ICON swap_lamp = icon(0x2600, 561, 75, 2, swap_lamp_cb, faceplate.after(SWAP_LAMP, swap_lamp));
ELEMENT_STRING dme_source_text = dme_source_element(271, 91, 331, 22, 400,
                                                    faceplate.after(DME_SOURCE_TEXT, dme_source_text));

} // namespace
