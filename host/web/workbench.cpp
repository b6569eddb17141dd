#include "workbench.h"

#include "audio_model.h"
#include "bitmap_source.h"
#include "flight_file.h"
#include "geo.h"
#include "panel_picture.h"
#include "png_file.h"
#include "radio_range.h"
#include "tokens.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace host::web {

namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using Clock = std::chrono::steady_clock;

// One simulated tick of real time.
constexpr auto TICK = std::chrono::microseconds(1000000 / TICKS_PER_SECOND);
// The aircraft's track on the map: a point every this many seconds of flight.
constexpr double TRAIL_EVERY_S = 5.0;
constexpr std::size_t TRAIL_CAPACITY = 20000;
constexpr std::size_t SOUND_CAPACITY = 200;

// What the gauge's elements show, folded into one number: a new number means a new picture.
uint64_t signature(const Gauge& gauge)
{
    uint64_t h = 1469598103934665603ull;
    auto mix = [&h](const void* data, std::size_t size) {
        const auto* p = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) h = (h ^ p[i]) * 1099511628211ull;
    };
    for (const ElementView& v : gauge.elements()) {
        mix(&v.hidden, sizeof v.hidden);
        mix(&v.frame, sizeof v.frame);
        mix(&v.dx, sizeof v.dx);
        mix(&v.dy, sizeof v.dy);
        mix(v.text.data(), v.text.size() + 1);
    }
    return h;
}

const char* cursor_name(int32_t cursor)
{
    switch (cursor) {
    case CURSOR_UPARROW: return "up";
    case CURSOR_DOWNARROW: return "down";
    case CURSOR_HAND: return "hand";
    default: return "none";
    }
}

const char* navaid_kind(NavaidKind kind)
{
    switch (kind) {
    case NavaidKind::Vor: return "vor";
    case NavaidKind::Localizer: return "localizer";
    case NavaidKind::Marker: return "marker";
    }
    return "vor";
}

std::string point_text(double x, double y)
{
    char text[64];
    std::snprintf(text, sizeof text, "(%g, %g)", x, y);
    return text;
}

std::string utc_text(const SimClock& clock)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", clock.utc_hour(), clock.utc_minute(), clock.utc_second());
    return text;
}

} // namespace

Workbench::Workbench(WorkbenchSetup setup) : setup_(std::move(setup))
{
    ScriptOptions options;
    options.module_dirs = setup_.module_dirs;
    start_setup(panel_, setup_.setup, options);
    if (setup_.setup.flight) {
        flight_path_ = setup_.setup.flight->file;
        flight_name_ = flight_path_.stem().string();
    }
    // Every gauge drawn once, so that each has a faceplate to show and a size to be placed at.
    panel_.frame();
    for (const auto& g : panel_.gauges()) {
        Picture& p = pictures_[g->name()];
        p.bitmaps = module_bitmaps(g->module());
        p.compositor = std::make_unique<draw::Compositor>(g->name(), *p.bitmaps, fonts_);
        const draw::Image face = p.compositor->compose(g->elements());
        p.face_width = face.width();
        p.face_height = face.height();
        p.width = face.width();
        p.height = face.height();
        if (const GaugePlacement* at = panel_.placement(g->name())) {
            const draw::PlacedSize size = draw::placed_size(*at, face.width(), face.height());
            p.width = size.width;
            p.height = size.height;
        }
    }
    log_locked();
    publish_locked();
}

Workbench::~Workbench()
{
    stop();
}

void Workbench::start()
{
    std::lock_guard lock(mutex_);
    if (running_) return;
    running_ = true;
    thread_ = std::thread([this] { run(); });
}

