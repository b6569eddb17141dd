// The update: power, the self-test, the timers, the blink phase and the messages, every step in its order,
// and the service callback around it.
#pragma once

#include <cmath>

namespace {

constexpr int32_t BLANK_TICKS = 18;          // the screen stays dark this long after power returns
constexpr int32_t BANNER_TICKS = 54;
constexpr int32_t SOFTWARE_TEST_TICKS = 36;
constexpr int32_t FLIGHT_SECS_LIMIT = 359999;     // 99:59:59
constexpr int32_t GPS_FLAGS_NO_TO = 64;
constexpr int32_t GPS_FLAGS_NO_TO_ALT = 72;
constexpr double ARRIVAL_WINDOW_FROM_H = 0.009;   // 32.4 s to go
constexpr double ARRIVAL_WINDOW_TO_H = 0.0109;    // 39.24 s to go

// The flight timer starts whenever the unit leaves its self-test: at its end or when INT skips it.
void start_operating()
{
    flight_start = truncate_to_int(sim(VAR_SIMULATION_TIME));
    page_group = NAVIGATION_PAGES;
    sub_page = 1;
    gps_knobs = 1;
    flight_running = 1;
}

// One step of the self-test ends once the tick count has reached its target. Reached or passed: a host
// that skips a tick must not freeze the unit in its banner. Only a powered unit goes on with its test.
void advance_self_test()
{
    const double ticks = sim(VAR_TICKS);
    auto step_due = [&](int32_t step) {
        return powered == 1 && page_group == step && ticks >= static_cast<double>(test_target);
    };
    if (step_due(0)) {
        page_group = 1;
        test_target = truncate_to_int(ticks + BANNER_TICKS);
    }
    if (step_due(1)) {
        page_group = 2;
        test_target = truncate_to_int(ticks + SOFTWARE_TEST_TICKS);
    }
    if (step_due(2)) {
        page_group = 3;
        test_target = truncate_to_int(ticks + SOFTWARE_TEST_TICKS);
    }
    if (step_due(3)) start_operating();
}

void update_time_en_route()
{
    ete_hours = time_en_route_hours();
    ete_minutes = truncate_to_int(std::fmod(ete_hours, 1.0f) * 60.0f);
}

void update_flight_timer()
{
    if (flight_running == 1) flight_secs = truncate_to_int(sim(VAR_SIMULATION_TIME) - flight_start);
    if (flight_secs > FLIGHT_SECS_LIMIT) flight_secs = FLIGHT_SECS_LIMIT;
    flight_hours = flight_secs / 3600;
    flight_minutes = (flight_secs % 3600) / 60;
}

// The count-down expires when its remaining time reads 0, which it does for two seconds around its end.
// A clock that jumps over that window would leave it counting below zero for ever: it expires then too.
void update_countdown()
{
    if (cd_running == 1) cd_remaining = truncate_to_int(cd_end - sim(VAR_SIMULATION_TIME));
    if (cd_running == 1 && cd_remaining < 0) cd_remaining = 0;
    cd_hours = cd_remaining / 3600;
    cd_minutes = (cd_remaining % 3600) / 60;
    cd_seconds = (cd_remaining % 3600) % 60;
    if (cd_running == 1 && cd_remaining == 0) {
        cd_running = 0;
        msg_code = 1;
    }
}

void update_messages()
{
    if (powered != 1) return;
    if (sim(VAR_TICKS) > static_cast<double>(test_target) && msg_code == 0 && to_valid == 0) msg_code = 2;
    // Inside the arrival window the message opens itself on every update, even after it was acknowledged.
    if (to_valid == 1 && ete_hours > ARRIVAL_WINDOW_FROM_H && ete_hours < ARRIVAL_WINDOW_TO_H) {
        msg_code = 3;
        msg_view = 1;
    }
}

void update()
{
    for (MODULE_VAR& var : module_vars) lookup_var(&var);

    bus_power = truncate_to_int(sim(VAR_BUS_POWER));
    powered = powered_from(bus_power, power_switch);

    // Power failure with the switch on: dark, knobs back to COM, message dropped, and the self-test starts
    // again 18 ticks after the last update without power. Editing ends with it, so that a field left in
    // editing cannot hold the knobs after the power returns.
    if (bus_power == 0 && power_switch == 1) {
        gps_knobs = 0;
        msg_code = 0;
        page_group = 0;
        test_target = truncate_to_int(sim(VAR_TICKS) + BLANK_TICKS);
        edit_mode = 0;
    }

    advance_self_test();
    update_time_en_route();
    update_flight_timer();
    update_countdown();

    blink_on = truncate_to_int(sim(VAR_CLOCK_SECOND)) % 2 == 0 ? 1 : 0;

    to_valid = 1;
    if (gps_flags == GPS_FLAGS_NO_TO || gps_flags == GPS_FLAGS_NO_TO_ALT) to_valid = 0;

    update_messages();
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
        // The unit always comes up switched off after loading.
        if (take_one_time_reset()) reset_state();
        break;
    case PANEL_SERVICE_PRE_KILL:
        unregister_var_by_name("send_msg");
        break;
    default:
        break;
    }
}

} // namespace
