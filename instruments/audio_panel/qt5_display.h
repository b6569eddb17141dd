// The compact audio panel's faceplate: volume knob, marker lamps, the ten key lamps, rotary selector and
// Swap lamp, in drawing order. The receiver keys' lamps take the simulation's selection as they draw.
#pragma once

#include "marker_lamps.h"
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

constexpr ELEMENT_ICON icon(int32_t resource, int32_t x, int32_t y, int32_t frames, ICON_CALLBACK cb,
                            ELEMENT_HEADER* const* next)
{
    return ELEMENT_ICON{element_header(ELEMENT_TYPE_ICON, resource, x, y, next), ICON_SETTING, module_var(0),
                        frames, cb};
}

constexpr uint32_t WHITE = 0xFFFFFF;
constexpr uint32_t BLACK = 0x000000;

// The chain, written from the last element back to the background.
ELEMENT_STRING dme_source_text = {element_header(ELEMENT_TYPE_STRING, -1, 271, 91, nullptr),
                                  {module_var(DME_SOURCE), module_var(0), module_var(0)},
                                  331, 22, WHITE, BLACK, BLACK, "Courier New", 400, CHARSET_WINDOWS_1252,
                                  STRING_TEXT_FLAGS, nullptr, 0, dme_source_cb};
ELEMENT_HEADER* const after_swap[] = {&dme_source_text.header, nullptr};
ELEMENT_ICON swap_lamp = icon(0x2600, 561, 75, 2, swap_lamp_cb, after_swap);
ELEMENT_HEADER* const after_rotary[] = {&swap_lamp.header, nullptr};
ELEMENT_ICON rotary_selector = icon(0x2400, 509, 21, 4, rotary_selector_cb, after_rotary);
ELEMENT_HEADER* const after_spr[] = {&rotary_selector.header, nullptr};
ELEMENT_ICON spr_lamp = icon(0x2000, 420, 55, 3, key_lamp_cb<speaker_on>, after_spr);
ELEMENT_HEADER* const after_dme[] = {&spr_lamp.header, nullptr};
ELEMENT_ICON dme_lamp = icon(0x3600, 420, 16, 3, receiver_lamp_cb<dme_audio, VAR_DME_AUDIO>, after_dme);
ELEMENT_HEADER* const after_aux[] = {&dme_lamp.header, nullptr};
ELEMENT_ICON aux_lamp = icon(0x1800, 359, 55, 3, key_lamp_cb<aux_on>, after_aux);
ELEMENT_HEADER* const after_adf[] = {&aux_lamp.header, nullptr};
ELEMENT_ICON adf_lamp = icon(0x3400, 359, 16, 3, receiver_lamp_cb<adf_audio, VAR_ADF_AUDIO>, after_adf);
ELEMENT_HEADER* const after_ics[] = {&adf_lamp.header, nullptr};
ELEMENT_ICON ics_lamp = icon(0x1600, 297, 55, 3, key_lamp_cb<ics_on>, after_ics);
ELEMENT_HEADER* const after_mkr[] = {&ics_lamp.header, nullptr};
ELEMENT_ICON mkr_lamp = icon(0x3200, 297, 16, 3, receiver_lamp_cb<marker_audio, VAR_MARKER_AUDIO>, after_mkr);
ELEMENT_HEADER* const after_nav2[] = {&mkr_lamp.header, nullptr};
ELEMENT_ICON nav2_lamp = icon(0x1400, 208, 55, 3, receiver_lamp_cb<nav2_audio, VAR_NAV2_AUDIO>, after_nav2);
ELEMENT_HEADER* const after_nav1[] = {&nav2_lamp.header, nullptr};
ELEMENT_ICON nav1_lamp = icon(0x3000, 208, 16, 3, receiver_lamp_cb<nav1_audio, VAR_NAV1_AUDIO>, after_nav1);
ELEMENT_HEADER* const after_com2[] = {&nav1_lamp.header, nullptr};
ELEMENT_ICON com2_lamp = icon(0x1200, 147, 55, 3, key_lamp_cb<com2_selected>, after_com2);
ELEMENT_HEADER* const after_com1[] = {&com2_lamp.header, nullptr};
ELEMENT_ICON com1_lamp = icon(0x2800, 148, 16, 3, key_lamp_cb<com1_selected>, after_com1);
ELEMENT_HEADER* const after_marker_lamps[] = {&com1_lamp.header, nullptr};
ELEMENT_ICON marker_lamps = icon(0x2200, 10, 20, MARKER_LAMP_FRAMES, marker_lamps_cb, after_marker_lamps);
ELEMENT_HEADER* const after_volume[] = {&marker_lamps.header, nullptr};
ELEMENT_ICON volume_knob = icon(0x2100, 29, 43, 2, volume_knob_cb, after_volume);
ELEMENT_HEADER* const after_background[] = {&volume_knob.header, nullptr};
ELEMENT_STATIC_IMAGE background = {element_header(ELEMENT_TYPE_STATIC_IMAGE, 256, 0, 0, after_background),
                                   STATIC_IMAGE_SETTING};

} // namespace
