// The simulation the gauges read and steer: variables by token, the radios behind the frequency tokens,
// the clock, and the key events the gauges send, performed one by one before the next update.
#pragma once

#include "com_channels.h"
#include "gauge_abi.h"

#include <cstdint>
#include <deque>
#include <map>
#include <string>

namespace host {

constexpr int TICKS_PER_SECOND = 18;

struct KeyEvent {
    uint32_t event;
    uint32_t value;
};

class Simulation {
public:
    Simulation();

    // The value a gauge receives for a token: FLOAT64, or a 32-bit integer in the first 4 bytes for the
    // integer tokens. A token nobody set reads 0.
    VAR_VALUE value(int32_t token) const;
    double number(int32_t token) const;
    int32_t integer(int32_t token) const;

    // Sets a token from outside (a script, a flight). Integer tokens take integers; a COM frequency token
    // takes the BCD of a channel's reading. Throws std::invalid_argument when the value cannot be held.
    void set(int32_t token, double value);

    // Key events wait in order until the simulation performs them, before the next update.
    void queue_event(KeyEvent e) { pending_.push_back(e); }
    void perform_pending_events();
    // Performs one event now; events the simulation does not know are ignored.
    void perform(KeyEvent e);

    // One tick of the clock: 18 to the simulated second.
    void tick();
    uint64_t ticks() const { return ticks_; }
    double seconds() const { return static_cast<double>(ticks_) / TICKS_PER_SECOND; }

    bool com_monitor() const { return com_monitor_; }
    const ComReceiver& com(int n) const { return n == 1 ? com1_ : com2_; }

private:
    void publish_clock();
    void publish_com();

    std::map<int32_t, double> numbers_;
    std::map<int32_t, int32_t> integers_;
    std::deque<KeyEvent> pending_;
    uint64_t ticks_ = 0;
    ComReceiver com1_, com2_;
    bool com_monitor_ = false;
};

} // namespace host
