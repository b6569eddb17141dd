// What only the two COM builds do: the exact power test, COM mode with its frequencies, tuning, transfer
// and the COM monitor on SYS.
#include "navigator_fixture.h"

using namespace navigator_test;

class ComBuild : public Navigator, public ::testing::WithParamInterface<Build> {
protected:
    ComBuild() : Navigator(GetParam())
    {
        panel.sim().set(build.active, 0x2150);
        panel.sim().set(build.standby, 0x1802);
    }
};

INSTANTIATE_TEST_SUITE_P(Builds, ComBuild, ::testing::Values(COM1, COM2), build_label);

// Only exactly 1.0 powers the unit and only exactly 0.0 is a power failure, which re-arms the self-test.
TEST_P(ComBuild, PowerIsExactlyOneAndFailureExactlyZero)
{
    switch_on();
    struct Case { double bus; bool restarts; };
    for (Case c : {Case{0.0, true}, {0.5, false}, {0.99, false}, {1.5, false}, {-0.0, true}}) {
        panel.sim().set(773, c.bus);
        panel.frames(3);
        EXPECT_TRUE(el(BEARING).hidden) << c.bus;
        EXPECT_EQ(frame(SELF_TEST_SCREENS), 0) << "dark while unpowered, bus " << c.bus;
        panel.sim().set(773, 1.0);
        panel.frame();
        EXPECT_EQ(frame(SELF_TEST_SCREENS), c.restarts ? 1 : 0) << "bus " << c.bus;
        if (c.restarts) panel.frames(SELF_TEST_TICKS);
        EXPECT_TRUE(shown(BEARING)) << "bus " << c.bus;
    }
}

TEST_P(ComBuild, ComModeShowsTheFrequenciesBesideTheRightHandFields)
{
    press(COM_KEY);
    EXPECT_TRUE(el(ACTIVE_FREQUENCY).hidden) << "unpowered";
    press(POWER_KNOB_ON);
    press(COM_KEY);
    EXPECT_EQ(frame(SELF_TEST_SCREENS), 1) << "no COM mode during the self-test";
    EXPECT_TRUE(el(ACTIVE_FREQUENCY).hidden);
    panel.frames(SELF_TEST_TICKS);
    new_sounds();

    to_page(1);
    fly(2000, 50, 2 * 1856.7508);
    press(COM_KEY);
    EXPECT_EQ(new_sounds(), std::vector<std::string>{SOFT_CLICK});
    EXPECT_EQ(text(ACTIVE_FREQUENCY), "121.50");
    EXPECT_EQ(text(STANDBY_FREQUENCY), "s118.02");
    EXPECT_TRUE(shown(ACTIVE_FREQUENCY) && shown(STANDBY_FREQUENCY));
    for (Element left : {CROSS_TRACK, RIGHT_BAR, AIRCRAFT_SYMBOL, GPS_MODE_MARKER}) EXPECT_TRUE(el(left).hidden);
    for (Element right : {BEARING, DISTANCE}) EXPECT_TRUE(shown(right));

    press(SMALL_KNOB_RIGHT);
    EXPECT_EQ(new_events(), std::vector<uint32_t>{build.khz_up});
    EXPECT_TRUE(shown(BEARING)) << "COM mode turns no pages";
    EXPECT_EQ(text(STANDBY_FREQUENCY), "s118.05");

    press(NAV_KEY);
    EXPECT_TRUE(el(ACTIVE_FREQUENCY).hidden);
    EXPECT_TRUE(shown(CROSS_TRACK)) << "back on the page shown before";

    // On the timer page the caption in the middle gives way to the standby frequency; the digits stay.
    press(SMALL_KNOB_LEFT, 2);
    press(COM_KEY);
    EXPECT_TRUE(shown(STANDBY_FREQUENCY));
    EXPECT_TRUE(el(COUNTDOWN_CAPTION).hidden);
    EXPECT_TRUE(shown(COUNTDOWN_HOURS) && shown(COUNTDOWN_MINUTES) && shown(COUNTDOWN_SECONDS));
}

