// The speed budget of the host, measured in one run and set against its goals:
//   the logic frame of the catalogue panel (every gauge updated and drawn)        at most 25 us
//   the composited frame of the catalogue panel against a memcpy of its pixels   at most 3 x
//   fast-forward of the default flight with the default panel                    at least 5,000 simulated s per s
//   that flight with its trace written against it untraced                        at most 1.3 x, no allocation a frame
//   heap allocations in the gauges' callbacks                                      0
// Run through bench/bench, which writes the figures and every benchmark's result as JSON. Figures are in
// processor time of this process: the machine may be shared, and the budget is the host's own work.
#include "bitmap_source.h"
#include "compositor.h"
#include "flight_file.h"
#include "fly.h"
#include "panel.h"
#include "panel_config.h"
#include "trace.h"

#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

// ---- Allocations, counted where they are made -----------------------------------------------------------
// Every allocation of the process (the gauges' modules included: they find malloc here first) goes through
// these, counted in total and while a gauge's code runs.

namespace {
uint64_t allocations = 0;
uint64_t gauge_allocations = 0;
void counted()
{
    ++allocations;
    if (host::Panel::calling()) ++gauge_allocations;
}
} // namespace

extern "C" {
void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);
void __libc_free(void*);

void* malloc(size_t n)
{
    counted();
    return __libc_malloc(n);
}
void* calloc(size_t n, size_t size)
{
    counted();
    return __libc_calloc(n, size);
}
void* realloc(void* p, size_t n)
{
    counted();
    return __libc_realloc(p, n);
}
void free(void* p)
{
    __libc_free(p);
}
}

