// What both audio panels do alike: the marker receiver's lamps and switch, the DME key, the named
// variables "nav1" and "nav2", and the two side by side on one panel.
#include "audio_fixture.h"
#include "qt1m_faceplate.h"
#include "qt5_faceplate.h"

#include "flight_file.h"
#include "bitmap_source.h"
#include "panel_config.h"

#include <cmath>
#include <filesystem>
#include <fstream>

using namespace audio;

namespace {

struct Build {
    const char* name;
    int switch_on;          // the hotspot that switches the panel on from its start
    int marker_switch;      // hotspot
    int dme_key, nav1_key;  // hotspots
    int marker_lamps;       // element
    int dme_source;         // element
    int lever;              // element showing the marker switch, or 0 where it is painted
};

void PrintTo(const Build& b, std::ostream* os) { *os << b.name; }

const Build QT1M{"AUD_Corvane_QT1M", audio_panel_qt1m::ROTARY_CLOCKWISE, audio_panel_qt1m::MARKER_SWITCH_LEVER,
                 audio_panel_qt1m::D_KEY, audio_panel_qt1m::N1_KEY, audio_panel_qt1m::MARKER_LAMPS,
                 audio_panel_qt1m::DME_SOURCE_TEXT, audio_panel_qt1m::MARKER_SWITCH};
const Build QT5{"AUD_Corvane_QT5", audio_panel_qt5::VOLUME_RIGHT, audio_panel_qt5::MARKER_SWITCH_LEVER,
                audio_panel_qt5::DME_KEY, audio_panel_qt5::NAV1_KEY, audio_panel_qt5::MARKER_LAMPS,
                audio_panel_qt5::DME_SOURCE_TEXT, 0};

} // namespace

class BothPanels : public AudioPanelTest, public ::testing::WithParamInterface<Build> {
protected:
    const Build& build = GetParam();
    host::Gauge& aud = panel.load(gauge_path(build.name));

    void SetUp() override
    {
        panel.sim().set(t::BUS_POWER, 1.0);
        panel.frame();
    }

    void switch_on()
    {
        panel.click(aud, build.switch_on);
        panel.frame();
        new_events();
        new_sounds();
    }
};

INSTANTIATE_TEST_SUITE_P(Panels, BothPanels, ::testing::Values(QT1M, QT5),
                         [](const auto& info) { return std::string(info.param.name).substr(13); });

// LO, TEST, HI, LO: each click moves the lever one place while powered; reaching TEST sounds the marker
// tones and lights all three lamps. Without power the lever stays, and at TEST the tones sound again.
TEST_P(BothPanels, MarkerSwitchAndTestTone)
{
    switch_on();
    struct Click { double bus; Sounds sounds; int lever_frame, lamps; };
    const Click clicks[] = {
        {0, {CLICK}, 1, 0},              // unpowered: stays at LO
        {1, {CLICK, TEST_TONE}, 2, 4},   // TEST
        {1, {CLICK}, 0, 0},              // HI
        {1, {CLICK}, 1, 0},              // LO
        {1, {CLICK, TEST_TONE}, 2, 4},   // TEST again
        {0, {CLICK, TEST_TONE}, 2, 0},   // unpowered at TEST: the tones again, the lamps dark
        {1, {CLICK}, 0, 0},              // HI
    };
    for (const Click& c : clicks) {
        panel.sim().set(t::BUS_POWER, c.bus);
        panel.frame();
        new_sounds();
        panel.click(aud, build.marker_switch);
        EXPECT_EQ(new_sounds(), c.sounds);
        panel.frame();
        if (build.lever) EXPECT_FRAME(aud, build.lever, c.lever_frame);
        EXPECT_FRAME(aud, build.marker_lamps, c.lamps);
    }
    EXPECT_EQ(new_events(), Events{}) << "the marker switch tells the simulation nothing";
}

// The lamps show the beacon the receiver reports while powered; without power they are dark and the
// receiver's value is not taken. A value the lamps do not know lights none.
TEST_P(BothPanels, MarkerLampsFollowTheReceiver)
{
    switch_on();
    struct Case { double beacon, bus; int frame; };
    const Case cases[] = {
        {0, 1, 0}, {1, 1, 1}, {2, 1, 2}, {3, 1, 3}, {3.9, 1, 3},
        {2, 0, 0},                              // unpowered: dark
        {1, 1, 1},
        {4, 1, 0}, {7, 1, 0}, {-1, 1, 0}, {1e12, 1, 0}, {NAN, 1, 0},   // no such beacon: no lamp, not TEST
    };
    for (const Case& c : cases) {
        VAR_VALUE raw{};
        raw.f = c.beacon;
        panel.sim().hold(t::MARKER, raw);   // what the receiver reports, whatever it is
        panel.sim().set(t::BUS_POWER, c.bus);
        panel.frame();
        EXPECT_FRAME(aud, build.marker_lamps, c.frame) << "beacon " << c.beacon << ", bus " << c.bus;
    }
}

// The D key toggles the audio of the DME that token 355 names, as the hidden element last read it; with
// any other value it only clicks and flips its light.
TEST_P(BothPanels, DmeKeyAddressesTheDmeTheHiddenElementRead)
{
    switch_on();
    struct Case { int32_t select; Events sent; const char* text; };
    for (const Case& c : {Case{1, {DME1}, "1"}, {2, {DME2}, "2"}, {0, {}, "0"}, {3, {}, "3"}, {-1, {}, "-1"}}) {
        panel.sim().set(t::MARKER_DME_SELECT, c.select);
        panel.frame();
        new_events();
        panel.click(aud, build.dme_key);
        EXPECT_EQ(new_events(), c.sent) << "DME select " << c.select;
        EXPECT_EQ(new_sounds(), Sounds{SOFT_CLICK});
        EXPECT_HIDDEN(aud, build.dme_source, true);
        EXPECT_TEXT(aud, build.dme_source, c.text);
        panel.sim().set(t::DME_AUDIO, 0.0);
        panel.frame();
    }
}

