// Flight files: what a good one gives, and how a bad one is reported.
#include "flight_text.h"
#include "simulation.h"
#include "tokens.h"

#include <gtest/gtest.h>

#include <cmath>

#include <string>

using namespace host;
using namespace test_flight;

namespace {

const std::string route = waypoint("A", 45, 10, 3000) + waypoint("B", 45.1, 10.2, 4000);

// The message a flight text gets, or "" when it is good.
std::string problem(const std::string& text)
{
    try {
        parse(text);
        return "";
    } catch (const FlightFileError& e) {
        return e.what();
    }
}

} // namespace

TEST(FlightFile, TheDefaultFlightReads)
{
    const Flight f = read_flight(SOURCE_DIR "/flights/default.toml");
    EXPECT_GE(f.route.size(), 2u);
    EXPECT_FALSE(f.navaids.empty());
    // The start 2024-06-15T17:00:00Z.
    EXPECT_EQ(f.start_unix_s, 1718470800);
}

TEST(FlightFile, ReadsWhatItSays)
{
    const Flight f = parse(text(route,
                                "[weather]\nwind_from_deg = 270\nwind_speed_kt = 15\n"
                                "[[navaid]]\nident = \"I-X\"\ntype = \"localizer\"\nfreq_mhz = 110.3\nlat = 45\nlon = 10\n"
                                "course_deg = 95\n"
                                "[[event]]\nat = \"2m\"\npower = false\n[[event]]\nat = \"1m30s\"\ntime_jump = 600\n"));
    EXPECT_EQ(f.route[1].ident, "B");
    EXPECT_DOUBLE_EQ(f.route[1].altitude_ft, 4000);
    EXPECT_EQ(f.wind.from_deg, 270);
    ASSERT_EQ(f.navaids.size(), 1u);
    EXPECT_EQ(f.navaids[0].kind, NavaidKind::Localizer);
    EXPECT_EQ(f.navaids[0].frequency, 110300);
    EXPECT_EQ(f.navaids[0].range_nm, 18);
    ASSERT_EQ(f.events.size(), 2u);
    EXPECT_EQ(f.events[0].kind, TimedEvent::Kind::TimeJump) << "events in the order of their times";
    EXPECT_EQ(f.events[0].at_s, 90);
    EXPECT_EQ(f.events[1].at_s, 120);
}