namespace {

const std::filesystem::path CATALOGUE = SOURCE_DIR "/panels/catalogue/panel.cfg";
const std::filesystem::path DEFAULT_PANEL = SOURCE_DIR "/panels/default/panel.cfg";
const std::filesystem::path DEFAULT_FLIGHT = SOURCE_DIR "/flights/default.toml";

std::unique_ptr<host::Panel> flying(const std::filesystem::path& panel_cfg)
{
    auto panel = std::make_unique<host::Panel>();
    host::load_panel(*panel, host::read_panel_config(panel_cfg), {GAUGE_DIR});
    panel->sim().load_flight(host::read_flight(DEFAULT_FLIGHT));
    panel->frames(18 * 60);   // a minute into the flight, every gauge powered up and settled
    return panel;
}

// One frame of logic: events performed, the simulation ticked, every gauge updated and drawn.
void LogicFrame(benchmark::State& state)
{
    auto panel = flying(CATALOGUE);
    const uint64_t before = allocations, in_gauges = gauge_allocations;
    for (auto _ : state) panel->frame();
    const double frames = static_cast<double>(state.iterations());
    state.counters["gauges"] = static_cast<double>(panel->gauges().size());
    state.counters["allocations_per_frame"] = static_cast<double>(allocations - before) / frames;
    state.counters["gauge_allocations_per_frame"] = static_cast<double>(gauge_allocations - in_gauges) / frames;
}
BENCHMARK(LogicFrame)->Unit(benchmark::kMicrosecond);

// The gauges' callbacks under a pilot who clicks a control every frame, every control of the panel in turn.
void ClickedFrame(benchmark::State& state)
{
    auto panel = flying(CATALOGUE);
    size_t gauge = 0;
    int hotspot = 0;
    auto click_next = [&] {
        host::Gauge& g = *panel->gauges()[gauge];
        if (++hotspot > static_cast<int>(g.hotspots().size())) {
            hotspot = 0;
            gauge = (gauge + 1) % panel->gauges().size();
            return;
        }
        panel->click(g, hotspot);
    };
    // Every control met, and the panel's logs filled once: from then on their slots are reused.
    for (int i = 0; i < 2000 || panel->sounds().kept() < host::LOG_CAPACITY || panel->events().kept() < host::LOG_CAPACITY;
         ++i)
        click_next(), panel->frame();
    const uint64_t in_gauges = gauge_allocations;
    for (auto _ : state) {
        click_next();
        panel->frame();
    }
    state.counters["gauge_allocations_per_frame"] =
        static_cast<double>(gauge_allocations - in_gauges) / static_cast<double>(state.iterations());
}
BENCHMARK(ClickedFrame)->Unit(benchmark::kMicrosecond);

struct Pictures {
    host::draw::Fonts fonts;
    std::vector<std::unique_ptr<host::BitmapSource>> bitmaps;
    std::vector<std::unique_ptr<host::draw::Compositor>> compositors;
    size_t bytes = 0;   // of every gauge's faceplate
};

std::unique_ptr<Pictures> pictures_of(const host::Panel& panel)
{
    auto p = std::make_unique<Pictures>();
    for (const auto& g : panel.gauges()) {
        p->bitmaps.push_back(host::module_bitmaps(g->module()));
        p->compositors.push_back(std::make_unique<host::draw::Compositor>(g->name(), *p->bitmaps.back(), p->fonts));
        p->bytes += p->compositors.back()->update(g->elements()).pixels().size() * sizeof(host::draw::Rgba);
    }
    return p;
}

// Every gauge's faceplate brought up to date after a frame of the flight (the frame itself not timed).
void CompositedFrame(benchmark::State& state)
{
    auto panel = flying(CATALOGUE);
    auto pictures = pictures_of(*panel);
    for (auto _ : state) {
        state.PauseTiming();
        panel->frame();
        state.ResumeTiming();
        for (size_t i = 0; i < panel->gauges().size(); ++i)
            benchmark::DoNotOptimize(pictures->compositors[i]->update(panel->gauges()[i]->elements()).pixels().data());
    }
    state.counters["bytes"] = static_cast<double>(pictures->bytes);
}
BENCHMARK(CompositedFrame)->Unit(benchmark::kMicrosecond);

// The same pixels copied: what handing the finished faceplates on costs at least.
void MemcpyFrame(benchmark::State& state)
{
    auto panel = flying(CATALOGUE);
    const size_t bytes = pictures_of(*panel)->bytes;
    std::vector<char> from(bytes, 1), to(bytes);
    for (auto _ : state) {
        state.PauseTiming();   // as around the frame above, so that both carry the same cost of pausing
        state.ResumeTiming();
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(MemcpyFrame)->Unit(benchmark::kMicrosecond);

// Ten minutes of the default flight under the default panel as `panelhost fly` flies them, with or
// without the trace (written to a file, as --trace does).
void FastForward(benchmark::State& state, bool traced)
{
    const host::Flight flight = host::read_flight(DEFAULT_FLIGHT);
    const host::PanelConfig config = host::read_panel_config(DEFAULT_PANEL);
    const auto file = std::filesystem::temp_directory_path() / "budget_bench_trace.jsonl";
    double simulated = 0;
    uint64_t frames = 0, allocated = 0;
    for (auto _ : state) {
        state.PauseTiming();
        host::Panel panel;
        host::load_panel(panel, config, {GAUGE_DIR});
        panel.sim().load_flight(flight);
        auto trace = traced ? std::make_unique<host::Trace>(file) : nullptr;
        panel.frames(18);   // the first frame of each gauge and of the trace set up their buffers
        if (trace) trace->record(panel);
        const uint64_t before = allocations;
        state.ResumeTiming();
        const host::FlyResult r = host::fly(panel, 10 * 60, trace.get(), nullptr);
        state.PauseTiming();
        allocated += allocations - before;
        frames += r.frames;
        simulated += static_cast<double>(r.frames) / 18.0;
        trace.reset();
        state.ResumeTiming();
    }
    std::filesystem::remove(file);
    state.counters["simulated_seconds_per_second"] = benchmark::Counter(simulated, benchmark::Counter::kIsRate);
    state.counters["allocations_per_frame"] = static_cast<double>(allocated) / static_cast<double>(frames);
}
BENCHMARK_CAPTURE(FastForward, untraced, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FastForward, traced, true)->Unit(benchmark::kMillisecond);

// ---- The figures against their goals ----------------------------------------------------------------------

struct Result {
    double seconds = 0;   // real time per iteration
    std::map<std::string, double> counters;
};

// Shows every run as usual and keeps its result for the figures.
class Keeper : public benchmark::ConsoleReporter {
public:
    std::map<std::string, Result> results;
    nlohmann::json runs = nlohmann::json::array();

    void ReportRuns(const std::vector<Run>& reports) override
    {
        ConsoleReporter::ReportRuns(reports);
        for (const Run& r : reports) {
            if (r.error_occurred) continue;
            Result& kept = results[r.benchmark_name()];
            kept.seconds = r.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(r.time_unit);
            nlohmann::json counters = nlohmann::json::object();
            for (const auto& [name, c] : r.counters) {
                kept.counters[name] = c.value;
                counters[name] = c.value;
            }
            runs.push_back({{"name", r.benchmark_name()}, {"iterations", r.iterations},
                            {"cpu_seconds_per_iteration", kept.seconds},
                            {"real_seconds_per_iteration", r.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(r.time_unit)}, {"counters", counters}});
        }
    }
};

struct Figure {
    std::string name, unit;
    double value;
    std::string goal;
    bool met;
};

} // namespace

int main(int argc, char** argv)
{
    std::string out = "budget.json";
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--budget_out=", 13) == 0) out = argv[i] + 13;
        else args.push_back(argv[i]);
    }
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    Keeper keeper;
    benchmark::RunSpecifiedBenchmarks(&keeper);
    benchmark::Shutdown();

    const auto& r = keeper.results;
    auto has = [&](const char* name) { return r.count(name) != 0; };
    std::vector<Figure> figures;
    if (has("LogicFrame")) {
        const double us = r.at("LogicFrame").seconds * 1e6;
        figures.push_back({"logic frame of the catalogue panel", "us", us, "<= 25", us <= 25});
    }
    if (has("CompositedFrame") && has("MemcpyFrame")) {
        const double ratio = r.at("CompositedFrame").seconds / r.at("MemcpyFrame").seconds;
        figures.push_back({"composited frame against memcpy of its pixels", "x", ratio, "<= 3", ratio <= 3});
    }
    if (has("FastForward/untraced")) {
        const double rate = r.at("FastForward/untraced").counters.at("simulated_seconds_per_second");
        figures.push_back({"fast-forward of the default flight", "simulated s per s", rate, ">= 5000", rate >= 5000});
    }
    if (has("FastForward/untraced") && has("FastForward/traced")) {
        const double ratio = r.at("FastForward/traced").seconds / r.at("FastForward/untraced").seconds;
        figures.push_back({"traced run against untraced", "x", ratio, "<= 1.3", ratio <= 1.3});
        const double extra = r.at("FastForward/traced").counters.at("allocations_per_frame") -
                             r.at("FastForward/untraced").counters.at("allocations_per_frame");
        figures.push_back({"allocations a frame for the trace", "", extra, "0", extra <= 0});
    }
    if (has("LogicFrame") && has("ClickedFrame")) {
        const double a = std::max(r.at("LogicFrame").counters.at("gauge_allocations_per_frame"),
                                  r.at("ClickedFrame").counters.at("gauge_allocations_per_frame"));
        figures.push_back({"heap allocations in gauge callbacks a frame", "", a, "0", a == 0});
    }

    nlohmann::json json_figures = nlohmann::json::array();
    std::printf("\n");
    bool all = true;
    for (const Figure& f : figures) {
        std::printf("%-48s %10.3f %-18s goal %-8s %s\n", f.name.c_str(), f.value, f.unit.c_str(), f.goal.c_str(),
                    f.met ? "met" : "MISSED");
        all = all && f.met;
        json_figures.push_back({{"name", f.name}, {"value", f.value}, {"unit", f.unit}, {"goal", f.goal}, {"met", f.met}});
    }
    std::ofstream(out) << nlohmann::json{{"figures", json_figures}, {"benchmarks", keeper.runs}}.dump(2) << "\n";
    std::printf("written to %s\n", out.c_str());
    return all ? 0 : 1;
}
