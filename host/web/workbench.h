// The workbench's panel: a panel and its flight running in real time (or paused, or 4 or 16 times faster)
// on a thread of their own, shared by every browser that looks at it. Everything a browser asks for or
// changes goes through here, under one lock, between two frames.
#pragma once

#include "compositor.h"
#include "fonts.h"
#include "panel.h"
#include "setup.h"
#include "trace.h"

#include <nlohmann/json.hpp>

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace host::web {

// A request the workbench refuses: `status` is the HTTP status that says why (400 malformed, 404 no such
// thing, 422 not possible now), the message says what.
class WorkbenchError : public std::runtime_error {
public:
    WorkbenchError(int status, const std::string& message) : std::runtime_error(message), status_(status) {}
    int status() const { return status_; }

private:
    int status_;
};

struct WorkbenchSetup {
    PanelSetup setup;                                  // the panel.cfg and the flight (a script too, if any)
    std::filesystem::path flights_dir;                 // where the flights to choose from are
    std::vector<std::filesystem::path> module_dirs;
};

// What a click hit.
struct ClickResult {
    std::string gauge;
    int hotspot = 0;          // 0: inside the gauge, outside every box: nothing happened
    int x = 0, y = 0;         // the point on the gauge's faceplate
    uint64_t frame = 0;       // the frame before which it happened: its effect shows from the next one on
};

// One line of the log: a key event, a sound or a named variable's new value.
struct LogEntry {
    uint64_t seq = 0;
    uint64_t frame = 0;
    double time_s = 0.0;
    std::string kind;         // "event", "sound", "var"
    std::string gauge;        // events and sounds
    std::string what;         // the event number, the sound file, the variable's name
    int64_t value = 0;        // the event's value, the variable's value
};

class Workbench {
public:
    static constexpr int SPEEDS[] = {1, 4, 16};
    static constexpr std::size_t LOG_CAPACITY = 2000;
    static constexpr std::size_t TRACE_CAPACITY = 5000;

    // Loads the panel, starts the flight and runs the script; throws as start_setup does.
    explicit Workbench(WorkbenchSetup setup);
    ~Workbench();

    // Frames at 18 a simulated second on a thread of its own until stop() or destruction.
    void start();
    void stop();
    // Runs frames now, on the caller's thread (tests, and the thread's own loop).
    void advance(uint64_t frames);

    // What a browser shows. All of these are safe from any thread.
    nlohmann::json panel_description();
    nlohmann::json flight_description();
    // The live state: frame, time, controls, aircraft, picture versions, tokens, and the sounds and log
    // entries after the given sequence numbers.
    nlohmann::json state(uint64_t sounds_after, uint64_t log_after);
    nlohmann::json flights();
    // What every element of a gauge shows, as a trace line gives it; 404 for a gauge not on the panel.
    nlohmann::json gauge_view(const std::string& gauge);
    // The gauge's picture as PNG, placed at its panel size times `scale`; `version` receives the version
    // the picture shows. Throws WorkbenchError 404 for a gauge not on the panel.
    std::string picture_png(const std::string& gauge, int scale, uint64_t& version);
    // The frames that logged something, as the same JSON Lines as `panelhost run --trace`.
    std::string trace_jsonl();

    // A click at a point of a panel window (panel pixels) or of a gauge's faceplate. Throws WorkbenchError:
    // 404 for an unknown window or gauge, 422 for a point outside every gauge of the window.
    ClickResult click_window(int window, double x, double y);
    ClickResult click_gauge(const std::string& gauge, double x, double y);

    void pause(bool paused);
    void set_speed(int speed);                    // 1, 4 or 16, else WorkbenchError 400
    void set_power(bool on);
    void fail_power(double seconds);              // 0 < seconds <= 3600, else 400
    void restart();                               // the current flight from its start
    void choose_flight(const std::string& name);  // a flight of flights(), by name; 404 otherwise
    void jump(double nm);                         // along the route; 422 without a flight
    // Editing a token of the table: the gauges read exactly this value until it is released, whatever the
    // flight derives (Simulation::hold). An integer token takes any 32-bit integer, signed or unsigned;
    // 400 for anything else.
    void edit_token(int32_t token, double value);
    void release_token(int32_t token);

    // Blocks until a frame newer than `seen` has been published or `timeout` passed; returns the newest.
    uint64_t wait_for_publish(uint64_t seen, std::chrono::milliseconds timeout);
    uint64_t published() const;

private:
    struct Picture {
        std::unique_ptr<BitmapSource> bitmaps;
        std::unique_ptr<draw::Compositor> compositor;
        int face_width = 0, face_height = 0;       // the faceplate, as its background bitmap is
        int width = 0, height = 0;                 // as the panel places it
        uint64_t signature = 0;    // of what the elements show
        uint64_t version = 0;
        std::map<int, std::pair<uint64_t, std::string>> png;   // by scale: version and PNG
    };

    void run();
    void frame_locked();
    void publish_locked();
    void log_locked();
    Gauge& gauge_locked(const std::string& name);
    ClickResult click_locked(Gauge& gauge, double x, double y);
    void start_flight_locked(const Flight& flight);
    std::filesystem::path flight_file(const std::string& name);

    WorkbenchSetup setup_;
    Panel panel_;
    std::string flight_name_;
    std::filesystem::path flight_path_;

    mutable std::mutex mutex_;
    std::condition_variable published_cv_;
    uint64_t published_ = 0;
    bool paused_ = false;
    int speed_ = 1;
    bool running_ = false;
    std::thread thread_;

    std::map<std::string, Picture> pictures_;
    std::mutex draw_mutex_;       // the compositors and the fonts, used outside the panel's lock
    draw::Fonts fonts_;

    std::size_t events_seen_ = 0, sounds_seen_ = 0;
    std::vector<std::pair<std::string, int32_t>> vars_seen_;
    std::deque<LogEntry> log_;
    uint64_t log_seq_ = 0;
    struct Sound {
        uint64_t seq;
        std::string gauge, file;
    };
    std::deque<Sound> sounds_;
    uint64_t sound_seq_ = 0;
    TraceRecorder recorder_;
    std::deque<std::string> trace_;
    std::vector<std::array<double, 2>> trail_;   // lat, lon every few seconds of flight
    double last_trail_s_ = -1e9;
    uint64_t flight_epoch_ = 1;                  // a new flight, a restart or a jump: the map starts anew
};

} // namespace host::web