void Workbench::stop()
{
    {
        std::lock_guard lock(mutex_);
        running_ = false;
    }
    published_cv_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void Workbench::run()
{
    auto next = Clock::now();
    for (;;) {
        {
            std::lock_guard lock(mutex_);
            if (!running_) return;
            // While paused the panel goes on drawing and taking clicks; only the simulation stands.
            const int frames = paused_ ? 1 : speed_;
            for (int i = 0; i < frames; ++i) frame_locked();
            publish_locked();
        }
        published_cv_.notify_all();
        next += TICK;
        const auto now = Clock::now();
        // A machine too busy to keep up falls behind rather than racing to catch up.
        if (now > next + std::chrono::seconds(1)) next = now;
        std::this_thread::sleep_until(next);
    }
}

void Workbench::advance(uint64_t frames)
{
    {
        std::lock_guard lock(mutex_);
        for (uint64_t i = 0; i < frames; ++i) frame_locked();
        publish_locked();
    }
    published_cv_.notify_all();
}

void Workbench::frame_locked()
{
    panel_.frame();
    log_locked();
    if (const Aircraft* a = panel_.sim().aircraft()) {
        const double t = panel_.sim().clock().flight_seconds();
        if (t - last_trail_s_ >= TRAIL_EVERY_S) {
            last_trail_s_ = t;
            if (trail_.size() >= TRAIL_CAPACITY) {
                // Keep the whole track, at half the detail.
                std::vector<std::array<double, 2>> thinned;
                for (std::size_t i = 0; i < trail_.size(); i += 2) thinned.push_back(trail_[i]);
                trail_ = std::move(thinned);
            }
            trail_.push_back({a->state().position.lat, a->state().position.lon});
        }
    }
}

void Workbench::publish_locked()
{
    for (const auto& g : panel_.gauges()) {
        Picture& p = pictures_[g->name()];
        const uint64_t s = signature(*g);
        if (s != p.signature || p.version == 0) {
            p.signature = s;
            p.version = panel_.frame_count();
        }
    }
    ++published_;
}

void Workbench::log_locked()
{
    const double t = panel_.sim().seconds();
    const uint64_t frame = panel_.frame_count();
    bool logged = frame == 1;
    auto add = [&](std::string kind, std::string gauge, std::string what, int64_t value) {
        log_.push_back(LogEntry{++log_seq_, frame, t, std::move(kind), std::move(gauge), std::move(what), value});
        if (log_.size() > LOG_CAPACITY) log_.pop_front();
        logged = true;
    };
    events_seen_ = std::max(events_seen_, panel_.events().first());
    sounds_seen_ = std::max(sounds_seen_, panel_.sounds().first());
    for (; events_seen_ < panel_.events().size(); ++events_seen_) {
        const LoggedEvent& e = panel_.events()[events_seen_];
        add("event", std::string(e.gauge), std::to_string(e.event), e.value);
    }
    for (; sounds_seen_ < panel_.sounds().size(); ++sounds_seen_) {
        const LoggedSound& s = panel_.sounds()[sounds_seen_];
        add("sound", std::string(s.gauge), s.file, 0);
        sounds_.push_back(Sound{++sound_seq_, std::string(s.gauge), s.file});
        if (sounds_.size() > SOUND_CAPACITY) sounds_.pop_front();
    }
    auto vars = panel_.named_vars().published();
    if (vars != vars_seen_) {
        for (const auto& [name, value] : vars) {
            auto old = std::find_if(vars_seen_.begin(), vars_seen_.end(), [&name = name](auto& v) { return v.first == name; });
            if (old == vars_seen_.end() || old->second != value) add("var", "", name, value);
        }
        vars_seen_ = std::move(vars);
    }
    if (logged) {
        trace_.push_back(recorder_.line(panel_));
        if (trace_.size() > TRACE_CAPACITY) trace_.pop_front();
    }
}

uint64_t Workbench::wait_for_publish(uint64_t seen, std::chrono::milliseconds timeout)
{
    std::unique_lock lock(mutex_);
    published_cv_.wait_for(lock, timeout, [&] { return published_ > seen; });
    return published_;
}

uint64_t Workbench::published() const
{
    std::lock_guard lock(mutex_);
    return published_;
}

Gauge& Workbench::gauge_locked(const std::string& name)
{
    Gauge* g = panel_.find(name);
    if (!g) throw WorkbenchError(404, "no gauge " + name + " on the panel");
    return *g;
}

json Workbench::panel_description()
{
    std::lock_guard lock(mutex_);
    json windows = json::array();
    for (std::size_t w = 0; w < panel_.windows().size(); ++w) {
        const PanelWindow& window = panel_.windows()[w];
        json gauges = json::array();
        int width = 0, height = 0;
        for (const auto& g : panel_.gauges()) {
            const GaugePlacement* at = panel_.placement(g->name());
            if (!at || at->window != static_cast<int>(w)) continue;
            const Picture& p = pictures_.at(g->name());
            json hotspots = json::array();
            for (const HotspotView& h : g->hotspots())
                hotspots.push_back(json{{"number", h.number},
                                        {"x", h.record->x},
                                        {"y", h.record->y},
                                        {"width", h.record->width},
                                        {"height", h.record->height},
                                        {"cursor", cursor_name(h.record->cursor)}});
            gauges.push_back(json{{"name", g->name()},
                                  {"x", at->x},
                                  {"y", at->y},
                                  {"width", p.width},
                                  {"height", p.height},
                                  {"face_width", p.face_width},
                                  {"face_height", p.face_height},
                                  {"hotspots", std::move(hotspots)}});
            width = std::max(width, at->x + p.width);
            height = std::max(height, at->y + p.height);
        }
        windows.push_back(json{{"index", w},
                               {"section", window.section},
                               {"title", window.title},
                               {"visible", window.visible},
                               {"width", width},
                               {"height", height},
                               {"gauges", std::move(gauges)}});
    }
    return json{{"windows", std::move(windows)}};
}

json Workbench::flight_description()
{
    std::lock_guard lock(mutex_);
    const Flight* f = panel_.sim().flight();
    if (!f) return json{{"name", nullptr}, {"route", json::array()}, {"navaids", json::array()}, {"trail", json::array()}};
    json route = json::array();
    double along_m = 0.0;
    for (std::size_t i = 0; i < f->route.size(); ++i) {
        const Waypoint& w = f->route[i];
        if (i) along_m += geo::distance_m(f->route[i - 1].position, w.position);
        route.push_back(json{{"ident", w.ident},
                             {"lat", w.position.lat},
                             {"lon", w.position.lon},
                             {"altitude_ft", w.altitude_ft},
                             {"distance_nm", along_m / geo::METRES_PER_NM}});
    }
    json navaids = json::array();
    for (const Navaid& n : f->navaids)
        navaids.push_back(json{{"ident", n.ident},
                               {"kind", navaid_kind(n.kind)},
                               {"lat", n.position.lat},
                               {"lon", n.position.lon},
                               {"frequency_mhz", n.frequency / 1000.0},
                               {"dme", n.dme},
                               {"course_deg", n.course_deg},
                               {"marker", n.marker},
                               // The map's circle: a VOR's service volume low down, unless it has a range of its own.
                               {"range_nm", n.kind == NavaidKind::Vor && n.range_nm <= 0 ? vor_service_range_nm(n.vor_class, 0) : n.range_nm}});
    json trail = json::array();
    for (const auto& p : trail_) trail.push_back(json::array({p[0], p[1]}));
    return json{{"name", flight_name_},
                {"route", std::move(route)},
                {"length_nm", along_m / geo::METRES_PER_NM},
                {"navaids", std::move(navaids)},
                {"trail", std::move(trail)}};
}

json Workbench::state(uint64_t sounds_after, uint64_t log_after)
{
    std::lock_guard lock(mutex_);
    const Simulation& sim = panel_.sim();
    json s;
    s["frame"] = panel_.frame_count();
    s["published"] = published_;
    s["time_s"] = sim.seconds();
    s["utc"] = utc_text(sim.clock());
    s["paused"] = paused_;
    s["speed"] = speed_;
    s["power"] = sim.avionics_power();
    s["flight"] = flight_name_;
    s["flight_epoch"] = flight_epoch_;
    if (const Aircraft* a = sim.aircraft()) {
        const AircraftState& st = a->state();
        s["aircraft"] = json{{"lat", st.position.lat},
                             {"lon", st.position.lon},
                             {"altitude_ft", st.altitude_ft},
                             {"heading_deg", st.heading_deg},
                             {"track_deg", st.track_deg},
                             {"ground_speed_kt", st.ground_speed_kt},
                             {"to_index", a->to_index()}};
    } else {
        s["aircraft"] = nullptr;
    }
    // A held marker value may be anything, NaN and 1e300 included: only the three beacons are named.
    s["marker"] = audio_selections(sim).marker_beacon;
    s["marker_audio"] = sim.number(token::MARKER_AUDIO) != 0.0;

    json gauges = json::object();
    std::map<int32_t, std::vector<std::string>> readers;
    for (const auto& g : panel_.gauges()) {
        gauges[g->name()] = pictures_.at(g->name()).version;
        for (int32_t t : panel_.tokens_read(*g)) readers[t].push_back(g->name());
    }
    s["gauges"] = std::move(gauges);
    json tokens = json::array();
    for (const auto& [t, names] : readers) {
        // As the gauges read it.
        const bool integer = token::is_integer(t);
        const VAR_VALUE v = sim.value(t);
        json value = integer ? json(v.i) : json(v.f);
        tokens.push_back(json{{"token", t}, {"value", value}, {"integer", integer}, {"held", sim.held(t)}, {"read_by", names}});
    }
    s["tokens"] = std::move(tokens);
    json vars = json::object();
    for (const auto& [name, value] : panel_.named_vars().published()) vars[name] = value;
    s["vars"] = std::move(vars);

    json sounds = json::array();
    for (const Sound& snd : sounds_)
        if (snd.seq > sounds_after) sounds.push_back(json{{"seq", snd.seq}, {"gauge", snd.gauge}, {"file", snd.file}});
    s["sounds"] = std::move(sounds);
    s["sound_seq"] = sound_seq_;
    json log = json::array();
    for (const LogEntry& e : log_)
        if (e.seq > log_after)
            log.push_back(json{{"seq", e.seq},
                               {"frame", e.frame},
                               {"time_s", e.time_s},
                               {"kind", e.kind},
                               {"gauge", e.gauge},
                               {"what", e.what},
                               {"value", e.value}});
    s["log"] = std::move(log);
    s["log_seq"] = log_seq_;
    return s;
}

json Workbench::flights()
{
    json names = json::array();
    std::vector<std::string> found;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(setup_.flights_dir, ec))
        if (entry.is_regular_file() && entry.path().extension() == ".toml") found.push_back(entry.path().stem().string());
    std::sort(found.begin(), found.end());
    for (auto& n : found) names.push_back(n);
    std::lock_guard lock(mutex_);
    return json{{"flights", std::move(names)}, {"current", flight_name_}};
}

