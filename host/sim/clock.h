// The simulation's clocks: the tick counter (18 ticks a simulated second), the running simulation time,
// which a jump can move on without the ticks, and the UTC clock that starts at the flight's start time and
// that the pilot can set hour by hour and minute by minute.
#pragma once

#include <cstdint>

namespace host {

constexpr int TICKS_PER_SECOND = 18;

class SimClock {
public:
    // UTC at tick 0, seconds since 1970-01-01.
    void start_at(int64_t utc_unix_s);
    void tick() { ++ticks_; }
    // Simulation time leaps forward (the ticks and the flight time do not).
    void jump(double seconds) { jumped_s_ += seconds; }

    uint64_t ticks() const { return ticks_; }
    // Time since the start counted in ticks: what the aircraft has flown.
    double flight_seconds() const { return static_cast<double>(ticks_) / TICKS_PER_SECOND; }
    // Running simulation time: the flight time plus every jump.
    double simulation_seconds() const { return flight_seconds() + jumped_s_; }
    void set_simulation_seconds(double s) { jumped_s_ = s - flight_seconds(); }

    // UTC seconds since midnight, 0 to 86399.999.
    double utc_seconds_of_day() const;
    int utc_hour() const;
    int utc_minute() const;
    int utc_second() const;
    // Hours and minutes turn by one without carrying: 59 minutes up give 00 and leave the hour alone;
    // the seconds, the ticks and the simulation time are untouched.
    void step_utc_hour(int direction) { set_utc_hour(utc_hour() + direction); }
    void step_utc_minute(int direction) { set_utc_minute(utc_minute() + direction); }
    // Any whole number, taken modulo 24 or 60.
    void set_utc_hour(int hour);
    void set_utc_minute(int minute);

private:
    uint64_t ticks_ = 0;
    double jumped_s_ = 0.0;
    int64_t start_of_day_s_ = 0;   // UTC seconds since midnight at tick 0
    double utc_offset_s_ = 0.0;    // what the pilot's settings added
};

} // namespace host
