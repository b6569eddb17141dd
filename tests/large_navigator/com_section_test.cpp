// The COM section of the GPS/COM builds, and what the GPS-only build does instead.
#include "navigator_fixture.h"

using namespace nav_test;

namespace {

struct ComEvents {
    int32_t active, standby;
    uint32_t mhz_down, mhz_up, khz_down, khz_up, swap;
};

const ComEvents& events_of(const Build& b)
{
    static const ComEvents com1{23, 617, 65636, 65637, 65638, 65639, 66372};
    static const ComEvents com2{870, 871, 66436, 66437, 66438, 66440, 66444};
    return std::string(b.name) == COM1.name ? com1 : com2;
}

constexpr uint32_t MONITOR_ON = 66513, MONITOR_OFF = 66514;

} // namespace

class ComSection : public Navigator, public ::testing::WithParamInterface<Build> {
protected:
    const ComEvents& com = events_of(GetParam());

    void SetUp() override
    {
        load(GetParam());
        panel.sim().set(com.active, 0x1850);
        panel.sim().set(com.standby, 0x2150);
    }
};

INSTANTIATE_TEST_SUITE_P(Builds, ComSection, ::testing::Values(COM1, COM2), build_label);

TEST_P(ComSection, FrequenciesShowWithNavigationPageOne)
{
    switch_on();
    EXPECT_HIDDEN(g(), ACTIVE_FREQUENCY, true) << "hidden during the self-test";
    EXPECT_TEXT(g(), STANDBY_FREQUENCY, "s121.50") << "written while hidden";
    panel.frames(54 + 36 + 36);
    EXPECT_HIDDEN(g(), ACTIVE_FREQUENCY, false);
    EXPECT_HIDDEN(g(), STANDBY_FREQUENCY, false);
    EXPECT_TEXT(g(), ACTIVE_FREQUENCY, "a118.50");
    press(POWER_KNOB_OFF);
    EXPECT_HIDDEN(g(), STANDBY_FREQUENCY, true);
}

// First press: COM mode with the double arrow, no swap. Every further press swaps, the count stays at 2.
TEST_P(ComSection, ComKeyCountsThenSwaps)
{
    operate();
    press(COM_KEY);
    EXPECT_TRUE(new_events().empty());
    EXPECT_FRAME(g(), LABEL_STRIP, LABELS_TRANSFER);
    EXPECT_EQ(new_sounds(), std::vector<std::string>{SOFT_CLICK});
    press(COM_KEY);
    EXPECT_EQ(new_events(), std::vector<uint32_t>{com.swap});
    panel.frame();
    EXPECT_TEXT(g(), ACTIVE_FREQUENCY, "a121.50");
    EXPECT_TEXT(g(), STANDBY_FREQUENCY, "s118.50");
    press(COM_KEY);
    EXPECT_EQ(new_events(), std::vector<uint32_t>{com.swap});
    // NAV hands the knobs back to the pages and removes the arrow, without changing the page.
    press(NAV_KEY);
    EXPECT_FRAME(g(), LABEL_STRIP, LABELS_NONE);
    EXPECT_HIDDEN(g(), BEARING, false);
    press(INNER_KNOB_RIGHT);
    EXPECT_HIDDEN(g(), DESIRED_TRACK, false);
    EXPECT_TRUE(new_events().empty());
}

// During the self-test the key does not count; a count left from before still selects COM mode and swaps,
// also while the unit is off.
TEST_P(ComSection, ComKeyOutsideOperation)
{
    switch_on();
    press(COM_KEY);
    EXPECT_FRAME(g(), LABEL_STRIP, LABELS_SKP);
    EXPECT_TRUE(new_events().empty());
    press(INT_KEY);
    press(COM_KEY, 2);
    new_events();
    press(POWER_KNOB_OFF);
    press(COM_KEY);
    EXPECT_EQ(new_events(), std::vector<uint32_t>{com.swap});
}

TEST_P(ComSection, KnobsTuneInComModeOnly)
{
    operate();
    press(COM_KEY);
    for (int h : {OUTER_KNOB_LEFT, OUTER_KNOB_RIGHT, INNER_KNOB_LEFT, INNER_KNOB_RIGHT, INNER_KNOB_RIGHT}) press(h);
    EXPECT_EQ(new_events(), (std::vector<uint32_t>{com.mhz_down, com.mhz_up, com.khz_down, com.khz_up, com.khz_up}));
    panel.frame();
    EXPECT_TEXT(g(), STANDBY_FREQUENCY, "s121.52");   // 121.525
    EXPECT_HIDDEN(g(), BEARING, false) << "the page stays";
    // The transfer area swaps in COM mode and only clicks in GPS mode.
    press(TRANSFER_AREA);
    EXPECT_EQ(new_events(), std::vector<uint32_t>{com.swap});
    press(NAV_KEY);
    press(TRANSFER_AREA);
    EXPECT_TRUE(new_events().empty());
    EXPECT_EQ(new_sounds(), (std::vector<std::string>{SOFT_CLICK, SOFT_CLICK, SOFT_CLICK, SOFT_CLICK}));
}

