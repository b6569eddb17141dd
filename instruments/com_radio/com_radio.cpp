// COM radio: the head of one VHF communication transceiver. An active and a standby frequency display, a
// transfer key, the emergency-channel key (EC), the monitor key (MON), a power knob and a dual concentric
// tuning knob. The radio owns no frequency: the simulation keeps both, the radio shows them and steps them.
//
// Reads
//   773  bus power, FLOAT64, refreshed every update and truncated: 1 means the radio has power
//   active frequency (COM1 23, COM2 870), source of the active display, four BCD digits as an integer
//   standby frequency (COM1 617, COM2 871), source of the standby display, the same encoding
// Sends (always with the value 0)
//   standby MHz down / up, standby 25 kHz down / up, swap: the build profile's events
//   66513 monitor on, 66514 monitor off
// Named variables: none.
// Sounds: click on the power knob when it turns; soft click on transfer, EC and MON, powered or not.

#include "gauge_module.h"
#include GAUGE_PROFILE

#include "bcd_frequency.h"
#include "com_radio_faceplate.h"
#include "emergency_channel.h"
#include "monitor_key.h"
#include "power_knob.h"

namespace {

using namespace com_radio;

constexpr int32_t BUS_POWER = 773;

constexpr ComTuningEvents TUNING = {profile::STANDBY_MHZ_DOWN, profile::STANDBY_MHZ_UP, profile::STANDBY_KHZ_DOWN,
                                    profile::STANDBY_KHZ_UP, profile::SWAP};

// ---- State --------------------------------------------------------------------------------------------

int32_t power_switch = 0;
int32_t bus_power    = 0;
int32_t powered      = 0;
int32_t monitor_on   = 0;
float   standby_mhz  = 0.0f;   // as the standby display last showed it; the EC key steps from here

// ---- Module variables, refreshed on every update -------------------------------------------------------

MODULE_VAR module_vars[] = {module_var(BUS_POWER)};

// ---- Faceplate ----------------------------------------------------------------------------------------

FLOAT64 GAUGE_CALL active_display_cb(ELEMENT_STRING* element);
FLOAT64 GAUGE_CALL standby_display_cb(ELEMENT_STRING* element);
FLOAT64 GAUGE_CALL power_knob_cb(ELEMENT_ICON* element);

constexpr uint32_t LCD_YELLOW = 0x80FFFF;
constexpr uint32_t WHITE      = 0xFFFFFF;
constexpr uint32_t BLACK      = 0x000000;

extern ELEMENT_STATIC_IMAGE background;
extern ELEMENT_STRING active_display;
extern ELEMENT_STRING standby_display;
extern ELEMENT_ICON power_knob;
constexpr auto faceplate = element_chain(background, active_display, standby_display, power_knob);
static_assert(faceplate.size() == ELEMENT_COUNT, "faceplate chain and its numbering disagree");

constexpr ELEMENT_STRING frequency_display(int32_t x, int32_t width, int32_t token, STRING_CALLBACK cb,
                                           ELEMENT_HEADER* const* next)
{
    return ELEMENT_STRING{element_header(ELEMENT_TYPE_STRING, -1, x, 18, next),
                          {module_var(token), module_var(0), module_var(0)},
                          width, 38, LCD_YELLOW, BLACK, WHITE, "Glass", 400, CHARSET_WINDOWS_1252,
                          STRING_TEXT_FLAGS, nullptr, 0, cb};
}

ELEMENT_STATIC_IMAGE background = {
    element_header(ELEMENT_TYPE_STATIC_IMAGE, 0x100, 0, 0, faceplate.after(BACKGROUND, background)),
    STATIC_IMAGE_SETTING};

ELEMENT_STRING active_display = frequency_display(65, 537, profile::ACTIVE_FREQUENCY, active_display_cb,
                                                  faceplate.after(ACTIVE_DISPLAY, active_display));

ELEMENT_STRING standby_display = frequency_display(180, 422, profile::STANDBY_FREQUENCY, standby_display_cb,
                                                   faceplate.after(STANDBY_DISPLAY, standby_display));

ELEMENT_ICON power_knob = {
    element_header(ELEMENT_TYPE_ICON, 0x1400, 26, 61, faceplate.after(POWER_KNOB, power_knob)),
    ICON_SETTING, module_var(0), 2, power_knob_cb};

// Displays are hidden while the radio is off; the text is rewritten all the same.
FLOAT64 GAUGE_CALL active_display_cb(ELEMENT_STRING* element)
{
    const float mhz = bcd_frequency_mhz(element->source_var[0].var_value.i);
    set_hidden(element->header, powered != 1);
    write_text(element, "%5.2f", mhz);
    return 13.0;
}

FLOAT64 GAUGE_CALL standby_display_cb(ELEMENT_STRING* element)
{
    standby_mhz = bcd_frequency_mhz(element->source_var[0].var_value.i);
    set_hidden(element->header, powered != 1);
    write_text(element, "s%5.2f", standby_mhz);
    return 13.0;
}

FLOAT64 GAUGE_CALL power_knob_cb(ELEMENT_ICON*)
{
    return power_switch == 1 ? 1.0 : 0.0;
}

// ---- Hotspots -----------------------------------------------------------------------------------------

int32_t GAUGE_CALL transfer_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    if (powered == 1) trigger_key_event(profile::SWAP, 0);
    return 0;
}

