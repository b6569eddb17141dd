// Flight files for tests: a small valid flight, and ways to make one from a route and navaids.
#pragma once

#include "flight_file.h"

#include <string>

namespace test_flight {

// A flight at 120 kt without wind along `route`, starting half a minute before midnight UTC; `extra` (navaids,
// radios, events) follows the route.
inline std::string text(const std::string& route, const std::string& extra = "",
                        const std::string& rates = "climb_fpm = 600\ndescent_fpm = 600\n")
{
    return "[flight]\n"
           "name = \"test\"\n"
           "start = 2024-06-15T23:59:30Z\n"
           "true_airspeed_kt = 120\n" +
           rates + "\n" + route + "\n" + extra;
}

inline std::string waypoint(const std::string& ident, double lat, double lon, double alt_ft)
{
    return "[[route]]\nident = \"" + ident + "\"\nlat = " + std::to_string(lat) + "\nlon = " + std::to_string(lon) +
           "\nalt_ft = " + std::to_string(alt_ft) + "\n";
}

inline host::Flight parse(const std::string& text) { return host::parse_flight(text, "test.toml"); }

} // namespace test_flight
