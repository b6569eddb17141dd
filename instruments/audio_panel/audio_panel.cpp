// Audio selector panels: which receivers the pilot hears and which COM radio he talks on, with a marker-
// beacon receiver's three lamps and its HI/LO/TEST switch. The simulation keeps the receiver selections;
// a panel mirrors them, toggles them with key events, and publishes the NAV1 and NAV2 selections for other
// gauges. Two panels come from this source, each build profile naming its own:
//   AUD_Corvane_QT1M  the audio panel: keys C1 C2 D M A / N1 N2 AX S, a six-position rotary selector whose
//                     OFF switches the panel off, XMT and split lamps (qt1m_*.h)
//   AUD_Corvane_QT5   the compact audio panel: ten keys with lamps, a volume knob that switches it on, a
//                     four-position rotary selector and a Swap lamp (qt5_*.h)
//
// Reads
//   773       bus power, FLOAT64, refreshed every update and truncated: 1 means the panel has power
//   354       marker beacon received, FLOAT64 truncated, taken only while powered: 0 none, 1 outer,
//             2 middle, 3 inner
//   877-881   NAV1, NAV2, DME, ADF, marker audio selected, FLOAT64 truncated, 1 = selected: mirrored by
//             the QT1M's update, by the QT5's key lamps as they draw
//   355       which DME the D key addresses (1 or 2), integer, source of a hidden string element
//   874, 875  COM1, COM2 transmitting, FLOAT64: the QT1M's XMT lamp lights on exactly 1.0
// Sends (always with the value 0)
//   65842 NAV1, 65843 NAV2, 65844 DME 1, 65845 DME 2, 65846 ADF, 66477 marker audio toggle
//   66463 COM1 selected, 66464 COM2 selected (QT1M only)
//   66478 marker audio off, then 66477, at the QT5's one-time reset: the marker audio starts selected
// Named variables: "nav1" (nav1_audio) and "nav2" (nav2_audio), 32-bit integers, published on install and
//   withdrawn on kill.
// Sounds: soft click on every key, powered or not; click on the rotary selector when it turns, on the
//   QT5's volume knob at every press and on the marker switch at every press; the marker test tone when
//   the switch reaches TEST.

#include "gauge_module.h"
#include GAUGE_PROFILE

// The panel this build is: its faceplate, controls, update() and one_time_reset().
#include AUDIO_PANEL

namespace {

void GAUGE_CALL service_callback(GAUGEHDR*, int32_t service_id, uint32_t)
{
    switch (service_id) {
    case PANEL_SERVICE_PRE_INSTALL: publish_nav_audio(); break;
    case PANEL_SERVICE_PRE_UPDATE: update(); break;
    case PANEL_SERVICE_PRE_DRAW:
        if (take_one_time_reset()) one_time_reset();
        break;
    case PANEL_SERVICE_PRE_KILL: withdraw_nav_audio(); break;
    default: break;
    }
}

GAUGEHDR gauge_header = {GAUGE_HEADER_VERSION, profile::GAUGE_NAME, &background.header,
                         nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         100, 0, hotspots, service_callback, 0};

} // namespace

GAUGE_MODULE(gauge_header)
