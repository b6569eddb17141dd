// The large navigator's pages: which displays make each page, their texts from the host's values, the
// label strip, the overlays and the blinking.
#include "navigator_fixture.h"

#include <limits>
#include <set>

using namespace nav_test;

class Pages : public Navigator, public ::testing::WithParamInterface<Build> {
protected:
    void SetUp() override
    {
        load(GetParam());
        operate();
    }

    // The text displays shown now, by number.
    std::set<int> shown_texts()
    {
        std::set<int> out;
        for (const auto& e : g().elements())
            if (e.kind == host::ElementKind::String && !e.hidden) out.insert(e.index);
        return out;
    }
};

INSTANTIATE_TEST_SUITE_P(Builds, Pages, ::testing::Values(COM1, COM2, GPS), build_label);

// Every page in knob order, with the displays it is made of, its overlay frame and the course mark.
TEST_P(Pages, EveryPageShowsItsDisplays)
{
    panel.sim().set(61, 100.0);                    // flying: the track displays show
    panel.sim().set(837, 2.0 * METRES_PER_NM);     // right of course
    panel.sim().set(74, 3000.0);                   // 500 ft above a hold altitude of 25
    panel.frame();
    const std::set<int> ete = {ETE_LABEL, ETE_HOURS, ETE_MINUTES};
    auto with = [](std::set<int> a, std::initializer_list<int> b) { a.insert(b); return a; };
    const std::set<int> nav = with(ete, {CROSS_TRACK_RIGHT});
    struct Page { int group, page; std::set<int> texts; int overlay; bool mark; };
    const Page pages[] = {
        {10, 1, with(nav, {BEARING, DISTANCE}), 1, true},
        {10, 2, with(nav, {DESIRED_TRACK}), 1, true},
        {10, 3, with(nav, {TRACK, TRACK_ANGLE_ERROR}), 1, true},
        {10, 4, with(nav, {FLIGHT_TIME_HOURS, FLIGHT_TIME_MINUTES, GROUND_SPEED}), 1, true},
        {10, 5, with(nav, {TRACK_AND_DESIRED, DESIRED_AND_TRACK}), 1, true},
        {10, 6, with(nav, {UTC_HOURS, UTC_MINUTES}), 1, true},
        {10, 7, with(ete, {MIN_SAFE_ALTITUDE}), 0, true},
        {10, 8, {ALTITUDE, ABOVE_HOLD}, 2, false},
        {20, 1, {ALTIMETER_SETTING}, 3, true},
        {20, 2, {ENCODER_ALTITUDE}, 4, true},
        {20, 3, {DESCENT_END_ALTITUDE, DESCENT_POINT, VERTICAL_SPEED, DESCENT_GROUND_SPEED}, 0, true},
        {20, 4, {HOLD_ALTITUDE, HOLD_BUFFER}, 5, false},
        {30, 1, {LATITUDE_DEGREES, LONGITUDE_DEGREES}, 6, false},
        {40, 1, {TIMER_HOURS, TIMER_MINUTES, TIMER_SECONDS}, 7, false},
    };
    for (const Page& p : pages) {
        SCOPED_TRACE(testing::Message() << "page " << p.group << "/" << p.page);
        if (p.page == 1 && p.group > 10) press(OUTER_KNOB_RIGHT);
        else if (p.page > 1) press(INNER_KNOB_RIGHT);
        std::set<int> expected = p.texts;
        if (build.com) expected.insert({ACTIVE_FREQUENCY, STANDBY_FREQUENCY});
        EXPECT_EQ(shown_texts(), expected) << g().describe();
        EXPECT_FRAME(g(), PAGE_TITLE, p.overlay);
        EXPECT_HIDDEN(g(), COURSE_MARK, !p.mark);
        EXPECT_HIDDEN(g(), STEERING_ARROW, !(p.group == 10 && p.page <= 6));
    }
}

