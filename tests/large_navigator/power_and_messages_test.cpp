// The large navigator's power-up, self-test, messages and "send_msg", in all three builds.
#include "navigator_fixture.h"

using namespace nav_test;

class PowerUp : public Navigator, public ::testing::WithParamInterface<Build> {
protected:
    void SetUp() override { load(GetParam()); }
};

INSTANTIATE_TEST_SUITE_P(Builds, PowerUp, ::testing::Values(COM1, COM2, GPS), build_label);

TEST_P(PowerUp, ComesUpSwitchedOffAndDark)
{
    panel.frames(3);
    EXPECT_FRAME(g(), POWER_KNOB_IMAGE, 0);
    EXPECT_HIDDEN(g(), PAGE_TITLE, true);
    EXPECT_HIDDEN(g(), BEARING, true);
    EXPECT_EQ(screen(), SCREEN_NONE);
    EXPECT_FRAME(g(), LABEL_STRIP, LABELS_NONE);
    EXPECT_EQ(send_msg(), 0);
    EXPECT_EQ(g().elements().size(), static_cast<size_t>(build.element_count));
    EXPECT_EQ(g().hotspots().size(), static_cast<size_t>(build.hotspot_count));
}

// Banner 54 ticks, software test 36, passed 36, then navigation page 1; with every tick delivered each step
// ends exactly on its tick.
TEST_P(PowerUp, SelfTestStepsLastTheirTicks)
{
    switch_on();
    EXPECT_EQ(new_sounds(), std::vector<std::string>{CLICK});
    EXPECT_FRAME(g(), LABEL_STRIP, LABELS_SKP);
    struct Step { int frames; int screen; };
    for (Step s : {Step{1, SCREEN_BANNER}, {52, SCREEN_BANNER}, {1, SCREEN_TEST_IN_PROGRESS}, {35, SCREEN_TEST_IN_PROGRESS},
                   {1, SCREEN_TEST_PASSED}, {35, SCREEN_TEST_PASSED}}) {
        panel.frames(s.frames - 1);
        EXPECT_EQ(screen(), s.screen);
        panel.frame();
    }
    EXPECT_EQ(screen(), SCREEN_NONE);
    EXPECT_FRAME(g(), PAGE_TITLE, 1);
    EXPECT_HIDDEN(g(), BEARING, false);
    EXPECT_FRAME(g(), LABEL_STRIP, LABELS_NONE);
    EXPECT_TEXT(g(), FLIGHT_TIME_HOURS, "Ft 00:");
}

// A host that skips a tick value must not freeze the unit in its banner.
TEST_P(PowerUp, SkippedTickStillEndsTheStep)
{
    switch_on();
    panel.frames(52);
    panel.sim().tick();       // ticks 54 and 55 after the click never reach the unit
    panel.sim().tick();
    panel.frame();
    EXPECT_EQ(screen(), SCREEN_TEST_IN_PROGRESS);
}

TEST_P(PowerUp, SwitchedOffUnitNeverAdvances)
{
    switch_on();
    panel.frames(10);
    press(POWER_KNOB_OFF);
    EXPECT_EQ(new_sounds(), (std::vector<std::string>{CLICK, CLICK}));
    panel.frames(200);
    EXPECT_EQ(screen(), SCREEN_NONE);
    EXPECT_HIDDEN(g(), PAGE_TITLE, true);
    press(POWER_KNOB_OFF);
    EXPECT_TRUE(new_sounds().empty()) << "the knob is already off";
}

TEST_P(PowerUp, IntSkipsTheSelfTestAtOnce)
{
    switch_on();
    panel.frames(5);
    press(build.int_key);
    EXPECT_EQ(screen(), SCREEN_NONE);
    EXPECT_FRAME(g(), PAGE_TITLE, 1);
    EXPECT_HIDDEN(g(), ETE_LABEL, false);
    press(POWER_KNOB_ON);
    EXPECT_TRUE(new_sounds() == std::vector<std::string>({CLICK, SOFT_CLICK})) << "on again: no click, no restart";
    EXPECT_EQ(screen(), SCREEN_NONE);
}