json Workbench::gauge_view(const std::string& gauge)
{
    std::lock_guard lock(mutex_);
    const Gauge& g = gauge_locked(gauge);
    json elements = json::array();
    for (const ElementView& v : g.elements()) elements.push_back(element_record(v));
    return json{{"gauge", g.name()}, {"version", pictures_.at(gauge).version}, {"elements", std::move(elements)}};
}

std::string Workbench::picture_png(const std::string& gauge, int scale, uint64_t& version)
{
    if (scale < 1 || scale > 4) throw WorkbenchError(400, "scale " + std::to_string(scale) + ": 1 to 4");
    std::vector<ElementView> elements;
    Picture* picture = nullptr;
    {
        std::lock_guard lock(mutex_);
        const Gauge& g = gauge_locked(gauge);
        elements = g.elements();
        picture = &pictures_.at(gauge);
        version = picture->version;
    }
    std::lock_guard draw_lock(draw_mutex_);
    auto& cached = picture->png[scale];
    if (cached.first == version && !cached.second.empty()) return cached.second;
    const draw::Image& face = picture->compositor->update(elements);
    // A gauge placed at its faceplate's own size only needs its pixels repeated.
    const bool own_size = picture->width == face.width() && picture->height == face.height();
    cached = {version, draw::encode_png(own_size ? draw::scaled(face, scale)
                                                 : draw::resized(face, picture->width * scale, picture->height * scale))};
    return cached.second;
}

