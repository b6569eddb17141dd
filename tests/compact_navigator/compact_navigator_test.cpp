// The compact navigators as the pilot uses them: rules every build shares, run on all three.
#include "navigator_fixture.h"

using namespace navigator_test;

class EveryBuild : public Navigator, public ::testing::WithParamInterface<Build> {
protected:
    EveryBuild() : Navigator(GetParam()) {}
};

INSTANTIATE_TEST_SUITE_P(Builds, EveryBuild, ::testing::Values(COM1, COM2, GPS_ONLY), build_label);

TEST_P(EveryBuild, ComesUpSwitchedOffWithTheCountdownSetAtThreeMinutes)
{
    EXPECT_EQ(gps.elements().size(), static_cast<size_t>(build.com ? ELEMENT_COUNT : GPS_ONLY_ELEMENT_COUNT));
    EXPECT_EQ(frame(POWER_KNOB), 0);
    for (Element e : {ETE_CAPTION, BEARING, MSG_LAMP, GPS_MODE_MARKER, COUNTDOWN_HOURS, AIRCRAFT_SYMBOL})
        EXPECT_TRUE(el(e).hidden) << gps.describe();
    EXPECT_EQ(frame(SELF_TEST_SCREENS), 0);
    EXPECT_EQ(published_msg(), 0);

    switch_on();
    click(SMALL_KNOB_LEFT);   // page 0 to 7, which loads the setting
    panel.frame();
    EXPECT_EQ(text(COUNTDOWN_HOURS) + text(COUNTDOWN_MINUTES) + text(COUNTDOWN_SECONDS), "00:03:00");
}

TEST_P(EveryBuild, SelfTestShowsEachScreenForItsTicksThenThePages)
{
    press(POWER_KNOB_ON);
    EXPECT_EQ(new_sounds(), std::vector<std::string>{CLICK});
    struct Step { int ticks_after_click; int screen; };
    const Step steps[] = {{1, 1}, {53, 1}, {54, 2}, {89, 2}, {90, 3}, {125, 3}, {126, 4}, {161, 4}, {162, 0}};
    int done = 1;
    for (const Step& s : steps) {
        panel.frames(s.ticks_after_click - done);
        done = s.ticks_after_click;
        EXPECT_EQ(frame(SELF_TEST_SCREENS), s.screen) << "tick " << s.ticks_after_click;
        EXPECT_EQ(shown(ETE_CAPTION), s.screen == 0) << "tick " << s.ticks_after_click;
    }
    to_page(5);
    EXPECT_EQ(text(FLIGHT_HOURS) + text(FLIGHT_MINUTES), "00:00");

    // Clicking ON again restarts the test at the title, silently.
    press(POWER_KNOB_ON);
    EXPECT_EQ(frame(SELF_TEST_SCREENS), 1);
    EXPECT_EQ(new_sounds(), std::vector<std::string>{});
}

// A bus of 2.0 is neither power nor a power failure: the self-test waits where it was until the power is
// back, and then takes its remaining ticks.
TEST_P(EveryBuild, SelfTestStepsEndOnlyWhilePowered)
{
    press(POWER_KNOB_ON);
    panel.frames(60);
    EXPECT_EQ(frame(SELF_TEST_SCREENS), 2);
    panel.sim().set(773, 2.0);
    panel.frames(SELF_TEST_TICKS);
    EXPECT_EQ(frame(SELF_TEST_SCREENS), 0) << "dark";
    panel.sim().set(773, 1.0);
    panel.frame();
    EXPECT_EQ(frame(SELF_TEST_SCREENS), 3) << "the step whose time ran out while unpowered ends with the power back";
    panel.frames(36);
    EXPECT_EQ(frame(SELF_TEST_SCREENS), 4);
}

