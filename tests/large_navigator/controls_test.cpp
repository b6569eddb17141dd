// The large navigator's knobs and keys: page selection, editing, the events they send.
#include "navigator_fixture.h"

using namespace nav_test;

class Controls : public Navigator, public ::testing::WithParamInterface<Build> {
protected:
    void SetUp() override
    {
        load(GetParam());
        operate();
    }

    // Page group and sub-page as the overlay and the displays tell them.
    std::string page()
    {
        const int title = frame_of(PAGE_TITLE);
        if (!shown(PAGE_TITLE)) return "none";
        for (auto [e, name] : {std::pair{BEARING, "10/1"}, {DESIRED_TRACK, "10/2"}, {FLIGHT_TIME_HOURS, "10/4"},
                               {UTC_HOURS, "10/6"}, {MIN_SAFE_ALTITUDE, "10/7"}, {ALTITUDE, "10/8"},
                               {ALTIMETER_SETTING, "20/1"}, {ENCODER_ALTITUDE, "20/2"}, {DESCENT_POINT, "20/3"},
                               {HOLD_BUFFER, "20/4"}, {LATITUDE_DEGREES, "30/1"}, {TIMER_HOURS, "40/1"}})
            if (shown(e)) return name;
        return "title " + std::to_string(title);
    }
};

INSTANTIATE_TEST_SUITE_P(Builds, Controls, ::testing::Values(COM1, COM2, GPS), build_label);

// The outer ring steps the groups cyclically, always to sub-page 1; the inner ring steps the sub-pages up to
// the last of the group and down to 1, without wrapping.
TEST_P(Controls, KnobsSelectPages)
{
    struct Turn { int hotspot; int times; const char* page; };
    const Turn turns[] = {
        {INNER_KNOB_LEFT, 1, "10/1"},  {INNER_KNOB_RIGHT, 1, "10/2"}, {INNER_KNOB_RIGHT, 10, "10/8"},
        {OUTER_KNOB_RIGHT, 1, "20/1"}, {INNER_KNOB_RIGHT, 9, "20/4"}, {INNER_KNOB_LEFT, 1, "20/3"},
        {OUTER_KNOB_RIGHT, 1, "30/1"}, {INNER_KNOB_RIGHT, 1, "30/1"}, {INNER_KNOB_LEFT, 1, "30/1"},
        {OUTER_KNOB_RIGHT, 1, "40/1"}, {INNER_KNOB_RIGHT, 1, "40/1"}, {OUTER_KNOB_RIGHT, 1, "10/1"},
        {OUTER_KNOB_LEFT, 1, "40/1"},  {OUTER_KNOB_LEFT, 1, "30/1"},  {OUTER_KNOB_LEFT, 2, "10/1"},
    };
    for (const Turn& t : turns) {
        for (int i = 0; i < t.times; ++i) press(t.hotspot);
        EXPECT_EQ(page(), t.page) << "after hotspot " << t.hotspot << " x" << t.times << "\n" << g().describe();
    }
    EXPECT_TRUE(new_events().empty());
    EXPECT_TRUE(new_sounds().empty()) << "the knobs are silent";
}

// The dual knob is not locked during a self-test started with the power knob: the outer ring moves the step
// value by 10 and the test stops.
TEST_P(Controls, OuterKnobDuringTheSelfTest)
{
    press(POWER_KNOB_OFF);
    switch_on();
    press(OUTER_KNOB_LEFT);
    EXPECT_EQ(page(), "40/1");
    press(POWER_KNOB_OFF);
    switch_on();
    press(OUTER_KNOB_RIGHT);                       // step 1 becomes 11: a bare screen
    EXPECT_EQ(page(), "title 0");
    EXPECT_EQ(screen(), SCREEN_NONE);
    panel.frames(200);
    EXPECT_EQ(page(), "title 0") << "the self-test does not continue";
    for (int i = 0; i < 3; ++i) press(OUTER_KNOB_RIGHT);   // 21, 31, 41 wraps to 10
    EXPECT_EQ(page(), "10/1");
}

