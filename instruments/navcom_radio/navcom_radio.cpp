// NAV/COM radio: the head of a combined VHF navigation receiver and communication transceiver. One frequency
// window shows the COM pair or the NAV pair; the COM and NAV keys choose which, and the transfer key, the dual
// concentric knob and the emergency channel act on the chosen radio. SEL and ENT work a small menu, SYS
// switches monitoring, OBS opens the course page with its deviation bar, T/F turns the TO bearing into the
// FROM radial and ID brings in the station identifier. The set owns no frequency, course or audio selection:
// the simulation keeps them, the radio shows them and steps them.
//
// Reads, every update (in this order)
//   773  bus power, FLOAT64 truncated: 1 means the radio has power
//   radial (NAV1 25, NAV2 28), FLOAT64: the FROM radial times 180
//   bearing term (NAV1 550, NAV2 59), FLOAT64 degrees: plus the heading, the bearing to the station
//   81   heading, FLOAT64 degrees
//   86   refreshed and not used
//   NAV audio selection (NAV1 877, NAV2 878): refreshed and not used
//   0    an empty entry
//   DME availability (NAV1 49, NAV2 58), FLOAT64: above 255 the DME answers
//   selected course (NAV1 45, NAV2 54), FLOAT64 degrees
//   course deviation (NAV1 40, NAV2 50), FLOAT64: 127 full scale, positive puts the bar right of the symbol
//   DME distance (NAV1 31, NAV2 35), FLOAT64 nautical miles, negative without a distance
//   DME speed (NAV1 32, NAV2 36), FLOAT64 knots
//   1    tick counter, FLOAT64, one count a tick: the identifier message lasts 54
// Reads, as element source variables
//   COM active / standby (NAV1/COM1 23 / 617, NAV2/COM2 870 / 871), four BCD digits, integer view
//   NAV active / standby (24 / 872, 27 / 873), the same encoding
//   DME distance and DME speed again, for their displays
//   TO/FROM flag (NAV1 43, NAV2 52), integer view: 0 no signal, 1 TO, 2 FROM
// Sends (always with the value 0), the build profile's numbers
//   COM standby MHz down / up, 25 kHz down / up, COM swap; NAV standby MHz down / up, kHz down / up, NAV
//   swap; course down / up from the outer ring and from the inner knob; NAV audio toggle;
//   66513 monitor on, 66514 monitor off
// Named variables: none.
// Sounds: click on the power knob when it turns; soft click on transfer, COM, NAV, T/F, ID, SYS, OBS and SEL,
// powered or not. ENT and the tuning knob are silent.

#include "gauge_module.h"
#include GAUGE_PROFILE

#include "../com_radio/bcd_frequency.h"
#include "../com_radio/emergency_channel.h"
#include "../com_radio/monitor_key.h"
#include "../com_radio/power_knob.h"
#include "navcom_radio_faceplate.h"

namespace {

using namespace navcom_radio;

// ---- State --------------------------------------------------------------------------------------------

int32_t power_switch = 0;
int32_t bus_power = 0;
int32_t powered = 0;
int32_t radio_mode = 0;           // 0 COM, 1 NAV
int32_t menu_state = 0;           // 0 closed, 1 COM menu, 2 NAV menu, 3 show DME data?, 4 remove DME data?
int32_t emergency_selected = 0;   // the COM menu's emergency item is chosen
int32_t obs_mode = 0;             // the course page is shown
int32_t dme_page = 0;             // distance data replace the bearing data
int32_t bearing_mode = 0;         // 0 TO bearing, 1 FROM radial; survives the one-time reset
int32_t ident_state = 0;          // 0 off, 1 IDENT, 2 VOICE
int32_t message_shown = 0;
int32_t message_end_tick = 0;
int32_t monitor_on = 0;
float com_standby_mhz = 0.0f;     // as the COM standby display last showed it: the emergency channel steps from here
float nav_active_mhz = 0.0f;
int32_t to_from = 0;              // 0 no signal, 1 TO, 2 FROM

// Derived each draw by the navigation display.
int32_t from_radial = 0;
int32_t to_bearing = 0;
int32_t course_offset = 0;
float station_time = 0.0f;        // hours
int32_t station_hours = 0;
int32_t station_minutes = 0;

enum Mode : int32_t { COM_MODE = 0, NAV_MODE = 1 };
enum Menu : int32_t { MENU_CLOSED = 0, COM_MENU, NAV_MENU, SHOW_DME_MENU, REMOVE_DME_MENU };
enum Ident : int32_t { IDENT_OFF = 0, IDENT_ON, VOICE_ON };

// ---- Module variables, refreshed on every update in this order ------------------------------------------

enum ModuleVar {
    POWER_VAR,
    RADIAL_VAR,
    BEARING_TERM_VAR,
    HEADING_VAR,
    TOKEN_86_VAR,
    NAV_AUDIO_VAR,
    EMPTY_VAR,
    DME_AVAILABILITY_VAR,
    COURSE_VAR,
    DEVIATION_VAR,
    DME_DISTANCE_VAR,
    DME_SPEED_VAR,
    TICKS_VAR,
    MODULE_VAR_COUNT,
};

MODULE_VAR module_vars[] = {
    module_var(773),
    module_var(profile::RADIAL),
    module_var(profile::BEARING_TERM),
    module_var(81),
    module_var(86),
    module_var(profile::NAV_AUDIO),
    module_var(0),
    module_var(profile::DME_AVAILABILITY),
    module_var(profile::SELECTED_COURSE),
    module_var(profile::COURSE_DEVIATION),
    module_var(profile::DME_DISTANCE),
    module_var(profile::DME_SPEED),
    module_var(1),
};
static_assert(std::size(module_vars) == MODULE_VAR_COUNT, "module variables and their numbering disagree");

FLOAT64 var(ModuleVar v) { return module_vars[v].var_value.f; }

// How long the identifier message stays, in ticks (three seconds).
constexpr int32_t MESSAGE_TICKS = 54;

} // namespace

#include "frequency_window.h"
#include "navigation_display.h"
#include "controls.h"
#include "faceplate_records.h"

namespace {

// ---- Services -----------------------------------------------------------------------------------------

void GAUGE_CALL service_callback(GAUGEHDR*, int32_t service_id, uint32_t)
{
    switch (service_id) {
    case PANEL_SERVICE_PRE_UPDATE:
        for (MODULE_VAR& v : module_vars) lookup_var(&v);
        bus_power = truncate_to_int(var(POWER_VAR));
        powered = powered_from(bus_power, power_switch);
        if (powered == 0) close_menu_on_power_loss();
        // The message ends once the tick count has reached its end, even if the host skipped that very tick.
        if (message_shown == 1 && truncate_to_int(var(TICKS_VAR)) >= message_end_tick) message_shown = 0;
        break;
    case PANEL_SERVICE_PRE_DRAW:
        // The set always comes up switched off, in COM mode, with every page and the menu closed; only the
        // choice between TO bearing and FROM radial is kept from before.
        if (take_one_time_reset()) {
            power_switch = bus_power = powered = 0;
            radio_mode = menu_state = emergency_selected = obs_mode = dme_page = 0;
            ident_state = message_shown = message_end_tick = monitor_on = 0;
            com_standby_mhz = nav_active_mhz = 0.0f;
            to_from = from_radial = to_bearing = course_offset = 0;
            station_time = 0.0f;
            station_hours = station_minutes = 0;
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
