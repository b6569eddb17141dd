// The COM radio in both builds, as the pilot uses it, through the host's real frequency model.
#include "com_radio_faceplate.h"
#include "panel_fixture.h"

#include <algorithm>

using namespace com_radio;

namespace {

struct Build {
    const char* name;
    int32_t active, standby;
    uint32_t mhz_down, mhz_up, khz_down, khz_up, swap;
};

void PrintTo(const Build& b, std::ostream* os) { *os << b.name; }

const Build COM1{"COM1_Corvane_QT3", 23, 617, 65636, 65637, 65638, 65639, 66372};
const Build COM2{"COM2_Corvane_QT3", 870, 871, 66436, 66437, 66438, 66440, 66444};

constexpr uint32_t MONITOR_ON = 66513, MONITOR_OFF = 66514;
const std::string CLICK = "sound\\click.wav", SOFT_CLICK = "sound\\soft_click.wav";

} // namespace

class ComRadio : public PanelTest, public ::testing::WithParamInterface<Build> {
protected:
    const Build& build = GetParam();
    host::Gauge& radio = panel.load(gauge_path(build.name));

    void SetUp() override
    {
        tune(0x1890, 0x1800);
        panel.sim().set(773, 1.0);
        panel.frame();
    }

    void tune(int32_t active, int32_t standby)
    {
        panel.sim().set(build.active, active);
        panel.sim().set(build.standby, standby);
    }

    void switch_on()
    {
        panel.click(radio, POWER_KNOB_RIGHT);
        panel.frame();
        new_events();
        new_sounds();
    }

    // A click, then the frames that let the host perform its events and the radio show the result.
    void press(Hotspot h)
    {
        panel.click(radio, h);
        panel.frames(2);
    }
};

INSTANTIATE_TEST_SUITE_P(Builds, ComRadio, ::testing::Values(COM1, COM2),
                         [](const auto& info) { return std::string(info.param.name).substr(0, 4); });

TEST_P(ComRadio, ComesUpSwitchedOffWhateverTheBus)
{
    EXPECT_HIDDEN(radio, ACTIVE_DISPLAY, true);
    EXPECT_HIDDEN(radio, STANDBY_DISPLAY, true);
    EXPECT_FRAME(radio, POWER_KNOB, 0);
    EXPECT_TEXT(radio, STANDBY_DISPLAY, "s118.00") << "text is written even while hidden";
}

TEST_P(ComRadio, DisplaysShowOnlyWithExactlyOneOnTheBus)
{
    switch_on();
    struct Case { double bus; bool shown; };
    for (Case c : {Case{0.0, false}, {0.99, false}, {1.0, true}, {1.5, true}, {2.0, false}, {1.0, true}}) {
        panel.sim().set(773, c.bus);
        panel.frame();
        EXPECT_HIDDEN(radio, ACTIVE_DISPLAY, !c.shown) << "bus " << c.bus;
        EXPECT_HIDDEN(radio, STANDBY_DISPLAY, !c.shown) << "bus " << c.bus;
    }
    EXPECT_TEXT(radio, ACTIVE_DISPLAY, "118.90");
    EXPECT_TEXT(radio, STANDBY_DISPLAY, "s118.00");
}

TEST_P(ComRadio, PowerKnobClicksOnlyWhenItTurns)
{
    panel.click(radio, POWER_KNOB_LEFT);
    EXPECT_EQ(new_sounds(), std::vector<std::string>{});
    panel.click(radio, POWER_KNOB_RIGHT);
    panel.click(radio, POWER_KNOB_RIGHT);
    EXPECT_EQ(new_sounds(), std::vector<std::string>{CLICK});
    panel.frame();
    EXPECT_FRAME(radio, POWER_KNOB, 1);
    panel.click(radio, POWER_KNOB_LEFT);
    panel.click(radio, POWER_KNOB_LEFT);
    EXPECT_EQ(new_sounds(), std::vector<std::string>{CLICK});
    panel.frame();
    EXPECT_FRAME(radio, POWER_KNOB, 0);
    EXPECT_HIDDEN(radio, ACTIVE_DISPLAY, true);
    EXPECT_EQ(new_events(), std::vector<uint32_t>{});
}

TEST_P(ComRadio, ControlsDoNothingButClickWhileUnpowered)
{
    for (Hotspot h : {TRANSFER_KEY, OUTER_KNOB_LEFT, INNER_KNOB_LEFT, INNER_KNOB_RIGHT, OUTER_KNOB_RIGHT, EC_KEY})
        panel.click(radio, h);
    EXPECT_EQ(new_events(), std::vector<uint32_t>{});
    EXPECT_EQ(new_sounds(), (std::vector<std::string>{SOFT_CLICK, SOFT_CLICK}));

    switch_on();
    panel.sim().set(773, 0.0);   // switched on, but the bus fails
    panel.frame();
    panel.click(radio, INNER_KNOB_RIGHT);
    panel.click(radio, EC_KEY);
    EXPECT_EQ(new_events(), std::vector<uint32_t>{});
}

