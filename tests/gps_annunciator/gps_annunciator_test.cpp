// The annunciator unit in both builds, beside a navigator that publishes its message code as "send_msg",
// and alone.
#include "fly.h"
#include "gps_annunciator_faceplate.h"
#include "panel_config.h"
#include "panel_fixture.h"
#include "trace.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <sstream>

using namespace gps_annunciator;

namespace {

const char* const BUILDS[] = {"GPSACU_Corvane_hor", "GPSACU_Corvane_ver"};

// The navigator on the unit's panel: a stand-in that publishes "send_msg" the way every navigator does and
// takes its message code from token 9990, so that each code can be raised at once. The unit beside the real
// large navigator is examples/gps_annunciator_with_navigator.script.
struct Navigator {
    const char* gauge = "Probe_Message_Publisher";
    std::filesystem::path module() const { return test_gauge_path(gauge); }
    static void raise(host::Panel& panel, int code) { panel.sim().set(9990, code); }
};

constexpr int32_t BUS = 773, NAV_SOURCE = 848;
constexpr uint32_t NAV_SOURCE_TOGGLE = 66375;
const std::string SOFT_CLICK = "sound\\soft_click.wav";

} // namespace

class Annunciator : public PanelTest, public ::testing::WithParamInterface<const char*> {
protected:
    Navigator navigator;
    host::Gauge* unit = nullptr;

    void SetUp() override { panel.sim().set(BUS, 1.0); }

    host::Gauge& load_unit() { return *(unit = &panel.load(gauge_path(GetParam()))); }
    host::Gauge& load_navigator() { return panel.load(navigator.module()); }

    // The first frame's reset leaves the unit dark until the next update reads the bus again.
    void start() { panel.frames(2); }

    int lamps() const { return unit->element(ANNUNCIATORS).frame; }
    int keys() const { return unit->element(KEYS).frame; }
};

INSTANTIATE_TEST_SUITE_P(Builds, Annunciator, ::testing::ValuesIn(BUILDS),
                         [](const auto& info) { return std::string(info.param).substr(15); });

TEST_P(Annunciator, WithNavigatorMsgLightsForEveryMessageCode)
{
    load_navigator();
    load_unit();
    start();
    struct Case { int source, code, lamps; };
    const Case cases[] = {
        {0, 0, NAV_LIT}, {0, 1, NAV_AND_MSG_LIT}, {0, 2, NAV_AND_MSG_LIT}, {0, 3, NAV_AND_MSG_LIT},
        {1, 3, GPS_AND_MSG_LIT}, {1, 2, GPS_AND_MSG_LIT}, {1, 1, GPS_AND_MSG_LIT}, {1, 0, GPS_LIT},
        {0, -1, NAV_AND_MSG_LIT},   // any code but 0
        {2, 3, ALL_DARK},           // neither NAV nor GPS: nothing lit
    };
    for (const Case& c : cases) {
        panel.sim().set(NAV_SOURCE, c.source);
        Navigator::raise(panel, c.code);
        panel.frame();
        EXPECT_EQ(lamps(), c.lamps) << "source " << c.source << ", message " << c.code << "\n" << unit->describe();
    }
}

TEST_P(Annunciator, WithNavigatorTheUnitsResetClearsThePublishedMessageOnce)
{
    load_navigator();
    load_unit();
    Navigator::raise(panel, 3);
    panel.frame();   // the navigator publishes 3, then the unit's first draw resets and writes 0
    EXPECT_EQ(panel.named_vars().read("send_msg"), 0);
    EXPECT_EQ(lamps(), ALL_DARK) << "the reset itself leaves the unit dark until its next update";
    panel.frame();   // the navigator's next update publishes it again
    EXPECT_TEXT(panel.gauge(navigator.gauge), 2, "seen 0") << "the navigator found the unit's 0 in its variable";
    EXPECT_EQ(panel.named_vars().read("send_msg"), 3);
    EXPECT_EQ(lamps(), NAV_AND_MSG_LIT);
    panel.frames(3);
    EXPECT_TEXT(panel.gauge(navigator.gauge), 2, "seen 3") << "no second write";
}