// The four halves of the dual tuning knob step the standby frequency while powered, silently.
template <uint32_t standby_event>
int32_t GAUGE_CALL tuning_knob(PIXPOINT*, uint32_t)
{
    if (powered == 1) trigger_key_event(standby_event, 0);
    return 0;
}

// The power knob clicks only when it actually turns.
int32_t GAUGE_CALL power_knob_left(PIXPOINT*, uint32_t)
{
    turn_power_knob(power_switch, 0);
    return 0;
}

int32_t GAUGE_CALL power_knob_right(PIXPOINT*, uint32_t)
{
    turn_power_knob(power_switch, 1);
    return 0;
}

int32_t GAUGE_CALL mon_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    toggle_monitor(monitor_on, powered);
    return 0;
}

int32_t GAUGE_CALL ec_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    if (powered == 1) tune_emergency_channel(standby_mhz, TUNING);
    return 0;
}

constexpr MOUSERECT hotspots[] = {
    hotspot_parent(),
    hotspot(93, 75, 57, 30, CURSOR_HAND, transfer_key),
    hotspot(522, 51, 21, 52, CURSOR_DOWNARROW, tuning_knob<profile::STANDBY_MHZ_DOWN>),
    hotspot(546, 56, 15, 34, CURSOR_DOWNARROW, tuning_knob<profile::STANDBY_KHZ_DOWN>),
    hotspot(561, 56, 18, 34, CURSOR_UPARROW, tuning_knob<profile::STANDBY_KHZ_UP>),
    hotspot(579, 51, 17, 52, CURSOR_UPARROW, tuning_knob<profile::STANDBY_MHZ_UP>),
    hotspot(24, 59, 19, 39, CURSOR_DOWNARROW, power_knob_left),
    hotspot(43, 59, 20, 39, CURSOR_UPARROW, power_knob_right),
    hotspot(206, 76, 30, 26, CURSOR_HAND, mon_key),
    hotspot(167, 77, 30, 25, CURSOR_HAND, ec_key),
    hotspot_end_of_parent(),
    hotspot_end_of_list(),
};
static_assert(std::size(hotspots) == HOTSPOT_COUNT + 3, "hotspot table and its numbering disagree");

// ---- Services -----------------------------------------------------------------------------------------

void GAUGE_CALL service_callback(GAUGEHDR*, int32_t service_id, uint32_t)
{
    switch (service_id) {
    case PANEL_SERVICE_PRE_UPDATE:
        for (MODULE_VAR& var : module_vars) lookup_var(&var);
        bus_power = truncate_to_int(module_vars[0].var_value.f);
        powered = powered_from(bus_power, power_switch);
        break;
    case PANEL_SERVICE_PRE_DRAW:
        // The radio always comes up switched off after loading, and keeps its switch from then on.
        if (take_one_time_reset()) {
            power_switch = 0;
            monitor_on = 0;
            bus_power = 0;
            powered = 0;
            standby_mhz = 0.0f;
        }
        break;
    default:
        break;
    }
}

GAUGEHDR gauge_header = {GAUGE_HEADER_VERSION, profile::GAUGE_NAME, &background.header,
                         nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         100, 0, hotspots, service_callback, 0};

} // namespace

GAUGE_MODULE(gauge_header)
