// Compact GPS navigator: the head of a panel-mounted GPS with one text line across a dark display window,
// nine push keys (transfer, COM, NAV, SYS, MSG, direct-to, INFO, SEL, ENT), a power/squelch knob and a
// dual concentric knob. It navigates nothing itself: it shows the host's GPS solution on eight pages,
// runs its own self-test, messages, flight timer and count-down, and in the COM builds carries a VHF COM
// transceiver whose frequencies it shows in COM mode. The GPS-only build has no COM section.
//
// Reads, refreshed in this order on every update (all FLOAT64)
//   773  avionics power: COM builds 1.0 exactly = power, 0.0 exactly = power failure; GPS-only truncated
//   836  bearing to the TO waypoint, radians         835  distance to it, metres
//   837  cross-track deviation, metres, signed       832  ground speed, metres per second
//   834  refreshed, not used                         838  desired track, radians
//   2    refreshed, not used                         614  metres, the height term of the minimum safe altitude
//   604  simulation time, seconds (both timers)      6, 7 UTC hour and minute
//   827  latitude, 111130.555557 per degree north   828  longitude, 11930430 per degree east
//   0    an empty entry                              1    tick counter, 18 a second (the self-test)
//   5    clock seconds (blinking)
//   344  wind direction, degrees; 81 heading, degrees; 343 wind speed; 61 airspeed (same unit as 343, and
//        the gate of the track texts above 5.0); the GPS-only build reads 61 first of these four
//   Source variables the host refreshes before the element's callback:
//   831  GPS status flags, 32-bit integer, of the hidden status text (64 or 72: no TO waypoint)
//   COM builds: the active and standby COM frequencies, four BCD digits (COM1 23/617, COM2 870/871)
// Sends (always with the value 0)
//   65657 / 65658 UTC hours down / up, 65659 / 65660 UTC minutes down / up (page 5 editing)
//   65908 direct-to
//   COM builds: standby MHz down / up, standby 25 kHz down / up and swap of the build profile;
//   66513 monitor on, 66514 monitor off (SYS)
// Named variables: publishes "send_msg" (the message code: 0 none, 1 count-down expired, 2 empty TO
//   waypoint, 3 arrival) at install, withdraws it at kill, rewrites it at the end of every update.
// Sounds: click on the power knob when it turns; soft click on every push key, powered or not.

#include "gauge_module.h"
#include GAUGE_PROFILE

#include <cmath>

#include "compact_navigator_faceplate.h"
#include "state.h"
#include "sim_values.h"
#include "computed_values.h"
#include "display.h"
#if COMPACT_NAVIGATOR_HAS_COM
#include "com_section.h"
#endif
#include "faceplate.h"
#include "controls.h"

namespace {

constexpr int32_t TEST_STEP_TICKS = 36;   // 2 s each for the memory test, the software test and its result
constexpr double ARRIVAL_FROM_HOURS = 0.009;    // 32.4 s before the waypoint
constexpr double ARRIVAL_TO_HOURS = 0.0109;     // 39.24 s before it

// COM builds: only exactly 1.0 is power and only exactly 0.0 a power failure. The GPS-only build truncates
// the bus value as the other instruments do.
void compute_power()
{
    const double bus = sim(token::BUS_POWER);
    bool failure;
    if (profile::BUS_POWER_TRUNCATED) {
        bus_power = truncate_to_int(bus);
        powered = powered_from(bus_power, power_switch);
        failure = bus_power == 0;
    } else {
        powered = (bus == 1.0 && power_switch == 1) ? 1 : 0;
        failure = bus == 0.0;
    }
    // The title screen is re-armed on every update while the power is gone, so that the whole self-test
    // runs again when it returns.
    if (failure && power_switch == 1) {
        gps_knobs = 0;
        screen_stage = 1;
        test_target = truncate_to_int(sim(token::TICKS) + TITLE_TICKS);
    }
}

// One step of the self-test ends per update, when the tick counter has reached its target while the unit
// is powered. A host that skips a tick value does not leave the unit stuck in a step.
void run_self_test()
{
    if (powered != 1) return;
    const double tick = sim(token::TICKS);
    const int32_t next_target = truncate_to_int(tick + TEST_STEP_TICKS);
    if (screen_stage == 1 && tick >= test_target) {
        screen_stage = 2;
        test_target = next_target;
    }
    if (screen_stage == 2 && tick >= test_target) {
        screen_stage = 3;
        test_target = next_target;
    }
    if (screen_stage == 3 && tick >= test_target) {
        screen_stage = 4;
        test_target = next_target;
    }
    if (screen_stage == 4 && tick >= test_target) {
        screen_stage = 0;
        flight_start = truncate_to_int(sim(token::SIMULATION_TIME));
        gps_knobs = 1;
        flight_running = 1;
    }
}

// Message 2 is flagged only once the self-test is over; message 3 opens its own view and keeps it open
// while the time en route stays in the arrival window.
void raise_messages()
{
    if (powered != 1) return;
    if (sim(token::TICKS) > test_target && msg_code == 0 && to_valid == 0) msg_code = 2;
    if (to_valid == 1 && ete_hours > ARRIVAL_FROM_HOURS && ete_hours < ARRIVAL_TO_HOURS) {
        msg_code = 3;
        screen_stage = 7;
        msg_view = 1;
    }
}

void update()
{
    for (MODULE_VAR& var : module_vars) lookup_var(&var);
    compute_power();
    run_self_test();
    compute_navigation();
    run_flight_timer();
    run_countdown();
    blink_on = truncate_to_int(sim(token::CLOCK_SECOND)) % 2 == 0 ? 1 : 0;
    to_valid = (gps_flags == 64 || gps_flags == 72) ? 0 : 1;
    raise_messages();
    published_msg = msg_code;
}

void GAUGE_CALL service_callback(GAUGEHDR*, int32_t service_id, uint32_t)
{
    switch (service_id) {
    case PANEL_SERVICE_PRE_INSTALL:
        register_var_by_name(&published_msg, NAMED_VAR_TYPE_INT32, "send_msg");
        break;
    case PANEL_SERVICE_PRE_UPDATE:
        update();
        break;
    case PANEL_SERVICE_PRE_DRAW:
        if (take_one_time_reset()) reset_state();
        break;
    case PANEL_SERVICE_PRE_KILL:
        unregister_var_by_name("send_msg");
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
