#include "flight_file.h"

#include "duration.h"
#include "input_file.h"
#include "navaid_file.h"
#include "radio_range.h"
#include "tokens.h"

#include <toml++/toml.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>

namespace host {

namespace {

namespace fs = std::filesystem;

// Days since 1970-01-01 of a civil date (proleptic Gregorian).
int64_t days_from_civil(int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

// One table of the file, read key by key; every key it holds must be one that is asked for.
class TableReader {
public:
    TableReader(const toml::table& table, std::string path, const fs::path& file)
        : table_(table), path_(std::move(path)), file_(file)
    {
    }

    [[noreturn]] void fail(const toml::node* node, const std::string& key, const std::string& problem) const
    {
        const auto& src = node ? node->source() : table_.source();
        std::ostringstream text;
        text << file_.string() << ":" << src.begin.line << ": " << qualified(key) << ": " << problem;
        throw FlightFileError(text.str());
    }

    bool has(const std::string& key) const { return table_.get(key) != nullptr; }

    const toml::node* find(const std::string& key)
    {
        used_.insert(key);
        return table_.get(key);
    }

    const toml::node& need(const std::string& key)
    {
        const toml::node* node = find(key);
        if (!node) fail(nullptr, key, "missing");
        return *node;
    }

    double number(const std::string& key, double low, double high, std::optional<double> fallback = std::nullopt)
    {
        const toml::node* node = find(key);
        if (!node) {
            if (fallback) return *fallback;
            fail(nullptr, key, "missing");
        }
        return number_of(*node, key, low, high);
    }

    double number_of(const toml::node& node, const std::string& key, double low, double high) const
    {
        if (!node.is_number()) fail(&node, key, "must be a number");
        const double v = *node.value<double>();
        if (!std::isfinite(v) || v < low || v > high) {
            std::ostringstream text;
            text << "must lie between " << low << " and " << high;
            fail(&node, key, text.str());
        }
        return v;
    }

    std::string text(const std::string& key, std::optional<std::string> fallback = std::nullopt)
    {
        const toml::node* node = find(key);
        if (!node) {
            if (fallback) return *fallback;
            fail(nullptr, key, "missing");
        }
        if (!node->is_string()) fail(node, key, "must be a text in quotes");
        std::string s = *node->value<std::string>();
        if (s.empty()) fail(node, key, "must not be empty");
        return s;
    }

    bool boolean(const std::string& key, std::optional<bool> fallback = std::nullopt)
    {
        const toml::node* node = find(key);
        if (!node) {
            if (fallback) return *fallback;
            fail(nullptr, key, "missing");
        }
        if (!node->is_boolean()) fail(node, key, "must be true or false");
        return *node->value<bool>();
    }

    const toml::table& sub_table(const std::string& key)
    {
        const toml::node& node = need(key);
        if (!node.is_table()) fail(&node, key, "must be a table");
        return *node.as_table();
    }

    // Every key of the table must have been asked for: a misspelt key is an error, not silently ignored.
    void finish() const
    {
        for (auto&& [key, node] : table_)
            if (!used_.count(std::string(key.str()))) fail(&node, std::string(key.str()), "unknown key");
    }

    std::string qualified(const std::string& key) const { return path_.empty() ? key : path_ + "." + key; }
    const fs::path& file() const { return file_; }

private:
    const toml::table& table_;
    std::string path_;
    const fs::path& file_;
    std::set<std::string> used_;
};

// A NAV or COM frequency in MHz (e.g. 116.85 or 118.025) as kHz.
Khz khz_of(TableReader& r, const toml::node& node, const std::string& key)
{
    const double mhz = r.number_of(node, key, 0.0, 1000.0);
    return static_cast<Khz>(std::llround(mhz * 1000.0));
}

bool is_com_channel(Khz khz)
{
    return khz >= COM_LOWEST_KHZ && khz <= COM_HIGHEST_KHZ && khz % COM_CHANNEL_KHZ == 0;
}

bool is_nav_channel(Khz khz)
{
    return khz >= 108000 && khz <= 117950 && khz % 50 == 0;
}

// Below 112 MHz the band is shared: localizers on odd tenths of a MHz, VORs on even tenths.
bool is_localizer_channel(Khz khz)
{
    return is_nav_channel(khz) && khz < 112000 && (khz / 100) % 2 == 1;
}

bool is_vor_channel(Khz khz)
{
    return is_nav_channel(khz) && !is_localizer_channel(khz);
}

// A radio pair written [active, standby].
void radio_pair(TableReader& r, const std::string& key, bool com, Khz& active, Khz& standby)
{
    const toml::node* node = r.find(key);
    if (!node) return;
    const toml::array* pair = node->as_array();
    if (!pair || pair->size() != 2) r.fail(node, key, "must be [active, standby] in MHz");
    Khz k[2];
    for (size_t i = 0; i < 2; ++i) {
        k[i] = khz_of(r, *pair->get(i), key);
        if (com && !is_com_channel(k[i]))
            r.fail(pair->get(i), key, "is not a COM channel (118.000 to 136.975 MHz, 25 kHz apart)");
        if (!com && !is_nav_channel(k[i]))
            r.fail(pair->get(i), key, "is not a NAV channel (108.00 to 117.95 MHz, 50 kHz apart)");
    }
    active = k[0];
    standby = k[1];
}

Wind read_wind(TableReader& r)
{
    Wind w;
    w.from_deg = geo::wrap360(r.number("from_deg", 0.0, 360.0));
    w.speed_kt = r.number("speed_kt", 0.0, 250.0);
    return w;
}

void read_flight_table(TableReader& r, Flight& f)
{
    f.name = r.text("name");
    const toml::node& start = r.need("start");
    const auto* when = start.as_date_time();
    if (!when) r.fail(&start, "start", "must be a date and time such as 2024-06-15T14:30:00Z (UTC)");
    const toml::date_time& dt = when->get();
    int64_t s = days_from_civil(dt.date.year, dt.date.month, dt.date.day) * 86400 + dt.time.hour * 3600 +
                dt.time.minute * 60 + dt.time.second;
    if (dt.offset) s -= static_cast<int64_t>(dt.offset->minutes) * 60;
    f.start_unix_s = s;
    f.true_airspeed_kt = r.number("true_airspeed_kt", 40.0, 600.0);
    f.climb_fpm = r.number("climb_fpm", 100.0, 6000.0);
    f.descent_fpm = r.number("descent_fpm", 100.0, 6000.0);
    f.terrain_ft = r.number("terrain_elevation_ft", -1500.0, 15000.0, 0.0);
    f.avionics_power = r.boolean("avionics_power", true);
    f.variation_deg = r.number("variation_deg", -180.0, 180.0, 0.0);
    r.finish();
}

void read_weather(TableReader& r, Flight& f)
{
    f.wind.from_deg = geo::wrap360(r.number("wind_from_deg", 0.0, 360.0, 0.0));
    f.wind.speed_kt = r.number("wind_speed_kt", 0.0, 250.0, 0.0);
    f.qnh_hpa = r.number("qnh_hpa", 900.0, 1100.0, 1013.25);
    r.finish();
}

void read_radios(TableReader& r, Flight& f)
{
    RadioSetup& radios = f.radios;
    radio_pair(r, "com1", true, radios.com1_active, radios.com1_standby);
    radio_pair(r, "com2", true, radios.com2_active, radios.com2_standby);
    radio_pair(r, "nav1", false, radios.nav1_active, radios.nav1_standby);
    radio_pair(r, "nav2", false, radios.nav2_active, radios.nav2_standby);
    radios.course1_deg = geo::wrap360(std::round(r.number("course1_deg", 0.0, 360.0, 0.0)));
    radios.course2_deg = geo::wrap360(std::round(r.number("course2_deg", 0.0, 360.0, 0.0)));
    radios.altimeter_hpa = r.number("altimeter_hpa", 950.0, 1050.0, f.qnh_hpa);
    if (const toml::node* node = r.find("squawk")) {
        const auto code = node->value<std::string>();
        bool ok = code && code->size() == 4;
        int32_t bcd = 0;
        for (size_t i = 0; ok && i < 4; ++i) {
            const char c = (*code)[i];
            ok = c >= '0' && c <= '7';
            bcd = bcd << 4 | (c - '0');
        }
        if (!ok) r.fail(node, "squawk", "must be four digits 0 to 7 in quotes, such as \"7000\"");
        radios.squawk = bcd;
    }
    const std::string transmit = r.text("transmit", "com1");
    if (transmit != "com1" && transmit != "com2") r.fail(r.find("transmit"), "transmit", "must be \"com1\" or \"com2\"");
    radios.transmit = transmit == "com1" ? 1 : 2;
    const std::string dme = r.text("dme", "nav1");
    if (dme != "nav1" && dme != "nav2") r.fail(r.find("dme"), "dme", "must be \"nav1\" or \"nav2\"");
    radios.dme_select = dme == "nav1" ? 1 : 2;
    const std::string source = r.text("nav_source", "nav");
    if (source != "nav" && source != "gps") r.fail(r.find("nav_source"), "nav_source", "must be \"nav\" or \"gps\"");
    radios.nav_source = source == "gps" ? 1 : 0;
    if (const toml::node* node = r.find("audio")) {
        const toml::array* list = node->as_array();
        if (!list) r.fail(node, "audio", "must be a list such as [\"nav1\", \"marker\"]");
        for (const toml::node& item : *list) {
            const auto name = item.value<std::string>();
            bool* selected = !name ? nullptr
                             : *name == "nav1" ? &radios.nav1_audio
                             : *name == "nav2" ? &radios.nav2_audio
                             : *name == "dme" ? &radios.dme_audio
                             : *name == "adf" ? &radios.adf_audio
                             : *name == "marker" ? &radios.marker_audio
                                                 : nullptr;
            if (!selected) r.fail(&item, "audio", "lists \"nav1\", \"nav2\", \"dme\", \"adf\" or \"marker\"");
            *selected = true;
        }
    }
    radios.com_monitor = r.boolean("com_monitor", false);
    const std::string sensitivity = r.text("marker_sensitivity", "low");
    if (sensitivity != "low" && sensitivity != "high")
        r.fail(r.find("marker_sensitivity"), "marker_sensitivity", "must be \"low\" or \"high\"");
    radios.marker_high_sensitivity = sensitivity == "high";
    r.finish();
}

geo::LatLon read_position(TableReader& r)
{
    return {r.number("lat", -90.0, 90.0), r.number("lon", -180.0, 180.0)};
}

Waypoint read_waypoint(TableReader& r, const Flight& f)
{
    Waypoint w;
    w.ident = r.text("ident");
    w.position = read_position(r);
    w.altitude_ft = r.number("alt_ft", f.terrain_ft, 60000.0);
    r.finish();
    return w;
}

// A VOR's service volume: its class, or an explicit range in nautical miles, heard at any height.
void read_service_volume(TableReader& r, Navaid& n)
{
    const toml::node* range = r.find("range_nm");
    if (range) n.range_nm = r.number_of(*range, "range_nm", 1.0, 300.0);
    const std::string vor_class = r.text("class", "low");
    if (vor_class == "terminal") n.vor_class = VorClass::Terminal;
    else if (vor_class == "low") n.vor_class = VorClass::Low;
    else if (vor_class == "high") n.vor_class = VorClass::High;
    else r.fail(r.find("class"), "class", "must be \"terminal\", \"low\" or \"high\"");
}

// A localizer's course width: given, or tailored to its runway's threshold, or the usual 5 degrees.
void read_course_width(TableReader& r, Navaid& n)
{
    const toml::node* width = r.find("course_width_deg");
    const toml::node* lat = r.find("threshold_lat");
    const toml::node* lon = r.find("threshold_lon");
    if (width && (lat || lon)) r.fail(width, "course_width_deg", "give the width or the threshold, not both");
    if (width) n.course_width_deg = r.number_of(*width, "course_width_deg", LOCALIZER_NARROWEST_DEG, LOCALIZER_WIDEST_DEG);
    if (!lat && !lon) return;
    if (!lat || !lon) r.fail(lat ? lat : lon, lat ? "threshold_lat" : "threshold_lon", "needs threshold_lat and threshold_lon together");
    const geo::LatLon threshold{r.number_of(*lat, "threshold_lat", -90.0, 90.0), r.number_of(*lon, "threshold_lon", -180.0, 180.0)};
    const double distance = geo::distance_m(n.position, threshold);
    if (distance < 300.0 || distance > 8000.0)
        r.fail(lat, "threshold_lat", "the threshold must lie 300 m to 8 km from the localizer antenna");
    n.course_width_deg = tailored_course_width_deg(distance);
}

// A navaid named by identifier only: taken from the navaid file (--navdata), the one nearest the route's
// start. A localizer brings its runway's marker beacons along.
void navaid_from_file(TableReader& r, Flight& f, const NavaidFile* file)
{
    const std::string ident = r.text("ident");
    std::optional<NavaidKind> kind;
    if (const toml::node* type = r.find("type")) {
        const std::string t = r.text("type");
        if (t == "vor") kind = NavaidKind::Vor;
        else if (t == "localizer") kind = NavaidKind::Localizer;
        else r.fail(type, "type", "a navaid taken from the navaid file is a vor or a localizer");
    }
    r.finish();
    if (!file) r.fail(nullptr, "lat", "missing (or name a navaid file with --navdata to take " + ident + " from it)");
    const auto found = file->find(ident, kind, f.route.front().position);
    if (!found) r.fail(nullptr, "ident", ident + ": not in " + file->name().string() + " within " +
                                         std::to_string(static_cast<int>(NavaidFile::SEARCH_RADIUS_NM)) + " nm of the route's start");
    f.navaids.push_back(*found);
    if (found->kind == NavaidKind::Localizer)
        for (const Navaid& m : file->markers_of(*found)) f.navaids.push_back(m);
}

Navaid read_navaid(TableReader& r, const Flight& f)
{
    Navaid n;
    n.ident = r.text("ident");
    const std::string type = r.text("type");
    const toml::node* type_node = r.find("type");
    n.position = read_position(r);
    n.elevation_ft = r.number("elevation_ft", -1500.0, 15000.0, f.terrain_ft);
    if (type == "vor" || type == "localizer") {
        n.kind = type == "vor" ? NavaidKind::Vor : NavaidKind::Localizer;
        const toml::node& freq = r.need("freq_mhz");
        n.frequency = khz_of(r, freq, "freq_mhz");
        if (n.kind == NavaidKind::Vor && !is_vor_channel(n.frequency))
            r.fail(&freq, "freq_mhz", "is not a VOR channel (112.00 to 117.95, or an even tenth from 108.00 to 111.85)");
        if (n.kind == NavaidKind::Localizer && !is_localizer_channel(n.frequency))
            r.fail(&freq, "freq_mhz", "is not a localizer channel (an odd tenth from 108.10 to 111.95)");
        n.dme = r.boolean("dme", false);
        n.declination_deg = r.number("declination_deg", -180.0, 180.0, f.variation_deg);
        if (n.kind == NavaidKind::Localizer) {
            n.course_deg = geo::wrap360(r.number("course_deg", 0.0, 360.0));
            n.range_nm = r.number("range_nm", 1.0, 300.0, LOCALIZER_FRONT_NM);
            read_course_width(r, n);
        } else {
            read_service_volume(r, n);
        }
    } else if (type == "outer_marker" || type == "middle_marker" || type == "inner_marker") {
        n.kind = NavaidKind::Marker;
        n.marker = type == "outer_marker" ? 1 : type == "middle_marker" ? 2 : 3;
    } else {
        r.fail(type_node, "type", "must be vor, localizer, outer_marker, middle_marker or inner_marker");
    }
    r.finish();
    return n;
}

// A duration written as text ("12m30s") or a number of seconds.
double duration_of(TableReader& r, const toml::node& node, const std::string& key)
{
    std::optional<double> seconds;
    if (node.is_string()) seconds = parse_duration(*node.value<std::string>());
    else if (node.is_number()) seconds = *node.value<double>();
    // nan, inf and "1e308h" are no time at all.
    if (!seconds || std::isnan(*seconds) || *seconds < 0 || std::isinf(*seconds))
        r.fail(&node, key, "must be a duration such as \"12m30s\"");
    if (const std::string problem = duration_problem(*seconds); !problem.empty()) r.fail(&node, key, "is " + problem);
    return *seconds;
}

// A simulation variable's token number.
int32_t token_of(TableReader& r, const toml::node& node, const std::string& key)
{
    const auto token = node.value_exact<int64_t>();
    if (!token || *token < 0 || *token > INT32_MAX) r.fail(&node, key, "must be a token number");
    return static_cast<int32_t>(*token);
}

TimedEvent read_event(TableReader& r)
{
    TimedEvent e;
    e.at_s = duration_of(r, r.need("at"), "at");
    const toml::node* power = r.find("power");
    const toml::node* jump = r.find("time_jump");
    const toml::node* wind = r.find("wind");
    const toml::node* hold = r.find("hold");
    const toml::node* release = r.find("release");
    const toml::node* airspeed = r.find("true_airspeed_kt");
    const toml::node* hold_heading = r.find("hold_heading");
    if ((power != nullptr) + (jump != nullptr) + (wind != nullptr) + (hold != nullptr) + (release != nullptr) +
            (airspeed != nullptr) + (hold_heading != nullptr) != 1)
        r.fail(nullptr, "at", "an event holds exactly one of power, time_jump, wind, hold, release, true_airspeed_kt or hold_heading");
    if (hold) {
        e.kind = TimedEvent::Kind::Hold;
        TableReader h(r.sub_table("hold"), r.qualified("hold"), r.file());
        e.token = token_of(h, h.need("token"), "token");
        const toml::node& value = h.need("value");
        if (!value.is_number()) h.fail(&value, "value", "must be a number (nan and inf included)");
        e.value = *value.value<double>();
        if (token::is_integer(e.token) && (e.value != std::floor(e.value) || e.value < -2147483648.0 || e.value > 4294967295.0))
            h.fail(&value, "value", "token " + std::to_string(e.token) + " holds a 32-bit integer");
        h.finish();
    } else if (release) {
        e.kind = TimedEvent::Kind::Release;
        e.token = token_of(r, *release, "release");
    } else if (power) {
        e.kind = TimedEvent::Kind::Power;
        e.power = r.boolean("power");
    } else if (airspeed) {
        e.kind = TimedEvent::Kind::Airspeed;
        e.airspeed_kt = r.number("true_airspeed_kt", 40.0, 600.0);
    } else if (hold_heading) {
        e.kind = TimedEvent::Kind::HoldHeading;
        e.hold_heading_s = duration_of(r, *hold_heading, "hold_heading");
        if (e.hold_heading_s > 3600.0) r.fail(hold_heading, "hold_heading", "must lie between 0s and 1h");
    } else if (jump) {
        e.kind = TimedEvent::Kind::TimeJump;
        e.jump_s = duration_of(r, *jump, "time_jump");
    } else {
        e.kind = TimedEvent::Kind::WindChange;
        TableReader w(r.sub_table("wind"), r.qualified("wind"), r.file());
        e.wind = read_wind(w);
        w.finish();
    }
    r.finish();
    return e;
}

// An array of tables ([[route]], [[navaid]], [[event]]), each read by `read`.
template <class Read>
void each_table(TableReader& root, const std::string& key, bool required, Read read)
{
    const toml::node* node = root.find(key);
    if (!node) {
        if (required) root.fail(nullptr, key, "missing");
        return;
    }
    const toml::array* items = node->as_array();
    if (!items || !items->is_array_of_tables()) root.fail(node, key, "must be written as [[" + key + "]] tables");
    for (size_t i = 0; i < items->size(); ++i) {
        TableReader r(*items->get(i)->as_table(), key + "[" + std::to_string(i + 1) + "]", root.file());
        read(r);
    }
}

Flight read_document(const toml::table& doc, const fs::path& file, const NavaidFile* navaids)
{
    Flight f;
    f.file = file;
    TableReader root(doc, "", file);
    {
        TableReader r(root.sub_table("flight"), "flight", file);
        read_flight_table(r, f);
    }
    if (root.find("weather")) {
        TableReader r(root.sub_table("weather"), "weather", file);
        read_weather(r, f);
    }
    f.radios.altimeter_hpa = f.qnh_hpa;
    if (root.find("radios")) {
        TableReader r(root.sub_table("radios"), "radios", file);
        read_radios(r, f);
    }
    each_table(root, "route", true, [&](TableReader& r) { f.route.push_back(read_waypoint(r, f)); });
    if (f.route.size() < 2) root.fail(root.find("route"), "route", "needs at least two waypoints");
    each_table(root, "navaid", false, [&](TableReader& r) {
        if (!r.has("lat") && !r.has("lon") && !r.has("freq_mhz")) navaid_from_file(r, f, navaids);
        else f.navaids.push_back(read_navaid(r, f));
    });
    each_table(root, "event", false, [&](TableReader& r) { f.events.push_back(read_event(r)); });
    std::stable_sort(f.events.begin(), f.events.end(), [](const TimedEvent& a, const TimedEvent& b) { return a.at_s < b.at_s; });
    root.finish();
    return f;
}

} // namespace

Flight parse_flight(const std::string& text, const fs::path& name, const NavaidFile* navaids)
{
    toml::table doc;
    try {
        doc = toml::parse(text, name.string());
    } catch (const toml::parse_error& e) {
        std::ostringstream message;
        message << name.string() << ":" << e.source().begin.line << ": " << e.description();
        throw FlightFileError(message.str());
    }
    return read_document(doc, name, navaids ? navaids : default_navaid_file());
}

Flight read_flight(const fs::path& file, const NavaidFile* navaids)
{
    std::string text;
    try {
        text = read_input_file(file, "flight file");
    } catch (const InputFileError& e) {
        throw FlightFileError(e.what());
    }
    return parse_flight(text, file, navaids);
}

} // namespace host
