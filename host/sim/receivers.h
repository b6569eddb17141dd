// What the aircraft's radio receivers get from the navaids of the flight: a NAV receiver tuned to a VOR or
// a localizer, the DME paired with that channel, and the marker beacon receiver. A station is heard only
// within its service range and the line of sight, which grows with the aircraft's height above it.
#pragma once

#include "aircraft.h"
#include "flight_file.h"
#include "vhf_channels.h"

#include <vector>

namespace host {

// Full-scale course deviation (127) corresponds to this many degrees off the course.
constexpr double VOR_FULL_SCALE_DEG = 10.0;
constexpr double LOCALIZER_FULL_SCALE_DEG = 2.5;
// A localizer is heard only within this angle either side of its approach course.
constexpr double LOCALIZER_SECTOR_DEG = 35.0;
constexpr int DEVIATION_FULL_SCALE = 127;

struct NavSignal {
    const Navaid* station = nullptr;   // nothing received
    double radial_deg = 0.0;           // FROM radial: the true bearing from the station to the aircraft
    double bearing_to_deg = 0.0;       // the true bearing from the aircraft to the station
    int to_from = 0;                   // 0 no signal, 1 TO, 2 FROM, against the course
    double deviation = 0.0;            // -127 to 127, positive when the course lies to the right
    bool dme = false;                  // a DME answers
    double dme_nm = -1.0;              // slant distance
    double dme_speed_kt = -1.0;        // how fast that distance changes, approaching or leaving
};

// Radio line of sight in nautical miles from a height above the station (feet).
double line_of_sight_nm(double height_ft);

// The signal of the nearest station on `channel` that the aircraft hears. A VOR is judged against the
// selected course, a localizer against its own approach course.
NavSignal receive_nav(const std::vector<Navaid>& navaids, Khz channel, double selected_course_deg,
                      const AircraftState& aircraft);

// Marker beacon received: 0 none, 1 outer, 2 middle, 3 inner. A beacon is heard inside a cone above it,
// wider the higher the aircraft passes; a receiver set to high sensitivity hears it twice as far out.
int receive_marker(const std::vector<Navaid>& navaids, const AircraftState& aircraft, bool high_sensitivity = false);

} // namespace host