// Texts from the host's values, with the unit's own constants and formats.
TEST_P(Pages, NavigationTexts)
{
    // Texts are written whether or not their page is up.
    struct Case { int token; double value; int element; const char* text; };
    const Case cases[] = {
        {835, 1.6 * 100.0 * METRES_PER_NM, ETE_HOURS, "01:"},        // 1.6 h at 100 kt
        {835, 1.6 * 100.0 * METRES_PER_NM, ETE_MINUTES, "36"},
        {835, 12.4 * METRES_PER_NM, DISTANCE, " 12nm"},
        {836, 1.57, BEARING, "Brg 090"},                           // 1.57 rad is 90 degrees with pi 3.14
        {838, -1.57, DESIRED_TRACK, "Dtk 270"},
        {832, 120.0 * MPS_PER_KNOT, GROUND_SPEED, "120kts "},
        {614, 1000.0 / 3.28084, MIN_SAFE_ALTITUDE, "MinSafeA     5000'"},   // 4000 ft, 1000 ft above ground
        {74, 4000.0, ALTITUDE, " 4000ft"},
        {75, 1013.25, ALTIMETER_SETTING, "1013.2mb"},
        {73, 1000.0, ENCODER_ALTITUDE, " 3281ft"},
        {65, -500.0 / 3.2808 / 60.0 * 256.0, VERTICAL_SPEED, "-500'/Min"},
    };
    panel.sim().set(832, 100.0 * MPS_PER_KNOT);
    panel.sim().set(74, 4000.0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        panel.sim().set(c.token, c.value);
        panel.frames(2);
        EXPECT_TEXT(g(), c.element, c.text);
    }
}

// The cross-track error: left display capped at 999.9, right display uncapped, neither within 0.05 nm;
// the steering arrow points the way to the course.
TEST_P(Pages, CrossTrackDisplaysAndSteeringArrow)
{
    // The largest distance in metres that the unit reads as 0.05 nm exactly.
    double edge = 0.05 * METRES_PER_NM;
    while (edge / 1000.0 / 1.8567508 > 0.05) edge = std::nextafter(edge, 0.0);
    struct Case { double nm; bool left, right; const char* text; int arrow; };
    const Case cases[] = {
        {-1234.0, true, false, "999.9", 1}, {-0.2, true, false, "000.2", 1}, {-0.05, false, false, "", 0},
        {0.0, false, false, "", 0},         {0.05, false, false, "", 0},     {1234.0, false, true, "1234.0", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nm);
        panel.sim().set(837, std::fabs(c.nm) == 0.05 ? std::copysign(edge, c.nm) : c.nm * METRES_PER_NM);
        panel.frame();
        EXPECT_HIDDEN(g(), CROSS_TRACK_LEFT, !c.left);
        EXPECT_HIDDEN(g(), CROSS_TRACK_RIGHT, !c.right);
        if (c.left) EXPECT_TEXT(g(), CROSS_TRACK_LEFT, c.text);
        if (c.right) EXPECT_TEXT(g(), CROSS_TRACK_RIGHT, c.text);
        EXPECT_FRAME(g(), STEERING_ARROW, c.arrow);
    }
}

// Track over ground: the heading turned by the wind's share across it, the wind angle taken in degrees;
// 360 stays 360, beyond it wraps. At 5 kt or less the track displays stay dark.
TEST_P(Pages, TrackOverGround)
{
    go_to(NAVIGATION_PAGES, 3);
    struct Case { double heading, wind_from, wind, airspeed; bool shown; const char* track; };
    const Case cases[] = {
        {0.0, 30.0, 20.0, 100.0, true, "Trk 005"},    // sin 30 degrees, not sin 30 radians (which gives 349)
        {90.0, 90.0, 30.0, 100.0, true, "Trk 090"},   // headwind: no drift
        {359.0, 89.0, 1.8, 100.0, true, "Trk 360"},   // 359 + 1.03: 360 stays
        {359.0, 89.0, 3.6, 100.0, true, "Trk 001"},   // 361 wraps
        {10.0, 30.0, 20.0, 5.0, false, nullptr},
        {10.0, 30.0, 20.0, 0.0, false, nullptr},      // a division by zero darkens nothing else
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "heading " << c.heading << " airspeed " << c.airspeed);
        panel.sim().set(81, c.heading);
        panel.sim().set(344, c.wind_from);
        panel.sim().set(343, c.wind);
        panel.sim().set(61, c.airspeed);
        panel.frame();
        EXPECT_HIDDEN(g(), TRACK, !c.shown);
        EXPECT_HIDDEN(g(), TRACK_ANGLE_ERROR, !c.shown);
        EXPECT_HIDDEN(g(), ETE_LABEL, false);
        if (c.track) EXPECT_TEXT(g(), TRACK, c.track);
    }
}

