// The audio panel's faceplate: marker lamps, rotary selector, marker switch, the key lights, the split and
// XMT lamps, in drawing order. Every light is dark while the panel is not powered.
#pragma once

#include "shared_elements.h"
#include "qt1m_faceplate.h"

namespace {

// The rotary selector shows its position; frame i is the pointer at position i.
FLOAT64 GAUGE_CALL rotary_selector_cb(ELEMENT_ICON*)
{
    return selector;
}

// The lever: frame 0 up (HI), 1 none (the background's LO shows), 2 down (TEST).
FLOAT64 GAUGE_CALL marker_switch_cb(ELEMENT_ICON*)
{
    constexpr int32_t LEVER_FRAME[] = {1, 2, 0};   // by marker_switch: LO, TEST, HI
    return marker_switch >= 0 && marker_switch <= 2 ? LEVER_FRAME[marker_switch] : 1;
}

template <int32_t& selected>
FLOAT64 GAUGE_CALL com_light_cb(ELEMENT_ICON*)
{
    return selected == 1 && powered == 1 ? 1.0 : 0.0;
}

// A receiver or own key's light: 0 not selected, 2 selected and heard; 1 selected but not heard, while
// the panel is off or a split position of the selector has the receivers switched off.
template <int32_t& selection>
FLOAT64 GAUGE_CALL selection_light_cb(ELEMENT_ICON*)
{
    if (selection == 0) return 0.0;
    if (selection == 1) return powered == 1 && selector <= 2 ? 2.0 : 1.0;
    return 0.0;
}

// Lit in the split positions COM 1-2, COM 2-1 and TEL-COM 1.
FLOAT64 GAUGE_CALL split_lamp_cb(ELEMENT_ICON*)
{
    return powered == 1 && selector > 2 ? 1.0 : 0.0;
}

// Lit while either COM radio transmits; only an exact 1.0 counts.
FLOAT64 GAUGE_CALL xmt_lamp_cb(ELEMENT_ICON*)
{
    const bool transmitting = module_vars[VAR_COM1_TRANSMIT].var_value.f == 1.0 ||
                              module_vars[VAR_COM2_TRANSMIT].var_value.f == 1.0;
    return powered == 1 && transmitting ? 1.0 : 0.0;
}

extern ELEMENT_STATIC_IMAGE background;
extern ELEMENT_ICON marker_lamps, rotary_selector, marker_switch_lever;
extern ELEMENT_STRING dme_source_text;
extern ELEMENT_ICON c2_light, n1_light, n2_light, d_light, ax_light, m_light, a_light, s_light, split_lamp, xmt_lamp,
    c1_light;
constexpr auto faceplate = element_chain(background, marker_lamps, rotary_selector, marker_switch_lever,
                                         dme_source_text, c2_light, n1_light, n2_light, d_light, ax_light, m_light,
                                         a_light, s_light, split_lamp, xmt_lamp, c1_light);
static_assert(faceplate.size() == ELEMENT_COUNT, "faceplate chain and its numbering disagree");

ELEMENT_STATIC_IMAGE background = {
    element_header(ELEMENT_TYPE_STATIC_IMAGE, 0x3800, 0, 0, faceplate.after(BACKGROUND, background)),
    STATIC_IMAGE_SETTING};
ELEMENT_ICON marker_lamps = icon(0x2000, 18, 12, MARKER_LAMP_FRAMES, marker_lamps_cb,
                                 faceplate.after(MARKER_LAMPS, marker_lamps));
ELEMENT_ICON rotary_selector = icon(0x2200, 506, 24, POSITION_COUNT, rotary_selector_cb,
                                    faceplate.after(ROTARY_SELECTOR, rotary_selector));
ELEMENT_ICON marker_switch_lever = icon(0x3400, 52, 22, 3, marker_switch_cb,
                                        faceplate.after(MARKER_SWITCH, marker_switch_lever));
ELEMENT_STRING dme_source_text = dme_source_element(67, 93, 535, 10, 100,
                                                    faceplate.after(DME_SOURCE_TEXT, dme_source_text));
ELEMENT_ICON c2_light = icon(0x4000, 334, 22, 2, com_light_cb<com2_selected>, faceplate.after(C2_LIGHT, c2_light));
ELEMENT_ICON n1_light = icon(0x4100, 296, 60, 3, selection_light_cb<nav1_audio>, faceplate.after(N1_LIGHT, n1_light));
ELEMENT_ICON n2_light = icon(0x4200, 334, 60, 3, selection_light_cb<nav2_audio>, faceplate.after(N2_LIGHT, n2_light));
ELEMENT_ICON d_light = icon(0x4300, 372, 22, 3, selection_light_cb<dme_audio>, faceplate.after(D_LIGHT, d_light));
ELEMENT_ICON ax_light = icon(0x4400, 372, 60, 3, selection_light_cb<aux_on>, faceplate.after(AX_LIGHT, ax_light));
ELEMENT_ICON m_light = icon(0x4500, 410, 22, 3, selection_light_cb<marker_audio>, faceplate.after(M_LIGHT, m_light));
ELEMENT_ICON a_light = icon(0x4600, 448, 22, 3, selection_light_cb<adf_audio>, faceplate.after(A_LIGHT, a_light));
ELEMENT_ICON s_light = icon(0x4700, 447, 60, 3, selection_light_cb<speaker_on>, faceplate.after(S_LIGHT, s_light));
ELEMENT_ICON split_lamp = icon(0x4900, 557, 78, 2, split_lamp_cb, faceplate.after(SPLIT_LAMP, split_lamp));
ELEMENT_ICON xmt_lamp = icon(0x5100, 169, 65, 2, xmt_lamp_cb, faceplate.after(XMT_LAMP, xmt_lamp));
ELEMENT_ICON c1_light = icon(0x5300, 295, 22, 2, com_light_cb<com1_selected>, faceplate.after(C1_LIGHT, c1_light));

} // namespace
