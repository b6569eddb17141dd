// The workbench under load, on loopback only: 20 browsers-to-be for 30 seconds (WORKBENCH_LOAD_SECONDS
// changes the time), each following the event stream as the page does and clicking a radio's inner knob
// (one channel up, so that every click changes the display), then fetching the new picture. Reported:
// click-to-picture latency, from sending the click to holding a picture drawn after it, p50 and p99.
// The simulation runs in real time as under `panelhost serve`; the load stops by itself.
#include "compositor.h"
#include "png_file.h"
#include "server.h"
#include "workbench.h"

#include <benchmark/benchmark.h>
#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <random>
#include <thread>

namespace {

using nlohmann::json;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

constexpr int CLIENTS = 20;
const char* const GAUGES[] = {"COM1_Corvane_QT3", "COM2_Corvane_QT3"};
constexpr int INNER_KNOB_UP_X = 570, INNER_KNOB_UP_Y = 70;

// The gauges' picture versions as one client's event stream last reported them.
struct StreamView {
    std::mutex mutex;
    std::condition_variable changed;
    std::map<std::string, uint64_t> versions;
    bool closed = false;
};

void follow_stream(int port, StreamView& view, const std::atomic<bool>& stop)
{
    httplib::Client client(host::web::LOOPBACK, port);
    std::string pending;
    client.Get("/api/stream", [&](const char* data, size_t size) {
        pending.append(data, size);
        for (std::size_t end; (end = pending.find("\n\n")) != std::string::npos;) {
            const std::string message = pending.substr(0, end);
            pending.erase(0, end + 2);
            if (message.rfind("data: ", 0) != 0) continue;
            const json state = json::parse(message.substr(6), nullptr, false);
            if (state.is_discarded()) continue;
            std::lock_guard lock(view.mutex);
            for (const auto& [name, version] : state["gauges"].items()) view.versions[name] = version.get<uint64_t>();
            view.changed.notify_all();
        }
        return !stop.load();
    });
    std::lock_guard lock(view.mutex);
    view.closed = true;
    view.changed.notify_all();
}

void client_loop(int id, int port, Clock::time_point until, std::vector<double>& latencies_ms, std::atomic<int>& failures)
{
    std::atomic<bool> stop{false};
    StreamView view;
    std::thread stream([&] { follow_stream(port, view, stop); });
    httplib::Client client(host::web::LOOPBACK, port);
    std::mt19937 random(static_cast<unsigned>(id));
    std::uniform_int_distribution<int> pause_ms(100, 300);
    const std::string gauge = GAUGES[id % 2];
    const json click{{"gauge", gauge}, {"x", INNER_KNOB_UP_X}, {"y", INNER_KNOB_UP_Y}};
    while (Clock::now() < until) {
        const auto t0 = Clock::now();
        auto res = client.Post("/api/click", click.dump(), "application/json");
        if (!res || res->status != 200) {
            ++failures;
            continue;
        }
        const uint64_t frame = json::parse(res->body)["frame"].get<uint64_t>();
        uint64_t version = 0;
        {
            std::unique_lock lock(view.mutex);
            const bool seen = view.changed.wait_for(lock, std::chrono::seconds(5), [&] {
                return view.closed || view.versions[gauge] > frame;
            });
            if (!seen || view.closed) {
                ++failures;
                continue;
            }
            version = view.versions[gauge];
        }
        auto picture = client.Get(("/api/gauges/" + gauge + "/picture.png?scale=2&v=" + std::to_string(version)).c_str());
        if (!picture || picture->status != 200) {
            ++failures;
            continue;
        }
        latencies_ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
        std::this_thread::sleep_for(std::chrono::milliseconds(pause_ms(random)));
    }
    stop = true;
    // The stream notices at its next message, at most a published frame away.
    stream.join();
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t i = std::min(values.size() - 1, static_cast<std::size_t>(p / 100.0 * values.size()));
    return values[i];
}

void ClickToPicture(benchmark::State& state)
{
    const char* seconds_env = std::getenv("WORKBENCH_LOAD_SECONDS");
    const int seconds = std::clamp(seconds_env ? std::atoi(seconds_env) : 30, 1, 300);
    host::web::WorkbenchSetup setup;
    const fs::path repo(SOURCE_DIR);
    setup.setup = host::read_setup({}, repo / "panels/default/panel.cfg", repo / "flights/default.toml");
    setup.flights_dir = repo / "flights";
    setup.module_dirs = {GAUGE_DIR};
    host::web::Workbench workbench(std::move(setup));
    // Both radios on, so that a channel step shows.
    for (const char* gauge : GAUGES) workbench.click_gauge(gauge, 50, 70);
    host::web::Server server(workbench);
    const int port = server.bind(0);
    std::thread serving([&] { server.run(); });
    workbench.start();

    std::vector<double> all;
    std::atomic<int> failures{0};
    for (auto _ : state) {
        std::vector<std::vector<double>> latencies(CLIENTS);
        std::vector<std::thread> clients;
        const auto until = Clock::now() + std::chrono::seconds(seconds);
        for (int i = 0; i < CLIENTS; ++i)
            clients.emplace_back([&, i] { client_loop(i, port, until, latencies[i], failures); });
        for (auto& c : clients) c.join();
        for (auto& l : latencies) all.insert(all.end(), l.begin(), l.end());
    }
    workbench.stop();
    server.stop();
    serving.join();

    state.counters["clicks"] = static_cast<double>(all.size());
    state.counters["failures"] = failures.load();
    state.counters["p50_ms"] = percentile(all, 50);
    state.counters["p99_ms"] = percentile(all, 99);
    state.counters["max_ms"] = percentile(all, 100);
}
// What one new picture of a lit radio costs the server: composing the faceplate, bringing it to its
// panel size at 2x, encoding the PNG.
void PictureSteps(benchmark::State& state)
{
    host::Panel panel;
    host::Gauge& gauge = panel.load(fs::path(GAUGE_DIR) / "COM1_Corvane_QT3.gau");
    panel.sim().set(773, 1);
    panel.frame();
    panel.click(gauge, 7);
    panel.frame();
    host::draw::Fonts fonts;
    const auto bitmaps = host::module_bitmaps(gauge.module());
    host::draw::Compositor compositor(gauge.name(), *bitmaps, fonts);
    const int step = static_cast<int>(state.range(0));
    host::draw::Image face = compositor.compose(gauge.elements());
    host::draw::Image sized = host::draw::resized(face, face.width() * 2, face.height() * 2);
    for (auto _ : state) {
        if (step == 0) benchmark::DoNotOptimize(face = compositor.compose(gauge.elements()));
        if (step == 1) benchmark::DoNotOptimize(sized = host::draw::resized(face, face.width() * 2, face.height() * 2));
        if (step == 2) benchmark::DoNotOptimize(host::draw::encode_png(sized));
    }
}
BENCHMARK(PictureSteps)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

BENCHMARK(ClickToPicture)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
