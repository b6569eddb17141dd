// The aircraft flying its route, and the tokens the gauges read from it.
#include "flight_text.h"
#include "key_events.h"
#include "simulation.h"
#include "tokens.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace host;
using namespace test_flight;

namespace {

const geo::LatLon A{45.0, 10.0};
const geo::LatLon B = geo::destination(A, 90, 10 * geo::METRES_PER_NM);
const geo::LatLon C = geo::destination(B, 0, 10 * geo::METRES_PER_NM);
const geo::LatLon D = geo::destination(C, 0, 5 * geo::METRES_PER_NM);

std::string square_route(double alt_a = 3000, double alt_b = 3000, double alt_c = 3000)
{
    return waypoint("A", A.lat, A.lon, alt_a) + waypoint("B", B.lat, B.lon, alt_b) + waypoint("C", C.lat, C.lon, alt_c) +
           waypoint("D", D.lat, D.lon, alt_c);
}

void run(Simulation& sim, double seconds)
{
    for (int i = 0; i < std::lround(seconds * TICKS_PER_SECOND); ++i) sim.tick();
}

double nm(double metres) { return metres / geo::METRES_PER_NM; }

} // namespace

TEST(Aircraft, SequencesWaypointsAndEndsTheRoute)
{
    Simulation sim;
    sim.load_flight(parse(text(square_route())));
    std::vector<std::string> to{"B"};
    double distance_when_sequenced = 0.0, last_distance = 0.0, worst_after_turn = 0.0;
    while (sim.clock().flight_seconds() < 20 * 60) {
        sim.tick();
        const Aircraft& a = *sim.aircraft();
        const std::string now = a.has_to_waypoint() ? a.route()[a.to_index()].ident : "-";
        if (now != to.back()) {
            to.push_back(now);
            if (now == "C") distance_when_sequenced = last_distance;
        }
        last_distance = nm(sim.number(token::GPS_DISTANCE));
        EXPECT_EQ(sim.integer(token::GPS_FLAGS), a.has_to_waypoint() ? 0 : 64);
        // Two nautical miles after the turn at B the aircraft is back on the leg.
        if (now == "C" && last_distance < 8) worst_after_turn = std::max(worst_after_turn, std::fabs(nm(sim.number(token::GPS_CROSS_TRACK))));
    }
    EXPECT_EQ(to, (std::vector<std::string>{"B", "C", "D", "-"}));
    // A standard-rate turn at 120 kt (two minutes for the full circle of 4 nm) has a radius of 0.64 nm; a
    // turn through 90 degrees starts that far before the waypoint.
    EXPECT_NEAR(distance_when_sequenced, 4 / (2 * geo::PI), 0.02);
    EXPECT_LT(worst_after_turn, 0.05);
    // After the last waypoint: no TO waypoint, nothing to navigate to, straight on northwards.
    EXPECT_EQ(sim.integer(token::GPS_FLAGS), 64);
    EXPECT_EQ(sim.number(token::GPS_DISTANCE), 0);
    EXPECT_EQ(sim.number(token::GPS_BEARING), 0);
    EXPECT_GT(sim.aircraft()->state().position.lat, D.lat + 0.05);
    EXPECT_NEAR(geo::wrap180(sim.aircraft()->state().track_deg), 0.0, 0.5);
}

TEST(Aircraft, HoldsTheLegAgainstACrosswind)
{
    Simulation sim;
    sim.load_flight(parse(text(square_route(), "[weather]\nwind_from_deg = 0\nwind_speed_kt = 30\n")));
    double worst = 0.0;
    for (int i = 0; i < 4 * 60 * TICKS_PER_SECOND; ++i) {
        sim.tick();
        worst = std::max(worst, std::fabs(nm(sim.number(token::GPS_CROSS_TRACK))));
    }
    const AircraftState& s = sim.aircraft()->state();
    EXPECT_LT(worst, 0.01);
    EXPECT_NEAR(s.track_deg, 90.0, 0.2);
    EXPECT_NEAR(s.heading_deg, 90.0 - geo::degrees(std::asin(30.0 / 120.0)), 0.3) << "turned into the wind";
    EXPECT_NEAR(s.ground_speed_kt, std::sqrt(120.0 * 120.0 - 30.0 * 30.0), 0.2);
    EXPECT_EQ(sim.number(token::WIND_DIRECTION), 0);
    EXPECT_EQ(sim.number(token::WIND_SPEED), 30);
}

