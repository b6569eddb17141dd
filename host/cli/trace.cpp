#include "trace.h"

#include "audio_model.h"
#include "json_text.h"
#include "panel.h"
#include "../draw/windows_1252.h"

#include <nlohmann/json.hpp>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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
// One character of the Windows-1252 set in UTF-8: all of them lie below U+10000.
void append_utf8(std::string& out, char32_t c)
{
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

std::string utf8_text(const std::string& text)
{
    std::string out;
    for (unsigned char byte : text) append_utf8(out, draw::windows_1252_to_unicode(byte));
    return out;
}

// The same text as a JSON string, appended: what nlohmann::json writes for utf8_text(text), since every
// character it makes is valid UTF-8.
void append_windows_1252_string(std::string& out, const std::string& text)
{
    out += '"';
    for (unsigned char byte : text) {
        if (byte < 0x80) {
            const char c = static_cast<char>(byte);
            json_text::append_escaped(out, std::string_view(&c, 1));
            continue;
        }
        append_utf8(out, draw::windows_1252_to_unicode(byte));
    }
    out += '"';
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
    const std::string& line = recorder_.write(panel);
    out_.write(line.data(), static_cast<std::streamsize>(line.size()));
    out_.put('\n');
}

std::string TraceRecorder::line(const Panel& panel)
{
    return write(panel);
}

// What element_record(v) dumps. Slider displacements are compared as the trace shows them.
void TraceRecorder::Element::refresh(const ElementView& v)
{
    const double dx = v.kind == ElementKind::Slider ? six_digits(v.dx) : 0.0;
    const double dy = v.kind == ElementKind::Slider ? six_digits(v.dy) : 0.0;
    if (written && v.record == record && v.hidden == hidden && v.frame == frame && v.text == text && std::memcmp(&dx, &x, sizeof dx) == 0 &&
        std::memcmp(&dy, &y, sizeof dy) == 0)
        return;
    written = true;
    record = v.record;
    hidden = v.hidden;
    frame = v.frame;
    text = v.text;
    x = dx;
    y = dy;
    using namespace json_text;
    json.clear();
    json += '{';
    if (v.kind == ElementKind::Slider) {
        append_key(json, "displacement");
        json += '[';
        append_double(json, dx);
        json += ',';
        append_double(json, dy);
        json += "],";
    }
    if (v.kind == ElementKind::Icon) {
        append_key(json, "frame");
        append_integer(json, v.frame);
        json += ',';
    }
    append_key(json, "hidden");
    append_bool(json, v.hidden);
    json += ',';
    append_key(json, "index");
    append_integer(json, v.index);
    json += ',';
    append_key(json, "kind");
    append_string(json, kind_name(v.kind));
    if (!v.name.empty()) {
        json += ',';
        append_key(json, "name");
        append_string(json, v.name);
    }
    if (v.kind == ElementKind::String) {
        json += ',';
        append_key(json, "text");
        append_windows_1252_string(json, v.text);
    }
    json += '}';
}

const std::string& TraceRecorder::write(const Panel& panel)
{
    using namespace json_text;
    std::string& out = line_;
    out.clear();
    const AudioSelections a = audio_selections(panel.sim());
    out += "{\"audio\":{";
    append_key(out, "adf"), append_bool(out, a.adf), out += ',';
    append_key(out, "dme"), append_bool(out, a.dme), out += ',';
    append_key(out, "dme_select"), append_integer(out, a.dme_select), out += ',';
    append_key(out, "marker"), append_bool(out, a.marker), out += ',';
    append_key(out, "marker_beacon"), append_string(out, marker_name(a.marker_beacon)), out += ',';
    append_key(out, "marker_tone"), append_string(out, marker_name(a.marker_tone)), out += ',';
    append_key(out, "monitor"), append_integer(out, a.monitored_com), out += ',';
    append_key(out, "nav1"), append_bool(out, a.nav1), out += ',';
    append_key(out, "nav2"), append_bool(out, a.nav2), out += ',';
    append_key(out, "transmit"), append_integer(out, a.transmitting_com);

    // A reader that fell behind the panel's logs takes what they still hold.
    events_seen_ = std::max(events_seen_, panel.events().first());
    sounds_seen_ = std::max(sounds_seen_, panel.sounds().first());
    out += '}';

    // Which directions the gauges got: magnetic, in the flight's variation, and the heading both ways to a
    // tenth of a degree, as a compass is read. Finer, the last bits of a heading flown for an hour differ
    // between the C runtimes of the native and the Windows host.
    if (const Aircraft* air = panel.sim().aircraft()) {
        const double variation = panel.sim().flight()->variation_deg;
        const double heading = geo::wrap360(geo::rounded(air->state().heading_deg, 0.1));
        out += ",\"directions\":{";
        append_key(out, "heading_magnetic");
        append_double(out, geo::wrap360(geo::rounded(geo::magnetic(heading, variation), 0.1)));
        out += ',';
        append_key(out, "heading_true"), append_double(out, heading), out += ',';
        append_key(out, "reference"), append_string(out, "magnetic"), out += ',';
        append_key(out, "variation_east"), append_double(out, variation), out += '}';
    }
    out += ",\"events\":[";
    for (bool first = true; events_seen_ < panel.events().size(); ++events_seen_, first = false) {
        const LoggedEvent& e = panel.events()[events_seen_];
        if (!first) out += ',';
        out += '{';
        append_key(out, "event"), append_integer(out, e.event), out += ',';
        append_key(out, "gauge"), append_string(out, e.gauge), out += ',';
        append_key(out, "value"), append_integer(out, e.value), out += '}';
    }
    out += "],\"frame\":";
    append_integer(out, panel.frame_count());

    // Every gauge's elements, each written anew only when it shows something else.
    const auto& gauges = panel.gauges();
    if (gauges_.size() != gauges.size()) gauges_.resize(gauges.size());
    out += ",\"gauges\":[";
    for (size_t i = 0; i < gauges.size(); ++i) {
        const Gauge& g = *gauges[i];
        GaugeLines& kept = gauges_[i];
        if (kept.gauge != &g || kept.name != g.name() || kept.elements.size() != g.elements().size()) {
            kept.gauge = &g;
            kept.name = g.name();
            kept.elements.assign(g.elements().size(), Element{});
        }
        if (i) out += ',';
        out += "{\"elements\":[";
        for (size_t k = 0; k < g.elements().size(); ++k) {
            kept.elements[k].refresh(g.elements()[k]);
            if (k) out += ',';
            out += kept.elements[k].json;
        }
        out += "],";
        append_key(out, "gauge");
        append_string(out, g.name());
        out += '}';
    }
    out += "],\"nav_source\":";
    append_string(out, panel.sim().navigation_source());

    out += ",\"sounds\":[";
    for (bool first = true; sounds_seen_ < panel.sounds().size(); ++sounds_seen_, first = false) {
        const LoggedSound& s = panel.sounds()[sounds_seen_];
        if (!first) out += ',';
        out += '{';
        append_key(out, "file"), append_string(out, s.file), out += ',';
        append_key(out, "gauge"), append_string(out, s.gauge), out += '}';
    }
    out += "],\"vars\":{";
    bool first = true;
    panel.named_vars().each_published([&](const std::string& name, int32_t value) {
        if (!first) out += ',';
        first = false;
        append_key(out, name);
        append_integer(out, value);
    });
    out += "}}";
    return out;
}

} // namespace host
