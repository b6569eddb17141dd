#include "navaid_file.h"

#include "radio_range.h"

#include <zlib.h>

#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <sstream>

namespace host {

namespace {

namespace fs = std::filesystem;

// Row codes of the layout.
enum Row { NDB = 2, VOR = 3, LOC_ILS = 4, LOC = 5, GLIDE_SLOPE = 6, OUTER = 7, MIDDLE = 8, INNER = 9,
           DME_VOR = 12, DME = 13, END = 99 };
constexpr int FIRST_VERSION = 810;
// From this version on, localizers and markers carry the ICAO region between the airport and the runway.
constexpr int REGION_VERSION = 1100;
// A DME answers for the VOR or localizer of its identifier and channel when it stands this close.
constexpr double DME_PAIRING_M = 2.0 * geo::METRES_PER_NM;

[[noreturn]] void refuse(const fs::path& name, std::size_t line, const std::string& problem)
{
    throw NavaidFileError(name.string() + ":" + std::to_string(line) + ": " + problem);
}

std::optional<double> number_of(const std::string& text)
{
    const char* begin = text.c_str();
    char* end = nullptr;
    const double v = std::strtod(begin, &end);
    if (end == begin || *end != '\0' || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<long> integer_of(const std::string& text)
{
    const char* begin = text.c_str();
    char* end = nullptr;
    const long v = std::strtol(begin, &end, 10);
    if (end == begin || *end != '\0') return std::nullopt;
    return v;
}

// The nav.dat range column is the service volume the station is protected for.
VorClass class_of_range(double range_nm)
{
    return range_nm <= 25.0 ? VorClass::Terminal : range_nm <= 40.0 ? VorClass::Low : VorClass::High;
}

// The whole world's navaids, approach rows included, are a few MiB of text: anything far beyond is not a
// navaid file, and a device without end (/dev/zero) must not be read for ever.
constexpr std::size_t NAVAID_FILE_LIMIT = 64u << 20;

std::string read_all(const fs::path& file)
{
    // A missing file and a folder are named as every other input file of the host names them.
    std::error_code ec;
    const fs::file_type type = fs::status(file, ec).type();
    if (type == fs::file_type::not_found) throw NavaidFileError(file.string() + ": no such navaid file");
    if (type == fs::file_type::directory) throw NavaidFileError(file.string() + ": is a folder, not a navaid file");
    // zlib reads a plain file as it is and a gzip file uncompressed.
    gzFile in = gzopen(file.string().c_str(), "rb");
    if (!in) throw NavaidFileError(file.string() + ": cannot read the navaid file");
    std::string text;
    char buffer[1 << 16];
    int got = 0;
    while (text.size() <= NAVAID_FILE_LIMIT && (got = gzread(in, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(got));
    const bool failed = got < 0;
    gzclose(in);
    if (failed) throw NavaidFileError(file.string() + ": not a readable gzip file");
    if (text.size() > NAVAID_FILE_LIMIT)
        throw NavaidFileError(file.string() + ": larger than " + std::to_string(NAVAID_FILE_LIMIT >> 20) +
                              " MiB: not a navaid file");
    return text;
}

std::shared_ptr<const NavaidFile>& program_navaid_file()
{
    static std::shared_ptr<const NavaidFile> file;
    return file;
}

} // namespace

NavaidFile NavaidFile::read(const fs::path& file)
{
    return parse(read_all(file), file);
}

NavaidFile NavaidFile::parse(const std::string& text, const fs::path& name)
{
    NavaidFile f;
    f.name_ = name;
    struct Dme { std::string ident; Khz frequency; geo::LatLon position; };
    std::vector<Dme> dmes;
    std::istringstream in(text);
    std::string line;
    std::size_t n = 0;
    bool ended = false;
    while (std::getline(in, line)) {
        ++n;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream columns(line);
        std::vector<std::string> c;
        for (std::string word; columns >> word;) c.push_back(word);
        if (n == 1) {
            if (c.size() != 1 || (c[0] != "I" && c[0] != "A"))
                refuse(name, n, "not a navaid file: its first line is I or A");
            continue;
        }
        if (n == 2) {
            const auto version = c.empty() ? std::nullopt : integer_of(c[0]);
            if (!version) refuse(name, n, "not a navaid file: its second line begins with the version number");
            if (*version < FIRST_VERSION)
                refuse(name, n, "version " + std::to_string(*version) + ": only version 810 and later are read");
            f.version_ = static_cast<int>(*version);
            continue;
        }
        if (c.empty() || ended) continue;
        const auto code = integer_of(c[0]);
        if (!code) refuse(name, n, "'" + c[0] + "' is not a row code");
        if (*code == END) {
            ended = true;
            continue;
        }
        // The later versions' approach records (final approach path points, GLS, threshold points).
        if (*code >= 14 && *code <= 16) continue;
        if (*code != NDB && *code != VOR && *code != LOC_ILS && *code != LOC && *code != GLIDE_SLOPE && *code != OUTER &&
            *code != MIDDLE && *code != INNER && *code != DME_VOR && *code != DME)
            refuse(name, n, "unknown row code " + c[0]);
        const bool runway_row = *code == LOC_ILS || *code == LOC || *code == GLIDE_SLOPE || *code == OUTER ||
                                *code == MIDDLE || *code == INNER;
        const std::size_t needed = runway_row ? (f.version_ >= REGION_VERSION ? 11 : 10) : 9;
        if (c.size() < needed)
            refuse(name, n, "row code " + c[0] + " has " + std::to_string(needed) + " columns or more, this line " +
                                std::to_string(c.size()));
        const auto lat = number_of(c[1]), lon = number_of(c[2]), elevation = number_of(c[3]);
        const auto frequency = integer_of(c[4]);
        const auto range = number_of(c[5]), third = number_of(c[6]);
        if (!lat || *lat < -90 || *lat > 90) refuse(name, n, "latitude '" + c[1] + "' is not between -90 and 90");
        if (!lon || *lon < -180 || *lon > 180) refuse(name, n, "longitude '" + c[2] + "' is not between -180 and 180");
        if (!elevation || *elevation < -1500 || *elevation > 30000)
            refuse(name, n, "elevation '" + c[3] + "' is not between -1500 and 30000 ft");
        if (!frequency || *frequency < 0) refuse(name, n, "frequency '" + c[4] + "' is not a whole number");
        if (!range || *range < 0 || *range > 1000) refuse(name, n, "range '" + c[5] + "' is not between 0 and 1000 nm");
        if (!third) refuse(name, n, "'" + c[6] + "' is not a number");
        if (*code == NDB || *code == GLIDE_SLOPE) continue;

        Entry e;
        Navaid& v = e.navaid;
        v.ident = c[7];
        v.position = {*lat, *lon};
        v.elevation_ft = *elevation;
        const Khz khz = static_cast<Khz>(*frequency * 10);   // the column holds MHz x 100
        if (*code == DME_VOR || *code == DME) {
            dmes.push_back({c[7], khz, v.position});
            continue;
        }
        if (runway_row) e.runway = c[8] + " " + c[f.version_ >= REGION_VERSION ? 10 : 9];
        if (*code == VOR) {
            if (khz < 108000 || khz > 117950) refuse(name, n, "VOR frequency " + c[4] + " is not on the NAV band (10800 to 11795)");
            v.kind = NavaidKind::Vor;
            v.frequency = khz;
            v.declination_deg = *third;
            v.vor_class = class_of_range(*range);
        } else if (*code == LOC_ILS || *code == LOC) {
            if (khz < 108100 || khz > 111950)
                refuse(name, n, "localizer frequency " + c[4] + " is not on the localizer band (10810 to 11195)");
            v.kind = NavaidKind::Localizer;
            v.frequency = khz;
            // The course is the part of the column below 360 (files also write other figures in front of it).
            v.course_deg = geo::wrap360(std::fmod(*third, 360.0));
        } else {
            v.kind = NavaidKind::Marker;
            v.marker = *code == OUTER ? 1 : *code == MIDDLE ? 2 : 3;
            v.ident = std::string(*code == OUTER ? "OM" : *code == MIDDLE ? "MM" : "IM") + " " + e.runway;
        }
        f.entries_.push_back(std::move(e));
    }
    if (n < 2) refuse(name, n, "not a navaid file: no version line");
    for (Entry& e : f.entries_)
        for (const Dme& d : dmes)
            if (e.navaid.kind != NavaidKind::Marker && d.ident == e.navaid.ident && d.frequency == e.navaid.frequency &&
                geo::distance_m(d.position, e.navaid.position) <= DME_PAIRING_M)
                e.navaid.dme = true;
    return f;
}

std::optional<Navaid> NavaidFile::find(const std::string& ident, std::optional<NavaidKind> kind, geo::LatLon near) const
{
    const Navaid* best = nullptr;
    double nearest = SEARCH_RADIUS_NM * geo::METRES_PER_NM;
    for (const Entry& e : entries_) {
        const Navaid& v = e.navaid;
        if (v.kind == NavaidKind::Marker || v.ident != ident || (kind && v.kind != *kind)) continue;
        const double d = geo::distance_m(v.position, near);
        if (d <= nearest) {
            nearest = d;
            best = &v;
        }
    }
    if (!best) return std::nullopt;
    return *best;
}

std::vector<Navaid> NavaidFile::markers_of(const Navaid& localizer) const
{
    std::string runway;
    for (const Entry& e : entries_)
        if (e.navaid.kind == NavaidKind::Localizer && e.navaid.ident == localizer.ident &&
            e.navaid.position.lat == localizer.position.lat && e.navaid.position.lon == localizer.position.lon)
            runway = e.runway;
    std::vector<Navaid> markers;
    if (runway.empty()) return markers;
    for (const Entry& e : entries_)
        if (e.navaid.kind == NavaidKind::Marker && e.runway == runway) markers.push_back(e.navaid);
    return markers;
}

void set_default_navaid_file(std::shared_ptr<const NavaidFile> file)
{
    program_navaid_file() = std::move(file);
}

const NavaidFile* default_navaid_file()
{
    return program_navaid_file().get();
}

} // namespace host