TEST_P(ComBuild, KnobsAndTransferSendThisBuildsEventsInComModeOnly)
{
    switch_on();
    for (Hotspot h : {TRANSFER_KEY, SMALL_KNOB_LEFT, LARGE_KNOB_RIGHT}) click(h);
    EXPECT_EQ(new_events(), std::vector<uint32_t>{}) << "GPS mode";
    EXPECT_EQ(new_sounds(), std::vector<std::string>{SOFT_CLICK});
    press(SMALL_KNOB_RIGHT);   // back to page 0
    press(COM_KEY);
    for (Hotspot h : {LARGE_KNOB_LEFT, LARGE_KNOB_RIGHT, SMALL_KNOB_LEFT, SMALL_KNOB_RIGHT, TRANSFER_KEY}) click(h);
    EXPECT_EQ(new_events(),
              (std::vector<uint32_t>{build.mhz_down, build.mhz_up, build.khz_down, build.khz_up, build.swap}));
    panel.frames(2);
    EXPECT_EQ(text(ACTIVE_FREQUENCY), "118.02");
    EXPECT_EQ(text(STANDBY_FREQUENCY), "s121.50");

    press(POWER_KNOB_OFF);
    for (Hotspot h : {LARGE_KNOB_LEFT, SMALL_KNOB_RIGHT, TRANSFER_KEY}) click(h);
    EXPECT_EQ(new_events(), std::vector<uint32_t>{}) << "unpowered";
}

TEST_P(ComBuild, SysTogglesTheMonitorAndItsLampWhilePowered)
{
    for (int i = 0; i < 2; ++i) click(SYS_KEY);
    EXPECT_EQ(new_events(), (std::vector<uint32_t>{MONITOR_OFF, MONITOR_OFF})) << "unpowered: always off";
    switch_on();
    press(SYS_KEY);
    EXPECT_TRUE(shown(SYS_LAMP));
    EXPECT_TRUE(panel.sim().com_monitor());
    press(SYS_KEY);
    EXPECT_FALSE(shown(SYS_LAMP));
    press(SYS_KEY);
    EXPECT_EQ(new_events(), (std::vector<uint32_t>{MONITOR_ON, MONITOR_OFF, MONITOR_ON}));
    EXPECT_EQ(new_sounds(), std::vector<std::string>(3, SOFT_CLICK));

    // Switching off sends nothing and keeps the selection; the lamp is dark.
    press(POWER_KNOB_OFF);
    EXPECT_FALSE(shown(SYS_LAMP));
    EXPECT_EQ(new_events(), std::vector<uint32_t>{});
    EXPECT_TRUE(panel.sim().com_monitor());
}

// SYS ends the editing but leaves the cursor: the field stays dark, the small knob still sends the field's
// UTC event and cannot turn the page until ENT clears the cursor.
TEST_P(ComBuild, SysDuringUtcEditingLeavesTheCursorOnItsField)
{
    switch_on();
    to_page(5);
    press(SEL_KEY);
    press(SYS_KEY);
    new_events();
    for (bool blink : {true, false}) {
        until_blink(blink);
        EXPECT_TRUE(el(UTC_HOURS).hidden);
        EXPECT_TRUE(shown(UTC_MINUTES));
    }
    press(SMALL_KNOB_RIGHT);
    EXPECT_EQ(new_events(), std::vector<uint32_t>{UTC_HOURS_UP});
    EXPECT_TRUE(shown(UTC_CAPTION));
    press(LARGE_KNOB_RIGHT);
    press(SMALL_KNOB_RIGHT);
    EXPECT_EQ(new_events(), std::vector<uint32_t>{UTC_HOURS_UP}) << "no editing: the large knob moves nothing";
    press(ENT_KEY);
    press(SMALL_KNOB_RIGHT);
    EXPECT_TRUE(shown(PDOP_CAPTION));
}

TEST_P(ComBuild, MsgWithTheUnitOffStillAcknowledgesAndSelectsGpsMode)
{
    panel.sim().set(831, 64);
    switch_on();
    press(COM_KEY);
    press(POWER_KNOB_OFF);   // COM mode
    press(MSG_KEY);          // pending message 2: view
    press(MSG_KEY);          // acknowledge
    EXPECT_EQ(published_msg(), 0) << "not raised again while unpowered";
    panel.sim().set(831, 0);
    click(POWER_KNOB_ON);
    press(MSG_KEY);          // leaves the self-test at once, in GPS mode
    EXPECT_TRUE(shown(BEARING));
    EXPECT_TRUE(el(ACTIVE_FREQUENCY).hidden);
}
