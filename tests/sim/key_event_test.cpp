// Every key event the gauges send, and what it does to the tokens they read.
#include "key_events.h"
#include "simulation.h"
#include "tokens.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace host;
namespace k = host::key_event;
namespace t = host::token;

namespace {

struct Case {
    const char* name;
    std::vector<std::pair<int32_t, double>> before;   // tokens set first
    std::vector<KeyEvent> events;
    std::vector<std::pair<int32_t, double>> after;    // tokens expected then
    double tolerance = 0.0;
};

const Case cases[] = {
    {"COM1 MHz up wraps 136 to 118, kHz kept", {{t::COM1_STANDBY, 0x3650}}, {{k::COM1_STANDBY_MHZ_UP, 0}}, {{t::COM1_STANDBY, 0x1850}}},
    {"COM1 channel up from .975 gives .000 without carrying", {{t::COM1_STANDBY, 0x1897}}, {{k::COM1_STANDBY_KHZ_UP, 0}}, {{t::COM1_STANDBY, 0x1800}}},
    {"COM2 swap", {{t::COM2_ACTIVE, 0x1890}, {t::COM2_STANDBY, 0x2150}}, {{k::COM2_SWAP, 0}},
     {{t::COM2_ACTIVE, 0x2150}, {t::COM2_STANDBY, 0x1890}}},
    {"monitor on and off", {}, {{k::COM_MONITOR_ON, 0}}, {{t::COM_RECEIVE_BOTH, 1}}},
    {"monitor off", {{t::COM_RECEIVE_BOTH, 1}}, {{k::COM_MONITOR_OFF, 0}}, {{t::COM_RECEIVE_BOTH, 0}}},
    {"COM2 transmits", {{t::COM1_TRANSMIT, 1}}, {{k::COM2_TRANSMIT_SELECT, 0}}, {{t::COM1_TRANSMIT, 0}, {t::COM2_TRANSMIT, 1}}},
    {"COM1 transmits", {{t::COM2_TRANSMIT, 1}}, {{k::COM1_TRANSMIT_SELECT, 0}}, {{t::COM1_TRANSMIT, 1}, {t::COM2_TRANSMIT, 0}}},

    {"NAV1 MHz up wraps 117 to 108, kHz kept", {{t::NAV1_STANDBY, 0x1795}}, {{k::NAV1_STANDBY_MHZ_UP, 0}}, {{t::NAV1_STANDBY, 0x0895}}},
    {"NAV1 MHz down wraps 108 to 117", {{t::NAV1_STANDBY, 0x0850}}, {{k::NAV1_STANDBY_MHZ_DOWN, 0}}, {{t::NAV1_STANDBY, 0x1750}}},
    {"NAV2 50 kHz up from .95 gives .00 inside the MHz", {{t::NAV2_STANDBY, 0x1095}}, {{k::NAV2_STANDBY_KHZ_UP, 0}}, {{t::NAV2_STANDBY, 0x1000}}},
    {"NAV2 50 kHz down from .00 gives .95", {{t::NAV2_STANDBY, 0x1000}}, {{k::NAV2_STANDBY_KHZ_DOWN, 0}}, {{t::NAV2_STANDBY, 0x1095}}},
    {"NAV1 50 kHz up", {{t::NAV1_STANDBY, 0x1130}}, {{k::NAV1_STANDBY_KHZ_UP, 0}}, {{t::NAV1_STANDBY, 0x1135}}},
    {"NAV1 swap", {{t::NAV1_ACTIVE, 0x1130}, {t::NAV1_STANDBY, 0x1095}}, {{k::NAV1_SWAP, 0}},
     {{t::NAV1_ACTIVE, 0x1095}, {t::NAV1_STANDBY, 0x1130}}},
    {"NAV2 swap", {{t::NAV2_ACTIVE, 0x1580}, {t::NAV2_STANDBY, 0x1390}}, {{k::NAV2_SWAP, 0}},
     {{t::NAV2_ACTIVE, 0x1390}, {t::NAV2_STANDBY, 0x1580}}},

    {"NAV1 course, outer ring up past 359", {{t::NAV1_COURSE, 355}}, {{k::NAV1_COURSE_OUTER_UP, 0}}, {{t::NAV1_COURSE, 5}}},
    {"NAV1 course, outer ring down", {{t::NAV1_COURSE, 125}}, {{k::NAV1_COURSE_OUTER_DOWN, 0}}, {{t::NAV1_COURSE, 115}}},
    {"NAV1 course, inner knob up", {{t::NAV1_COURSE, 359}}, {{k::NAV1_COURSE_INNER_UP, 0}}, {{t::NAV1_COURSE, 0}}},
    {"NAV1 course, inner knob down", {{t::NAV1_COURSE, 90}}, {{k::NAV1_COURSE_INNER_DOWN, 0}}, {{t::NAV1_COURSE, 89}}},
    {"NAV2 course, outer ring down past 0", {{t::NAV2_COURSE, 5}}, {{k::NAV2_COURSE_OUTER_DOWN, 0}}, {{t::NAV2_COURSE, 355}}},
    {"NAV2 course, outer ring up", {{t::NAV2_COURSE, 30}}, {{k::NAV2_COURSE_OUTER_UP, 0}}, {{t::NAV2_COURSE, 40}, {t::NAV1_COURSE, 0}}},
    {"NAV2 course, inner knob down past 0", {{t::NAV2_COURSE, 0}}, {{k::NAV2_COURSE_INNER_DOWN, 0}}, {{t::NAV2_COURSE, 359}}},
    {"NAV2 course, inner knob up", {{t::NAV2_COURSE, 0}}, {{k::NAV2_COURSE_INNER_UP, 0}}, {{t::NAV2_COURSE, 1}}},

    {"NAV1 audio toggles on", {}, {{k::NAV1_AUDIO_TOGGLE, 0}}, {{t::NAV1_AUDIO, 1}, {t::NAV2_AUDIO, 0}}},
    {"NAV1 audio toggles off", {{t::NAV1_AUDIO, 1}}, {{k::NAV1_AUDIO_TOGGLE, 0}}, {{t::NAV1_AUDIO, 0}}},
    {"NAV2 audio", {}, {{k::NAV2_AUDIO_TOGGLE, 0}}, {{t::NAV2_AUDIO, 1}}},
    {"DME 1 audio", {}, {{k::DME1_AUDIO_TOGGLE, 0}}, {{t::DME_AUDIO, 1}}},
    {"DME 2 audio toggles the same selection", {{t::DME_AUDIO, 1}}, {{k::DME2_AUDIO_TOGGLE, 0}}, {{t::DME_AUDIO, 0}}},
    {"ADF audio", {}, {{k::ADF_AUDIO_TOGGLE, 0}}, {{t::ADF_AUDIO, 1}}},
    {"marker audio toggles", {}, {{k::MARKER_AUDIO_TOGGLE, 0}}, {{t::MARKER_AUDIO, 1}}},
    {"marker off, then toggle: selected, whatever it was", {{t::MARKER_AUDIO, 1}},
     {{k::MARKER_AUDIO_OFF, 0}, {k::MARKER_AUDIO_TOGGLE, 0}}, {{t::MARKER_AUDIO, 1}}},
    {"marker off from off stays off", {}, {{k::MARKER_AUDIO_OFF, 0}}, {{t::MARKER_AUDIO, 0}}},

    {"thousands up from 7 gives 0 without carrying", {{t::SQUAWK, 0x7777}}, {{k::SQUAWK_THOUSANDS_UP, 0}}, {{t::SQUAWK, 0x0777}}},
    {"hundreds up", {{t::SQUAWK, 0x1200}}, {{k::SQUAWK_THOUSANDS_UP + 1, 0}}, {{t::SQUAWK, 0x1300}}},
    {"tens up from 7", {{t::SQUAWK, 0x1274}}, {{k::SQUAWK_THOUSANDS_UP + 2, 0}}, {{t::SQUAWK, 0x1204}}},
    {"ones up", {{t::SQUAWK, 0x1234}}, {{k::SQUAWK_ONES_UP, 0}}, {{t::SQUAWK, 0x1235}}},
    {"thousands down", {{t::SQUAWK, 0x7000}}, {{k::SQUAWK_THOUSANDS_DOWN, 0}}, {{t::SQUAWK, 0x6000}}},
    {"tens down from 0 gives 7 without borrowing", {{t::SQUAWK, 0x1200}}, {{k::SQUAWK_THOUSANDS_DOWN + 2, 0}}, {{t::SQUAWK, 0x1270}}},
    {"ones down from 0 gives 7", {{t::SQUAWK, 0x0000}}, {{k::SQUAWK_ONES_DOWN, 0}}, {{t::SQUAWK, 0x0007}}},
    {"set the code to the event's value", {{t::SQUAWK, 0x4621}}, {{k::SQUAWK_SET, 0}}, {{t::SQUAWK, 0x0000}}},
    {"set the code to 7000", {}, {{k::SQUAWK_SET, 0x7000}}, {{t::SQUAWK, 0x7000}}},
    {"a code with an 8 in it is refused", {{t::SQUAWK, 0x4621}}, {{k::SQUAWK_SET, 0x1280}}, {{t::SQUAWK, 0x4621}}},

    {"UTC hours up from 23 give 0, minutes kept", {{t::UTC_HOUR, 23}, {t::UTC_MINUTE, 45}}, {{k::UTC_HOURS_UP, 0}},
     {{t::UTC_HOUR, 0}, {t::UTC_MINUTE, 45}, {t::TICKS, 0}, {t::SIMULATION_TIME, 0}}},
    {"UTC hours down from 0 give 23", {{t::UTC_HOUR, 0}}, {{k::UTC_HOURS_DOWN, 0}}, {{t::UTC_HOUR, 23}}},
    {"UTC minutes up from 59 give 0, hour kept", {{t::UTC_HOUR, 14}, {t::UTC_MINUTE, 59}}, {{k::UTC_MINUTES_UP, 0}},
     {{t::UTC_HOUR, 14}, {t::UTC_MINUTE, 0}, {t::SIMULATION_TIME, 0}}},
    {"UTC minutes down from 0 give 59, hour kept", {{t::UTC_HOUR, 14}, {t::UTC_MINUTE, 0}}, {{k::UTC_MINUTES_DOWN, 0}},
     {{t::UTC_HOUR, 14}, {t::UTC_MINUTE, 59}}},

    // The altimeter turns in whole hectopascals; the altitude it shows moves about 27 ft per hPa low down.
    {"altimeter up", {{t::INDICATED_ALTITUDE, 3000}}, {{k::ALTIMETER_UP, 0}},
     {{t::ALTIMETER_SETTING, 1014}, {t::INDICATED_ALTITUDE, 3000 + 0.75 * 27.0}}, 2.0},
    {"altimeter down", {{t::INDICATED_ALTITUDE, 3000}}, {{k::ALTIMETER_DOWN, 0}, {k::ALTIMETER_DOWN, 0}},
     {{t::ALTIMETER_SETTING, 1012}, {t::INDICATED_ALTITUDE, 3000 - 1.25 * 27.0}}, 2.0},
    {"altimeter stops at the top of its window", {{t::ALTIMETER_SETTING, 1050}}, {{k::ALTIMETER_UP, 0}},
     {{t::ALTIMETER_SETTING, 1050}}},

    {"navigation source to GPS", {}, {{k::NAV_SOURCE_TOGGLE, 0}}, {{t::NAV_SOURCE, 1}}},
    {"navigation source back to NAV", {}, {{k::NAV_SOURCE_TOGGLE, 0}, {k::NAV_SOURCE_TOGGLE, 0}}, {{t::NAV_SOURCE, 0}}},
    {"an unknown event changes nothing", {{t::SQUAWK, 0x1200}}, {{66000, 0}}, {{t::SQUAWK, 0x1200}}},
};

} // namespace

