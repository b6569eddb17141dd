// The compact navigator loaded from the build and driven as the pilot does: switch on, wait out the
// self-test, turn knobs, press keys; a look at what the host sees, named by element.
#pragma once

#include "compact_navigator_faceplate.h"
#include "panel_fixture.h"

#include <cmath>
#include <string>
#include <vector>

namespace navigator_test {

using namespace compact_navigator;

struct Build {
    const char* name;
    bool com;                     // the COM builds; false: the GPS-only build
    int32_t active, standby;      // COM frequency tokens
    uint32_t mhz_down, mhz_up, khz_down, khz_up, swap;
};

inline void PrintTo(const Build& b, std::ostream* os) { *os << b.name; }

inline const Build COM1{"GPSCOM1_Corvane_QT8", true, 23, 617, 65636, 65637, 65638, 65639, 66372};
inline const Build COM2{"GPSCOM2_Corvane_QT8", true, 870, 871, 66436, 66437, 66438, 66440, 66444};
inline const Build GPS_ONLY{"GPS_Corvane_QT7", false, 0, 0, 0, 0, 0, 0, 0};

inline std::string build_label(const ::testing::TestParamInfo<Build>& info)
{
    return info.param.com ? std::string(info.param.name).substr(0, 7) : "GPS_only";
}

constexpr uint32_t UTC_HOURS_DOWN = 65657, UTC_HOURS_UP = 65658, UTC_MINUTES_DOWN = 65659,
                   UTC_MINUTES_UP = 65660, DIRECT_TO = 65908, MONITOR_ON = 66513, MONITOR_OFF = 66514;
inline const std::string CLICK = "sound\\click.wav", SOFT_CLICK = "sound\\soft_click.wav";

// Ticks from the power-on click to the pages: 54 of title, then three steps of 36.
constexpr int SELF_TEST_TICKS = 54 + 3 * 36;

class Navigator : public PanelTest {
protected:
    const Build& build;
    host::Gauge& gps;

    explicit Navigator(const Build& b) : build(b), gps(panel.load(gauge_path(b.name)))
    {
        panel.sim().set(773, 1.0);
        panel.frame();
    }

    // The element's number in this build's chain.
    int number(Element e) const { return build.com ? static_cast<int>(e) : gps_only_number(e); }
    const host::ElementView& el(Element e) const { return gps.element(number(e)); }
    bool shown(Element e) const { return !el(e).hidden; }
    std::string text(Element e) const { return el(e).text; }
    int frame(Element e) const { return el(e).frame; }

    void click(Hotspot h) { panel.click(gps, h); }
    // A click and the frame in which the gauge updates and draws after it.
    void press(Hotspot h, int times = 1)
    {
        for (int i = 0; i < times; ++i) click(h);
        panel.frame();
    }

    void switch_on()
    {
        press(POWER_KNOB_ON);
        panel.frames(SELF_TEST_TICKS);
        new_events();
        new_sounds();
    }

    // Frames until the host clock shows an even (blink on) or odd (blink off) second.
    void until_blink(bool on)
    {
        for (int i = 0; i < 40 && (static_cast<int>(panel.sim().number(5)) % 2 == 0) != on; ++i) panel.frame();
    }

    int published_msg() const { return panel.named_vars().read("send_msg").value_or(-1); }

    // Turns the small knob right until the page is shown (the right-hand text of each page tells).
    void to_page(int p)
    {
        for (int i = 0; i < p; ++i) click(SMALL_KNOB_RIGHT);
        panel.frame();
    }

    // A GPS solution: metres to the waypoint, metres per second over the ground, cross-track metres.
    void fly(double distance_m, double ground_speed_mps, double cross_track_m = 0.0)
    {
        panel.sim().set(835, distance_m);
        panel.sim().set(832, ground_speed_mps);
        panel.sim().set(837, cross_track_m);
    }
};

} // namespace navigator_test