std::string Workbench::trace_jsonl()
{
    std::lock_guard lock(mutex_);
    std::string out;
    for (const auto& line : trace_) out += line + '\n';
    return out;
}

ClickResult Workbench::click_locked(Gauge& gauge, double x, double y)
{
    const Picture& p = pictures_.at(gauge.name());
    if (!std::isfinite(x) || !std::isfinite(y) || x < 0 || y < 0 || x >= p.face_width || y >= p.face_height)
        throw WorkbenchError(422, "the point " + point_text(x, y) + " lies outside " +
                                      gauge.name() + "'s faceplate (" + std::to_string(p.face_width) + " x " +
                                      std::to_string(p.face_height) + ")");
    ClickResult r;
    r.gauge = gauge.name();
    r.x = static_cast<int>(x);
    r.y = static_cast<int>(y);
    r.hotspot = panel_.click_at(gauge, r.x, r.y);
    r.frame = panel_.frame_count();
    return r;
}

ClickResult Workbench::click_gauge(const std::string& gauge, double x, double y)
{
    std::lock_guard lock(mutex_);
    return click_locked(gauge_locked(gauge), x, y);
}

ClickResult Workbench::click_window(int window, double x, double y)
{
    std::lock_guard lock(mutex_);
    if (window < 0 || window >= static_cast<int>(panel_.windows().size()))
        throw WorkbenchError(404, "the panel has no window " + std::to_string(window));
    if (std::isfinite(x) && std::isfinite(y)) {
        // The gauge drawn last lies on top.
        const auto& gauges = panel_.gauges();
        for (auto it = gauges.rbegin(); it != gauges.rend(); ++it) {
            const GaugePlacement* at = panel_.placement((*it)->name());
            if (!at || at->window != window) continue;
            const Picture& p = pictures_.at((*it)->name());
            if (x < at->x || y < at->y || x >= at->x + p.width || y >= at->y + p.height) continue;
            return click_locked(**it, (x - at->x) * p.face_width / p.width, (y - at->y) * p.face_height / p.height);
        }
    }
    throw WorkbenchError(422, "no gauge at " + point_text(x, y) + " in window " +
                                  panel_.windows()[window].section);
}