// Losing bus power blanks the unit and drops the message; when it returns the screen stays blank 18 ticks,
// then the whole self-test runs again.
TEST_P(PowerUp, PowerFailureRestartsTheSelfTest)
{
    operate();
    panel.sim().set(831, 64);
    panel.frames(60);
    ASSERT_EQ(send_msg(), 2);
    panel.sim().set(773, 0.0);
    panel.frames(5);
    EXPECT_EQ(send_msg(), 0);
    EXPECT_HIDDEN(g(), PAGE_TITLE, true);
    EXPECT_HIDDEN(g(), ETE_LABEL, true);
    panel.sim().set(773, 1.0);
    panel.frames(17);
    EXPECT_EQ(screen(), SCREEN_NONE);
    panel.frame();
    EXPECT_EQ(screen(), SCREEN_BANNER);
    panel.frames(54 + 36 + 36);
    EXPECT_FRAME(g(), PAGE_TITLE, 1);
}

TEST_P(PowerUp, PowerValueMustBeExactlyOne)
{
    operate();
    struct Case { double bus; bool shown; };
    // A bus value of 2 darkens the displays without counting as a power failure: no new self-test.
    for (Case c : {Case{1.0, true}, {1.9, true}, {2.0, false}, {1.0, true}}) {
        panel.sim().set(773, c.bus);
        panel.frame();
        EXPECT_HIDDEN(g(), BEARING, !c.shown) << "bus " << c.bus;
    }
}

// ---- Messages -----------------------------------------------------------------------------------------

// Message 2 waits until the tick count has passed the last self-test target, even after a skip.
TEST_P(PowerUp, EmptyToWaypointWaitsForTheSelfTestTarget)
{
    panel.sim().set(831, 64);
    operate();
    panel.frames(51);
    EXPECT_EQ(send_msg(), 0) << "the self-test target has not passed";
    panel.frames(3);
    EXPECT_EQ(send_msg(), 2);
}

// Flags 64 and 72 mean no TO waypoint: MSG flashes, opens the view, and acknowledging brings the message
// back on the next update while the flags still say so.
TEST_P(PowerUp, EmptyToWaypointMessage)
{
    operate();
    panel.frames(60);
    for (int flags : {8, 64, 72}) {
        SCOPED_TRACE(flags);
        panel.sim().set(831, flags);
        panel.frames(2);
        const int expected = flags == 8 ? 0 : 2;
        EXPECT_EQ(send_msg(), expected);
        if (expected == 0) continue;
        EXPECT_EQ(screen(), SCREEN_NONE) << "pending, not in view";
        press(MSG_KEY);
        EXPECT_EQ(screen(), SCREEN_EMPTY_TO_WAYPOINT);
        EXPECT_HIDDEN(g(), BEARING, false) << "the page stays under the message";
        press(MSG_KEY);
        EXPECT_EQ(screen(), SCREEN_NONE);
        EXPECT_EQ(send_msg(), 2) << "raised again on the next update";
        press(MSG_KEY);
        panel.sim().set(831, 0);
        panel.frame();    // the flags reach the unit with a draw, the update after it drops the message
        press(MSG_KEY);
        EXPECT_EQ(send_msg(), 0);
    }
}

TEST_P(PowerUp, ArrivalMessageInsideItsWindowOnly)
{
    operate();
    panel.sim().set(832, 100.0 * MPS_PER_KNOT);
    struct Case { double hours; int msg; };
    for (Case c : {Case{0.0089, 0}, {0.009, 0}, {0.0095, 3}, {0.0109, 0}, {0.011, 0}}) {
        panel.sim().set(835, c.hours * 100.0 * METRES_PER_NM);
        press(MSG_KEY);   // acknowledge whatever was there: inside the window it comes back at once
        press(MSG_KEY);
        EXPECT_EQ(send_msg(), c.msg) << c.hours << " h";
        EXPECT_EQ(screen(), c.msg == 3 ? SCREEN_ARRIVAL : SCREEN_NONE) << c.hours << " h";
    }
}

TEST_P(PowerUp, SendMsgFollowsInstallAndKill)
{
    panel.sim().set(831, 64);
    operate();
    panel.frames(60);
    EXPECT_EQ(send_msg(), 2);
    press(POWER_KNOB_OFF);
    EXPECT_EQ(send_msg(), 0) << "switching off drops the message";
    panel.kill(g());
    EXPECT_FALSE(panel.named_vars().read("send_msg").has_value());
    panel.install(g());
    EXPECT_EQ(send_msg(), 0);
}