// A panel.cfg may list the unit before or after its navigator: either way the unit finds the message.
class AnnunciatorOnPanel : public Annunciator {
protected:
    void load_panel_with_unit(bool first)
    {
        const std::string unit_line = std::string(GetParam()) + "!" + GetParam() + ", 0, 0, 246, 246\n";
        const std::string navigator_line = std::string(navigator.gauge) + "!" + navigator.gauge + ", 246, 0, 100, 30\n";
        const std::string text = "[Window00]\nsize_mm=400,250\n" + std::string("gauge00=") +
                                 (first ? unit_line : navigator_line) + "gauge01=" + (first ? navigator_line : unit_line);
        host::load_panel(panel, host::parse_panel_config(text, "panel.cfg"), {GAUGE_DIR, TEST_GAUGE_DIR});
        unit = &panel.gauge(GetParam());
    }
};

INSTANTIATE_TEST_SUITE_P(Builds, AnnunciatorOnPanel, ::testing::ValuesIn(BUILDS),
                         [](const auto& info) { return std::string(info.param).substr(15); });

TEST_P(AnnunciatorOnPanel, WithNavigatorListedAfterTheUnit)
{
    load_panel_with_unit(true);
    start();
    Navigator::raise(panel, 2);
    panel.frame();
    EXPECT_EQ(lamps(), NAV_AND_MSG_LIT);
}

TEST_P(AnnunciatorOnPanel, WithNavigatorListedBeforeTheUnit)
{
    load_panel_with_unit(false);
    start();
    Navigator::raise(panel, 2);
    panel.frame();
    EXPECT_EQ(lamps(), NAV_AND_MSG_LIT);
}

// The navigator killed withdraws its message: MSG goes dark. Installed again alone, it is not seen until the
// unit binds again, as it does when the panel installs its gauges anew. Unloaded, it leaves the unit reading
// no message, not freed memory.
TEST_P(Annunciator, WithNavigatorKilledAndReinstalled)
{
    host::Gauge& nav = load_navigator();
    load_unit();
    start();
    Navigator::raise(panel, 1);
    panel.frame();
    EXPECT_EQ(lamps(), NAV_AND_MSG_LIT);

    panel.kill(nav);
    panel.frame();
    EXPECT_EQ(lamps(), NAV_LIT) << "no navigator publishes a message";
    panel.install(nav);
    panel.frame();
    EXPECT_EQ(lamps(), NAV_LIT) << "the unit's binding still names the withdrawn publisher";

    panel.kill(nav);
    panel.kill(*unit);
    panel.install_together({unit, &nav});
    panel.frame();
    EXPECT_EQ(lamps(), NAV_AND_MSG_LIT);

    panel.unload(navigator.gauge);
    panel.frame();
    EXPECT_EQ(lamps(), NAV_LIT);
}

TEST_P(Annunciator, WithoutNavigatorMsgStaysDarkAndTheResetWritesNothing)
{
    load_unit();
    start();
    EXPECT_EQ(lamps(), NAV_LIT);
    EXPECT_EQ(panel.named_vars().read("send_msg"), std::nullopt);
    panel.sim().set(NAV_SOURCE, 1);
    panel.frame();
    EXPECT_EQ(lamps(), GPS_LIT);
    panel.click(*unit, TEST_BUTTON);
    panel.frame();
    EXPECT_EQ(lamps(), ALL_LIT);
}

TEST_P(Annunciator, NavGpsKeySwitchesTheSimulationsNavigationSource)
{
    load_unit();
    start();
    struct Step { int lamps, keys; };
    for (Step s : {Step{GPS_LIT, NAV_GPS_KEY_LIT}, {NAV_LIT, KEYS_UNLIT}, {GPS_LIT, NAV_GPS_KEY_LIT}}) {
        panel.click(*unit, NAV_GPS_KEY);
        panel.frames(2);
        EXPECT_EQ(lamps(), s.lamps);
        EXPECT_EQ(keys(), s.keys);
    }
    EXPECT_EQ(new_events(), std::vector<uint32_t>(3, NAV_SOURCE_TOGGLE));
    EXPECT_EQ(new_sounds(), std::vector<std::string>(3, SOFT_CLICK));
    EXPECT_EQ(panel.sim().number(NAV_SOURCE), 1.0);

    panel.sim().set(BUS, 0.0);
    panel.frame();
    panel.click(*unit, NAV_GPS_KEY);
    panel.frame();
    EXPECT_EQ(new_events(), std::vector<uint32_t>{}) << "without power the key only clicks";
    EXPECT_EQ(new_sounds(), std::vector<std::string>{SOFT_CLICK});
    EXPECT_EQ(lamps(), ALL_DARK);
    EXPECT_EQ(keys(), KEYS_UNLIT);
}

