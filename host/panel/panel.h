// The panel host: gauges loaded from their modules, the services table they call, the simulation behind
// it, the frame loop at 18 ticks a simulated second, clicks, named variables and the logs of what the
// gauges sent.
#pragma once

#include "gauge.h"
#include "named_vars.h"
#include "panel_config.h"
#include "recent_log.h"
#include "simulation.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace host {

// A logged entry names its gauge as the panel keeps the name: for the whole life of the panel, even after
// the gauge was unloaded.
struct LoggedEvent {
    uint64_t frame;
    std::string_view gauge;
    uint32_t event;
    uint32_t value;
};

struct LoggedSound {
    uint64_t frame;
    std::string_view gauge;
    std::string file;
};

// How many key events and how many sounds the panel keeps: far more than a frame, a script's clicks
// between two checks or a trace line ever takes, and a few megabytes however long the panel runs.
constexpr std::size_t LOG_CAPACITY = 16384;

class Panel {
public:
    Panel();
    ~Panel();
    Panel(const Panel&) = delete;
    Panel& operator=(const Panel&) = delete;

    // Loads a module, creates its gauge and installs it (services 2 and 4). Throws std::runtime_error with
    // a message naming the module when it cannot be loaded or its gauge is already on the panel.
    Gauge& load(const std::filesystem::path& module, uint32_t text_capacity = DEFAULT_TEXT_CAPACITY);
    // Loads a module and creates its gauge without installing it: a panel adds all its gauges, then
    // installs them together.
    Gauge& add(const std::filesystem::path& module, uint32_t text_capacity = DEFAULT_TEXT_CAPACITY);
    // Install (2) for every gauge in the order given, then initialise (4) for every one: whatever the
    // order, a gauge that binds a name at initialise finds every publisher of the panel.
    void install_together(const std::vector<Gauge*>& gauges);
    // Kills the gauge (12) and unloads its module.
    void unload(const std::string& gauge_name);
    // Kill (12) and a new install (2, 4) without unloading: the module keeps its state.
    void kill(Gauge& gauge);
    void install(Gauge& gauge);

    Gauge* find(const std::string& gauge_name);
    Gauge& gauge(const std::string& gauge_name);   // throws std::runtime_error naming it
    const std::vector<std::unique_ptr<Gauge>>& gauges() const { return gauges_; }

    // One frame: the key events sent since the last one are performed one by one, the clock ticks, every
    // gauge updates (6), then every gauge draws (10) with its element callbacks.
    void frame();
    void frames(uint64_t count);
    uint64_t frame_count() const { return frame_; }

    // Sends a service id to one gauge directly.
    void service(Gauge& gauge, int32_t id);
    // A left single click on hotspot `number` (1 = first in the table).
    void click(Gauge& gauge, int number);
    // A click at a point of the gauge's faceplate; returns the hotspot that took it, or 0 for none.
    int click_at(Gauge& gauge, int x, int y);

    // Where a gauge sits on the panel, as its panel.cfg line placed it; nothing for a gauge loaded alone.
    void place(const std::string& gauge_name, const GaugePlacement& placement) { placements_[gauge_name] = placement; }
    const GaugePlacement* placement(const std::string& gauge_name) const;
    void set_windows(std::vector<PanelWindow> windows) { windows_ = std::move(windows); }
    const std::vector<PanelWindow>& windows() const { return windows_; }

    Simulation& sim() { return sim_; }
    const Simulation& sim() const { return sim_; }
    NamedVars& named_vars() { return names_; }
    const NamedVars& named_vars() const { return names_; }
    // The latest LOG_CAPACITY key events and sounds, numbered from the first of the run.
    const RecentLog<LoggedEvent>& events() const { return events_; }
    const RecentLog<LoggedSound>& sounds() const { return sounds_; }
    // The tokens a gauge has looked up so far, for its variables and its elements' sources.
    const std::set<int32_t>& tokens_read(const Gauge& gauge) const;

    // The services table every loaded module's ImportTable points at.
    static PANEL_SERVICES* services();
    // The gauge whose code runs now (a callback, or a service it called back), or nothing: for tools that
    // tell a gauge's work from the host's.
    static const Gauge* calling() { return calling_; }

private:
    friend struct ServiceCalls;
    class Scope;

    void draw(Gauge& gauge);

    Simulation sim_;
    NamedVars names_;
    std::vector<std::unique_ptr<Gauge>> gauges_;
    std::map<std::string, GaugePlacement> placements_;
    std::vector<PanelWindow> windows_;
    RecentLog<LoggedEvent> events_{LOG_CAPACITY};
    RecentLog<LoggedSound> sounds_{LOG_CAPACITY};
    // The tokens each gauge has read; a read is looked up every frame, so each gauge also keeps the small
    // token numbers it has read as bits, checked before the set.
    struct TokensRead {
        std::set<int32_t> tokens;
        std::vector<bool> small;
    };
    std::map<const Gauge*, TokensRead> tokens_read_;
    static TokensRead* reading_;   // the calling gauge's
    std::set<std::string, std::less<>> gauge_names_;   // of every gauge ever added, for the logs
    uint64_t frame_ = 0;

    // The panel and gauge a module is calling from: set around every call into a gauge.
    static Panel* active_;
    static Gauge* calling_;
};

} // namespace host