// "nav1" and "nav2" follow the simulation's NAV audio selections, vanish on kill and come back on the next
// install with the panel's state kept.
TEST_P(BothPanels, NavAudioPublishedForOtherGauges)
{
    auto& names = panel.named_vars();
    EXPECT_EQ(names.read("nav1"), 0);
    EXPECT_EQ(names.read("nav2"), 0);
    switch_on();
    select_in_sim({t::NAV2_AUDIO});
    panel.frame();
    EXPECT_EQ(names.read("nav1"), 0);
    EXPECT_EQ(names.read("nav2"), 1);

    panel.click(aud, build.nav1_key);
    EXPECT_EQ(names.read("nav1"), 1) << "the key answers at once";
    panel.frames(2);
    EXPECT_EQ(names.read("nav1"), 1);
    panel.sim().set(t::NAV1_AUDIO, 0.0);   // the simulation has the last word
    panel.frame();
    EXPECT_EQ(names.read("nav1"), 0);

    panel.kill(aud);
    EXPECT_FALSE(names.read("nav1").has_value());
    EXPECT_FALSE(names.read("nav2").has_value());
    panel.install(aud);
    panel.frame();
    EXPECT_EQ(names.read("nav2"), 1);
    new_events();
    panel.click(aud, build.nav1_key);
    EXPECT_EQ(new_events(), Events{NAV1}) << "still switched on after the new install";
}

// Flying the default flight down the approach: the lamps light middle, then inner (runway 28R has no outer
// marker), exactly while the receiver hears each beacon.
TEST_P(BothPanels, MarkerLampsOnTheDefaultApproach)
{
    panel.sim().load_flight(host::read_flight(std::filesystem::path(SOURCE_DIR) / "flights/default.toml"));
    switch_on();
    std::vector<int> seen;
    for (int i = 0; i < 54 * 60 * 18; ++i) {
        panel.frame();
        const int lamp = aud.element(build.marker_lamps).frame;
        const bool powered = panel.sim().number(t::BUS_POWER) == 1.0;
        ASSERT_EQ(lamp, powered ? static_cast<int>(panel.sim().number(t::MARKER)) : 0) << "frame " << i;
        if (seen.empty() || seen.back() != lamp) seen.push_back(lamp);
    }
    EXPECT_EQ(seen, (std::vector<int>{0, 2, 0, 3, 0}));
}

// Both panels on one panel.cfg, their resource numbers overlapping: each draws its own pictures, keeps its
// own state and its own publication of "nav1" and "nav2"; the QT1M at OFF switches off what the QT5 selects.
TEST(AudioPanels, BothOnOnePanel)
{
    const auto dir = std::filesystem::path(testing::TempDir()) / "audio_panels";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "panel.cfg") << "[Window Titles]\nWindow00=Audio\n\n[Window00]\nsize_mm=600,247\n"
                                        "gauge00=AUD_Corvane_QT1M!AUD_Corvane_QT1M, 0, 0, 600, 124\n"
                                        "gauge01=AUD_Corvane_QT5!AUD_Corvane_QT5, 0, 124, 600, 123\n";
    host::Panel panel;
    host::load_panel(panel, host::read_panel_config(dir / "panel.cfg"), {std::filesystem::path(GAUGE_DIR)});
    panel.sim().set(t::BUS_POWER, 1.0);
    panel.frame();
    host::Gauge& qt1m = panel.gauge("AUD_Corvane_QT1M");
    host::Gauge& qt5 = panel.gauge("AUD_Corvane_QT5");
    EXPECT_NE(host::module_bitmaps(qt1m.module())->bitmap(0x2200), host::module_bitmaps(qt5.module())->bitmap(0x2200));
    panel.click(qt5, audio_panel_qt5::VOLUME_RIGHT);
    panel.frames(3);
    EXPECT_FRAME(qt5, audio_panel_qt5::MKR_LAMP, 0) << "the QT1M at OFF switched off what the QT5's reset selected";
    EXPECT_EQ(panel.sim().number(t::MARKER_AUDIO), 0.0);

    panel.click(qt1m, audio_panel_qt1m::ROTARY_CLOCKWISE);
    panel.click(qt5, audio_panel_qt5::MKR_KEY);
    panel.frames(2);
    EXPECT_FRAME(qt5, audio_panel_qt5::MKR_LAMP, 2);
    EXPECT_FRAME(qt1m, audio_panel_qt1m::M_LIGHT, 2);
    EXPECT_FRAME(qt1m, audio_panel_qt1m::ROTARY_SELECTOR, audio_panel_qt1m::COM_1);
    EXPECT_FRAME(qt5, audio_panel_qt5::ROTARY_SELECTOR, 0);

    // Both publish "nav1" and "nav2"; killing one leaves the other's publication.
    panel.sim().set(t::NAV2_AUDIO, 1.0);
    panel.frame();
    panel.kill(qt5);
    EXPECT_EQ(panel.named_vars().read("nav2"), 1) << "the QT1M's, still installed";
    panel.kill(qt1m);
    EXPECT_FALSE(panel.named_vars().read("nav2").has_value());
    panel.install(qt5);
    EXPECT_EQ(panel.named_vars().read("nav2"), 1);
}
