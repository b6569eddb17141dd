// Transponder: the head of an ATC transponder. A four-digit code display, the pressure altitude in hundreds
// of feet, six keys with lights above them (IDENT, SBY, ON, ALT, VFR, HLD), a power knob and a dual
// concentric knob that enters the code digit by digit. The simulation keeps the squawk code; the transponder
// shows it and changes it only by key events. Its mode, the identification, the VFR selection and the
// altitude hold are its own and show only on its lights.
//
// Reads
//   74   altitude in feet, FLOAT64, refreshed every update: shown in hundreds, captured by HLD
//   773  bus power, FLOAT64, refreshed every update and truncated: 1 means the transponder has power
//   1    ticks, FLOAT64, refreshed every update and not used
//   604  simulation time in seconds, FLOAT64, refreshed every update and truncated: its parity drives all
//        blinking, and it times the identification
//   38   squawk code, source of the code display, four BCD digits (thousands in bits 12-15) as an integer
// Sends (always with the value 0)
//   65651 65652 65653 65654  thousands, hundreds, tens, ones digit up
//   66455 66456 66457 66458  thousands, hundreds, tens, ones digit down
//   65715                    set the code (to 0000: the event's value), then the build's VFR digit steps
// Named variables: none.
// Sounds: click on the power knob when it turns; soft click on every key, powered or not, and on the outer
// knob while it has a digit to move to; the inner knob is silent.

#include "gauge_module.h"
#include GAUGE_PROFILE

#include "transponder_faceplate.h"

namespace {

using namespace transponder;

constexpr int32_t ALTITUDE        = 74;    // 0x4A
constexpr int32_t BUS_POWER       = 773;   // 0x305
constexpr int32_t TICKS           = 1;     // 0x1
constexpr int32_t SIMULATION_TIME = 604;   // 0x25C
constexpr int32_t SQUAWK          = 38;    // 0x26

// Digit events, indexed by the selected digit: 1 the thousands, 4 the ones.
constexpr uint32_t DIGIT_UP[5]   = {0, 65651, 65652, 65653, 65654};   // 0x10073 - 0x10076
constexpr uint32_t DIGIT_DOWN[5] = {0, 66455, 66456, 66457, 66458};   // 0x10397 - 0x1039A
constexpr uint32_t SET_CODE      = 65715;                             // 0x100B3

// An identification lasts this many seconds of simulation time.
constexpr double IDENT_SECONDS = 20.0;

// ---- State --------------------------------------------------------------------------------------------

int32_t power_switch    = 0;
int32_t bus_power       = 0;
int32_t powered         = 0;
int32_t mode            = 0;
int32_t selected_digit  = 0;
int32_t vfr_active      = 0;
int32_t alt_hold        = 0;
int32_t held_altitude   = 0;
int32_t ident_active    = 0;
int32_t ident_end       = 0;
int32_t clock_seconds   = 0;
int32_t reply_light     = 0;
int32_t digit_blink     = 0;
int32_t deviation_blink = 0;

// ---- Module variables, refreshed on every update in this order -----------------------------------------

MODULE_VAR module_vars[] = {module_var(ALTITUDE), module_var(BUS_POWER), module_var(TICKS),
                            module_var(SIMULATION_TIME)};
MODULE_VAR& altitude_var        = module_vars[0];
MODULE_VAR& bus_power_var       = module_vars[1];
MODULE_VAR& simulation_time_var = module_vars[3];

// Altitude in feet as the last update read it.
double altitude() { return altitude_var.var_value.f; }

} // namespace

#include "vfr_code.h"
#include "update.h"
#include "display.h"
#include "controls.h"

namespace {

// ---- Services -----------------------------------------------------------------------------------------

void GAUGE_CALL service_callback(GAUGEHDR*, int32_t service_id, uint32_t)
{
    switch (service_id) {
    case PANEL_SERVICE_PRE_UPDATE:
        for (MODULE_VAR& var : module_vars) lookup_var(&var);
        update();
        break;
    case PANEL_SERVICE_PRE_DRAW:
        // After loading the transponder is off, in standby, with no digit selected.
        if (take_one_time_reset()) {
            power_switch = bus_power = powered = 0;
            mode = selected_digit = vfr_active = 0;
            alt_hold = held_altitude = 0;
            ident_active = ident_end = 0;
            clock_seconds = reply_light = digit_blink = deviation_blink = 0;
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
