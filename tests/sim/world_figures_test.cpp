// The simulated world against figures from outside the host: distances and bearings between the default
// flight's navaids and the radials at chosen points (computed independently with the n-vector method on the
// same sphere), the published magnetic figures, radio horizons, service volumes, the localizer's width, the
// marker beacons' coverage and the altitudes at which waypoints are crossed.
#include "fly.h"
#include "flight_text.h"
#include "panel.h"
#include "radio_range.h"
#include "receivers.h"
#include "simulation.h"
#include "tokens.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

using namespace host;

namespace {

const Flight& default_flight()
{
    static const Flight f = read_flight(SOURCE_DIR "/flights/default.toml");
    return f;
}

const Navaid& navaid(const std::string& ident)
{
    for (const Navaid& n : default_flight().navaids)
        if (n.ident == ident) return n;
    throw std::runtime_error("no navaid " + ident);
}

AircraftState over(geo::LatLon p, double altitude_ft = 4500)
{
    AircraftState a;
    a.position = p;
    a.altitude_ft = altitude_ft;
    return a;
}

double nm(double metres) { return metres / geo::METRES_PER_NM; }

void run(Simulation& sim, double seconds)
{
    for (int i = 0; i < std::lround(seconds * TICKS_PER_SECOND); ++i) sim.tick();
}

} // namespace

TEST(WorldFigures, DistancesBearingsAndRadialsBetweenTheNavaids)
{
    struct Case { const char* from, *to; double nm, true_bearing, radial; };
    // radial: the radial of `from` on which `to` lies, magnetic in the 17 E all three VORs are aligned with.
    const Case cases[] = {
        {"SFO", "OSI", 14.3222, 161.9647, 144.9647},
        {"OSI", "SFO", 14.3222, 342.0214, 325.0214},
        {"OSI", "SJC", 16.1008, 93.6821, 76.6821},
        {"SFO", "SJC", 25.1911, 125.5222, 108.5222},
        {"SJC", "SFO", 25.1911, 305.7839, 288.7839},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " to " + c.to);
        const Navaid& from = navaid(c.from);
        const Navaid& to = navaid(c.to);
        EXPECT_NEAR(nm(geo::distance_m(from.position, to.position)), c.nm, 0.0001);
        EXPECT_NEAR(geo::bearing_deg(from.position, to.position), c.true_bearing, 0.0001);
        const NavSignal s = receive_nav(default_flight().navaids, from.frequency, 0, over(to.position));
        ASSERT_EQ(s.station, &from);
        EXPECT_NEAR(s.radial_deg, c.radial, 0.0001);
    }
    // The localizer's antenna stands 3,915 m beyond the threshold on the runway's course; the approach's
    // magnetic course, in the flight's 13.5 E, is the charted 284.
    const Navaid& loc = navaid("IGWQ");
    const geo::LatLon threshold = default_flight().route.back().position;
    EXPECT_NEAR(geo::distance_m(threshold, loc.position), 3914.93, 0.01);
    EXPECT_NEAR(geo::bearing_deg(threshold, loc.position), 297.904, 0.001);
    EXPECT_EQ(std::lround(geo::magnetic(loc.course_deg, default_flight().variation_deg)), 284);
    EXPECT_EQ(loc.frequency, 111700);
    EXPECT_TRUE(loc.dme);
}

// What the gauges get: headings, tracks, bearings and the wind magnetic in the flight's variation, radials
// in the station's declination; the summary says which is which.
TEST(WorldFigures, TheGaugesGetMagneticDirections)
{
    Panel panel;
    Simulation& sim = panel.sim();
    sim.load_flight(default_flight());
    sim.jump_along_route(10 * geo::METRES_PER_NM);   // 10 nm down the leg from SFO to OSI, in the first wind
    run(sim, 1);
    const AircraftState& a = sim.aircraft()->state();
    const double variation = 13.5;
    EXPECT_NEAR(sim.number(token::HEADING), a.heading_deg - variation, 1e-5);
    EXPECT_NEAR(sim.number(token::WIND_DIRECTION), 290 - variation, 1e-5);
    EXPECT_NEAR(geo::degrees(sim.number(token::GPS_DESIRED_TRACK)), sim.aircraft()->gps().desired_track_deg - variation, 1e-5);
    EXPECT_NEAR(geo::degrees(sim.number(token::GPS_BEARING)), 161.96 - variation, 0.1) << "OSI, about 148 magnetic";
    EXPECT_NEAR(sim.number(token::NAV2_RADIAL) / 180, 144.96, 0.05) << "SFO's 145 radial, in its 17 E";
    // The NAV bearing to the station, the heading plus the receiver's term, is magnetic too.
    EXPECT_NEAR(sim.number(token::HEADING) + sim.number(token::NAV2_BEARING_TERM), 341.96 - variation, 0.05);
    EXPECT_NEAR(sim.number(token::GPS_CROSS_TRACK), 0.0, 1.0);

    std::ostringstream summary;
    print_summary(panel, FlyResult{18, 1.0}, summary);
    EXPECT_NE(summary.str().find("directions magnetic, variation 13.5 E; true in brackets"), std::string::npos) << summary.str();
    EXPECT_NE(summary.str().find("SFO radial 144 (17 E declination), FROM"), std::string::npos) << summary.str();
}

