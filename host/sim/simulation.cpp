#include "simulation.h"

#include "air_data.h"
#include "squawk.h"
#include "tokens.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace host {

Simulation::Simulation()
{
    numbers_[token::ALTIMETER_SETTING] = air::STANDARD_HPA;
    publish_clock();
    publish_radios();
}

Simulation::~Simulation() = default;

VAR_VALUE Simulation::value(int32_t token) const
{
    if (auto held = held_.find(token); held != held_.end()) return held->second;
    VAR_VALUE v{};
    if (token::is_integer(token)) v.i = integer(token);
    else v.f = number(token);
    return v;
}

double Simulation::number(int32_t token) const
{
    if (token::is_integer(token)) return integer(token);
    if (auto held = held_.find(token); held != held_.end()) return held->second.f;
    auto it = numbers_.find(token);
    return it == numbers_.end() ? 0.0 : it->second;
}

int32_t Simulation::integer(int32_t token) const
{
    if (auto held = held_.find(token); held != held_.end()) return held->second.i;
    auto it = integers_.find(token);
    return it == integers_.end() ? 0 : it->second;
}

namespace {

[[noreturn]] void refuse(const char* format, unsigned value)
{
    char text[96];
    std::snprintf(text, sizeof text, format, value);
    throw std::invalid_argument(text);
}

int whole(int32_t token, double value)
{
    if (value != std::floor(value) || std::fabs(value) > 1e9)
        throw std::invalid_argument("token " + std::to_string(token) + " holds a whole number");
    return static_cast<int>(value);
}

} // namespace

// The simulation time a script may set: some thirty years either way, far inside what the clocks count
// exactly.
constexpr double LONGEST_SIMULATION_TIME_S = 1e9;

void Simulation::check_set(int32_t token, double value)
{
    if (!std::isfinite(value)) throw std::invalid_argument("token " + std::to_string(token) + " holds a finite number");
    switch (token) {
    case token::UTC_HOUR:
    case token::UTC_MINUTE:
    case token::NAV1_COURSE:
    case token::NAV2_COURSE: whole(token, value); return;
    case token::SIMULATION_TIME:
        if (std::fabs(value) > LONGEST_SIMULATION_TIME_S)
            throw std::invalid_argument("token 604 is the simulation time in seconds, -1e9 to 1e9");
        return;
    case token::ALTIMETER_SETTING:
        if (value <= 0) throw std::invalid_argument("the altimeter setting is a pressure in hPa");
        return;
    case token::MARKER:
        // The marker receiver knows three beacons; anything else is a raw value for `hold`.
        if (value != 0 && value != 1 && value != 2 && value != 3)
            throw std::invalid_argument("token 354 is the marker beacon received: 0 none, 1 outer, 2 middle, 3 inner");
        return;
    default: break;
    }
    if (!token::is_integer(token)) return;
    if (value != std::floor(value) || value < -2147483648.0 || value > 4294967295.0)
        throw std::invalid_argument("token " + std::to_string(token) + " holds an integer");
    const int32_t v = static_cast<int32_t>(static_cast<int64_t>(value));
    const Band* band = nullptr;
    switch (token) {
    case token::COM1_ACTIVE:
    case token::COM1_STANDBY:
    case token::COM2_ACTIVE:
    case token::COM2_STANDBY: band = &COM_BAND; break;
    case token::NAV1_ACTIVE:
    case token::NAV1_STANDBY:
    case token::NAV2_ACTIVE:
    case token::NAV2_STANDBY: band = &NAV_BAND; break;
    case token::SQUAWK:
        if (!is_squawk(v)) refuse("0x%04X is not a squawk code (four digits 0 to 7)", static_cast<unsigned>(v));
        return;
    default: return;
    }
    if (!channel_of_bcd(v, *band))
        refuse(band == &COM_BAND ? "0x%04X is not a COM channel (118.00 to 136.97)"
                                 : "0x%04X is not a NAV channel (108.00 to 117.95)",
               static_cast<unsigned>(v));
}

