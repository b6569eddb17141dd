// The large navigator on a panel of its own, driven like a pilot would: power, keys, knobs, frames.
#pragma once

#include "large_navigator_faceplate.h"
#include "gps_only_faceplate.h"
#include "panel_fixture.h"

#include <cmath>
#include <string>

namespace nav_test {

using namespace large_navigator;

struct Build {
    const char* name;
    bool com;                 // carries the COM section
    int screen;               // the self-test and message screen
    int int_key;
    int element_count;
    int hotspot_count;
};

inline void PrintTo(const Build& b, std::ostream* os) { *os << b.name; }

inline const Build COM1{"GPSCOM1_Corvane_RN4", true, SELF_TEST_SCREEN, INT_KEY, ELEMENT_COUNT, HOTSPOT_COUNT};
inline const Build COM2{"GPSCOM2_Corvane_RN4", true, SELF_TEST_SCREEN, INT_KEY, ELEMENT_COUNT, HOTSPOT_COUNT};
inline const Build GPS{"GPS_Corvane_RN3", false, gps_only::SELF_TEST_SCREEN, gps_only::INT_KEY,
                       gps_only::ELEMENT_COUNT, gps_only::HOTSPOT_COUNT};

inline std::string build_label(const ::testing::TestParamInfo<Build>& info)
{
    const std::string n = info.param.name;
    return n.substr(0, n.find('_'));
}

constexpr double METRES_PER_NM = 1856.7508;
constexpr double MPS_PER_KNOT = 1.0 / 1.944;
const std::string CLICK = "sound\\click.wav", SOFT_CLICK = "sound\\soft_click.wav";

class Navigator : public PanelTest {
protected:
    Build build = COM1;
    host::Gauge* nav = nullptr;

    void load(const Build& b)
    {
        build = b;
        nav = &panel.load(gauge_path(b.name));
        panel.sim().set(773, 1.0);
        panel.frame();
    }

    host::Gauge& g() { return *nav; }

    // Clicks a hotspot, then lets one frame show the result.
    void press(int hotspot, int times = 1)
    {
        for (int i = 0; i < times; ++i) panel.click(*nav, hotspot);
        panel.frame();
    }

    // The power knob turned on; the banner shows from the next frame.
    void switch_on() { press(POWER_KNOB_ON); }

    // Switched on and the self-test skipped: navigation page 1.
    void operate()
    {
        switch_on();
        press(build.int_key);
        new_events();
        new_sounds();
    }

    // From navigation page 1 to page group/sub-page with the knobs.
    void go_to(int group, int page)
    {
        for (int g = NAVIGATION_PAGES; g < group; g += 10) press(OUTER_KNOB_RIGHT);
        for (int p = 1; p < page; ++p) press(INNER_KNOB_RIGHT);
    }

    // Frames until the clock's whole second is even (`even`) or odd.
    void until_second(bool even)
    {
        for (int i = 0; i < 40 && (static_cast<int>(panel.sim().number(5)) % 2 == 0) != even; ++i) panel.frame();
    }

    const std::string& text(int e) { return nav->element(e).text; }
    bool shown(int e) { return !nav->element(e).hidden; }
    int frame_of(int e) { return nav->element(e).frame; }
    int screen() { return frame_of(build.screen); }
    int send_msg() { return panel.named_vars().read("send_msg").value_or(-1); }
    const char* font(int e) { return reinterpret_cast<ELEMENT_STRING*>(nav->element(e).record)->font_name; }
};

} // namespace nav_test
