#include "fly.h"

#include "audio_model.h"
#include "duration.h"
#include "panel.h"
#include "tokens.h"
#include "trace.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ostream>
#include <string>

namespace host {

namespace {

using Clock = std::chrono::steady_clock;

std::string format(const char* f, double a, double b = 0, double c = 0)
{
    char text[128];
    std::snprintf(text, sizeof text, f, a, b, c);
    return text;
}

std::string mhz(Khz khz)
{
    return format(khz % 10 ? "%.3f" : "%.2f", khz / 1000.0);
}

std::string to_waypoint(const Simulation& sim)
{
    const Aircraft* a = sim.aircraft();
    if (!a) return "no flight";
    if (!a->has_to_waypoint()) return "no TO waypoint (end of route)";
    const GpsSolution g = a->gps();
    return "TO " + a->route()[a->to_index()].ident + format(" %.1f nm", g.distance_m / geo::METRES_PER_NM);
}

std::string latlon(geo::LatLon p)
{
    const double lat = std::fabs(p.lat), lon = std::fabs(p.lon);
    char text[64];
    std::snprintf(text, sizeof text, "%c%02d°%04.1f' %c%03d°%04.1f'", p.lat < 0 ? 'S' : 'N', static_cast<int>(lat),
                  (lat - std::floor(lat)) * 60.0, p.lon < 0 ? 'W' : 'E', static_cast<int>(lon), (lon - std::floor(lon)) * 60.0);
    return text;
}

// "13.5 E", "3 W": a magnetic variation as charts give it.
std::string variation_text(double east_deg)
{
    return format("%g", std::fabs(east_deg)) + (east_deg < 0 ? " W" : " E");
}

std::string nav_line(const Simulation& sim, int n)
{
    const NavTuning& t = sim.nav(n);
    const NavSignal& s = sim.nav_signal(n);
    std::string line = "NAV" + std::to_string(n) + " " + mhz(t.active) + format(" course %03.0f: ", t.course_deg);
    if (!s.station) return line + "nothing received";
    line += s.station->ident + format(" radial %03.0f", std::floor(s.radial_deg)) +
            (s.station->kind == NavaidKind::Vor ? " (" + variation_text(s.station->declination_deg) + " declination), " : ", ") +
            (s.to_from == 1 ? "TO" : "FROM") +
            format(", deviation %+.0f", s.deviation);
    if (s.dme) line += format(", DME %.1f nm at %.0f kt", s.dme_nm, s.dme_speed_kt);
    return line;
}

// "NAV1 NAV2 DME1 ADF MKR (outer beacon heard)": the receivers selected, or "none selected".
std::string audio_line(const AudioSelections& a)
{
    std::string line;
    const auto add = [&](bool on, const std::string& name) { if (on) line += (line.empty() ? "" : " ") + name; };
    add(a.nav1, "NAV1");
    add(a.nav2, "NAV2");
    add(a.dme, "DME" + std::to_string(a.dme_select));
    add(a.adf, "ADF");
    add(a.marker, "MKR");
    if (line.empty()) line = "none selected";
    if (a.marker_tone) line += std::string(" (") + marker_name(a.marker_tone) + " beacon heard)";
    return line;
}

} // namespace

FlyResult fly(Panel& panel, double seconds, Trace* trace, std::ostream* progress)
{
    const uint64_t frames = static_cast<uint64_t>(std::llround(seconds * TICKS_PER_SECOND));
    const auto start = Clock::now();
    auto shown = start;
    for (uint64_t i = 1; i <= frames; ++i) {
        panel.frame();
        if (trace) trace->record(panel);
        if (progress && (i % 512 == 0 || i == frames)) {
            const auto now = Clock::now();
            if (now - shown < std::chrono::milliseconds(100) && i != frames) continue;
            shown = now;
            const Simulation& sim = panel.sim();
            const Aircraft* a = sim.aircraft();
            *progress << "\r  " << format_duration(static_cast<double>(i) / TICKS_PER_SECOND) << " of "
                      << format_duration(seconds) << "  " << to_waypoint(sim);
            if (a) *progress << format("  %.0f ft  GS %.0f kt", a->state().altitude_ft, a->state().ground_speed_kt);
            *progress << "\x1b[K" << std::flush;
        }
    }
    if (progress) *progress << "\n";
    return {frames, std::chrono::duration<double>(Clock::now() - start).count()};
}

void print_summary(const Panel& panel, const FlyResult& result, std::ostream& out)
{
    const Simulation& sim = panel.sim();
    const SimClock& clock = sim.clock();
    out << "Flew " << format_duration(static_cast<double>(result.frames) / TICKS_PER_SECOND) << " of simulated time: "
        << result.frames << " frames in " << format("%.2f s", result.wall_seconds) << " of wall time ("
        << format("%.0f", result.wall_seconds > 0 ? result.frames / result.wall_seconds : 0.0) << " frames a second)\n";
    if (const Flight* f = sim.flight()) out << "Flight: " << f->name << "\n";
    out << format("  UTC %02.0f:%02.0f:%02.0f", clock.utc_hour(), clock.utc_minute(), clock.utc_second())
        << format(", simulation time %.0f s", clock.simulation_seconds())
        << ", avionics power " << (sim.number(token::BUS_POWER) == 1.0 ? "on" : "off") << "\n";
    if (const Aircraft* a = sim.aircraft()) {
        const AircraftState& s = a->state();
        out << "  " << latlon(s.position) << format("  altitude %.0f ft (altimeter shows %.0f ft at ", s.altitude_ft,
                                                    sim.number(token::INDICATED_ALTITUDE))
            << format("%.0f hPa)\n", sim.number(token::ALTIMETER_SETTING));
        // The gauges get directions magnetic; the true ones beside them for the map.
        const double variation = sim.flight()->variation_deg;
        const auto mag = [&](double true_deg) { return geo::wrap360(std::round(geo::magnetic(true_deg, variation))); };
        const auto tru = [](double true_deg) { return geo::wrap360(std::round(true_deg)); };
        out << "  directions magnetic, variation " << variation_text(variation) << "; true in brackets\n";
        out << format("  heading %03.0f (%03.0f), ", mag(s.heading_deg), tru(s.heading_deg))
            << format("track %03.0f (%03.0f), ", mag(s.track_deg), tru(s.track_deg))
            << format("true airspeed %.0f kt, ground speed %.0f kt, ", s.true_airspeed_kt, s.ground_speed_kt)
            << format("vertical speed %.0f ft/min\n", s.vertical_speed_fpm);
        out << "  GPS: " << to_waypoint(sim);
        const GpsSolution g = a->gps();
        if (g.has_to_waypoint)
            out << format(", bearing %03.0f (%03.0f), ", mag(g.bearing_deg), tru(g.bearing_deg))
                << format("desired track %03.0f (%03.0f), ", mag(g.desired_track_deg), tru(g.desired_track_deg))
                << format("cross-track %.2f nm", geo::rounded(g.cross_track_m / geo::METRES_PER_NM, 0.01));
        out << " (flags " << sim.integer(token::GPS_FLAGS) << ")\n";
        out << "  " << nav_line(sim, 1) << "\n  " << nav_line(sim, 2) << "\n";
        out << "  marker beacon: " << marker_name(audio_selections(sim).marker_beacon) << "\n";
    }
    out << "  COM1 " << mhz(sim.com(1).active) << " standby " << mhz(sim.com(1).standby) << ", COM2 "
        << mhz(sim.com(2).active) << " standby " << mhz(sim.com(2).standby) << ", transmitting on "
        << (sim.transmitting_com() ? "COM" + std::to_string(sim.transmitting_com()) : std::string("none"))
        << (sim.monitored_com() ? ", monitoring COM" + std::to_string(sim.monitored_com()) : std::string()) << "\n";
    out << "  audio: " << audio_line(audio_selections(sim)) << "\n";
    char squawk[8];
    std::snprintf(squawk, sizeof squawk, "%04X", static_cast<unsigned>(sim.integer(token::SQUAWK)));
    out << "  squawk " << squawk << "\n";
    out << "  navigation source " << sim.navigation_source() << "\n";
    for (const auto& g : panel.gauges()) out << g->describe();
}

} // namespace host