TEST(WorldFigures, RadioHorizonAndServiceVolumes)
{
    struct Horizon { double aircraft_ft, antenna_ft, nm; };
    for (const Horizon& h : {Horizon{1000, 20, 44.397}, Horizon{4500, 2290, 141.371}, Horizon{2276, 2290, 117.541},
                             Horizon{10000, 33, 130.066}, Horizon{0, 20, 5.501}})
        EXPECT_NEAR(radio_horizon_nm(h.aircraft_ft, h.antenna_ft), h.nm, 0.001) << h.aircraft_ft << " ft";

    struct Volume { VorClass vor_class; double height_ft, nm; };
    const Volume volumes[] = {
        {VorClass::Terminal, 500, 25},  {VorClass::Terminal, 12000, 25}, {VorClass::Terminal, 12500, 0},
        {VorClass::Low, 5000, 40},      {VorClass::Low, 18000, 40},      {VorClass::Low, 18500, 0},
        {VorClass::High, 5000, 40},     {VorClass::High, 14500, 40},     {VorClass::High, 16000, 100},
        {VorClass::High, 18000, 130},   {VorClass::High, 45000, 130},    {VorClass::High, 50000, 100},
        {VorClass::High, 61000, 0},
    };
    for (const Volume& v : volumes)
        EXPECT_EQ(vor_service_range_nm(v.vor_class, v.height_ft), v.nm) << static_cast<int>(v.vor_class) << " at " << v.height_ft;

    // OSI on its ridge: at 2,276 ft it is no longer lost 10 nm out; its class keeps it to 40 nm, an explicit
    // range lets the horizon decide.
    Navaid osi = navaid("OSI");
    const auto heard = [&](double nm_out, double altitude_ft) {
        return receive_nav({osi}, osi.frequency, 0, over(geo::destination(osi.position, 45, nm_out * geo::METRES_PER_NM), altitude_ft)).station != nullptr;
    };
    EXPECT_TRUE(heard(30, 2276));
    EXPECT_TRUE(heard(39.9, 4500));
    EXPECT_FALSE(heard(40.1, 4500));
    osi.range_nm = 300;
    EXPECT_TRUE(heard(141, 4500));
    EXPECT_FALSE(heard(141.6, 4500));
}

// Tailored to 700 ft at the threshold: full scale 350 ft either side there, 2,006 ft 10 nm out.
TEST(WorldFigures, LocalizerWidthAndServiceVolume)
{
    const Navaid& loc = navaid("IGWQ");
    EXPECT_NEAR(loc.course_width_deg, 3.1218, 0.0001);
    for (double m : {1500.0, 10000.0}) EXPECT_EQ(tailored_course_width_deg(m), m < 2000 ? 6.0 : 3.0) << "within 3 to 6 degrees";

    const geo::LatLon threshold = default_flight().route.back().position;
    const double inbound = geo::bearing_deg(threshold, loc.position);   // the centreline, seen from the threshold
    struct Case { double from_threshold_nm, right_ft, deviation; };
    const Case cases[] = {
        {0, 350, -127}, {0, 175, -63.5}, {0, -175, 63.5}, {0, 0, 0},
        {10, 2005.7, -127}, {10, 1002.9, -63.5}, {10, -1002.9, 63.5},
    };
    for (const Case& c : cases) {
        // Right of the centreline as the pilot flies it inbound: the needle points left, negative.
        const geo::LatLon abeam = geo::destination(threshold, inbound + 180, c.from_threshold_nm * geo::METRES_PER_NM);
        const geo::LatLon p = geo::destination(abeam, inbound + 90, c.right_ft * geo::METRES_PER_FOOT);
        const NavSignal s = receive_nav({loc}, loc.frequency, 0, over(p, 2000));
        ASSERT_NE(s.station, nullptr);
        EXPECT_NEAR(s.deviation, c.deviation, 0.2) << c.from_threshold_nm << " nm out, " << c.right_ft << " ft right";
    }
    // 18 nm within 10 degrees of the course, 10 nm out to 35.
    struct Sector { double off_deg, nm; bool heard; };
    for (const Sector& s : {Sector{5, 17.5, true}, Sector{5, 18.5, false}, Sector{20, 9.5, true}, Sector{20, 10.5, false},
                            Sector{34, 9, true}, Sector{36, 5, false}}) {
        const geo::LatLon p = geo::destination(loc.position, inbound + 180 + s.off_deg, s.nm * geo::METRES_PER_NM);
        EXPECT_EQ(receive_nav({loc}, loc.frequency, 0, over(p, 4000)).station != nullptr, s.heard) << s.off_deg << " degrees, " << s.nm << " nm";
    }
}

