// Flying a loaded panel and flight fast-forward: as many frames as the simulated time holds, as fast as the
// machine allows, with a progress line on a terminal and a summary of what the aircraft and the gauges
// show at the end.
#pragma once

#include <cstdint>
#include <iosfwd>

namespace host {

class Panel;
class Trace;

struct FlyResult {
    uint64_t frames = 0;
    double wall_seconds = 0.0;
};

// Runs `seconds` of simulated time (rounded to whole ticks). `progress`, when given, receives a progress
// line rewritten in place a few times a second.
FlyResult fly(Panel& panel, double seconds, Trace* trace, std::ostream* progress);

// Where the aircraft is, what its receivers hear, and what every gauge shows.
void print_summary(const Panel& panel, const FlyResult& result, std::ostream& out);

} // namespace host
