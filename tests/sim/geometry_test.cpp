// Great-circle arithmetic against published values.
#include "geo.h"

#include <gtest/gtest.h>

using namespace host::geo;

// The worked example of the Aviation Formulary (Ed Williams): LAX (33°57'N, 118°24'W) to JFK (40°38'N,
// 73°47'W) is 0.623585 radians of arc, 2144 nm with one nautical mile to the minute of arc, on an initial
// true course of 1.150035 radians (65.89°).
TEST(Geometry, DistanceAndCourseBetweenTwoAirports)
{
    const LatLon lax{33.0 + 57.0 / 60.0, -(118.0 + 24.0 / 60.0)}, jfk{40.0 + 38.0 / 60.0, -(73.0 + 47.0 / 60.0)};
    const double nm = distance_m(lax, jfk) / METRES_PER_NM;
    EXPECT_NEAR(nm, 2144.0, 2144.0 * 0.001);
    EXPECT_NEAR(distance_m(lax, jfk) / EARTH_RADIUS_M, 0.623585, 0.623585 * 0.001);
    EXPECT_NEAR(bearing_deg(lax, jfk), degrees(1.150035), 65.89 * 0.001);
}

TEST(Geometry, DestinationRetracesDistanceAndCourse)
{
    const LatLon start{37.6, -122.4};
    for (double course : {0.0, 45.0, 118.0, 270.0, 333.0}) {
        const LatLon p = destination(start, course, 20 * METRES_PER_NM);
        EXPECT_NEAR(distance_m(start, p), 20 * METRES_PER_NM, 0.01) << course;
        EXPECT_NEAR(bearing_deg(start, p), course, 1e-6) << course;
    }
    // One degree of latitude is sixty minutes of arc.
    EXPECT_NEAR(distance_m({10, 5}, {11, 5}) / METRES_PER_NM, 60.0, 0.01);
}

TEST(Geometry, WhereAPointLiesAgainstALeg)
{
    const LatLon a{45, 10}, b = destination(a, 90, 30 * METRES_PER_NM);   // a leg to the east
    const LatLon left = destination(destination(a, 90, 10 * METRES_PER_NM), 0, 2 * METRES_PER_NM);
    const LegPosition p = leg_position(a, b, left);
    EXPECT_NEAR(p.cross_track_m / METRES_PER_NM, 2.0, 0.01) << "north of an eastbound leg is left of it";
    EXPECT_NEAR(p.along_track_m / METRES_PER_NM, 10.0, 0.01);
    const LegPosition behind = leg_position(a, b, destination(a, 250, 5 * METRES_PER_NM));
    EXPECT_LT(behind.along_track_m, 0) << "a point behind the start";
    EXPECT_LT(behind.cross_track_m, 0) << "south is right of the leg";
}

TEST(Geometry, AnglesWrap)
{
    EXPECT_DOUBLE_EQ(wrap360(-10), 350);
    EXPECT_DOUBLE_EQ(wrap360(720), 0);
    EXPECT_DOUBLE_EQ(wrap180(190), -170);
    EXPECT_DOUBLE_EQ(wrap180(-180), 180);
}
