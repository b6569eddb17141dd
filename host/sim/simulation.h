// The simulation the gauges read and steer: variables by token, the radios behind the frequency tokens,
// the clocks, and the key events the gauges send, performed one by one before the next update. With a
// flight loaded it also flies the aircraft and derives, every tick, every token the gauges read from it:
// position, GPS, air data, the NAV receivers, the DME and the marker beacons.
#pragma once

#include "aircraft.h"
#include "clock.h"
#include "com_channels.h"
#include "flight_file.h"
#include "gauge_abi.h"
#include "nav_channels.h"
#include "receivers.h"

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace host {

struct KeyEvent {
    uint32_t event;
    uint32_t value;
};

class Simulation {
public:
    Simulation();
    ~Simulation();

    // The value a gauge receives for a token: FLOAT64, or a 32-bit integer in the first 4 bytes for the
    // integer tokens. A token nobody set reads 0, except the altimeter setting, which starts at 1013.25.
    VAR_VALUE value(int32_t token) const;
    double number(int32_t token) const;
    int32_t integer(int32_t token) const;

    // Sets a token from outside (a script, a test). Integer tokens take integers; a COM or NAV frequency
    // token takes the BCD of a channel's reading, the squawk four octal BCD digits; the UTC hour and minute
    // and the simulation time set the clock, the altimeter setting moves the indicated altitude with it; the
    // marker beacon (354) takes 0 to 3.
    // Throws std::invalid_argument when the value cannot be held. While a flight is loaded, the tokens the
    // aircraft gives are derived anew on every tick.
    void set(int32_t token, double value);
    // The checks of `set` that need no state: a script calls it as it is read, so that a value that can
    // never be set stops the script before its first line runs. Throws std::invalid_argument.
    static void check_set(int32_t token, double value);

    // Holds a token at a raw value until it is released: the gauges read exactly this value, whatever the
    // flight derives and whatever model the token has (a BCD digit above 9, a NaN). What the simulation
    // keeps underneath goes on changing and shows again on release. `set` keeps its checked meaning.
    void hold(int32_t token, VAR_VALUE raw) { held_[token] = raw; }
    void release(int32_t token) { held_.erase(token); }
    bool held(int32_t token) const { return held_.count(token) != 0; }

    // Key events wait in order until the simulation performs them, before the next update.
    void queue_event(KeyEvent e) { pending_.push_back(e); }
    void perform_pending_events();
    // Performs one event now; events the simulation does not know are ignored.
    void perform(KeyEvent e);

    // One tick of the clock, 18 to the simulated second; with a flight, the aircraft flies that long.
    void tick();
    uint64_t ticks() const { return clock_.ticks(); }
    double seconds() const { return clock_.simulation_seconds(); }
    const SimClock& clock() const { return clock_; }

    bool com_monitor() const { return com_monitor_; }
    // The COM radio that transmits (0 when neither is selected), and the one monitored besides it: the
    // other radio while monitoring is on, else none (0).
    int transmitting_com() const;
    int monitored_com() const;
    const ComReceiver& com(int n) const { return n == 1 ? com1_ : com2_; }
    const NavTuning& nav(int n) const { return n == 1 ? nav1_ : nav2_; }
    // Where the course display takes its guidance from (token 848): "NAV", "GPS", or the token's value
    // when it holds neither 0 nor 1.
    std::string navigation_source() const;

    // Starts a flight now: its radios, power and clock settings, the aircraft over its first waypoint.
    void load_flight(const Flight& flight);
    // The aircraft taken `metres` along the route from its first waypoint (Aircraft::jump_along); nothing
    // without a flight.
    void jump_along_route(double metres);

    // While frozen, ticks leave everything as it is: the clocks stand, the aircraft hangs where it is, the
    // flight's timed events wait. Key events are still performed.
    void freeze(bool frozen) { frozen_ = frozen; }
    bool frozen() const { return frozen_; }

    // The avionics bus switched on or off; switching it cancels a power failure's pending return.
    void set_avionics_power(bool on);
    // The bus fails now and comes back by itself after `seconds` of simulated time.
    void fail_power(double seconds);
    bool avionics_power() const;
    const Flight* flight() const { return flight_.get(); }
    const Aircraft* aircraft() const { return aircraft_.get(); }
    const Wind& wind() const { return wind_; }
    // What NAV receiver 1 or 2 hears (nothing without a flight).
    const NavSignal& nav_signal(int n) const { return n == 1 ? signal1_ : signal2_; }

private:
    void publish_clock();
    void publish_radios();
    void publish_flight();
    void publish_nav(int n, const NavSignal& s);
    void run_timed_events();
    void set_altimeter(double hpa);
    void toggle(int32_t token);
    void after_event();

    std::map<int32_t, double> numbers_;
    std::map<int32_t, int32_t> integers_;
    std::map<int32_t, VAR_VALUE> held_;
    std::vector<KeyEvent> pending_;
    SimClock clock_;
    ComReceiver com1_, com2_;
    NavTuning nav1_, nav2_;
    bool com_monitor_ = false;

    std::unique_ptr<Flight> flight_;
    std::unique_ptr<Aircraft> aircraft_;
    Wind wind_;
    uint64_t flight_start_tick_ = 0;
    std::size_t next_event_ = 0;
    NavSignal signal1_, signal2_;
    bool frozen_ = false;
    uint64_t power_returns_at_tick_ = 0;   // 0: no power failure waiting to end
};

} // namespace host
