// What the NAV receivers, the DME and the marker receiver make of the aircraft's position.
#include "flight_text.h"
#include "radio_range.h"
#include "receivers.h"
#include "simulation.h"
#include "tokens.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace host;

namespace {

const geo::LatLon station{45.0, 10.0};

Navaid vor()
{
    Navaid n;
    n.ident = "VOR";
    n.kind = NavaidKind::Vor;
    n.frequency = 113900;
    n.position = station;
    n.dme = true;
    n.range_nm = 130;
    return n;
}

Navaid localizer()
{
    Navaid n = vor();
    n.ident = "LOC";
    n.kind = NavaidKind::Localizer;
    n.frequency = 109550;
    n.course_deg = 270;   // the approach runs west: the aircraft comes in from the east
    n.range_nm = 18;
    return n;
}

AircraftState at(double radial, double nm, double altitude_ft = 5000)
{
    AircraftState a;
    a.position = geo::destination(station, radial, nm * geo::METRES_PER_NM);
    a.altitude_ft = altitude_ft;
    return a;
}

} // namespace

// Deviation is positive when the course lies to the right of the aircraft flying it.
TEST(Receivers, VorRadialToFromAndDeviation)
{
    const std::vector<Navaid> navaids{vor()};
    struct Case { double radial, nm, course; int to_from; double deviation; };
    const Case cases[] = {
        {270, 10, 90, 1, 0},          // west of the station, course east: TO, centred
        {90, 10, 90, 2, 0},           // east of it: FROM, centred
        {275, 10, 90, 1, 63.5},       // north of the inbound course: it lies to the right
        {265, 10, 90, 1, -63.5},
        {85, 10, 90, 2, 63.5},        // north of the outbound course: it lies to the right too
        {95, 10, 90, 2, -63.5},
        {250, 10, 90, 1, -127},       // twenty degrees off: full scale
        {180, 10, 90, 2, -127},       // abeam, just on the FROM side
        {10, 40, 350, 2, -127},       // radials wrap through north
        {350, 40, 10, 2, 127},
    };
    for (const Case& c : cases) {
        const NavSignal s = receive_nav(navaids, 113900, c.course, at(c.radial, c.nm));
        ASSERT_NE(s.station, nullptr) << c.radial;
        EXPECT_NEAR(s.radial_deg, c.radial, 0.01) << c.radial;
        EXPECT_NEAR(geo::wrap180(s.bearing_to_deg - (c.radial + 180)), 0.0, 0.2) << c.radial;
        EXPECT_EQ(s.to_from, c.to_from) << c.radial << " course " << c.course;
        EXPECT_NEAR(s.deviation, c.deviation, 0.1) << c.radial << " course " << c.course;
    }
    EXPECT_EQ(receive_nav(navaids, 113950, 90, at(270, 10)).station, nullptr) << "another channel";
}

TEST(Receivers, LocalizerFollowsItsOwnCourse)
{
    const std::vector<Navaid> navaids{localizer()};
    struct Case { double radial, nm; bool heard; double deviation; };
    const Case cases[] = {
        {90, 8, true, 0},
        {91, 8, true, 50.8},          // south of an approach flown west: the centreline is to the right
        {88, 8, true, -101.6},
        {84, 8, true, -127},
        {120, 8, true, 127},          // 30 degrees off: still inside the sector, full scale
        {130, 8, false, 0},           // outside the sector
        {270, 3, false, 0},           // behind the antenna
        {90, 25, false, 0},           // beyond its range
    };
    for (const Case& c : cases) {
        // The selected course is whatever it is: a localizer has its own.
        const NavSignal s = receive_nav(navaids, 109550, 123, at(c.radial, c.nm, 2500));
        EXPECT_EQ(s.station != nullptr, c.heard) << c.radial;
        if (!s.station) continue;
        EXPECT_EQ(s.to_from, 1) << c.radial;
        EXPECT_NEAR(s.deviation, c.deviation, 0.1) << c.radial;
    }
}

TEST(Receivers, RangeGrowsWithHeight)
{
    const std::vector<Navaid> navaids{vor()};
    EXPECT_EQ(receive_nav(navaids, 113900, 0, at(0, 40, 100)).station, nullptr) << "low down, 40 nm is beyond the horizon";
    EXPECT_NE(receive_nav(navaids, 113900, 0, at(0, 40, 3000)).station, nullptr);
    EXPECT_EQ(receive_nav(navaids, 113900, 0, at(0, 140, 30000)).station, nullptr) << "beyond the service range";
    EXPECT_LT(radio_horizon_nm(1000, 20), radio_horizon_nm(10000, 20));
}

TEST(Receivers, DmeMeasuresTheSlantDistance)
{
    const std::vector<Navaid> navaids{vor()};
    // 3 nm out and 6076 ft (1 nm) up: the slant distance is the hypotenuse.
    const NavSignal s = receive_nav(navaids, 113900, 0, at(0, 3, 6076.1));
    EXPECT_NEAR(s.dme_nm, std::sqrt(10.0), 0.001);
    Navaid plain = vor();
    plain.dme = false;
    const NavSignal none = receive_nav({plain}, 113900, 0, at(0, 3));
    EXPECT_FALSE(none.dme);
    EXPECT_EQ(none.dme_nm, -1);
}