// After a power failure the self-test runs in COM mode: the knobs tune, and the outer ring's wrap test still
// moves the step value.
TEST_P(ComSection, KnobsDuringSelfTestAfterPowerFailure)
{
    operate();
    panel.sim().set(773, 0.0);
    panel.frame();
    panel.sim().set(773, 1.0);
    panel.frames(20);
    ASSERT_EQ(screen(), SCREEN_BANNER);
    press(INNER_KNOB_RIGHT);
    EXPECT_EQ(new_events(), std::vector<uint32_t>{com.khz_up});
    EXPECT_EQ(screen(), SCREEN_BANNER);
    press(OUTER_KNOB_LEFT);
    EXPECT_EQ(new_events(), std::vector<uint32_t>{com.mhz_down});
    EXPECT_FRAME(g(), PAGE_TITLE, 7) << "the wrap test moved the step to the timer page";
}

TEST_P(ComSection, InfoTogglesMonitoringAndEndsEditing)
{
    operate();
    press(INFO_KEY, 3);
    EXPECT_EQ(new_events(), (std::vector<uint32_t>{MONITOR_ON, MONITOR_OFF, MONITOR_ON}));
    EXPECT_TRUE(panel.sim().com_monitor());
    go_to(ALTITUDE_PAGES, 3);
    press(SEL_KEY);
    press(INFO_KEY);
    until_second(false);
    EXPECT_HIDDEN(g(), DESCENT_END_ALTITUDE, false) << "editing ended: no blinking";
    press(INNER_KNOB_RIGHT);
    EXPECT_HIDDEN(g(), HOLD_ALTITUDE, false) << "the knob changes pages again";
    press(POWER_KNOB_OFF);
    new_events();
    press(INFO_KEY, 2);
    EXPECT_EQ(new_events(), (std::vector<uint32_t>{MONITOR_OFF, MONITOR_OFF}));
}

// ---- The GPS-only build ---------------------------------------------------------------------------------

class GpsOnly : public Navigator {
protected:
    void SetUp() override { load(GPS); }
};

TEST_F(GpsOnly, FontsDifferOnFourDisplays)
{
    EXPECT_STREQ(font(ETE_MINUTES), "Glass");
    for (int e : {ABOVE_HOLD, ALTIMETER_SETTING, ENCODER_ALTITUDE}) EXPECT_STREQ(font(e), "Glass Gauge") << e;
    panel.unload(GPS.name);
    load(COM1);
    EXPECT_STREQ(font(ETE_MINUTES), "Glass Gauge");
    for (int e : {ABOVE_HOLD, ALTIMETER_SETTING, ENCODER_ALTITUDE}) EXPECT_STREQ(font(e), "Glass") << e;
    panel.unload(COM1.name);
    load(COM2);
    EXPECT_STREQ(font(ETE_MINUTES), "Glass");
}

// Knob mode 0 during a self-test after a power failure: no event, and only the wrap test moves the page.
TEST_F(GpsOnly, KnobsNeverTune)
{
    operate();
    panel.sim().set(773, 0.0);
    panel.frame();
    panel.sim().set(773, 1.0);
    panel.frames(20);
    for (int h : {INNER_KNOB_LEFT, INNER_KNOB_RIGHT, OUTER_KNOB_RIGHT}) press(h);
    EXPECT_TRUE(new_events().empty());
    EXPECT_EQ(screen(), SCREEN_BANNER);
    press(OUTER_KNOB_LEFT);
    EXPECT_TRUE(new_events().empty());
    EXPECT_FRAME(g(), PAGE_TITLE, 7);
    EXPECT_EQ(g().hotspot_at(270, 170), 0) << "the NDB key does nothing";
}

// The wind angle goes to the sine unrounded, where the GPS/COM builds take whole degrees.
TEST_F(GpsOnly, TrackTakesTheUnroundedWindAngle)
{
    for (const Build& b : {GPS, COM1}) {
        if (b.name != GPS.name) {
            panel.unload(GPS.name);
            load(b);
        }
        operate();
        go_to(NAVIGATION_PAGES, 3);
        panel.sim().set(81, 10.0);
        panel.sim().set(344, 10.9);      // a wind angle of 0.9 degrees unrounded, 0 in whole degrees
        panel.sim().set(343, 200.0);
        panel.sim().set(61, 100.0);      // drift 2 sin(angle) in degrees: 1.8 against 0
        panel.frame();
        EXPECT_TEXT(g(), TRACK, b.name == GPS.name ? "Trk 011" : "Trk 010") << b.name;
    }
}

// A BCD digit above 9 is printed as it comes, in its place.
TEST_P(ComSection, FrequencyDigitsAboveNineAsTheyCome)
{
    operate();
    VAR_VALUE raw{};
    raw.i = 0x21C0;
    panel.sim().hold(com.standby, raw);
    panel.frame();
    EXPECT_TEXT(g(), STANDBY_FREQUENCY, "s121.12");
    panel.sim().set(com.standby, 0x1800);
    panel.sim().release(com.standby);
    panel.frame();
    EXPECT_TEXT(g(), STANDBY_FREQUENCY, "s118.00");
}