void Simulation::set(int32_t token, double value)
{
    check_set(token, value);
    switch (token) {
    case token::UTC_HOUR: clock_.set_utc_hour(whole(token, value)); publish_clock(); return;
    case token::UTC_MINUTE: clock_.set_utc_minute(whole(token, value)); publish_clock(); return;
    case token::SIMULATION_TIME: clock_.set_simulation_seconds(value); publish_clock(); return;
    case token::NAV1_COURSE: nav1_.course_deg = 0; nav1_.course_step(whole(token, value)); publish_radios(); return;
    case token::NAV2_COURSE: nav2_.course_deg = 0; nav2_.course_step(whole(token, value)); publish_radios(); return;
    case token::ALTIMETER_SETTING: set_altimeter(value); return;
    case token::COM_RECEIVE_BOTH: com_monitor_ = value != 0; numbers_[token] = com_monitor_ ? 1.0 : 0.0; return;
    default: break;
    }
    if (!token::is_integer(token)) {
        numbers_[token] = value;
        return;
    }
    const int32_t v = static_cast<int32_t>(static_cast<int64_t>(value));
    ChannelPair* radio = nullptr;
    bool standby = false;
    switch (token) {
    case token::COM1_ACTIVE: radio = &com1_; break;
    case token::COM1_STANDBY: radio = &com1_; standby = true; break;
    case token::COM2_ACTIVE: radio = &com2_; break;
    case token::COM2_STANDBY: radio = &com2_; standby = true; break;
    case token::NAV1_ACTIVE: radio = &nav1_; break;
    case token::NAV1_STANDBY: radio = &nav1_; standby = true; break;
    case token::NAV2_ACTIVE: radio = &nav2_; break;
    case token::NAV2_STANDBY: radio = &nav2_; standby = true; break;
    default: integers_[token] = v; return;
    }
    (standby ? radio->standby : radio->active) = *channel_of_bcd(v, radio->band);
    publish_radios();
}

int Simulation::transmitting_com() const
{
    return number(token::COM1_TRANSMIT) == 1.0 ? 1 : number(token::COM2_TRANSMIT) == 1.0 ? 2 : 0;
}

int Simulation::monitored_com() const
{
    const int transmitting = transmitting_com();
    return com_monitor_ && transmitting ? 3 - transmitting : 0;
}

std::string Simulation::navigation_source() const
{
    const double source = number(token::NAV_SOURCE);
    if (source == 0.0) return "NAV";
    if (source == 1.0) return "GPS";
    char text[32];
    std::snprintf(text, sizeof text, "%g", source);
    return text;
}

void Simulation::set_altimeter(double hpa)
{
    const double old = number(token::ALTIMETER_SETTING);
    if (!aircraft_ && old > 0) {
        // Without an aircraft the altitude shown is all there is: the altimeter moves it as a new setting
        // would at that height.
        const double p = air::static_pressure_hpa(number(token::INDICATED_ALTITUDE), old);
        numbers_[token::INDICATED_ALTITUDE] = air::indicated_altitude_ft(p, hpa);
    }
    numbers_[token::ALTIMETER_SETTING] = hpa;
    if (aircraft_) publish_flight();
}

void Simulation::toggle(int32_t token)
{
    numbers_[token] = number(token) != 0 ? 0.0 : 1.0;
}

void Simulation::load_flight(const Flight& flight)
{
    flight_ = std::make_unique<Flight>(flight);
    const Flight& f = *flight_;
    // The flight starts now: the UTC clock shows its start time at this tick.
    clock_.start_at(f.start_unix_s - static_cast<int64_t>(std::floor(clock_.simulation_seconds())));
    flight_start_tick_ = clock_.ticks();
    next_event_ = 0;
    wind_ = f.wind;
    numbers_[token::BUS_POWER] = f.avionics_power ? 1.0 : 0.0;
    const RadioSetup& r = f.radios;
    com1_.active = r.com1_active, com1_.standby = r.com1_standby;
    com2_.active = r.com2_active, com2_.standby = r.com2_standby;
    nav1_.active = r.nav1_active, nav1_.standby = r.nav1_standby;
    nav2_.active = r.nav2_active, nav2_.standby = r.nav2_standby;
    nav1_.course_deg = static_cast<int>(r.course1_deg);
    nav2_.course_deg = static_cast<int>(r.course2_deg);
    integers_[token::SQUAWK] = r.squawk;
    numbers_[token::ALTIMETER_SETTING] = r.altimeter_hpa;
    numbers_[token::COM1_TRANSMIT] = r.transmit == 1 ? 1.0 : 0.0;
    numbers_[token::COM2_TRANSMIT] = r.transmit == 2 ? 1.0 : 0.0;
    integers_[token::MARKER_DME_SELECT] = r.dme_select;
    numbers_[token::NAV_SOURCE] = r.nav_source;
    numbers_[token::NAV1_AUDIO] = r.nav1_audio ? 1.0 : 0.0;
    numbers_[token::NAV2_AUDIO] = r.nav2_audio ? 1.0 : 0.0;
    numbers_[token::DME_AUDIO] = r.dme_audio ? 1.0 : 0.0;
    numbers_[token::ADF_AUDIO] = r.adf_audio ? 1.0 : 0.0;
    numbers_[token::MARKER_AUDIO] = r.marker_audio ? 1.0 : 0.0;
    com_monitor_ = r.com_monitor;
    aircraft_ = std::make_unique<Aircraft>(f, wind_);
    publish_clock();
    publish_radios();
    publish_flight();
}