TEST_P(Pages, StandingAircraftShowsNoTrackButTheDesiredTrack)
{
    panel.sim().set(61, 5.0);
    panel.sim().set(838, 1.0);
    go_to(NAVIGATION_PAGES, 5);
    EXPECT_HIDDEN(g(), TRACK_AND_DESIRED, true);
    EXPECT_HIDDEN(g(), DESIRED_AND_TRACK, false);
    EXPECT_TEXT(g(), DESIRED_AND_TRACK, "Dtk 057");
}

TEST_P(Pages, ZeroSpeedsGiveNoTimeEnRouteAndNoArrival)
{
    panel.sim().set(835, 0.5 * METRES_PER_NM);
    panel.sim().set(832, 0.0);
    panel.frames(2);
    EXPECT_TEXT(g(), ETE_HOURS, "00:");
    EXPECT_TEXT(g(), ETE_MINUTES, "00");
    EXPECT_EQ(send_msg(), 0);
}

TEST_P(Pages, AboveAndBelowTheHoldAltitude)
{
    go_to(NAVIGATION_PAGES, 8);
    const double hold = panel.sim().number(74);   // the hold altitude starts at the altitude: 0 here
    struct Case { double altitude; bool above, below; const char* text; };
    for (Case c : {Case{hold + 250.0, true, false, " 250' Above Hold"}, {hold, false, false, nullptr},
                   {hold - 120.0, false, true, " 120' Below Hold"}}) {
        panel.sim().set(74, c.altitude);
        panel.frame();
        EXPECT_HIDDEN(g(), ABOVE_HOLD, !c.above) << c.altitude;
        EXPECT_HIDDEN(g(), BELOW_HOLD, !c.below) << c.altitude;
        if (c.above) EXPECT_TEXT(g(), ABOVE_HOLD, c.text);
        if (c.below) EXPECT_TEXT(g(), BELOW_HOLD, c.text);
    }
}

// Degrees and minutes; the sign of the minutes chooses the hemisphere, a whole degree shows neither.
TEST_P(Pages, PositionPage)
{
    go_to(POSITION_PAGE, 1);
    struct Case { double lat, lon; const char* lat_deg; int lat_shown; const char* lat_min; const char* lon_deg;
                  int lon_shown; const char* lon_min; };
    const Case cases[] = {
        {47.5, 8.25, "47\xB0", LATITUDE_NORTH, "30.00N", "008\xB0", LONGITUDE_EAST, "15.00E"},
        {-33.75, -70.5, "33\xB0", LATITUDE_SOUTH, "45.00S", "070\xB0", LONGITUDE_WEST, "30.00W"},
        {12.0, -1.0, "12\xB0", 0, nullptr, "001\xB0", 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lat);
        panel.sim().set(827, c.lat * 111130.555557);
        panel.sim().set(828, c.lon * 11930430.0);
        panel.frame();
        EXPECT_TEXT(g(), LATITUDE_DEGREES, c.lat_deg);
        EXPECT_TEXT(g(), LONGITUDE_DEGREES, c.lon_deg);
        for (int e : {LATITUDE_NORTH, LATITUDE_SOUTH}) EXPECT_HIDDEN(g(), e, e != c.lat_shown);
        for (int e : {LONGITUDE_EAST, LONGITUDE_WEST}) EXPECT_HIDDEN(g(), e, e != c.lon_shown);
        if (c.lat_min) EXPECT_TEXT(g(), c.lat_shown, c.lat_min);
        if (c.lon_min) EXPECT_TEXT(g(), c.lon_shown, c.lon_min);
    }
}