TEST(FlightFile, BadFilesNameTheLineAndTheKey)
{
    struct Case { std::string text, expected; };
    const std::string head = text("");   // [flight] on lines 1 to 6
    const Case cases[] = {
        {"name = 1\n" + route, "test.toml:1: flight: missing"},
        {text(waypoint("A", 45, 10, 3000)), "route: needs at least two waypoints"},
        {text(waypoint("A", 95, 10, 3000) + waypoint("B", 45, 10, 3000)), "test.toml:10: route[1].lat: must lie between -90 and 90"},
        {text(route + "altitude = 3\n"), "test.toml:18: route[2].altitude: unknown key"},
        {text(route + "[weather]\nwind_speed = 3\n"), "test.toml:19: weather.wind_speed: unknown key"},
        {text(route, "[[navaid]]\nident = \"V\"\ntype = \"vor\"\nfreq_mhz = 115.83\nlat = 45\nlon = 10\n"),
         "test.toml:22: navaid[1].freq_mhz: is not a VOR channel"},
        {text(route, "[[navaid]]\nident = \"V\"\ntype = \"vor\"\nfreq_mhz = 109.50\nlat = 45\nlon = 10\n"),
         "navaid[1].freq_mhz: is not a VOR channel"},
        {text(route, "[[navaid]]\nident = \"L\"\ntype = \"localizer\"\nfreq_mhz = 109.55\nlat = 45\nlon = 10\n"),
         "test.toml:19: navaid[1].course_deg: missing"},
        {text(route, "[[navaid]]\nident = \"N\"\ntype = \"ndb\"\nlat = 45\nlon = 10\n"), "test.toml:21: navaid[1].type: must be vor"},
        {text(route, "[radios]\nsquawk = \"7800\"\n"), "test.toml:20: radios.squawk: must be four digits 0 to 7"},
        {text(route, "[radios]\ncom1 = [118.01, 121.5]\n"), "test.toml:20: radios.com1: is not a COM channel"},
        {text(route, "[radios]\nnav2 = [108.1]\n"), "radios.nav2: must be [active, standby] in MHz"},
        {text(route, "[radios]\ntransmit = \"com3\"\n"), "test.toml:20: radios.transmit: must be \"com1\" or \"com2\""},
        {text(route, "[[event]]\nat = \"soon\"\npower = false\n"), "test.toml:20: event[1].at: must be a duration"},
        {text(route, "[[event]]\nat = \"1m\"\npower = false\nwind = { from_deg = 1, speed_kt = 2 }\n"),
         "event[1].at: an event holds exactly one of power, time_jump, wind, hold, release, true_airspeed_kt or hold_heading"},
        {text(route, "[radios]\naudio = [\"nav1\", \"com3\"]\n"), "test.toml:20: radios.audio: lists \"nav1\""},
        {text(route, "[radios]\naudio = \"nav1\"\n"), "test.toml:20: radios.audio: must be a list"},
        {text(route, "[radios]\nmarker_sensitivity = \"hi\"\n"), "radios.marker_sensitivity: must be \"low\" or \"high\""},
        {text(route, "[radios]\ncom_monitor = 1\n"), "test.toml:20: radios.com_monitor: must be true or false"},
        {text(route, "[[event]]\nat = \"1m\"\nhold = { token = 617, value = 1.5 }\n"),
         "test.toml:21: event[1].hold.value: token 617 holds a 32-bit integer"},
        {text(route, "[[event]]\nat = \"1m\"\nhold = { token = -3, value = 1 }\n"),
         "event[1].hold.token: must be a token number"},
        {text(route, "[[event]]\nat = \"1m\"\nhold = { token = 837 }\n"), "event[1].hold.value: missing"},
        {text(route, "[[event]]\nat = \"1m\"\nrelease = \"837\"\n"), "event[1].release: must be a token number"},
        {text(route, "[[event]]\nat = \"1m\"\nwind = { from_deg = 1, knots = 2 }\n"), "event[1].wind.speed_kt: missing"},
        {text(route, "[[event]]\nat = \"1m\"\npower = \"off\"\n"), "test.toml:21: event[1].power: must be true or false"},
        {text(waypoint("A", 45, 10, 3000) + "lat = 46\n" + waypoint("B", 45, 10, 3000)), "test.toml:13: Error while parsing key-value pair: cannot redefine existing floating-point 'lat'"},
        {"[flight]\nname = \"x\"\nstart = \"today\"\n" + route, "test.toml:3: flight.start: must be a date and time"},
        {"[flight]\nname = \"x\"\nstart = 2024-01-01T00:00:00Z\ntrue_airspeed_kt = 120\nclimb_fpm = 0\ndescent_fpm = 500\n" + route,
         "test.toml:5: flight.climb_fpm: must lie between 100 and 6000"},
        {text(waypoint("A", 45, 10, 3000) + waypoint("B", 45, 10, 300), "", "climb_fpm = 500\ndescent_fpm = 500\nterrain_elevation_ft = 500\n"),
         "route[2].alt_ft: must lie between 500 and 60000"},
    };
    for (const Case& c : cases) {
        const std::string got = problem(c.text);
        EXPECT_NE(got.find(c.expected), std::string::npos) << "expected: " << c.expected << "\n     got: " << got;
    }
    EXPECT_EQ(problem(text(route)), "");
    EXPECT_THROW(read_flight("/nonexistent/flight.toml"), FlightFileError);
}

// The radios' starting audio selections and monitor, and timed holds of any token, as the gauges read them.
TEST(FlightFile, StartingSelectionsAndTimedHolds)
{
    Simulation sim;
    sim.load_flight(parse(text(route, "[radios]\naudio = [\"nav2\", \"marker\", \"dme\"]\ncom_monitor = true\n"
                                      "[[event]]\nat = \"2s\"\nhold = { token = 837, value = 1200 }\n"
                                      "[[event]]\nat = \"3s\"\nhold = { token = 38, value = 0x1289 }\n"
                                      "[[event]]\nat = \"4s\"\nhold = { token = 773, value = nan }\n"
                                      "[[event]]\nat = \"5s\"\nrelease = 837\n")));
    struct Case { int32_t token; double value; };
    for (Case c : {Case{token::NAV1_AUDIO, 0}, {token::NAV2_AUDIO, 1}, {token::DME_AUDIO, 1}, {token::ADF_AUDIO, 0},
                   {token::MARKER_AUDIO, 1}, {token::COM_RECEIVE_BOTH, 1}})
        EXPECT_EQ(sim.number(c.token), c.value) << "token " << c.token;
    EXPECT_TRUE(sim.com_monitor());

    for (int i = 0; i < 4 * TICKS_PER_SECOND; ++i) sim.tick();
    EXPECT_EQ(sim.number(token::GPS_CROSS_TRACK), 1200) << "held whatever the aircraft flies";
    EXPECT_EQ(sim.integer(token::SQUAWK), 0x1289) << "a squawk digit above 7, as held";
    EXPECT_TRUE(std::isnan(sim.value(token::BUS_POWER).f));
    for (int i = 0; i < TICKS_PER_SECOND; ++i) sim.tick();
    EXPECT_FALSE(sim.held(token::GPS_CROSS_TRACK));
    EXPECT_NE(sim.number(token::GPS_CROSS_TRACK), 1200) << "released, the flight derives it again";
}
