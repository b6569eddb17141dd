// The NAV2/COM2 radio on the default flight: tuned to the San Francisco VOR, its radial, TO/FROM and DME move
// as the aircraft flies.
#include "flight_file.h"
#include "navcom_fixture.h"

#include <cstdlib>

class NavcomInFlight : public PanelTest {
protected:
    host::Gauge& radio = panel.load(gauge_path("NAVCOM2_Corvane_QT2"));

    void SetUp() override
    {
        panel.sim().load_flight(host::read_flight(std::filesystem::path(SOURCE_DIR) / "flights/default.toml"));
        panel.frame();
        for (Hotspot h : {POWER_KNOB_RIGHT, NAV_KEY}) panel.click(radio, h);
        panel.frames(2);
    }

    void fly(int seconds) { panel.frames(static_cast<uint64_t>(seconds) * 18); }
};

TEST_F(NavcomInFlight, RadialAndDistanceMoveAlongTheRoute)
{
    EXPECT_TEXT(radio, NAV_ACTIVE_DISPLAY, "115.80");
    fly(120);
    // Southbound from the station towards Woodside: the station lies behind, on a magnetic bearing of about
    // 328 (342 true, less the area's 13.5 E), and the aircraft is on the radial of about 145 (162 true, less
    // the station's own 17 E).
    ASSERT_FALSE(radio.element(TO_LABEL).hidden) << radio.describe();
    EXPECT_NEAR(std::atoi(radio.element(BEARING_VALUE).text.c_str()), 328, 2) << radio.describe();
    panel.click(radio, TF_KEY);
    panel.frames(2);
    ASSERT_FALSE(radio.element(FROM_LABEL).hidden) << radio.describe();
    const int radial = std::atoi(radio.element(BEARING_VALUE).text.c_str());
    EXPECT_NEAR(radial, 145, 2);

    for (Hotspot h : {SEL_KEY, OUTER_KNOB_RIGHT, ENT_KEY}) panel.click(radio, h);
    panel.frames(2);
    const double first = std::atof(radio.element(DME_DISTANCE).text.c_str());
    fly(60);
    const double later = std::atof(radio.element(DME_DISTANCE).text.c_str());
    EXPECT_GT(first, 2.0) << radio.describe();
    EXPECT_GT(later, first + 1.0) << "flying away from the station at about 2 nm a minute";
    EXPECT_FALSE(radio.element(DME_SPEED).hidden);
    EXPECT_FALSE(radio.element(TIME_MINUTES).hidden);
}
