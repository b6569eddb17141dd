// What both audio panels keep and the numbers they share with the simulation: the receiver selections
// they mirror, their own keys, the COM selection, the marker receiver and the power convention. The names
// are the panels' own; each panel gives them its start values in its one-time reset.
#pragma once

#include <cstdint>

namespace {

// ---- Simulation variables ------------------------------------------------------------------------------

constexpr int32_t BUS_POWER     = 773;   // 0x305, 1 = avionics bus live
constexpr int32_t MARKER_BEACON = 354;   // 0x162, beacon received: 0 none, 1 outer, 2 middle, 3 inner
constexpr int32_t DME_SOURCE    = 355;   // 0x163, integer: which DME the D key addresses, 1 or 2
constexpr int32_t NAV1_AUDIO    = 877;   // 0x36D, 1.0 while NAV1 is heard
constexpr int32_t NAV2_AUDIO    = 878;   // 0x36E
constexpr int32_t DME_AUDIO     = 879;   // 0x36F
constexpr int32_t ADF_AUDIO     = 880;   // 0x370
constexpr int32_t MARKER_AUDIO  = 881;   // 0x371
constexpr int32_t COM1_TRANSMIT = 874;   // 0x36A, 1.0 while COM1 transmits
constexpr int32_t COM2_TRANSMIT = 875;   // 0x36B

// ---- Key events, always sent with the value 0 ------------------------------------------------------------

constexpr uint32_t NAV1_AUDIO_TOGGLE   = 65842;   // 0x10132
constexpr uint32_t NAV2_AUDIO_TOGGLE   = 65843;   // 0x10133
constexpr uint32_t DME1_AUDIO_TOGGLE   = 65844;   // 0x10134
constexpr uint32_t DME2_AUDIO_TOGGLE   = 65845;   // 0x10135
constexpr uint32_t ADF_AUDIO_TOGGLE    = 65846;   // 0x10136
constexpr uint32_t MARKER_AUDIO_TOGGLE = 66477;   // 0x103AD
constexpr uint32_t MARKER_AUDIO_OFF    = 66478;   // 0x103AE
constexpr uint32_t COM1_SELECT         = 66463;   // 0x1039F
constexpr uint32_t COM2_SELECT         = 66464;   // 0x103A0

// ---- State ----------------------------------------------------------------------------------------------

int32_t power_switch  = 0;
int32_t bus_power     = 0;
int32_t powered       = 0;
int32_t selector      = 0;   // rotary position; what each position means is the panel's own
int32_t com1_selected = 0;   // never both 1
int32_t com2_selected = 0;

// Mirrors of the simulation's selections: a key flips its mirror at once, so that the light answers the
// press, and the next refresh from the simulation has the last word.
int32_t nav1_audio   = 0;
int32_t nav2_audio   = 0;
int32_t dme_audio    = 0;
int32_t marker_audio = 0;
int32_t adf_audio    = 0;

// The panel's own keys, which the simulation knows nothing of.
int32_t aux_on     = 0;
int32_t speaker_on = 0;

int32_t dme_select    = 0;   // 1 or 2, from the hidden DME source element; 0 until it has been drawn
int32_t marker_beacon = 0;   // 0 to 3 as the receiver last reported it while powered
int32_t marker_switch = 0;   // 0 LO, 1 TEST, 2 HI

} // namespace