TEST_P(EveryBuild, SmallKnobTurnsPagesRoundBothWays)
{
    switch_on();
    // The right-hand text of each page names it.
    const Element page_text[8] = {BEARING, CROSS_TRACK, TRACK_ERROR, GROUND_SPEED, MIN_SAFE_ALTITUDE, UTC_CAPTION,
                                  PDOP_CAPTION, COUNTDOWN_CAPTION};
    panel.sim().set(61, 100.0);
    auto page_shown = [&] {
        int found = -1;
        for (int p = 0; p < 8; ++p)
            if (shown(page_text[p])) found = p;
        return found;
    };
    EXPECT_EQ(page_shown(), 0);
    for (int expected : {7, 6, 5}) {
        press(SMALL_KNOB_LEFT);
        EXPECT_EQ(page_shown(), expected);
    }
    for (int expected : {6, 7, 0, 1}) {
        press(SMALL_KNOB_RIGHT);
        EXPECT_EQ(page_shown(), expected);
    }
    EXPECT_TRUE(shown(GPS_MODE_MARKER));
    press(SMALL_KNOB_LEFT, 2);
    EXPECT_FALSE(shown(GPS_MODE_MARKER)) << "no marker on the timer page";
}

TEST_P(EveryBuild, CountdownCursorMovesWithinHoursMinutesSecondsAndFieldsWrap)
{
    switch_on();
    press(SMALL_KNOB_LEFT);   // page 7
    press(SEL_KEY);
    until_blink(true);
    EXPECT_TRUE(shown(COUNTDOWN_CURSOR));
    EXPECT_EQ(frame(COUNTDOWN_CURSOR), 2) << "editing starts on the minutes";
    struct Move { Hotspot knob; int field; };
    for (Move m : {Move{LARGE_KNOB_LEFT, 1}, {LARGE_KNOB_LEFT, 1}, {LARGE_KNOB_RIGHT, 2}, {LARGE_KNOB_RIGHT, 3},
                   {LARGE_KNOB_RIGHT, 3}, {LARGE_KNOB_LEFT, 2}}) {
        press(m.knob);
        until_blink(true);
        EXPECT_EQ(frame(COUNTDOWN_CURSOR), m.field);
    }
    // The small knob now changes the minutes, not the page: 03 down four times wraps to 59.
    press(SMALL_KNOB_LEFT, 4);
    EXPECT_TRUE(shown(COUNTDOWN_CAPTION));
    EXPECT_EQ(text(COUNTDOWN_MINUTES), "59:");
    press(LARGE_KNOB_LEFT);
    press(SMALL_KNOB_LEFT);
    EXPECT_EQ(text(COUNTDOWN_HOURS), "99:");
    press(LARGE_KNOB_RIGHT, 2);
    press(SMALL_KNOB_RIGHT);
    EXPECT_EQ(text(COUNTDOWN_HOURS) + text(COUNTDOWN_MINUTES) + text(COUNTDOWN_SECONDS), "99:59:01");
    until_blink(false);
    EXPECT_FALSE(shown(COUNTDOWN_CURSOR)) << "the cursor blinks";
}

TEST_P(EveryBuild, CountdownRunsFromEntToZeroAndRaisesItsMessage)
{
    switch_on();
    press(SMALL_KNOB_LEFT);   // page 7, 00:03:00 loaded
    panel.sim().set(604, 1000.4);
    panel.frame();
    press(ENT_KEY);
    EXPECT_EQ(new_sounds(), std::vector<std::string>{SOFT_CLICK});
    EXPECT_EQ(text(COUNTDOWN_MINUTES) + text(COUNTDOWN_SECONDS), "03:00");
    panel.sim().set(604, 1120.0);
    panel.frame();
    EXPECT_EQ(text(COUNTDOWN_MINUTES) + text(COUNTDOWN_SECONDS), "01:00");
    panel.sim().set(604, 1179.9);
    panel.frame();
    EXPECT_EQ(text(COUNTDOWN_SECONDS), "01");
    EXPECT_EQ(published_msg(), 0);
    panel.sim().set(604, 1180.1);
    panel.frame();
    EXPECT_EQ(text(COUNTDOWN_SECONDS), "00");
    EXPECT_EQ(published_msg(), 1);
    until_blink(true);
    EXPECT_TRUE(shown(MSG_LAMP));
    until_blink(false);
    EXPECT_FALSE(shown(MSG_LAMP));

    press(MSG_KEY);
    EXPECT_EQ(frame(MESSAGE_SCREENS), 1) << "Countdown Timer Expired";
    EXPECT_FALSE(shown(COUNTDOWN_CAPTION));
    press(MSG_KEY);
    EXPECT_EQ(frame(MESSAGE_SCREENS), 0);
    EXPECT_EQ(published_msg(), 0);
    EXPECT_EQ(text(COUNTDOWN_SECONDS), "00") << "stopped";
}

