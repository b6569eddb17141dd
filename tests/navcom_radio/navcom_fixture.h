// The NAV/COM radio on a panel of its own, in either build, with the pilot's actions and a look at which
// elements the host shows.
#pragma once

#include "navcom_radio_faceplate.h"
#include "panel_fixture.h"

#include <set>
#include <string>
#include <vector>

using namespace navcom_radio;

struct NavcomBuild {
    const char* name;
    int32_t com_active, com_standby, nav_active, nav_standby;
    int32_t radial, bearing_term, dme_availability, course, deviation, dme_distance, dme_speed, to_from, nav_audio;
    uint32_t com_mhz_down, com_mhz_up, com_khz_down, com_khz_up, com_swap;
    uint32_t nav_mhz_down, nav_mhz_up, nav_khz_down, nav_khz_up, nav_swap;
    uint32_t course_outer_down, course_outer_up, course_inner_down, course_inner_up, audio_toggle;
};

inline void PrintTo(const NavcomBuild& b, std::ostream* os) { *os << b.name; }

inline const NavcomBuild NAVCOM1{"NAVCOM1_Corvane_QT2", 23, 617, 24, 872, 25, 550, 49, 45, 40, 31, 32, 43, 877,
                                 65636, 65637, 65638, 65639, 66372, 65640, 65641, 65642, 65643, 66448,
                                 66367, 66368, 65662, 65663, 65842};
inline const NavcomBuild NAVCOM2{"NAVCOM2_Corvane_QT2", 870, 871, 27, 873, 28, 59, 58, 54, 50, 35, 36, 52, 878,
                                 66436, 66437, 66438, 66440, 66444, 65644, 65645, 65646, 65647, 66452,
                                 66369, 66370, 65664, 65665, 65843};

constexpr uint32_t MONITOR_ON = 66513, MONITOR_OFF = 66514;
constexpr int32_t HEADING = 81, TICKS = 1;
inline const std::string CLICK = "sound\\click.wav", SOFT_CLICK = "sound\\soft_click.wav";

inline std::string build_suffix(const ::testing::TestParamInfo<NavcomBuild>& info)
{
    return std::string(info.param.name).substr(0, 7);
}

class NavcomRadio : public PanelTest, public ::testing::WithParamInterface<NavcomBuild> {
protected:
    const NavcomBuild& build = GetParam();
    host::Gauge& radio = panel.load(gauge_path(build.name));

    void SetUp() override
    {
        set(build.com_active, 0x1890);
        set(build.com_standby, 0x1800);
        set(build.nav_active, 0x1580);   // a VOR
        set(build.nav_standby, 0x0955);  // a localizer
        set(773, 1);
        panel.frame();
    }

    void set(int32_t token, double value) { panel.sim().set(token, value); }

    // A VOR received: the radial source, the two bearing terms and the TO/FROM flag.
    void receive(double radial_source, double bearing_term, double heading, int to_from)
    {
        set(build.radial, radial_source);
        set(build.bearing_term, bearing_term);
        set(HEADING, heading);
        set(build.to_from, to_from);
    }

    void dme(double availability, double distance, double speed)
    {
        set(build.dme_availability, availability);
        set(build.dme_distance, distance);
        set(build.dme_speed, speed);
    }

    // Clicks in order, then the frames that let the host perform the events and the radio show the result.
    void press(std::initializer_list<Hotspot> hotspots)
    {
        for (Hotspot h : hotspots) panel.click(radio, h);
        panel.frames(2);
    }

    void switch_on(std::initializer_list<Hotspot> then = {})
    {
        press({POWER_KNOB_RIGHT});
        press(then);
        new_events();
        new_sounds();
    }

    bool shown(Element e) const { return !radio.element(e).hidden; }

    // Every element the host shows among `of`.
    std::set<int> shown_among(const std::set<int>& of) const
    {
        std::set<int> out;
        for (int e : of)
            if (!radio.element(e).hidden) out.insert(e);
        return out;
    }
};

// The texts and symbols right of the frequencies, from x = 324.
inline const std::set<int> NAVIGATION_DISPLAY = {
    VOR_LABEL, LOC_LABEL, FROM_LABEL, TO_LABEL, BEARING_VALUE, NO_BEARING_DASHES, BEARING_CALCULATION,
    SELECTED_COURSE, SELECT_COM_PROMPT, EMERGENCY_PROMPT, SELECT_NAV_PROMPT, SHOW_DME_PROMPT, REMOVE_DME_PROMPT,
    FLAG_MESSAGE, DME_DISTANCE, DME_SPEED, TIME_HOURS, TIME_MINUTES, NO_DISTANCE_DASHES, NO_SPEED_DASHES,
    TO_FROM_CALCULATION, NAV_FREQUENCY_CALCULATION, DEVIATION_BAR_RIGHT, LEFT_MASK, DEVIATION_BAR_LEFT,
    RIGHT_MASK, TO_FROM_SYMBOL, IDENT_MESSAGE, VOICE_MESSAGE};

// A label printed with its element's value far to the right in a 200-character field: the words, then the
// number, which lies outside the box.
inline std::string label_text(const std::string& words, const std::string& number = "0")
{
    return words + std::string(200 - number.size(), ' ') + number;
}