// ---- Timers -------------------------------------------------------------------------------------------

TEST_P(PowerUp, CountDownStartStopResumeAndExpiry)
{
    operate();
    press(OUTER_KNOB_LEFT);                       // navigation pages to the timer page
    EXPECT_FRAME(g(), PAGE_TITLE, 7);
    EXPECT_TEXT(g(), TIMER_MINUTES, "00:");
    press(ENTER_KEY);
    EXPECT_TEXT(g(), TIMER_MINUTES, "00:") << "nothing to count down";
    press(SEL_KEY);                               // loads the 3-minute setting, minutes selected
    EXPECT_TEXT(g(), TIMER_MINUTES, "03:");
    press(INNER_KNOB_LEFT, 3);                    // 0 min
    press(OUTER_KNOB_RIGHT);                      // seconds
    press(INNER_KNOB_RIGHT, 2);                   // 2 s
    EXPECT_TEXT(g(), TIMER_SECONDS, "02");
    press(ENTER_KEY);
    EXPECT_TEXT(g(), TIMER_SECONDS, "02") << "the first running value is the one loaded";
    press(SEL_KEY);                               // stop where it stands
    panel.frames(60);
    EXPECT_EQ(send_msg(), 0);
    const std::string stopped = text(TIMER_SECONDS);
    press(ENTER_KEY);                             // resume
    int frames = 0;
    while (send_msg() != 1 && frames < 5 * 18) panel.frame(), ++frames;
    EXPECT_EQ(send_msg(), 1);
    EXPECT_LE(frames, 3 * 18) << "expires within about two seconds of " << stopped;
    EXPECT_TEXT(g(), TIMER_SECONDS, "00");
    press(MSG_KEY);
    EXPECT_EQ(screen(), SCREEN_COUNTDOWN_EXPIRED);
    press(MSG_KEY);
    panel.frames(100);
    EXPECT_EQ(send_msg(), 0) << "raised once";
}

// A clock jump over the end of the count-down still expires it instead of counting below zero.
TEST_P(PowerUp, CountDownExpiresAfterAClockJump)
{
    operate();
    press(OUTER_KNOB_LEFT);
    press(SEL_KEY);
    press(ENTER_KEY);
    panel.sim().set(604, panel.sim().number(604) + 3600.0);
    panel.frame();
    EXPECT_EQ(send_msg(), 1);
    EXPECT_TEXT(g(), TIMER_MINUTES, "00:");
}

TEST_P(PowerUp, CountDownSettingWrapsEachFieldAlone)
{
    operate();
    press(OUTER_KNOB_LEFT);
    press(SEL_KEY);
    press(INNER_KNOB_RIGHT, 57);                  // minutes 3 -> 59 -> 0, no carry into the hours
    EXPECT_TEXT(g(), TIMER_MINUTES, "00:");
    EXPECT_TEXT(g(), TIMER_HOURS, "00:");
    press(OUTER_KNOB_LEFT, 3);                    // the cursor stops at the hours
    press(INNER_KNOB_LEFT);
    EXPECT_TEXT(g(), TIMER_HOURS, "99:");
    press(OUTER_KNOB_RIGHT, 5);                   // and at the seconds
    press(INNER_KNOB_LEFT);
    EXPECT_TEXT(g(), TIMER_SECONDS, "59");
}

TEST_P(PowerUp, FlightTimerCountsFromTheEndOfTheSelfTestAndStopsAt99h59)
{
    operate();
    go_to(NAVIGATION_PAGES, 4);
    panel.frames(18 * 61);
    EXPECT_TEXT(g(), FLIGHT_TIME_HOURS, "Ft 00:");
    EXPECT_TEXT(g(), FLIGHT_TIME_MINUTES, "01");
    panel.sim().set(604, panel.sim().number(604) + 200.0 * 3600.0);
    panel.frame();
    EXPECT_TEXT(g(), FLIGHT_TIME_HOURS, "Ft 99:");
    EXPECT_TEXT(g(), FLIGHT_TIME_MINUTES, "59");
}