// Passing right over each beacon at 90 kt: at 1,500 ft only the outer marker is heard, for 692 m; at the
// glide path's height over each, the standard's 600, 300 and 150 m.
TEST(WorldFigures, MarkerPassages)
{
    using namespace test_flight;
    const char* types[] = {"", "outer_marker", "middle_marker", "inner_marker"};
    struct Case { int beacon; double altitude_ft, seconds; };
    const Case cases[] = {
        {1, 1500, 14.95}, {2, 1500, 0}, {3, 1500, 0},
        {1, 1300, 12.96}, {2, 230, 6.48}, {3, 100, 3.24},
    };
    for (const Case& c : cases) {
        const geo::LatLon a{45.0, 10.0}, b = geo::destination(a, 90, 4 * geo::METRES_PER_NM);
        const geo::LatLon beacon = geo::destination(a, 90, 2 * geo::METRES_PER_NM);
        Simulation sim;
        // Slowed from the flight's 120 kt to 90 kt on the first tick, 2 nm before the beacon.
        sim.load_flight(parse(text(waypoint("A", a.lat, a.lon, c.altitude_ft) + waypoint("B", b.lat, b.lon, c.altitude_ft),
                                   std::string("[[navaid]]\nident = \"M\"\ntype = \"") + types[c.beacon] +
                                       "\"\nlat = " + std::to_string(beacon.lat) + "\nlon = " + std::to_string(beacon.lon) +
                                       "\nelevation_ft = 0\n[[event]]\nat = 0\ntrue_airspeed_kt = 90\n")));
        int ticks = 0;
        while (sim.aircraft()->has_to_waypoint()) {
            sim.tick();
            ticks += sim.number(token::MARKER) == c.beacon;
        }
        EXPECT_NEAR(static_cast<double>(ticks) / TICKS_PER_SECOND, c.seconds, 0.1) << types[c.beacon] << " at " << c.altitude_ft << " ft";
    }
    EXPECT_NEAR(marker_passage_m(1, 1500), 692.3, 0.1);
    EXPECT_NEAR(marker_passage_m(1, 1500, true), 1384.6, 0.1) << "a sensitive receiver, twice as far out";
}

// Waypoints are crossed at their altitudes where the turn onto the next leg begins, not 200 ft high.
TEST(WorldFigures, WaypointsCrossedAtTheirAltitudes)
{
    Simulation sim;
    sim.load_flight(default_flight());
    const std::vector<Waypoint>& route = sim.aircraft()->route();
    std::size_t to = 1;
    while (sim.aircraft()->has_to_waypoint() && sim.ticks() < 2 * 3600 * TICKS_PER_SECOND) {
        sim.tick();
        if (sim.aircraft()->to_index() == to) continue;
        EXPECT_NEAR(sim.aircraft()->state().altitude_ft, route[to].altitude_ft, 3) << route[to].ident;
        to = sim.aircraft()->to_index();
    }
    EXPECT_EQ(to, route.size()) << "the whole route flown";

    // A descent into a right-angle turn: the turn starts 0.4 nm early and the altitude is made by then.
    using namespace test_flight;
    const geo::LatLon a{45.0, 10.0}, b = geo::destination(a, 90, 10 * geo::METRES_PER_NM);
    const geo::LatLon c = geo::destination(b, 0, 10 * geo::METRES_PER_NM);
    Simulation turn;
    turn.load_flight(parse(text(waypoint("A", a.lat, a.lon, 4000) + waypoint("B", b.lat, b.lon, 2000) +
                                waypoint("C", c.lat, c.lon, 2000))));
    while (turn.aircraft()->to_index() < 2) turn.tick();
    EXPECT_NEAR(turn.aircraft()->state().altitude_ft, 2000, 3);
    EXPECT_GT(turn.aircraft()->gps().distance_m, 0.3 * geo::METRES_PER_NM) << "B's turn began before B";
}

