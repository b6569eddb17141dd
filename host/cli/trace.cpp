#include "trace.h"

#include "audio_model.h"
#include "panel.h"
#include "../draw/windows_1252.h"

#include <nlohmann/json.hpp>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace host {

namespace {

// A slider's displacement to six significant digits, as `print` shows it. It comes from the simulation's
// values (a course deviation from the aircraft's position), whose last bits differ between the C runtimes
// of the native and the Windows host; the pixels drawn never do.
double six_digits(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", v);
    return std::strtod(text, nullptr);
}

// The gauges' texts are Windows-1252 (the navigators print 0xB0 behind bearings); JSON carries UTF-8.
std::string utf8_text(const std::string& text)
{
    std::string out;
    for (unsigned char byte : text) {
        const char32_t c = draw::windows_1252_to_unicode(byte);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace

// Binary: the same trace, byte for byte, from the Windows host as from the native one.
Trace::Trace(const std::filesystem::path& file) : out_(file, std::ios::binary)
{
    if (!out_) throw std::runtime_error(file.string() + ": cannot write the trace");
}

nlohmann::json element_record(const ElementView& v)
{
    nlohmann::json e{{"index", v.index}, {"kind", kind_name(v.kind)}, {"hidden", v.hidden}};
    if (!v.name.empty()) e["name"] = v.name;
    if (v.kind == ElementKind::String) e["text"] = utf8_text(v.text);
    if (v.kind == ElementKind::Icon) e["frame"] = v.frame;
    if (v.kind == ElementKind::Slider) e["displacement"] = {six_digits(v.dx), six_digits(v.dy)};
    return e;
}

void Trace::record(const Panel& panel)
{
    out_ << recorder_.line(panel) << '\n';
}

std::string TraceRecorder::line(const Panel& panel)
{
    using nlohmann::json;
    json line;
    line["frame"] = panel.frame_count();
    json gauges = json::array();
    for (const auto& g : panel.gauges()) {
        json elements = json::array();
        for (const ElementView& v : g->elements()) elements.push_back(element_record(v));
        gauges.push_back(json{{"gauge", g->name()}, {"elements", std::move(elements)}});
    }
    line["gauges"] = std::move(gauges);

    json events = json::array();
    for (; events_seen_ < panel.events().size(); ++events_seen_) {
        const LoggedEvent& e = panel.events()[events_seen_];
        events.push_back(json{{"gauge", e.gauge}, {"event", e.event}, {"value", e.value}});
    }
    line["events"] = std::move(events);
    json sounds = json::array();
    for (; sounds_seen_ < panel.sounds().size(); ++sounds_seen_) {
        const LoggedSound& s = panel.sounds()[sounds_seen_];
        sounds.push_back(json{{"gauge", s.gauge}, {"file", s.file}});
    }
    line["sounds"] = std::move(sounds);
    json vars = json::object();
    for (const auto& [name, value] : panel.named_vars().published()) vars[name] = value;
    line["vars"] = std::move(vars);
    line["nav_source"] = panel.sim().navigation_source();
    // Which directions the gauges got: magnetic, in the flight's variation, and the heading both ways to a
    // tenth of a degree, as a compass is read. Finer, the last bits of a heading flown for an hour differ
    // between the C runtimes of the native and the Windows host.
    if (const Aircraft* a = panel.sim().aircraft()) {
        const double variation = panel.sim().flight()->variation_deg;
        const double heading = geo::wrap360(geo::rounded(a->state().heading_deg, 0.1));
        line["directions"] = json{{"reference", "magnetic"}, {"variation_east", variation},
                                  {"heading_magnetic", geo::wrap360(geo::rounded(geo::magnetic(heading, variation), 0.1))},
                                  {"heading_true", heading}};
    }
    const AudioSelections a = audio_selections(panel.sim());
    line["audio"] = json{{"nav1", a.nav1}, {"nav2", a.nav2}, {"dme", a.dme}, {"adf", a.adf}, {"marker", a.marker},
                         {"dme_select", a.dme_select}, {"marker_beacon", marker_name(a.marker_beacon)},
                         {"marker_tone", marker_name(a.marker_tone)}, {"transmit", a.transmitting_com},
                         {"monitor", a.monitored_com}};
    return line.dump();
}

} // namespace host
