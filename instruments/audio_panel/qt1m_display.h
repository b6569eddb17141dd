// The audio panel's faceplate: marker lamps, rotary selector, marker switch, the key lights, the split and
// XMT lamps, in drawing order. Every light is dark while the panel is not powered.
#pragma once

#include "marker_lamps.h"
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

constexpr ELEMENT_ICON icon(int32_t resource, int32_t x, int32_t y, int32_t frames, ICON_CALLBACK cb,
                            ELEMENT_HEADER* const* next)
{
    return ELEMENT_ICON{element_header(ELEMENT_TYPE_ICON, resource, x, y, next), ICON_SETTING, module_var(0),
                        frames, cb};
}

constexpr uint32_t WHITE = 0xFFFFFF;
constexpr uint32_t BLACK = 0x000000;

// The chain, written from the last element back to the background.
ELEMENT_ICON c1_light = icon(0x5300, 295, 22, 2, com_light_cb<com1_selected>, nullptr);
ELEMENT_HEADER* const after_xmt[] = {&c1_light.header, nullptr};
ELEMENT_ICON xmt_lamp = icon(0x5100, 169, 65, 2, xmt_lamp_cb, after_xmt);
ELEMENT_HEADER* const after_split[] = {&xmt_lamp.header, nullptr};
ELEMENT_ICON split_lamp = icon(0x4900, 557, 78, 2, split_lamp_cb, after_split);
ELEMENT_HEADER* const after_s[] = {&split_lamp.header, nullptr};
ELEMENT_ICON s_light = icon(0x4700, 447, 60, 3, selection_light_cb<speaker_on>, after_s);
ELEMENT_HEADER* const after_a[] = {&s_light.header, nullptr};
ELEMENT_ICON a_light = icon(0x4600, 448, 22, 3, selection_light_cb<adf_audio>, after_a);
ELEMENT_HEADER* const after_m[] = {&a_light.header, nullptr};
ELEMENT_ICON m_light = icon(0x4500, 410, 22, 3, selection_light_cb<marker_audio>, after_m);
ELEMENT_HEADER* const after_ax[] = {&m_light.header, nullptr};
ELEMENT_ICON ax_light = icon(0x4400, 372, 60, 3, selection_light_cb<aux_on>, after_ax);
ELEMENT_HEADER* const after_d[] = {&ax_light.header, nullptr};
ELEMENT_ICON d_light = icon(0x4300, 372, 22, 3, selection_light_cb<dme_audio>, after_d);
ELEMENT_HEADER* const after_n2[] = {&d_light.header, nullptr};
ELEMENT_ICON n2_light = icon(0x4200, 334, 60, 3, selection_light_cb<nav2_audio>, after_n2);
ELEMENT_HEADER* const after_n1[] = {&n2_light.header, nullptr};
ELEMENT_ICON n1_light = icon(0x4100, 296, 60, 3, selection_light_cb<nav1_audio>, after_n1);
ELEMENT_HEADER* const after_c2[] = {&n1_light.header, nullptr};
ELEMENT_ICON c2_light = icon(0x4000, 334, 22, 2, com_light_cb<com2_selected>, after_c2);
ELEMENT_HEADER* const after_dme_source[] = {&c2_light.header, nullptr};
ELEMENT_STRING dme_source_text = {element_header(ELEMENT_TYPE_STRING, -1, 67, 93, after_dme_source),
                                  {module_var(DME_SOURCE), module_var(0), module_var(0)},
                                  535, 10, WHITE, BLACK, BLACK, "Courier New", 100, CHARSET_WINDOWS_1252,
                                  STRING_TEXT_FLAGS, nullptr, 0, dme_source_cb};
ELEMENT_HEADER* const after_marker_switch[] = {&dme_source_text.header, nullptr};
ELEMENT_ICON marker_switch_lever = icon(0x3400, 52, 22, 3, marker_switch_cb, after_marker_switch);
ELEMENT_HEADER* const after_rotary[] = {&marker_switch_lever.header, nullptr};
ELEMENT_ICON rotary_selector = icon(0x2200, 506, 24, 6, rotary_selector_cb, after_rotary);
ELEMENT_HEADER* const after_marker_lamps[] = {&rotary_selector.header, nullptr};
ELEMENT_ICON marker_lamps = icon(0x2000, 18, 12, MARKER_LAMP_FRAMES, marker_lamps_cb, after_marker_lamps);
ELEMENT_HEADER* const after_background[] = {&marker_lamps.header, nullptr};
ELEMENT_STATIC_IMAGE background = {element_header(ELEMENT_TYPE_STATIC_IMAGE, 0x3800, 0, 0, after_background),
                                   STATIC_IMAGE_SETTING};

} // namespace