// The pilot who holds the heading while a crosswind blows drifts off the leg at the crosswind's speed, then
// flies back onto it; the airspeed changes when the flight says.
TEST(WorldFigures, HeldHeadingDriftsAndAirspeedChanges)
{
    using namespace test_flight;
    const geo::LatLon a{45.0, 10.0}, b = geo::destination(a, 0, 30 * geo::METRES_PER_NM);
    Simulation sim;
    sim.load_flight(parse(text(waypoint("A", a.lat, a.lon, 3000) + waypoint("B", b.lat, b.lon, 3000),
                               "[[event]]\nat = \"1m\"\nwind = { from_deg = 270, speed_kt = 30 }\n"
                               "[[event]]\nat = \"1m\"\nhold_heading = \"2m\"\n"
                               "[[event]]\nat = \"5m\"\ntrue_airspeed_kt = 90\n")));
    run(sim, 3 * 60 - 1);
    // Two minutes of a 30 kt crosswind from the left: a mile to the right; the desired track lies left.
    EXPECT_NEAR(nm(sim.number(token::GPS_CROSS_TRACK)), -1.0, 0.02);
    EXPECT_NEAR(sim.number(token::HEADING), 0.0, 1e-6) << "still the heading of the calm";
    run(sim, 91);
    EXPECT_LT(std::fabs(nm(sim.number(token::GPS_CROSS_TRACK))), 0.05) << "back on the leg";
    EXPECT_EQ(sim.number(token::AIRSPEED), 120);
    run(sim, 31);
    EXPECT_EQ(sim.number(token::AIRSPEED), 90);
}

TEST(WorldFigures, WorldKeysOfTheFlightFileAreChecked)
{
    using namespace test_flight;
    const std::string route = waypoint("A", 45, 10, 3000) + waypoint("B", 45.1, 10.2, 4000);
    const std::string vor = "[[navaid]]\nident = \"V\"\ntype = \"vor\"\nfreq_mhz = 113.9\nlat = 45\nlon = 10\n";
    const std::string loc = "[[navaid]]\nident = \"L\"\ntype = \"localizer\"\nfreq_mhz = 110.3\nlat = 45\nlon = 10\ncourse_deg = 90\n";
    struct Case { std::string text, expected; };
    const Case cases[] = {
        {text(route, "", "climb_fpm = 600\ndescent_fpm = 600\nvariation_deg = 200\n"), "test.toml:7: flight.variation_deg: must lie between -180 and 180"},
        {text(route, vor + "declination_deg = \"17E\"\n"), "test.toml:25: navaid[1].declination_deg: must be a number"},
        {text(route, vor + "class = \"medium\"\n"), "test.toml:25: navaid[1].class: must be \"terminal\", \"low\" or \"high\""},
        {text(route, vor + "range_nm = 0.5\n"), "test.toml:25: navaid[1].range_nm: must lie between 1 and 300"},
        {text(route, loc + "class = \"low\"\n"), "test.toml:26: navaid[1].class: unknown key"},
        {text(route, loc + "course_width_deg = 8\n"), "test.toml:26: navaid[1].course_width_deg: must lie between 3 and 6"},
        {text(route, loc + "threshold_lat = 45.03\n"), "navaid[1].threshold_lat: needs threshold_lat and threshold_lon together"},
        {text(route, loc + "threshold_lat = 45.5\nthreshold_lon = 10\n"), "test.toml:26: navaid[1].threshold_lat: the threshold must lie 300 m to 8 km"},
        {text(route, loc + "course_width_deg = 4\nthreshold_lat = 45\nthreshold_lon = 10.04\n"), "navaid[1].course_width_deg: give the width or the threshold, not both"},
        {text(route, "[[event]]\nat = \"1m\"\ntrue_airspeed_kt = 20\n"), "test.toml:21: event[1].true_airspeed_kt: must lie between 40 and 600"},
        {text(route, "[[event]]\nat = \"1m\"\nhold_heading = \"2h\"\n"), "test.toml:21: event[1].hold_heading: must lie between 0s and 1h"},
        {text(route, "[[event]]\nat = \"1m\"\nhold_heading = \"long\"\n"), "test.toml:21: event[1].hold_heading: must be a duration"},
    };
    for (const Case& c : cases) {
        std::string got;
        try {
            parse(c.text);
        } catch (const FlightFileError& e) {
            got = e.what();
        }
        EXPECT_NE(got.find(c.expected), std::string::npos) << "expected: " << c.expected << "\n     got: " << got;
    }
    const Flight f = parse(text(route, vor + "declination_deg = -3\nclass = \"high\"\n" + loc + "threshold_lat = 45\nthreshold_lon = 10.04\n",
                                "climb_fpm = 600\ndescent_fpm = 600\nvariation_deg = 2.5\n"));
    EXPECT_EQ(f.variation_deg, 2.5);
    EXPECT_EQ(f.navaids[0].declination_deg, -3);
    EXPECT_EQ(f.navaids[0].vor_class, VorClass::High);
    EXPECT_EQ(f.navaids[1].declination_deg, 2.5) << "the flight's variation unless the station has its own";
    EXPECT_NEAR(f.navaids[1].course_width_deg, tailored_course_width_deg(geo::distance_m({45, 10}, {45, 10.04})), 1e-9);
}