TEST(Aircraft, ClimbsAtOnceAndDescendsJustInTime)
{
    Simulation sim;
    // 10 nm to B, 5 minutes at 120 kt: the climb of 1200 ft at 600 ft/min takes 2.
    sim.load_flight(parse(text(square_route(3000, 4200, 3000))));
    run(sim, 60);
    EXPECT_NEAR(sim.aircraft()->state().altitude_ft, 3600, 5);
    EXPECT_NEAR(sim.aircraft()->state().vertical_speed_fpm, 600, 1);
    EXPECT_NEAR(sim.number(token::VERTICAL_SPEED), 600 * 0.3048 / 60 * 256, 0.1);
    run(sim, 2 * 60);
    EXPECT_NEAR(sim.aircraft()->state().altitude_ft, 4200, 1) << "levelled off";
    // Down to 3000 ft over the 10 nm to C takes 2 minutes: the descent starts 4 nm before C.
    while (sim.aircraft()->to_index() < 2) sim.tick();
    run(sim, 2 * 60);
    EXPECT_NEAR(sim.aircraft()->state().altitude_ft, 4200, 1) << "still level 6 nm before C";
    while (sim.aircraft()->to_index() < 3) sim.tick();
    EXPECT_NEAR(sim.aircraft()->state().altitude_ft, 3000, 40) << "crosses C at its altitude";
}

TEST(Aircraft, DirectToStartsALegFromWhereTheAircraftIs)
{
    Simulation sim;
    sim.load_flight(parse(text(square_route())));
    while (sim.aircraft()->to_index() < 2) sim.tick();
    run(sim, 5);   // in the turn at B, off the leg to C
    ASSERT_GT(std::fabs(sim.number(token::GPS_CROSS_TRACK)), 20.0);
    sim.queue_event({key_event::DIRECT_TO, 0});
    sim.perform_pending_events();
    EXPECT_NEAR(sim.number(token::GPS_CROSS_TRACK), 0.0, 0.01);
    EXPECT_NEAR(sim.number(token::GPS_DESIRED_TRACK), sim.number(token::GPS_BEARING), 1e-6);
    // The aircraft, still turning, swings out across the new leg and settles on it.
    double worst = 0.0;
    for (int i = 0; i < 60 * TICKS_PER_SECOND; ++i, sim.tick()) worst = std::max(worst, std::fabs(nm(sim.number(token::GPS_CROSS_TRACK))));
    EXPECT_GT(worst, 0.05);
    run(sim, 60);
    EXPECT_LT(std::fabs(nm(sim.number(token::GPS_CROSS_TRACK))), 0.01) << "the new leg is flown";
}

TEST(Aircraft, TokensInTheGaugesUnits)
{
    Simulation sim;
    sim.load_flight(parse(text(square_route(),
                               "[weather]\nqnh_hpa = 1003.25\n[radios]\naltimeter_hpa = 1003.25\n",
                               "climb_fpm = 600\ndescent_fpm = 600\nterrain_elevation_ft = 1000\n")));
    run(sim, 1);
    const AircraftState& s = sim.aircraft()->state();
    EXPECT_NEAR(sim.number(token::LATITUDE), s.position.lat * 111130.555557, 1e-6);
    EXPECT_NEAR(sim.number(token::LONGITUDE), s.position.lon * 11930430.0, 1e-3);
    EXPECT_NEAR(sim.number(token::GPS_GROUND_SPEED), 120 * 1852.0 / 3600, 0.01);
    EXPECT_NEAR(sim.number(token::GPS_BEARING), geo::radians(90), 0.01);
    EXPECT_NEAR(sim.number(token::GPS_DESIRED_TRACK), geo::radians(90), 0.01);
    EXPECT_NEAR(sim.number(token::GPS_DISTANCE), geo::distance_m(s.position, B), 1.0);
    EXPECT_NEAR(sim.number(token::HEADING), 90, 0.01);
    EXPECT_EQ(sim.number(token::AIRSPEED), 120);
    // Set to the day's pressure the altimeter shows the true altitude; 10 hPa below standard the pressure
    // altitude is some 270 ft higher.
    EXPECT_NEAR(sim.number(token::INDICATED_ALTITUDE), 3000, 0.01);
    EXPECT_NEAR(sim.number(token::PRESSURE_ALTITUDE) / 0.3048, 3000 + 10 * 27, 15);
    EXPECT_NEAR(sim.number(token::HEIGHT_ABOVE_GROUND), 2000 * 0.3048, 1e-6);
}