TEST_P(EveryBuild, CountdownEndsEvenWhenTheClockJumpsPastIt)
{
    switch_on();
    press(SMALL_KNOB_LEFT);
    press(ENT_KEY);
    panel.sim().set(604, panel.sim().number(604) + 3600.0);
    panel.frame();
    EXPECT_EQ(published_msg(), 1);
    EXPECT_EQ(text(COUNTDOWN_HOURS) + text(COUNTDOWN_MINUTES) + text(COUNTDOWN_SECONDS), "00:00:00");
}

TEST_P(EveryBuild, SelStopsTheCountdownAndEntNeedsASetting)
{
    switch_on();
    press(SMALL_KNOB_LEFT);
    press(ENT_KEY);
    panel.sim().set(604, panel.sim().number(604) + 100.0);
    panel.frame();
    const std::string left = text(COUNTDOWN_MINUTES) + text(COUNTDOWN_SECONDS);
    EXPECT_TRUE(left == "01:20" || left == "01:19") << left;
    press(SEL_KEY);
    panel.sim().set(604, panel.sim().number(604) + 100.0);
    panel.frames(2);
    EXPECT_EQ(text(COUNTDOWN_MINUTES) + text(COUNTDOWN_SECONDS), left) << "stopped, the seconds left kept";

    // A setting of 00:00:00 neither starts the timer nor ends the editing.
    press(SMALL_KNOB_LEFT, 3);   // minutes 03 to 00, which also loads 0
    press(ENT_KEY);
    panel.sim().set(604, panel.sim().number(604) + 100.0);
    panel.frame();
    until_blink(true);
    EXPECT_TRUE(shown(COUNTDOWN_CURSOR)) << "still editing";
    EXPECT_EQ(published_msg(), 0);
}

TEST_P(EveryBuild, UtcEditingOnPage5SendsTheHostsClockEvents)
{
    switch_on();
    to_page(5);
    const int hour = static_cast<int>(panel.sim().number(6));
    press(SEL_KEY);
    until_blink(false);
    EXPECT_FALSE(shown(UTC_HOURS)) << "the field under the cursor blinks";
    EXPECT_TRUE(shown(UTC_MINUTES));
    until_blink(true);
    EXPECT_TRUE(shown(UTC_HOURS));

    press(SMALL_KNOB_RIGHT);
    panel.frame();
    EXPECT_EQ(new_events(), std::vector<uint32_t>{UTC_HOURS_UP});
    EXPECT_EQ(static_cast<int>(panel.sim().number(6)), (hour + 1) % 24);
    EXPECT_TRUE(shown(UTC_CAPTION)) << "the page stays";

    press(LARGE_KNOB_RIGHT, 2);   // minutes, and no further
    press(SMALL_KNOB_LEFT);
    press(LARGE_KNOB_LEFT, 2);    // hours, and no further
    press(SMALL_KNOB_LEFT);
    EXPECT_EQ(new_events(), (std::vector<uint32_t>{UTC_MINUTES_DOWN, UTC_HOURS_DOWN}));

    press(ENT_KEY);
    press(SMALL_KNOB_RIGHT);
    EXPECT_EQ(new_events(), std::vector<uint32_t>{});
    EXPECT_TRUE(shown(PDOP_CAPTION)) << "ENT ended the editing: the knob turns pages again";
}