TEST_P(Annunciator, TestButtonLightsEveryLampSilentlyAndOnlyWithPower)
{
    load_navigator();
    load_unit();
    start();
    struct Step { double bus; int lamps; };
    // Each step presses TEST once with the bus as given, then looks with power on.
    for (Step s : {Step{1.0, ALL_LIT}, {1.0, NAV_LIT}, {1.0, ALL_LIT}, {0.0, NAV_LIT}, {0.0, NAV_LIT}}) {
        panel.sim().set(BUS, s.bus);
        panel.frame();
        panel.click(*unit, TEST_BUTTON);
        panel.sim().set(BUS, 1.0);
        panel.frame();
        EXPECT_EQ(lamps(), s.lamps) << "bus " << s.bus;
    }
    EXPECT_EQ(new_sounds(), std::vector<std::string>{});
    EXPECT_EQ(new_events(), std::vector<uint32_t>{});
}

TEST_P(Annunciator, GpsSeqLatchesWithOrWithoutPowerAndShowsWithIt)
{
    load_unit();
    start();
    panel.sim().set(BUS, 0.0);
    panel.frame();
    panel.click(*unit, GPS_SEQ_KEY);
    panel.frame();
    EXPECT_EQ(keys(), KEYS_UNLIT) << "dark without power";
    panel.sim().set(BUS, 1.0);
    panel.frame();
    EXPECT_EQ(keys(), GPS_SEQ_KEY_LIT);
    panel.sim().set(NAV_SOURCE, 1);
    panel.frame();
    EXPECT_EQ(keys(), NAV_GPS_KEY_LIT + GPS_SEQ_KEY_LIT);
    panel.sim().set(NAV_SOURCE, 2);
    panel.frame();
    EXPECT_EQ(keys(), KEYS_UNLIT) << "a source other than NAV or GPS";
    panel.sim().set(NAV_SOURCE, 0);
    panel.click(*unit, GPS_SEQ_KEY);
    panel.frame();
    EXPECT_EQ(keys(), KEYS_UNLIT);
    EXPECT_EQ(new_sounds(), std::vector<std::string>(2, SOFT_CLICK));
}

TEST_P(Annunciator, DarkUnlessTheBusCarriesExactlyOne)
{
    load_unit();
    start();
    panel.sim().set(NAV_SOURCE, 1);
    struct Case { double bus; int lamps; };
    for (Case c : {Case{1.0, GPS_LIT}, {0.99, ALL_DARK}, {2.0, ALL_DARK}, {1.5, GPS_LIT}, {0.0, ALL_DARK}}) {
        panel.sim().set(BUS, c.bus);
        panel.frame();
        EXPECT_EQ(lamps(), c.lamps) << "bus " << c.bus;
        EXPECT_EQ(keys(), c.lamps == ALL_DARK ? KEYS_UNLIT : NAV_GPS_KEY_LIT) << "bus " << c.bus;
    }
}

// What the NAV/GPS key did is visible outside the gauges too: in the trace of every frame and in the
// summary after a run.
TEST_P(Annunciator, NavigationSourceShowsInTheTraceAndTheRunSummary)
{
    load_unit();
    start();
    const auto file = std::filesystem::path(::testing::TempDir()) / (std::string(GetParam()) + ".trace");
    {
        host::Trace trace(file);
        for (int i = 0; i < 2; ++i) {
            panel.click(*unit, NAV_GPS_KEY);
            panel.frame();
            trace.record(panel);
        }
        panel.sim().set(NAV_SOURCE, 2);
        panel.frame();
        trace.record(panel);
    }
    std::ifstream in(file);
    std::vector<std::string> sources;
    for (std::string line; std::getline(in, line);) sources.push_back(nlohmann::json::parse(line).at("nav_source"));
    EXPECT_EQ(sources, (std::vector<std::string>{"GPS", "NAV", "2"}));

    panel.sim().set(NAV_SOURCE, 1);
    std::ostringstream summary;
    host::print_summary(panel, host::FlyResult{}, summary);
    EXPECT_NE(summary.str().find("\n  navigation source GPS\n"), std::string::npos) << summary.str();
}