void Simulation::run_timed_events()
{
    const double now = static_cast<double>(clock_.ticks() - flight_start_tick_) / TICKS_PER_SECOND;
    for (; next_event_ < flight_->events.size() && flight_->events[next_event_].at_s <= now; ++next_event_) {
        const TimedEvent& e = flight_->events[next_event_];
        switch (e.kind) {
        case TimedEvent::Kind::Power: numbers_[token::BUS_POWER] = e.power ? 1.0 : 0.0; break;
        case TimedEvent::Kind::TimeJump: clock_.jump(e.jump_s); break;
        case TimedEvent::Kind::WindChange: wind_ = e.wind; break;
        case TimedEvent::Kind::Hold: {
            // Integer tokens take the value's 32 bits as a script's hold does; others the number itself.
            VAR_VALUE raw{};
            if (token::is_integer(e.token)) raw.i = static_cast<int32_t>(static_cast<uint32_t>(static_cast<int64_t>(e.value)));
            else raw.f = e.value;
            hold(e.token, raw);
            break;
        }
        case TimedEvent::Kind::Release: release(e.token); break;
        case TimedEvent::Kind::Airspeed: aircraft_->set_true_airspeed(e.airspeed_kt); break;
        case TimedEvent::Kind::HoldHeading: aircraft_->hold_heading(e.hold_heading_s); break;
        }
    }
}

void Simulation::jump_along_route(double metres)
{
    if (!aircraft_) return;
    aircraft_->jump_along(metres, wind_);
    publish_flight();
}

void Simulation::set_avionics_power(bool on)
{
    power_returns_at_tick_ = 0;
    numbers_[token::BUS_POWER] = on ? 1.0 : 0.0;
}

void Simulation::fail_power(double seconds)
{
    numbers_[token::BUS_POWER] = 0.0;
    power_returns_at_tick_ = clock_.ticks() + std::max<uint64_t>(1, static_cast<uint64_t>(std::llround(std::max(0.0, seconds) * TICKS_PER_SECOND)));
}

bool Simulation::avionics_power() const
{
    return number(token::BUS_POWER) == 1.0;
}

void Simulation::tick()
{
    if (frozen_) return;
    clock_.tick();
    if (power_returns_at_tick_ && clock_.ticks() >= power_returns_at_tick_) {
        power_returns_at_tick_ = 0;
        numbers_[token::BUS_POWER] = 1.0;
    }
    if (aircraft_) {
        run_timed_events();
        aircraft_->step(1.0 / TICKS_PER_SECOND, wind_);
        publish_flight();
    }
    publish_clock();
}

void Simulation::publish_clock()
{
    numbers_[token::TICKS] = static_cast<double>(clock_.ticks());
    numbers_[token::SIMULATION_TIME] = clock_.simulation_seconds();
    numbers_[token::CLOCK_SECOND] = clock_.utc_second();
    numbers_[token::UTC_HOUR] = clock_.utc_hour();
    numbers_[token::UTC_MINUTE] = clock_.utc_minute();
}

void Simulation::publish_radios()
{
    integers_[token::COM1_ACTIVE] = bcd_of_khz(com1_.active);
    integers_[token::COM1_STANDBY] = bcd_of_khz(com1_.standby);
    integers_[token::COM2_ACTIVE] = bcd_of_khz(com2_.active);
    integers_[token::COM2_STANDBY] = bcd_of_khz(com2_.standby);
    integers_[token::NAV1_ACTIVE] = bcd_of_khz(nav1_.active);
    integers_[token::NAV1_STANDBY] = bcd_of_khz(nav1_.standby);
    integers_[token::NAV2_ACTIVE] = bcd_of_khz(nav2_.active);
    integers_[token::NAV2_STANDBY] = bcd_of_khz(nav2_.standby);
    numbers_[token::NAV1_COURSE] = nav1_.course_deg;
    numbers_[token::NAV2_COURSE] = nav2_.course_deg;
    numbers_[token::COM_RECEIVE_BOTH] = com_monitor_ ? 1.0 : 0.0;
}

namespace {

// The grids on which values reach the gauges (geo::rounded): fine enough for any display, coarse enough
// that the same flight gives the same figures under every C runtime.
constexpr double DEGREES_GRID = 1e-6;
constexpr double FINE_GRID = 1e-6;       // metres, feet, nautical miles

double direction(double true_deg, double variation_deg)
{
    return geo::wrap360(geo::rounded(geo::magnetic(true_deg, variation_deg), DEGREES_GRID));
}

} // namespace