TEST(KeyEvents, EveryEventHasItsEffect)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Simulation sim;
        for (auto [token, value] : c.before) sim.set(token, value);
        for (KeyEvent e : c.events) sim.queue_event(e);
        sim.perform_pending_events();
        for (auto [token, value] : c.after) EXPECT_NEAR(sim.number(token), value, c.tolerance) << "token " << token;
    }
}

TEST(KeyEvents, TokensRefuseWhatTheyCannotHold)
{
    Simulation sim;
    EXPECT_THROW(sim.set(token::NAV1_ACTIVE, 0x1802), std::invalid_argument) << "118.02 is no NAV channel";
    EXPECT_THROW(sim.set(token::NAV2_STANDBY, 0x1082), std::invalid_argument) << "108.02 is off the 50-kHz grid";
    EXPECT_THROW(sim.set(token::SQUAWK, 0x1800), std::invalid_argument) << "8 is no octal digit";
    EXPECT_THROW(sim.set(token::NAV1_COURSE, 12.5), std::invalid_argument);
    sim.set(token::NAV1_ACTIVE, 0x0805);
    EXPECT_EQ(sim.nav(1).active, 108050);
}

TEST(KeyEvents, MonitoringHearsTheRadioThatDoesNotTransmit)
{
    Simulation sim;
    sim.perform({key_event::COM2_TRANSMIT_SELECT, 0});
    EXPECT_EQ(sim.transmitting_com(), 2);
    EXPECT_EQ(sim.monitored_com(), 0);
    sim.perform({key_event::COM_MONITOR_ON, 0});
    EXPECT_EQ(sim.monitored_com(), 1);
    sim.perform({key_event::COM1_TRANSMIT_SELECT, 0});
    EXPECT_EQ(sim.monitored_com(), 2);
    sim.perform({key_event::COM_MONITOR_OFF, 0});
    EXPECT_EQ(sim.monitored_com(), 0);
}
