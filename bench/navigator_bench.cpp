// What one frame of the large navigator costs the host: the update with its timers and messages, then the
// draw with its 49 element callbacks, on navigation page 1 of the default flight.
#include "flight_file.h"
#include "panel.h"

#include <benchmark/benchmark.h>

namespace {

void NavigatorFrame(benchmark::State& state)
{
    host::Panel panel;
    panel.sim().load_flight(host::read_flight(SOURCE_DIR "/flights/default.toml"));
    host::Gauge& nav = panel.load(GAUGE_DIR "/GPSCOM1_Corvane_RN4.gau");
    panel.frame();
    panel.click(nav, 2);    // power knob on
    panel.frames(200);      // through the self-test to the pages
    for (auto _ : state) panel.frame();
    state.counters["frames_per_second"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(NavigatorFrame)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