TEST_P(EveryBuild, MessageTwoWaitsForTheSelfTestAndComesBackAfterAcknowledgement)
{
    panel.sim().set(831, 64);
    press(POWER_KNOB_ON);
    panel.frames(SELF_TEST_TICKS - 1);
    EXPECT_EQ(published_msg(), 0) << "never during the self-test";
    panel.frames(2);
    EXPECT_EQ(published_msg(), 2);
    EXPECT_EQ(frame(MESSAGE_SCREENS), 0) << "only flagged";

    press(MSG_KEY);
    EXPECT_EQ(frame(MESSAGE_SCREENS), 2) << "Empty To Waypoint: Cannot Compute Nav";
    EXPECT_FALSE(shown(BEARING));
    click(MSG_KEY);
    EXPECT_EQ(published_msg(), 2) << "published at the end of the update";
    panel.frame();
    EXPECT_EQ(frame(MESSAGE_SCREENS), 0);
    EXPECT_EQ(published_msg(), 2) << "raised again while the waypoint is empty";
    EXPECT_TRUE(shown(BEARING));

    panel.sim().set(831, 72);
    press(MSG_KEY, 2);
    EXPECT_EQ(published_msg(), 2);
    panel.sim().set(831, 0);
    panel.frame();   // the hidden status text reads the flags; the next update sees them
    press(MSG_KEY, 2);
    EXPECT_EQ(published_msg(), 0);
}

TEST_P(EveryBuild, ArrivalOpensItsViewWhileTheTimeEnRouteIsInItsWindow)
{
    switch_on();
    // 72 m/s is 139.968 kt; the host's metres per nautical mile here are 1856.7508.
    auto seconds_out = [&](double s) { fly(s / 3600.0 * 72 * 1.944 * 1856.7508, 72); };
    struct Case { double seconds; int code; int screen; };
    for (Case c : {Case{40.0, 0, 0}, {39.0, 3, 3}, {32.6, 3, 3}}) {
        seconds_out(c.seconds);
        panel.frame();
        EXPECT_EQ(published_msg(), c.code) << c.seconds << " s";
        EXPECT_EQ(frame(MESSAGE_SCREENS), c.screen) << c.seconds << " s";
    }
    seconds_out(35.0);
    press(MSG_KEY);
    EXPECT_EQ(frame(MESSAGE_SCREENS), 3) << "MSG inside the window closes the view only until the next update";
    seconds_out(20.0);
    press(MSG_KEY);
    EXPECT_EQ(frame(MESSAGE_SCREENS), 0);
    EXPECT_EQ(published_msg(), 0);

    fly(5000, 0);   // no ground speed: no time en route, no arrival
    panel.frame();
    EXPECT_EQ(text(ETE_HOURS) + text(ETE_MINUTES), "00:00");
    EXPECT_EQ(published_msg(), 0);
}

TEST_P(EveryBuild, NavEndsTheLateSelfTestWithoutStartingTheFlightTimer)
{
    press(POWER_KNOB_ON);
    panel.frames(54 + 36);   // software test in progress
    EXPECT_EQ(frame(SELF_TEST_SCREENS), 3);
    press(NAV_KEY);
    EXPECT_EQ(frame(SELF_TEST_SCREENS), 0);
    EXPECT_TRUE(shown(BEARING));
    panel.sim().set(604, panel.sim().number(604) + 7200.0);
    to_page(5);
    EXPECT_EQ(text(FLIGHT_HOURS) + text(FLIGHT_MINUTES), "00:00");
}

TEST_P(EveryBuild, FlightTimerStopsAtTheOffClickAndHoldsAt99Hours59)
{
    switch_on();
    to_page(5);
    panel.sim().set(604, panel.sim().number(604) + 3725.0);
    panel.frame();
    EXPECT_EQ(text(FLIGHT_HOURS) + text(FLIGHT_MINUTES), "01:02");
    panel.sim().set(604, panel.sim().number(604) + 100 * 3600.0);
    panel.frame();
    EXPECT_EQ(text(FLIGHT_HOURS) + text(FLIGHT_MINUTES), "99:59");

    press(POWER_KNOB_OFF);
    EXPECT_EQ(new_sounds(), std::vector<std::string>{CLICK});
    EXPECT_TRUE(el(FLIGHT_HOURS).hidden);
    EXPECT_EQ(text(FLIGHT_HOURS) + text(FLIGHT_MINUTES), "99:59") << "kept while stopped";
    press(POWER_KNOB_OFF);
    EXPECT_EQ(new_sounds(), std::vector<std::string>{}) << "the knob clicks only when it turns";
}

