// Scripts as a tester writes them: held raw values, expectations per gauge, elements and hotspots by name,
// modules beside the script, and lines that stop the script before anything runs.
#include "panel.h"
#include "panel_fixture.h"
#include "script.h"

#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int failures = -1;
    std::string output;    // failed expectations as the script reports them
    std::string error;     // a script that cannot run
};

// Runs `text` as the script `file` (its folder is where paths are taken from) on `panel`.
Outcome run(host::Panel& panel, const std::string& text, const fs::path& file = fs::path(GAUGE_DIR) / "test.script")
{
    Outcome o;
    std::ostringstream out;
    host::ScriptOptions options;
    options.module_dirs = {GAUGE_DIR};
    options.out = &out;
    try {
        o.failures = host::run_script(host::parse_script(text, file), panel, options);
    } catch (const host::ScriptError& e) {
        o.error = e.what();
    }
    o.output = out.str();
    return o;
}

// Both COM radios on a live bus, switched on.
const std::string TWO_RADIOS_ON = R"(
load COM1_Corvane_QT3
load COM2_Corvane_QT3
set 773 1
tick
click COM1_Corvane_QT3 hotspot power_knob_right
click COM2_Corvane_QT3 hotspot power_knob_right
tick
expect sounds sound\click.wav sound\click.wav
)";

} // namespace

TEST(Script, HeldTokensReadTheirRawValueUntilReleased)
{
    host::Panel panel;
    const Outcome o = run(panel, TWO_RADIOS_ON + R"(
set 617 0x1800
hold 617 0x1AFF        # digits no channel has: 1, 10, 15, 15
set 617 0x1850         # the simulation moves underneath; the hold stands
tick
expect COM1_Corvane_QT3 element standby_display text "s1110.15"
expect token 617 0x1AFF
release 617
tick
expect COM1_Corvane_QT3 element standby_display text "s118.50"

hold 617 0xFFFFFFFF    # any 32 bits, written unsigned or signed
expect token 617 -1
hold 617 -2147483648
expect token 617 -2147483648
release 617

hold 773 nan           # a bus reading NaN is no power
tick
expect token 773 nan
expect COM1_Corvane_QT3 element active_display hidden
hold 773 inf
tick
expect COM1_Corvane_QT3 element active_display hidden
release 773
tick
expect COM1_Corvane_QT3 element active_display shown
expect token 773 1
)");
    EXPECT_EQ(o.error, "");
    EXPECT_EQ(o.failures, 0) << o.output;
}

TEST(Script, HoldStandsAgainstTheFlight)
{
    host::Panel panel;
    const Outcome o = run(panel, R"(
flight ../flights/default.toml
tick
hold 837 1200.5
hold 831 77            # GPS flags: a value the flight never gives
wait 10s
expect token 837 1200.5
expect token 831 77
release 837
release 831
tick
expect token 831 0
)", fs::path(SOURCE_DIR) / "examples" / "test.script");
    EXPECT_EQ(o.error, "");
    EXPECT_EQ(o.failures, 0) << o.output;
    EXPECT_NE(panel.sim().number(837), 1200.5) << "released, the flight derives the cross-track again";
}

TEST(Script, HoldRefusesValuesTheTokenCannotCarry)
{
    struct Case { std::string line, problem; };
    const Case cases[] = {
        {"hold 617 1.5", "test.script:1: '1.5' is not a whole number (32-bit integer value)"},
        {"hold 617 0x100000000", "test.script:1: '0x100000000' does not fit the 32 bits of token 617"},
        {"hold 617 nan", "'nan' is not a whole number"},
        {"hold 773 lots", "'lots' is not a number (value)"},
        {"set 773 nan", "'nan' is not a number (value)"},   // set keeps its checked meaning
        {"hold 773", "usage: hold TOKEN VALUE"},
        {"release", "usage: release TOKEN"},
    };
    for (const Case& c : cases) {
        host::Panel panel;
        const Outcome o = run(panel, c.line);
        EXPECT_NE(o.error.find(c.problem), std::string::npos) << c.line << "\n" << o.error;
    }
}