TEST(Aircraft, ClocksAndTimedEvents)
{
    Simulation sim;
    sim.load_flight(parse(text(square_route(),
                               "[[event]]\nat = \"10s\"\npower = false\n"
                               "[[event]]\nat = \"20s\"\npower = true\n"
                               "[[event]]\nat = \"40s\"\ntime_jump = \"1m\"\n"
                               "[[event]]\nat = 50\nwind = { from_deg = 180, speed_kt = 20 }\n")));
    EXPECT_EQ(sim.number(token::BUS_POWER), 1);
    EXPECT_EQ(sim.number(token::UTC_HOUR), 23);
    EXPECT_EQ(sim.number(token::UTC_MINUTE), 59);
    EXPECT_EQ(sim.number(token::CLOCK_SECOND), 30);
    run(sim, 15);
    EXPECT_EQ(sim.number(token::BUS_POWER), 0);
    run(sim, 10);
    EXPECT_EQ(sim.number(token::BUS_POWER), 1);
    EXPECT_EQ(sim.number(token::TICKS), 25 * 18);
    EXPECT_EQ(sim.number(token::SIMULATION_TIME), 25);
    // Midnight passes: the UTC clock carries on its own.
    EXPECT_EQ(sim.number(token::UTC_HOUR), 23);
    run(sim, 6);
    EXPECT_EQ(sim.number(token::UTC_HOUR), 0);
    EXPECT_EQ(sim.number(token::UTC_MINUTE), 0);
    EXPECT_EQ(sim.number(token::CLOCK_SECOND), 1);
    run(sim, 20);   // past the jump
    EXPECT_EQ(sim.number(token::TICKS), 51 * 18);
    EXPECT_NEAR(sim.number(token::SIMULATION_TIME), 51 + 60, 1e-9);
    EXPECT_EQ(sim.number(token::UTC_MINUTE), 1);
    EXPECT_EQ(sim.number(token::WIND_DIRECTION), 180);
    EXPECT_EQ(sim.number(token::WIND_SPEED), 20);
    EXPECT_NE(sim.aircraft()->state().heading_deg, sim.aircraft()->state().track_deg) << "the new wind is corrected for";
}

TEST(Aircraft, FlightSetsTheRadios)
{
    Simulation sim;
    sim.load_flight(parse(text(square_route(),
                               "[radios]\ncom1 = [118.025, 121.5]\nnav2 = [108.05, 117.95]\ncourse2_deg = 359\n"
                               "squawk = \"7000\"\ntransmit = \"com2\"\ndme = \"nav2\"\nnav_source = \"gps\"\n")));
    EXPECT_EQ(sim.integer(token::COM1_ACTIVE), 0x1802);
    EXPECT_EQ(sim.integer(token::COM1_STANDBY), 0x2150);
    EXPECT_EQ(sim.integer(token::NAV2_ACTIVE), 0x0805);
    EXPECT_EQ(sim.integer(token::NAV2_STANDBY), 0x1795);
    EXPECT_EQ(sim.number(token::NAV2_COURSE), 359);
    EXPECT_EQ(sim.integer(token::SQUAWK), 0x7000);
    EXPECT_EQ(sim.number(token::COM1_TRANSMIT), 0);
    EXPECT_EQ(sim.number(token::COM2_TRANSMIT), 1);
    EXPECT_EQ(sim.integer(token::MARKER_DME_SELECT), 2);
    EXPECT_EQ(sim.number(token::NAV_SOURCE), 1);
}