// The label strip: MSG flashes with the clock's second while a message waits; the double arrow stands while
// the COM key count is above 0; SKP during the self-test.
TEST_P(Pages, LabelStripFrames)
{
    struct Case { int msg; int com_presses; bool even; int frame; };
    panel.frames(60);                              // past the self-test target: message 2 can be raised
    const Case cases[] = {
        {0, 0, true, LABELS_NONE},     {0, 0, false, LABELS_NONE},
        {1, 0, true, LABELS_MSG},      {1, 0, false, LABELS_NONE},
        {0, 1, true, LABELS_TRANSFER}, {1, 1, true, LABELS_MSG_AND_TRANSFER}, {1, 1, false, LABELS_TRANSFER},
        {1, 2, true, LABELS_MSG_AND_TRANSFER}, {1, 2, false, LABELS_TRANSFER},
    };
    for (const Case& c : cases) {
        if (c.com_presses > 0 && !build.com) continue;
        SCOPED_TRACE(testing::Message() << "msg " << c.msg << " COM presses " << c.com_presses << " even " << c.even);
        press(NAV_KEY);
        panel.sim().set(831, 0);
        panel.frame();
        press(MSG_KEY, 2);
        press(COM_KEY, c.com_presses);
        if (c.msg) {
            panel.sim().set(831, 64);
            panel.frames(2);
        }
        until_second(c.even);
        EXPECT_FRAME(g(), LABEL_STRIP, c.frame);
    }
}

// A field being edited flashes: hidden on odd seconds, shown on even ones; the timer's digits stay and the
// cursor box covers the selected one on even seconds.
TEST_P(Pages, EditedFieldsBlink)
{
    go_to(ALTITUDE_PAGES, 3);
    press(SEL_KEY);
    for (bool even : {true, false, true}) {
        until_second(even);
        EXPECT_HIDDEN(g(), DESCENT_END_ALTITUDE, !even);
        EXPECT_HIDDEN(g(), DESCENT_POINT, false);
    }
    press(ENTER_KEY);
    until_second(false);
    EXPECT_HIDDEN(g(), DESCENT_END_ALTITUDE, false);

    press(OUTER_KNOB_RIGHT, 2);                    // timer page
    press(SEL_KEY);
    press(OUTER_KNOB_RIGHT);                       // seconds
    for (bool even : {true, false}) {
        until_second(even);
        EXPECT_HIDDEN(g(), TIMER_CURSOR, !even);
        EXPECT_FRAME(g(), TIMER_CURSOR, 3);
        EXPECT_HIDDEN(g(), TIMER_SECONDS, false);
    }
}

TEST_P(Pages, SwitchingOffDarkensEverythingButKnobAndStrip)
{
    press(POWER_KNOB_OFF);
    for (const auto& e : g().elements()) {
        const bool stays = e.index == BACKGROUND || e.index == POWER_KNOB_IMAGE || e.index == LABEL_STRIP ||
                           e.index == build.screen;
        EXPECT_EQ(e.hidden, !stays) << "element " << e.index;
    }
    EXPECT_FRAME(g(), POWER_KNOB_IMAGE, 0);
    EXPECT_EQ(screen(), SCREEN_NONE);
}

// Values no flight should give (a zero, an infinity, not a number) leave every integer the unit keeps
// defined: the time en route stays 0, the track and flight timer stay within their ranges.
TEST_P(Pages, OffNominalValuesStayDefined)
{
    auto hold = [&](int32_t token, double v) {
        VAR_VALUE raw{};
        raw.f = v;
        panel.sim().hold(token, raw);
    };
    hold(832, std::nan(""));
    hold(61, 0.0);
    hold(65, 0.0);
    hold(343, 20.0);
    panel.frames(2);
    EXPECT_TEXT(g(), ETE_HOURS, "00:");
    EXPECT_EQ(send_msg(), 0);
    EXPECT_HIDDEN(g(), TRACK, true);
    hold(61, std::nan(""));
    panel.frame();
    EXPECT_TEXT(g(), TRACK, "Trk 000");
    hold(604, std::numeric_limits<double>::infinity());
    panel.frame();
    EXPECT_TEXT(g(), FLIGHT_TIME_HOURS, "Ft 99:");
}
