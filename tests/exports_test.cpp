// Two builds of one instrument live side by side in one host without sharing a single variable. (What every
// module exports is checked for each deliverable by the conformance suite.)
#include "com_radio_faceplate.h"
#include "panel_fixture.h"
#include "truncate.h"

#include <fstream>

class TwoBuilds : public PanelTest {};

TEST_F(TwoBuilds, ShareNoState)
{
    using namespace com_radio;
    host::Gauge& com1 = panel.load(gauge_path("COM1_Corvane_QT3"));
    host::Gauge& com2 = panel.load(gauge_path("COM2_Corvane_QT3"));
    panel.sim().set(773, 1.0);
    panel.frame();
    panel.click(com1, POWER_KNOB_RIGHT);
    panel.frame();
    EXPECT_FRAME(com1, POWER_KNOB, 1);
    EXPECT_FRAME(com2, POWER_KNOB, 0);
    EXPECT_HIDDEN(com1, STANDBY_DISPLAY, false);
    EXPECT_HIDDEN(com2, STANDBY_DISPLAY, true);

    // Each radio tunes its own receiver with its own events.
    panel.click(com1, INNER_KNOB_RIGHT);
    panel.click(com2, POWER_KNOB_RIGHT);
    panel.frame();
    panel.click(com2, OUTER_KNOB_RIGHT);
    panel.frames(2);
    EXPECT_TEXT(com1, STANDBY_DISPLAY, "s118.02");
    EXPECT_TEXT(com2, STANDBY_DISPLAY, "s119.00");
}

TEST(Truncation, TowardZeroSaturatingAndNaN)
{
    struct Case { double in; int32_t out; };
    for (Case c : {Case{0.99, 0}, {1.5, 1}, {2.0, 2}, {-1.7, -1}, {3e9, INT32_MAX}, {-3e9, INT32_MIN},
                   {1.0 / 0.0, INT32_MAX}, {-1.0 / 0.0, INT32_MIN}, {0.0 / 0.0, 0}})
        EXPECT_EQ(truncate_to_int(c.in), c.out) << c.in;
}

TEST(Loading, BadModulesGetClearErrors)
{
    host::Panel panel;
    auto message_of = [&](const std::filesystem::path& p) {
        try {
            panel.load(p);
        } catch (const std::exception& e) {
            return std::string(e.what());
        }
        return std::string("loaded");
    };
    EXPECT_NE(message_of(test_gauge_path("Probe_Test_WRONG_VERSION")).find("module version is 0x700, expected 0x800"),
              std::string::npos);
    EXPECT_NE(message_of(test_gauge_path("No_Such_Gauge")).find("No_Such_Gauge.gau: no such module"), std::string::npos);

    const auto text = std::filesystem::temp_directory_path() / "not_a_module.gau";
    std::ofstream(text) << "not a module\n";
    EXPECT_NE(message_of(text).find("cannot load module"), std::string::npos);
    std::filesystem::remove(text);

    panel.load(gauge_path("COM1_Corvane_QT3"));
    EXPECT_NE(message_of(gauge_path("COM1_Corvane_QT3")).find("already on the panel"), std::string::npos);
    EXPECT_EQ(panel.gauges().size(), 1u);
}
