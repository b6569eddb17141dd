// A flight as a file describes it (TOML): the route the aircraft flies, its speeds, the weather, the start
// date and time, the state of the avionics and radios at the start, the navaids of the area and the events
// that happen on the way. flights/default.toml is a commented example of every key.
#pragma once

#include "com_channels.h"
#include "geo.h"

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace host {

// A flight file that cannot be flown: the message names the file, the line and the key.
class FlightFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Wind {
    double from_deg = 0.0;   // true direction the wind blows from
    double speed_kt = 0.0;
};

struct Waypoint {
    std::string ident;
    geo::LatLon position;
    double altitude_ft = 0.0;   // the altitude to cross it at
};

enum class NavaidKind { Vor, Localizer, Marker };

// The standard service volume a VOR is built and protected for: how far out it is heard at each height
// above it. Beyond it another station on the same channel may be heard instead, so a receiver gets nothing.
enum class VorClass { Terminal, Low, High };

struct Navaid {
    std::string ident;
    NavaidKind kind = NavaidKind::Vor;
    Khz frequency = 0;             // 0 for marker beacons, which all send on 75 MHz
    geo::LatLon position;
    double elevation_ft = 0.0;
    bool dme = false;              // a co-located DME answers on the same channel
    double course_deg = 0.0;       // localizer: the true inbound course of the approach
    int marker = 0;                // marker beacon: 1 outer, 2 middle, 3 inner
    // An explicit service range, whatever the height; 0: the standard service volume of the class (a VOR)
    // or 18 nm on the front course (a localizer).
    double range_nm = 0.0;
    VorClass vor_class = VorClass::Low;
    // VOR: the magnetic variation its radials are aligned with, east positive, as published with the
    // station (set when it was commissioned, so often a few degrees from today's variation).
    double declination_deg = 0.0;
    // Localizer: the course width, full scale left to full scale right, in degrees.
    double course_width_deg = 5.0;
};

struct TimedEvent {
    enum class Kind { Power, TimeJump, WindChange, Hold, Release, Airspeed, HoldHeading };
    double at_s = 0.0;             // flight time since the start (jumps of simulation time do not count)
    Kind kind = Kind::Power;
    bool power = true;             // Power: the avionics bus comes back (true) or fails (false)
    double jump_s = 0.0;           // TimeJump: simulation time leaps forward this much
    Wind wind;                     // WindChange: the new wind
    int32_t token = 0;             // Hold, Release: the simulation variable
    double value = 0.0;            // Hold: the value it reads from then on (raw: see Simulation::hold)
    double airspeed_kt = 0.0;      // Airspeed: the new true airspeed
    double hold_heading_s = 0.0;   // HoldHeading: the pilot keeps the heading this long, whatever the drift
};

struct RadioSetup {
    Khz com1_active = 118000, com1_standby = 118000;
    Khz com2_active = 118000, com2_standby = 118000;
    Khz nav1_active = 108000, nav1_standby = 108000;
    Khz nav2_active = 108000, nav2_standby = 108000;
    double course1_deg = 0.0, course2_deg = 0.0;
    int32_t squawk = 0x1200;       // four octal digits as BCD nibbles
    double altimeter_hpa = 1013.25;
    int transmit = 1;              // the COM radio selected for transmitting
    int dme_select = 1;            // which NAV receiver's DME the DME audio key addresses
    int nav_source = 0;            // 0 the NAV receiver drives the course display, 1 the GPS
    // Receiver audio selections at the start (tokens 877-881): on or off.
    bool nav1_audio = false, nav2_audio = false, dme_audio = false, adf_audio = false, marker_audio = false;
    bool com_monitor = false;      // both COM radios received (token 876)
    bool marker_high_sensitivity = false;
};

struct Flight {
    std::filesystem::path file;
    std::string name;
    int64_t start_unix_s = 0;      // UTC start of the flight, seconds since 1970-01-01
    double true_airspeed_kt = 100.0;
    double climb_fpm = 500.0;
    double descent_fpm = 500.0;
    double terrain_ft = 0.0;       // elevation of the ground under the whole route
    double qnh_hpa = 1013.25;      // sea-level pressure of the day
    // Magnetic variation of the area, east positive: the gauges get headings, tracks and bearings magnetic.
    double variation_deg = 0.0;
    Wind wind;
    bool avionics_power = true;
    RadioSetup radios;
    std::vector<Waypoint> route;
    std::vector<Navaid> navaids;
    std::vector<TimedEvent> events;   // in the order of their times
};

class NavaidFile;

// Reads and checks a flight file; throws FlightFileError naming the file, the line and the key. A navaid
// named by identifier alone is taken from `navaids`, or else from the navaid file given to the program
// (default_navaid_file()).
Flight read_flight(const std::filesystem::path& file, const NavaidFile* navaids = nullptr);
// The same for a flight held in memory; `name` stands for the file in messages.
Flight parse_flight(const std::string& text, const std::filesystem::path& name, const NavaidFile* navaids = nullptr);

} // namespace host
