// How fast the default flight flies under the default panel: whole flights of 30 simulated minutes, with
// every gauge updated and drawn on every frame, and the frames flown per second of wall time.
#include "fly.h"
#include "flight_file.h"
#include "panel.h"
#include "panel_config.h"

#include <benchmark/benchmark.h>

namespace {

void DefaultFlight(benchmark::State& state)
{
    const host::Flight flight = host::read_flight(SOURCE_DIR "/flights/default.toml");
    const host::PanelConfig config = host::read_panel_config(SOURCE_DIR "/panels/default/panel.cfg");
    uint64_t frames = 0;
    for (auto _ : state) {
        state.PauseTiming();
        host::Panel panel;
        host::load_panel(panel, config, {GAUGE_DIR});
        panel.sim().load_flight(flight);
        state.ResumeTiming();
        frames += host::fly(panel, 30 * 60, nullptr, nullptr).frames;
    }
    state.counters["frames_per_second"] = benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate);
}
BENCHMARK(DefaultFlight)->Unit(benchmark::kMillisecond)->UseRealTime();

// The simulation alone, without gauges: what the aircraft and its receivers cost per tick.
void SimulationTicks(benchmark::State& state)
{
    const host::Flight flight = host::read_flight(SOURCE_DIR "/flights/default.toml");
    host::Simulation sim;
    sim.load_flight(flight);
    for (auto _ : state) sim.tick();
    state.counters["ticks_per_second"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(SimulationTicks)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