TEST(Script, ExpectationsPerGaugeTakeOnlyThatGaugesEventsAndSounds)
{
    host::Panel panel;
    const Outcome o = run(panel, TWO_RADIOS_ON + R"(
click COM1_Corvane_QT3 hotspot inner_knob_right
click COM2_Corvane_QT3 hotspot outer_knob_right
click COM2_Corvane_QT3 hotspot transfer_key
click COM1_Corvane_QT3 hotspot mon_key
expect events COM2_Corvane_QT3 66437 66444
expect sounds COM1_Corvane_QT3 sound\soft_click.wav
expect events COM1_Corvane_QT3 65639 66513
expect events none                      # every event is checked once
expect sounds COM2_Corvane_QT3 sound\soft_click.wav
expect sounds none
click COM2_Corvane_QT3 hotspot ec_key
expect events COM1_Corvane_QT3 none
expect events COM2_Corvane_QT3 65639
)");
    EXPECT_EQ(o.error, "");
    EXPECT_EQ(o.failures, 1) << o.output;
    EXPECT_NE(o.output.find("test.script:23: expectation failed: key events of COM2_Corvane_QT3 65639, sent "),
              std::string::npos)
        << o.output;
}

TEST(Script, ElementsAndHotspotsByNameOrNumber)
{
    host::Panel panel;
    const Outcome o = run(panel, TWO_RADIOS_ON + R"(
set 617 0x1800
click COM1_Corvane_QT3 hotspot INNER_KNOB_RIGHT
tick 2
expect COM1_Corvane_QT3 element 3 text "s118.02"
expect COM1_Corvane_QT3 element standby_display text "s118.02"
expect COM1_Corvane_QT3 element power_knob frame 1
click COM1_Corvane_QT3 hotspot 7
expect COM1_Corvane_QT3 element Standby_Display text "s118.05"
)");
    EXPECT_EQ(o.error, "");
    EXPECT_EQ(o.failures, 1);
    EXPECT_NE(o.output.find("test.script:18: expectation failed: COM1_Corvane_QT3 element 3 text \"s118.05\""),
              std::string::npos)
        << o.output;
    EXPECT_NE(o.output.find("3 standby_display string shown \"s118.02\""), std::string::npos)
        << "the faceplate printed with a failure names its elements\n"
        << o.output;
}

TEST(Script, BadLinesStopTheScriptBeforeAnythingRuns)
{
    struct Case { std::string text, problem; };
    const Case cases[] = {
        {"load COM1_Corvane_QT3\nclick COM1_Corvane_QT3 hotspot volume_knob",
         "test.script:2: COM1_Corvane_QT3 has no hotspot named 'volume_knob'"},
        {"load COM1_Corvane_QT3\nexpect COM1_Corvane_QT3 element dial shown",
         "test.script:2: COM1_Corvane_QT3 has no element named 'dial'"},
        {"load COM1_Corvane_QT3\nexpect NoSuch_Gauge element dial shown",
         "test.script:2: 'dial': no element names are known for NoSuch_Gauge"},
        {"load COM1_Corvane_QT3\nexpect events 65639 x", "test.script:2: 'x' is not a whole number (key event)"},
        {"load COM1_Corvane_QT3\nexpect COM1_Corvane_QT3 element 2 colour red",
         "test.script:2: cannot expect 'colour' of an element"},
        {"load COM1_Corvane_QT3\nflight nowhere.toml", "test.script:2: "},
        {"load COM1_Corvane_QT3\nprint \"unterminated", "test.script:2: unterminated quoted text"},
    };
    for (const Case& c : cases) {
        host::Panel panel;
        const Outcome o = run(panel, c.text);
        EXPECT_NE(o.error.find(c.problem), std::string::npos) << c.text << "\n" << o.error;
        EXPECT_TRUE(panel.gauges().empty()) << "the first line did not run: " << c.text;
    }
}

TEST(Script, BareModuleFileIsFoundBesideTheScript)
{
    const fs::path dir = fs::temp_directory_path() / "script_test_beside";
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::copy_file(gauge_path("COM2_Corvane_QT3"), dir / "COM2_Corvane_QT3.gau");

    host::Panel panel;
    const Outcome o = run(panel, "load COM2_Corvane_QT3.gau\n", dir / "beside.script");
    EXPECT_EQ(o.error, "");
    ASSERT_EQ(panel.gauges().size(), 1u);
    EXPECT_EQ(panel.gauges()[0]->module().path(), dir / "COM2_Corvane_QT3.gau");

    host::Panel other;
    const Outcome missing = run(other, "load Nowhere_Gauge.gau\n", dir / "beside.script");
    EXPECT_NE(missing.error.find("beside.script:1: no module " + (dir / "Nowhere_Gauge.gau").string()),
              std::string::npos)
        << missing.error;
    fs::remove_all(dir);
}