TEST_P(EveryBuild, DeviationBarFollowsTheCrossTrackErrorUpToFiveMiles)
{
    switch_on();
    to_page(1);
    struct Case { double nm; bool right; bool left; double dx; const char* shows; };
    const Case cases[] = {
        {0.0, false, false, 0.0, "0.0"},
        {2.5, true, false, 25.5, "2.5"},
        {-2.5, false, true, -25.5, "2.5"},
        {-0.05, false, true, -0.51, "0.1"},
        {7.3, true, false, 51.0, "7.3"},
        {-120.0, false, true, -51.0, "99.9"},
    };
    for (const Case& c : cases) {
        fly(1000, 50, c.nm * 1856.7508);
        panel.frame();
        EXPECT_EQ(shown(RIGHT_BAR), c.right) << c.nm;
        EXPECT_EQ(shown(RIGHT_BAR_MASK), c.right) << c.nm;
        EXPECT_EQ(shown(LEFT_BAR), c.left) << c.nm;
        EXPECT_EQ(shown(LEFT_BAR_MASK), c.left) << c.nm;
        EXPECT_TRUE(shown(AIRCRAFT_SYMBOL));
        EXPECT_NEAR((c.nm < 0 ? el(LEFT_BAR) : el(RIGHT_BAR)).dx, c.dx, 1e-3) << c.nm;
        EXPECT_EQ(text(CROSS_TRACK), c.shows) << c.nm;
    }
}

TEST_P(EveryBuild, PagesShowTheHostsGpsSolutionInTheirFormats)
{
    switch_on();
    struct Case { int page; std::vector<std::pair<int32_t, double>> sim; Element element; const char* shows; };
    const double nm = 1856.7508;
    const Case cases[] = {
        {0, {{835, 4630}, {832, 72}}, ETE_MINUTES, "01"},        // 2.493 nm at 139.97 kt: 0.0178 h
        {0, {{835, 4630}, {832, 72}}, DISTANCE, "  2nm"},
        {0, {{835, 1.75 * 100 * nm}, {832, 100 / 1.944}}, ETE_HOURS, "01:"},
        {0, {{835, 1.75 * 100 * nm}, {832, 100 / 1.944}}, ETE_MINUTES, "45"},
        {0, {{835, 1.99 * 100 * nm}, {832, 100 / 1.944}}, ETE_MINUTES, "59"},
        {0, {{836, 3.14}}, BEARING, "BRG 180"},
        {2, {{838, -10 * 3.14 / 180}}, DESIRED_TRACK, "Dtk 350"},
        {2, {{835, 12.34 * nm}}, DISTANCE_PAGE_2, "12.3nm"},
        {3, {{832, 72}}, GROUND_SPEED, "Ground Sp 140kts"},
        {4, {{614, 300}}, MIN_SAFE_ALTITUDE, "MinSafeA  3000"},
        {6, {{827, -(51 + 30.0 / 60) * 111130.555557}}, LATITUDE_DEGREES, "51\xB0"},
        {6, {{827, -(51 + 30.0 / 60) * 111130.555557}}, LATITUDE_SOUTH, "30.00S"},
        {6, {{828, (7 + 15.5 / 60) * 11930430.0}}, LONGITUDE_DEGREES, "007\xB0"},
        {6, {{828, (7 + 15.5 / 60) * 11930430.0}}, LONGITUDE_EAST, "15.50E"},
        {6, {{828, -(122 + 5.25 / 60) * 11930430.0}}, LONGITUDE_WEST, "5.25W"},
    };
    int page = 0;
    for (const Case& c : cases) {
        for (auto [token, value] : c.sim) panel.sim().set(token, value);
        for (; page != c.page; page = (page + 1) % 8) click(SMALL_KNOB_RIGHT);
        panel.frame();
        EXPECT_TRUE(shown(c.element)) << gps.describe();
        EXPECT_EQ(text(c.element), c.shows);
    }
    // On a whole degree the minutes remainder is 0: neither hemisphere letter shows.
    panel.sim().set(827, 50 * 111130.555557);
    panel.frame();
    EXPECT_FALSE(shown(LATITUDE_NORTH));
    EXPECT_FALSE(shown(LATITUDE_SOUTH));
}

