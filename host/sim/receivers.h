// What the aircraft's radio receivers get from the navaids of the flight: a NAV receiver tuned to a VOR or
// a localizer, the DME paired with that channel, and the marker beacon receiver. A station is heard only
// within its service volume and the radio horizon (radio_range.h).
#pragma once

#include "aircraft.h"
#include "flight_file.h"
#include "vhf_channels.h"

#include <vector>

namespace host {

// Full-scale course deviation (127) corresponds to this many degrees off a VOR's course; a localizer's
// full scale is half its course width.
constexpr double VOR_FULL_SCALE_DEG = 10.0;
constexpr int DEVIATION_FULL_SCALE = 127;

struct NavSignal {
    const Navaid* station = nullptr;   // nothing received
    double radial_deg = 0.0;           // FROM radial: the bearing from the station, magnetic in the station's declination
    double bearing_to_deg = 0.0;       // the true bearing from the aircraft to the station
    int to_from = 0;                   // 0 no signal, 1 TO, 2 FROM, against the course
    double deviation = 0.0;            // -127 to 127, positive when the course lies to the right
    bool dme = false;                  // a DME answers
    double dme_nm = -1.0;              // slant distance
    double dme_speed_kt = -1.0;        // how fast that distance changes, approaching or leaving
};

// The signal of the nearest station on `channel` that the aircraft hears. A VOR is judged against the
// selected course, a localizer against its own approach course.
NavSignal receive_nav(const std::vector<Navaid>& navaids, Khz channel, double selected_course_deg,
                      const AircraftState& aircraft);

// Marker beacon received: 0 none, 1 outer, 2 middle, 3 inner. A beacon is heard inside a cone above it,
// wider the higher the aircraft passes, adjusted as the standard asks: flying the glide path over it the
// pilot hears the outer marker for 600 m of track, the middle for 300 m and the inner for 150 m. High above
// a beacon nothing is heard (receivers.cpp). A receiver set to high sensitivity hears each twice as far out.
int receive_marker(const std::vector<Navaid>& navaids, const AircraftState& aircraft, bool high_sensitivity = false);
// The length of track over which a beacon (1 outer, 2 middle, 3 inner) is heard passing right over it at
// `height_ft` above it, in metres.
double marker_passage_m(int beacon, double height_ft, bool high_sensitivity = false);

} // namespace host