// A flight straight over a VOR/DME: the distance falls, then rises, and the DME's speed is the ground speed
// both ways.
TEST(Receivers, DmeSpeedApproachingAndLeaving)
{
    using namespace test_flight;
    const geo::LatLon west = geo::destination(station, 270, 20 * geo::METRES_PER_NM);
    const geo::LatLon east = geo::destination(station, 90, 20 * geo::METRES_PER_NM);
    Simulation sim;
    sim.load_flight(parse(text(waypoint("W", west.lat, west.lon, 3000) + waypoint("E", east.lat, east.lon, 3000),
                               "[[navaid]]\nident = \"VOR\"\ntype = \"vor\"\nfreq_mhz = 113.90\nlat = 45.0\nlon = 10.0\n"
                               "elevation_ft = 0\ndme = true\n"
                               "[radios]\nnav1 = [113.90, 113.90]\n")));
    auto run = [&](double seconds) {
        for (int i = 0; i < seconds * TICKS_PER_SECOND; ++i) sim.tick();
    };
    run(5 * 60);   // 10 nm flown at 120 kt; 3000 ft up the slant distance is a little longer
    EXPECT_NEAR(sim.number(token::NAV1_DME_NM), std::hypot(10.0, 3000 / 6076.1), 0.01);
    EXPECT_NEAR(sim.number(token::NAV1_DME_SPEED), 120.0, 0.5);
    const double before = sim.number(token::NAV1_DME_NM);
    run(10 * 60);  // 10 nm beyond the station
    EXPECT_NEAR(sim.number(token::NAV1_DME_NM), std::hypot(10.0, 3000 / 6076.1), 0.01);
    EXPECT_GT(sim.number(token::NAV1_DME_NM), before - 0.2) << "the distance grows again";
    EXPECT_NEAR(sim.number(token::NAV1_DME_SPEED), 120.0, 0.5);
    EXPECT_EQ(sim.number(token::NAV1_DME_FLAGS), 256);
}

// An approach over the outer and the middle marker: each lamp in turn, with darkness in between, and
// a longer tone the higher the aircraft passes.
TEST(Receivers, MarkerBeaconsOnTheApproach)
{
    using namespace test_flight;
    const geo::LatLon start{45.0, 10.0};
    const geo::LatLon om = geo::destination(start, 90, 4 * geo::METRES_PER_NM);
    const geo::LatLon mm = geo::destination(start, 90, 8.5 * geo::METRES_PER_NM);
    const geo::LatLon end = geo::destination(start, 90, 9 * geo::METRES_PER_NM);
    auto beacon = [](const char* type, geo::LatLon p) {
        return std::string("[[navaid]]\nident = \"M\"\ntype = \"") + type + "\"\nlat = " + std::to_string(p.lat) +
               "\nlon = " + std::to_string(p.lon) + "\n";
    };
    Simulation sim;
    sim.load_flight(parse(text(waypoint("A", start.lat, start.lon, 1500) + waypoint("B", end.lat, end.lon, 200),
                               beacon("outer_marker", om) + beacon("middle_marker", mm),
                               "climb_fpm = 600\ndescent_fpm = 300\n")));
    std::vector<int> seen;
    int outer_ticks = 0, middle_ticks = 0;
    for (int i = 0; i < 5 * 60 * TICKS_PER_SECOND && sim.aircraft()->has_to_waypoint(); ++i) {
        sim.tick();
        const int m = static_cast<int>(sim.number(token::MARKER));
        if (seen.empty() || seen.back() != m) seen.push_back(m);
        outer_ticks += m == 1;
        middle_ticks += m == 2;
    }
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 0, 2, 0}));
    EXPECT_GT(outer_ticks, middle_ticks) << "the outer marker, passed higher, sounds longer";
    EXPECT_GT(middle_ticks, 2 * TICKS_PER_SECOND);

    // An outer marker's cone: 600 m across at 1,300 ft, twice as wide for a sensitive receiver, and nothing
    // above 3,900 ft.
    Navaid marker = vor();
    marker.kind = NavaidKind::Marker;
    marker.marker = 1;
    struct Case { double off_m, altitude_ft; bool high_sensitivity; int heard; };
    const Case cases[] = {
        {600, 1000, false, 0}, {600, 1000, true, 0}, {600, 3000, false, 1}, {600, 3000, true, 1},
        {400, 1000, false, 0}, {400, 1000, true, 1}, {290, 1300, false, 1}, {310, 1300, false, 0},
        {0, 3800, false, 1},   {0, 4000, false, 0},  {0, 4000, true, 0},
    };
    for (const Case& c : cases) {
        AircraftState a = at(0, 0, c.altitude_ft);
        a.position = geo::destination(station, 0, c.off_m);
        EXPECT_EQ(receive_marker({marker}, a, c.high_sensitivity), c.heard)
            << c.off_m << " m off at " << c.altitude_ft << " ft" << (c.high_sensitivity ? ", high sensitivity" : "");
    }
}