TEST_P(ComRadio, KnobsTuneTheStandbyFrequency)
{
    switch_on();
    struct Case { int32_t standby; Hotspot knob; uint32_t event; const char* shows; };
    const Case cases[] = {
        {0x1800, INNER_KNOB_RIGHT, build.khz_up, "s118.02"},
        {0x1802, INNER_KNOB_RIGHT, build.khz_up, "s118.05"},
        {0x1800, INNER_KNOB_LEFT, build.khz_down, "s118.97"},    // inside the MHz, no carry
        {0x1897, INNER_KNOB_RIGHT, build.khz_up, "s118.00"},
        {0x1805, OUTER_KNOB_RIGHT, build.mhz_up, "s119.05"},
        {0x1805, OUTER_KNOB_LEFT, build.mhz_down, "s136.05"},    // wraps to the top of the band
        {0x3697, OUTER_KNOB_RIGHT, build.mhz_up, "s118.97"},
    };
    for (const Case& c : cases) {
        panel.sim().set(build.standby, c.standby);
        press(c.knob);
        EXPECT_EQ(new_events(), std::vector<uint32_t>{c.event}) << c.shows;
        EXPECT_TEXT(radio, STANDBY_DISPLAY, c.shows);
    }
    EXPECT_EQ(new_sounds(), std::vector<std::string>{}) << "tuning knobs make no sound";
}

TEST_P(ComRadio, TransferSwapsActiveAndStandby)
{
    switch_on();
    press(TRANSFER_KEY);
    EXPECT_EQ(new_events(), std::vector<uint32_t>{build.swap});
    EXPECT_EQ(new_sounds(), std::vector<std::string>{SOFT_CLICK});
    EXPECT_TEXT(radio, ACTIVE_DISPLAY, "118.00");
    EXPECT_TEXT(radio, STANDBY_DISPLAY, "s118.90");
}

TEST_P(ComRadio, MonitorKeyAlternatesWhenPoweredAndOnlyClearsWhenNot)
{
    for (int i = 0; i < 2; ++i) panel.click(radio, MON_KEY);
    EXPECT_EQ(new_events(), (std::vector<uint32_t>{MONITOR_OFF, MONITOR_OFF}));
    switch_on();
    for (int i = 0; i < 3; ++i) panel.click(radio, MON_KEY);
    EXPECT_EQ(new_events(), (std::vector<uint32_t>{MONITOR_ON, MONITOR_OFF, MONITOR_ON}));
    EXPECT_EQ(new_sounds(), std::vector<std::string>(3, SOFT_CLICK));
    panel.frame();
    EXPECT_TRUE(panel.sim().com_monitor());

    // Losing power keeps the monitor as last sent; the next click while unpowered switches it off.
    panel.click(radio, POWER_KNOB_LEFT);
    panel.frame();
    EXPECT_EQ(new_events(), std::vector<uint32_t>{});
    panel.click(radio, MON_KEY);
    EXPECT_EQ(new_events(), std::vector<uint32_t>{MONITOR_OFF});
}

TEST_P(ComRadio, EmergencyChannelFromAnywhereInTheBand)
{
    switch_on();
    struct Case { int32_t standby; int khz_up, khz_down, mhz_up, mhz_down; };
    const Case cases[] = {
        {0x1800, 20, 0, 3, 0},
        {0x1802, 19, 0, 3, 0},
        {0x2150, 0, 0, 0, 0},
        {0x2152, 0, 1, 0, 0},
        {0x3597, 0, 19, 0, 14},
        {0x3600, 20, 0, 0, 15},   // the top of the band reaches 121.50 too
    };
    for (const Case& c : cases) {
        tune(0x1890, c.standby);
        panel.frame();
        press(EC_KEY);
        std::vector<uint32_t> expected;
        expected.insert(expected.end(), c.khz_up, build.khz_up);
        expected.insert(expected.end(), c.khz_down, build.khz_down);
        expected.insert(expected.end(), c.mhz_up, build.mhz_up);
        expected.insert(expected.end(), c.mhz_down, build.mhz_down);
        expected.push_back(build.swap);
        EXPECT_EQ(new_events(), expected) << std::hex << "standby 0x" << c.standby;
        EXPECT_TEXT(radio, ACTIVE_DISPLAY, "121.50");
        EXPECT_TEXT(radio, STANDBY_DISPLAY, "s118.90");
    }
}

TEST_P(ComRadio, KeepsItsSwitchAcrossKillAndReinstall)
{
    switch_on();
    panel.kill(radio);
    panel.install(radio);
    panel.frame();
    EXPECT_FRAME(radio, POWER_KNOB, 1);
    EXPECT_HIDDEN(radio, ACTIVE_DISPLAY, false);
}

// The knob halves lie edge to edge: each box covers x <= px < x + w, so every column of a knob belongs to
// exactly one half, and the pixel just past a box is no longer its.
TEST(ComRadioHotspots, KnobHalvesMeetWithoutSharingAColumn)
{
    host::Panel panel;
    host::Gauge& radio = panel.load(gauge_path("COM1_Corvane_QT3"));
    struct Case { int x, y, hotspot; };
    const Case cases[] = {
        {522, 51, OUTER_KNOB_LEFT}, {542, 102, OUTER_KNOB_LEFT}, {543, 60, 0}, {522, 103, 0},
        {546, 56, INNER_KNOB_LEFT}, {560, 70, INNER_KNOB_LEFT}, {561, 70, INNER_KNOB_RIGHT},
        {578, 89, INNER_KNOB_RIGHT}, {570, 90, 0}, {570, 55, 0},
        {579, 70, OUTER_KNOB_RIGHT}, {595, 70, OUTER_KNOB_RIGHT}, {596, 70, 0},
        {42, 70, POWER_KNOB_LEFT}, {43, 70, POWER_KNOB_RIGHT}, {62, 97, POWER_KNOB_RIGHT}, {63, 70, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(radio.hotspot_at(c.x, c.y), c.hotspot) << c.x << "," << c.y;
}