void Workbench::pause(bool paused)
{
    std::lock_guard lock(mutex_);
    paused_ = paused;
    panel_.sim().freeze(paused);
}

void Workbench::set_speed(int speed)
{
    if (std::find(std::begin(SPEEDS), std::end(SPEEDS), speed) == std::end(SPEEDS))
        throw WorkbenchError(400, "speed " + std::to_string(speed) + ": 1, 4 or 16");
    std::lock_guard lock(mutex_);
    speed_ = speed;
}

void Workbench::set_power(bool on)
{
    std::lock_guard lock(mutex_);
    panel_.sim().set_avionics_power(on);
}

void Workbench::fail_power(double seconds)
{
    if (!std::isfinite(seconds) || seconds <= 0 || seconds > 3600)
        throw WorkbenchError(400, "a power failure lasts more than 0 and at most 3600 seconds");
    std::lock_guard lock(mutex_);
    panel_.sim().fail_power(seconds);
}

void Workbench::start_flight_locked(const Flight& flight)
{
    panel_.sim().load_flight(flight);
    trail_.clear();
    last_trail_s_ = -1e9;
    ++flight_epoch_;
}

fs::path Workbench::flight_file(const std::string& name)
{
    const json list = flights()["flights"];
    if (std::find(list.begin(), list.end(), name) == list.end())
        throw WorkbenchError(404, "no flight " + name + " in " + setup_.flights_dir.string());
    return setup_.flights_dir / (name + ".toml");
}

void Workbench::restart()
{
    std::lock_guard lock(mutex_);
    if (flight_path_.empty()) throw WorkbenchError(422, "no flight to restart");
    try {
        start_flight_locked(read_flight(flight_path_));
    } catch (const FlightFileError& e) {
        throw WorkbenchError(422, e.what());
    }
}

void Workbench::choose_flight(const std::string& name)
{
    const fs::path file = flight_file(name);
    Flight flight;
    try {
        flight = read_flight(file);
    } catch (const FlightFileError& e) {
        throw WorkbenchError(422, e.what());
    }
    std::lock_guard lock(mutex_);
    start_flight_locked(flight);
    flight_path_ = file;
    flight_name_ = name;
}

void Workbench::jump(double nm)
{
    if (!std::isfinite(nm) || nm < 0) throw WorkbenchError(400, "a jump goes 0 or more nautical miles along the route");
    std::lock_guard lock(mutex_);
    if (!panel_.sim().aircraft()) throw WorkbenchError(422, "no flight to jump along");
    panel_.sim().jump_along_route(nm * geo::METRES_PER_NM);
    // The track breaks where the aircraft leapt.
    trail_.push_back({std::nan(""), std::nan("")});
    last_trail_s_ = -1e9;
    ++flight_epoch_;
}

void Workbench::edit_token(int32_t token, double value)
{
    VAR_VALUE raw{};
    if (token::is_integer(token)) {
        if (!std::isfinite(value) || value != std::floor(value) || value < INT32_MIN || value > UINT32_MAX)
            throw WorkbenchError(400, "token " + std::to_string(token) + " holds a 32-bit integer");
        raw.i = static_cast<int32_t>(static_cast<uint32_t>(static_cast<int64_t>(value)));
    } else {
        raw.f = value;
    }
    std::lock_guard lock(mutex_);
    panel_.sim().hold(token, raw);
}

void Workbench::release_token(int32_t token)
{
    std::lock_guard lock(mutex_);
    panel_.sim().release(token);
}

} // namespace host::web
