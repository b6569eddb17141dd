// Any text as a flight file: it is refused with a FlightFileError, or it flies. A flight that reads must
// also start and fly a few seconds without undefined behaviour.
#include "flight_file.h"
#include "simulation.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    host::Flight flight;
    try {
        flight = host::parse_flight(text, "fuzz/flight.toml");
    } catch (const host::FlightFileError&) {
        return 0;
    }
    host::Simulation sim;
    sim.load_flight(flight);
    // Three seconds, and then the first event's moment, so that events at odd times are run too.
    for (int i = 0; i < 3 * host::TICKS_PER_SECOND; ++i) sim.tick();
    if (!flight.events.empty() && flight.events.front().at_s < 60) {
        while (sim.clock().flight_seconds() <= flight.events.front().at_s + 1) sim.tick();
    }
    sim.clock().utc_hour();
    sim.clock().utc_minute();
    sim.clock().utc_second();
    return 0;
}