TEST_P(EveryBuild, TrackCorrectsTheHeadingForDriftAboveFiveKnots)
{
    switch_on();
    to_page(2);
    panel.sim().set(838, 0.0);
    struct Case { double heading, wind_from, wind, airspeed; bool shown; const char* track; const char* error; };
    const Case cases[] = {
        {90.7, 0, 0, 100, true, "Trk 090", "Tae 270"},       // no wind: the heading, truncated
        {90, 180, 20, 100, true, "Trk 101", "Tae 259"},      // sine of 90 degrees: 20 / 100 of a radian
        {350, 80, 20, 100, true, "Trk 001", "Tae 359"},      // through north
        {90, 180, 20, 5.0, false, nullptr, nullptr},
        {90, 180, 0.2, 5.1, true, "Trk 092", "Tae 268"},
        {90, 180, 20, 0.0, false, nullptr, nullptr},         // no airspeed: hidden, and no crash
    };
    for (const Case& c : cases) {
        panel.sim().set(81, c.heading);
        panel.sim().set(344, c.wind_from);
        panel.sim().set(343, c.wind);
        panel.sim().set(61, c.airspeed);
        panel.frame();
        EXPECT_EQ(shown(TRACK), c.shown) << c.heading << " " << c.airspeed;
        EXPECT_EQ(shown(TRACK_ERROR), c.shown);
        if (!c.shown) continue;
        EXPECT_EQ(text(TRACK), c.track);
        EXPECT_EQ(text(TRACK_ERROR), c.error);
    }
}

TEST_P(EveryBuild, PublishesItsMessageFromInstallToKill)
{
    EXPECT_EQ(panel.named_vars().read("send_msg"), std::optional<int32_t>(0));
    panel.kill(gps);
    EXPECT_EQ(panel.named_vars().read("send_msg"), std::nullopt);
    panel.install(gps);
    EXPECT_EQ(panel.named_vars().read("send_msg"), std::optional<int32_t>(0));
}

TEST_P(EveryBuild, DirectToOnlyWhilePowered)
{
    press(DIRECT_TO_KEY);
    EXPECT_EQ(new_events(), std::vector<uint32_t>{});
    EXPECT_EQ(new_sounds(), std::vector<std::string>{SOFT_CLICK});
    switch_on();
    press(DIRECT_TO_KEY);
    EXPECT_EQ(new_events(), std::vector<uint32_t>{DIRECT_TO});
}

// The right halves of the two knobs share the column x = 586: the small knob, first in the table, takes it.
TEST(CompactNavigatorHotspots, KnobHalvesInTableOrder)
{
    host::Panel panel;
    host::Gauge& gps = panel.load(gauge_path("GPSCOM1_Corvane_QT8"));
    struct Case { int x, y, hotspot; };
    const Case cases[] = {
        {571, 70, SMALL_KNOB_LEFT}, {572, 70, 0}, {573, 70, SMALL_KNOB_RIGHT}, {586, 70, SMALL_KNOB_RIGHT},
        {586, 60, LARGE_KNOB_RIGHT}, {598, 70, LARGE_KNOB_RIGHT}, {599, 70, 0},
        {544, 80, LARGE_KNOB_LEFT}, {545, 80, 0}, {38, 80, POWER_KNOB_OFF}, {40, 80, POWER_KNOB_ON},
    };
    for (const Case& c : cases) EXPECT_EQ(gps.hotspot_at(c.x, c.y), c.hotspot) << c.x << "," << c.y;
}