TEST_P(Controls, UtcPageEditing)
{
    panel.sim().set(7, 30);                        // far from the next hour
    go_to(NAVIGATION_PAGES, 6);
    const double hour = panel.sim().number(6), minute = panel.sim().number(7);
    press(SEL_KEY);
    press(INNER_KNOB_RIGHT);
    press(OUTER_KNOB_RIGHT, 3);                    // minutes field, and no further
    press(INNER_KNOB_LEFT);
    EXPECT_EQ(new_events(), (std::vector<uint32_t>{65658, 65659}));
    panel.frame();
    EXPECT_EQ(panel.sim().number(6), std::fmod(hour + 1.0, 24.0));
    EXPECT_EQ(panel.sim().number(7), std::fmod(minute + 59.0, 60.0));
    EXPECT_EQ(page(), "10/6") << "editing keeps the page";
    press(ENTER_KEY);
    press(INNER_KNOB_RIGHT);
    EXPECT_EQ(page(), "10/7");
    EXPECT_TRUE(new_events().empty());
}

TEST_P(Controls, AltimeterSettingEditing)
{
    go_to(ALTITUDE_PAGES, 1);
    const double setting = panel.sim().number(75);
    press(INNER_KNOB_RIGHT);                       // not editing: sub-page 2
    press(INNER_KNOB_LEFT);
    press(SEL_KEY);
    press(INNER_KNOB_RIGHT, 2);
    press(INNER_KNOB_LEFT);
    EXPECT_EQ(new_events(), (std::vector<uint32_t>{65883, 65883, 65884}));
    panel.frame();
    EXPECT_GT(panel.sim().number(75), setting);
    press(ENTER_KEY);
    press(INNER_KNOB_RIGHT);
    EXPECT_EQ(page(), "20/2");
}

// The descent end and hold altitudes change by 100 ft and never go below 0.
TEST_P(Controls, AltitudesStayAtOrAboveZero)
{
    go_to(ALTITUDE_PAGES, 3);
    press(SEL_KEY);
    EXPECT_TEXT(g(), DESCENT_END_ALTITUDE, "End Alt:    2000'");
    press(INNER_KNOB_LEFT, 25);
    EXPECT_TEXT(g(), DESCENT_END_ALTITUDE, "End Alt:     000'");
    press(INNER_KNOB_RIGHT);
    EXPECT_TEXT(g(), DESCENT_END_ALTITUDE, "End Alt:     100'");
    press(ENTER_KEY);
    press(INNER_KNOB_RIGHT);
    press(SEL_KEY);
    press(INNER_KNOB_LEFT);
    EXPECT_TEXT(g(), HOLD_ALTITUDE, "  000ft");
    press(INNER_KNOB_RIGHT, 125);
    EXPECT_TEXT(g(), HOLD_ALTITUDE, "12500ft");
}

// An inner-knob click on the timer page, not editing and stopped, loads the setting into the count-down.
TEST_P(Controls, TimerKnobLoadsTheSetting)
{
    press(OUTER_KNOB_LEFT);
    EXPECT_TEXT(g(), TIMER_MINUTES, "00:");
    press(INNER_KNOB_RIGHT);
    EXPECT_TEXT(g(), TIMER_MINUTES, "03:");
    EXPECT_EQ(page(), "40/1");
}

TEST_P(Controls, DirectToOnlyWhilePowered)
{
    press(DIRECT_TO_KEY);
    EXPECT_EQ(new_events(), std::vector<uint32_t>{65908});
    press(POWER_KNOB_OFF);
    new_sounds();
    press(DIRECT_TO_KEY);
    EXPECT_TRUE(new_events().empty());
    EXPECT_EQ(new_sounds(), std::vector<std::string>{SOFT_CLICK}) << "the key clicks all the same";
}

// Editing left open when the unit is switched off or loses power must not hold the knobs after power-up.
TEST_P(Controls, EditingEndsWithThePower)
{
    for (bool power_failure : {false, true}) {
        SCOPED_TRACE(power_failure ? "power failure" : "power knob");
        press(OUTER_KNOB_LEFT);
        press(OUTER_KNOB_RIGHT);                   // navigation page 1
        go_to(ALTITUDE_PAGES, 1);
        press(SEL_KEY);
        if (power_failure) {
            panel.sim().set(773, 0.0);
            panel.frame();
            panel.sim().set(773, 1.0);
            panel.frames(18 + 54 + 36 + 36);
        } else {
            press(POWER_KNOB_OFF);
            switch_on();
            press(build.int_key);
        }
        ASSERT_EQ(page(), "10/1");
        press(INNER_KNOB_RIGHT);
        EXPECT_EQ(page(), "10/2");
    }
}