void Simulation::publish_nav(int n, const NavSignal& s)
{
    const bool one = n == 1;
    const double heading = number(token::HEADING);
    const double variation = flight_->variation_deg;
    numbers_[one ? token::NAV1_RADIAL : token::NAV2_RADIAL] =
        s.station ? geo::wrap360(geo::rounded(s.radial_deg, DEGREES_GRID)) * 180.0 : 0.0;
    // The receiver gives the bearing relative to the heading; added to the heading it is the magnetic
    // bearing to the station in 0 to 360.
    numbers_[one ? token::NAV1_BEARING_TERM : token::NAV2_BEARING_TERM] =
        s.station ? direction(s.bearing_to_deg, variation) - heading : 0.0;
    integers_[one ? token::NAV1_TO_FROM : token::NAV2_TO_FROM] = s.to_from;
    numbers_[one ? token::NAV1_DEVIATION : token::NAV2_DEVIATION] = geo::rounded(s.deviation, FINE_GRID);
    numbers_[one ? token::NAV1_DME_FLAGS : token::NAV2_DME_FLAGS] = s.dme ? 256.0 : 0.0;
    numbers_[one ? token::NAV1_DME_NM : token::NAV2_DME_NM] = s.dme ? geo::rounded(s.dme_nm, FINE_GRID) : s.dme_nm;
    numbers_[one ? token::NAV1_DME_SPEED : token::NAV2_DME_SPEED] = s.dme ? geo::rounded(s.dme_speed_kt, FINE_GRID) : s.dme_speed_kt;
}

void Simulation::publish_flight()
{
    const AircraftState& a = aircraft_->state();
    const Flight& f = *flight_;
    const double variation = f.variation_deg;
    numbers_[token::LATITUDE] = geo::rounded(a.position.lat * geo::METRES_PER_DEGREE, FINE_GRID);
    numbers_[token::LONGITUDE] = geo::rounded(a.position.lon * 11930430.0, FINE_GRID);
    const GpsSolution gps = aircraft_->gps();
    integers_[token::GPS_FLAGS] = gps.has_to_waypoint ? 0 : 64;
    numbers_[token::GPS_BEARING] = gps.has_to_waypoint ? geo::radians(direction(gps.bearing_deg, variation)) : 0.0;
    numbers_[token::GPS_DISTANCE] = geo::rounded(gps.distance_m, FINE_GRID);
    // To the millimetre, and an exact zero never negative: on the leg, the last bits of the great-circle
    // arithmetic differ between C runtimes, and a navigator printing -0.0 against 0.0 would show "-00.0"
    // in one and "000.0" in the other for the same flight.
    numbers_[token::GPS_CROSS_TRACK] = geo::rounded(gps.cross_track_m, 1e-3);
    numbers_[token::GPS_DESIRED_TRACK] = gps.has_to_waypoint ? geo::radians(direction(gps.desired_track_deg, variation)) : 0.0;
    numbers_[token::GPS_GROUND_SPEED] = geo::rounded(a.ground_speed_kt * geo::MPS_PER_KNOT, FINE_GRID);
    numbers_[token::HEADING] = direction(a.heading_deg, variation);
    numbers_[token::AIRSPEED] = a.true_airspeed_kt;
    numbers_[token::WIND_SPEED] = wind_.speed_kt;
    // Magnetic as the heading: the navigators take the drift from the wind's angle to the heading.
    numbers_[token::WIND_DIRECTION] = direction(wind_.from_deg, variation);
    const double p = air::static_pressure_hpa(a.altitude_ft, f.qnh_hpa);
    numbers_[token::INDICATED_ALTITUDE] = geo::rounded(air::indicated_altitude_ft(p, number(token::ALTIMETER_SETTING)), FINE_GRID);
    numbers_[token::PRESSURE_ALTITUDE] = geo::rounded(air::indicated_altitude_ft(p, air::STANDARD_HPA) * geo::METRES_PER_FOOT, FINE_GRID);
    numbers_[token::VERTICAL_SPEED] = geo::rounded(a.vertical_speed_fpm * geo::METRES_PER_FOOT / 60.0 * 256.0, FINE_GRID);
    numbers_[token::HEIGHT_ABOVE_GROUND] = geo::rounded((a.altitude_ft - f.terrain_ft) * geo::METRES_PER_FOOT, FINE_GRID);
    signal1_ = receive_nav(f.navaids, nav1_.active, nav1_.course_deg, a);
    signal2_ = receive_nav(f.navaids, nav2_.active, nav2_.course_deg, a);
    publish_nav(1, signal1_);
    publish_nav(2, signal2_);
    numbers_[token::MARKER] = receive_marker(f.navaids, a, f.radios.marker_high_sensitivity);
}

} // namespace host
