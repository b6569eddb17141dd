// The NAV/COM radio's controls, frequency window, menu and key lamps, in both builds.
#include "navcom_fixture.h"

#include <algorithm>

INSTANTIATE_TEST_SUITE_P(Builds, NavcomRadio, ::testing::Values(NAVCOM1, NAVCOM2), build_suffix);

using Events = std::vector<uint32_t>;
using Sounds = std::vector<std::string>;

TEST_P(NavcomRadio, ComesUpSwitchedOffInComMode)
{
    std::set<int> shown_elements;
    for (const host::ElementView& e : radio.elements())
        if (!e.hidden) shown_elements.insert(e.index);
    EXPECT_EQ(shown_elements, (std::set<int>{BACKGROUND, POWER_KNOB, COM_LAMP, NAV_LAMP, SYS_LAMP, OBS_LAMP,
                                             SEL_LAMP, ID_LAMP}))
        << radio.describe();
    for (Element lamp : {POWER_KNOB, COM_LAMP, NAV_LAMP, SYS_LAMP, OBS_LAMP, SEL_LAMP, ID_LAMP})
        EXPECT_FRAME(radio, lamp, 0);

    switch_on();
    EXPECT_FRAME(radio, POWER_KNOB, 1);
    EXPECT_FRAME(radio, COM_LAMP, 1);
    EXPECT_TEXT(radio, COM_ACTIVE_DISPLAY, "118.90");
    EXPECT_TEXT(radio, COM_STANDBY_DISPLAY, "s118.00");
    EXPECT_TEXT(radio, NAV_ACTIVE_DISPLAY, "115.80") << "written while hidden";
    EXPECT_TEXT(radio, NAV_STANDBY_DISPLAY, "s109.55");
}

// The window shows the chosen radio's pair only, and only with exactly 1 on the bus and the switch on.
TEST_P(NavcomRadio, FrequencyWindowShowsTheChosenPairWhilePowered)
{
    switch_on();
    struct Case { Hotspot key; double bus; bool com, nav; int com_lamp, nav_lamp; };
    const Case cases[] = {
        {COM_KEY, 1.0, true, false, 1, 0},
        {NAV_KEY, 1.0, false, true, 0, 1},
        {NAV_KEY, 0.99, false, false, 0, 0},
        {NAV_KEY, 1.5, false, true, 0, 1},
        {COM_KEY, 2.0, false, false, 0, 0},
        {COM_KEY, 1.0, true, false, 1, 0},
    };
    for (const Case& c : cases) {
        set(773, c.bus);
        press({c.key});
        SCOPED_TRACE(testing::Message() << "key " << c.key << " bus " << c.bus);
        EXPECT_EQ(shown(COM_ACTIVE_DISPLAY), c.com);
        EXPECT_EQ(shown(COM_STANDBY_DISPLAY), c.com);
        EXPECT_EQ(shown(NAV_ACTIVE_DISPLAY), c.nav);
        EXPECT_EQ(shown(NAV_STANDBY_DISPLAY), c.nav);
        EXPECT_FRAME(radio, COM_LAMP, c.com_lamp);
        EXPECT_FRAME(radio, NAV_LAMP, c.nav_lamp);
    }
}

TEST_P(NavcomRadio, PowerKnobClicksOnlyWhenItTurnsAndClosesTheMenu)
{
    press({POWER_KNOB_LEFT});
    EXPECT_EQ(new_sounds(), Sounds{});
    press({POWER_KNOB_RIGHT, POWER_KNOB_RIGHT});
    press({SEL_KEY});
    EXPECT_EQ(new_sounds(), (Sounds{CLICK, SOFT_CLICK}));
    EXPECT_FRAME(radio, SEL_LAMP, 1);
    press({POWER_KNOB_LEFT, POWER_KNOB_LEFT, POWER_KNOB_RIGHT});
    EXPECT_EQ(new_sounds(), (Sounds{CLICK, CLICK}));
    EXPECT_FRAME(radio, SEL_LAMP, 0);
    EXPECT_EQ(shown_among(NAVIGATION_DISPLAY), std::set<int>{});
}

// Which events each key and knob half sends, mode by mode. Every case starts switched on in COM mode with the
// NAV receiver on a VOR.
TEST_P(NavcomRadio, KeysAndKnobsActOnTheChosenRadio)
{
    const NavcomBuild& b = build;
    struct Case {
        const char* what;
        std::vector<Hotspot> before;
        bool localizer;
        Hotspot hotspot;
        Events events;
    };
    const std::vector<Case> cases = {
        {"COM swap", {}, false, TRANSFER_KEY, {b.com_swap}},
        {"COM MHz down", {}, false, OUTER_KNOB_LEFT, {b.com_mhz_down}},
        {"COM 25 kHz down", {}, false, INNER_KNOB_LEFT, {b.com_khz_down}},
        {"COM 25 kHz up", {}, false, INNER_KNOB_RIGHT, {b.com_khz_up}},
        {"COM MHz up", {}, false, OUTER_KNOB_RIGHT, {b.com_mhz_up}},
        {"NAV swap", {NAV_KEY}, false, TRANSFER_KEY, {b.nav_swap}},
        {"NAV MHz down", {NAV_KEY}, false, OUTER_KNOB_LEFT, {b.nav_mhz_down}},
        {"NAV kHz down", {NAV_KEY}, false, INNER_KNOB_LEFT, {b.nav_khz_down}},
        {"NAV kHz up", {NAV_KEY}, false, INNER_KNOB_RIGHT, {b.nav_khz_up}},
        {"NAV MHz up", {NAV_KEY}, false, OUTER_KNOB_RIGHT, {b.nav_mhz_up}},
        {"COM menu blocks tuning", {SEL_KEY}, false, INNER_KNOB_RIGHT, {}},
        {"COM menu: transfer still swaps", {SEL_KEY}, false, TRANSFER_KEY, {b.com_swap}},
        {"NAV menu blocks tuning", {NAV_KEY, SEL_KEY}, false, INNER_KNOB_LEFT, {}},
        {"NAV menu: transfer still swaps", {NAV_KEY, SEL_KEY}, false, TRANSFER_KEY, {b.nav_swap}},
        {"course page, VOR: outer down", {OBS_KEY}, false, OUTER_KNOB_LEFT, {b.course_outer_down}},
        {"course page, VOR: inner down", {NAV_KEY, OBS_KEY}, false, INNER_KNOB_LEFT, {b.course_inner_down}},
        {"course page, VOR: inner up", {OBS_KEY}, false, INNER_KNOB_RIGHT, {b.course_inner_up}},
        {"course page, VOR: outer up", {NAV_KEY, OBS_KEY}, false, OUTER_KNOB_RIGHT, {b.course_outer_up}},
        {"course page, localizer", {NAV_KEY, OBS_KEY}, true, OUTER_KNOB_RIGHT, {}},
        {"course page, localizer: inner", {OBS_KEY}, true, INNER_KNOB_LEFT, {}},
        {"switched off", {POWER_KNOB_LEFT}, false, TRANSFER_KEY, {}},
        {"switched off: knob", {NAV_KEY, POWER_KNOB_LEFT}, false, INNER_KNOB_RIGHT, {}},
    };
    switch_on();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // Back to the start: on, COM mode, menu closed, course page off.
        press({POWER_KNOB_RIGHT, COM_KEY});
        if (radio.element(OBS_LAMP).frame == 1) press({OBS_KEY});
        set(build.nav_active, c.localizer ? 0x1195 : 0x1200);   // 111.95 is the localizer band, 112.00 a VOR
        press({});
        for (Hotspot h : c.before) press({h});
        new_events();
        press({c.hotspot});
        EXPECT_EQ(new_events(), c.events);
    }
}

// The menu: what each sequence of keys leaves on the display, with the SEL lamp lit while a menu is open.
TEST_P(NavcomRadio, MenuPromptsFollowTheKeys)
{
    struct Case { std::vector<Hotspot> keys; int prompt; int obs_lamp = 0; };   // prompt 0: menu closed
    const std::vector<Case> cases = {
        {{SEL_KEY}, SELECT_COM_PROMPT},
        {{SEL_KEY, OUTER_KNOB_RIGHT}, EMERGENCY_PROMPT},
        {{SEL_KEY, OUTER_KNOB_LEFT, SEL_KEY}, SELECT_COM_PROMPT},
        {{SEL_KEY, INNER_KNOB_RIGHT}, SELECT_COM_PROMPT},
        {{SEL_KEY, TRANSFER_KEY}, 0},
        {{SEL_KEY, ENT_KEY}, SELECT_COM_PROMPT},
        {{NAV_KEY, SEL_KEY}, SELECT_NAV_PROMPT},
        {{NAV_KEY, SEL_KEY, OUTER_KNOB_LEFT}, SHOW_DME_PROMPT},
        {{NAV_KEY, SEL_KEY, OUTER_KNOB_LEFT, OUTER_KNOB_RIGHT}, SHOW_DME_PROMPT},
        {{NAV_KEY, SEL_KEY, TRANSFER_KEY}, SELECT_NAV_PROMPT},
        {{NAV_KEY, SEL_KEY, OUTER_KNOB_LEFT, ENT_KEY, SEL_KEY, OUTER_KNOB_RIGHT}, REMOVE_DME_PROMPT},
        {{SEL_KEY, NAV_KEY}, 0},
        {{NAV_KEY, SEL_KEY, COM_KEY}, 0},
        {{SEL_KEY, SYS_KEY}, 0},
        {{SEL_KEY, OBS_KEY}, 0, 1},
        {{OBS_KEY, SEL_KEY}, SELECT_COM_PROMPT},   // and the course page closes
        {{SEL_KEY, POWER_KNOB_LEFT, POWER_KNOB_RIGHT}, 0},
    };
    const std::set<int> prompts = {SELECT_COM_PROMPT, EMERGENCY_PROMPT, SELECT_NAV_PROMPT, SHOW_DME_PROMPT,
                                   REMOVE_DME_PROMPT};
    switch_on();
    for (const Case& c : cases) {
        press({COM_KEY, POWER_KNOB_RIGHT});
        if (radio.element(OBS_LAMP).frame == 1) press({OBS_KEY});
        for (Hotspot h : c.keys) press({h});
        SCOPED_TRACE(testing::Message() << "keys ending " << c.keys.back());
        EXPECT_EQ(shown_among(prompts), c.prompt ? std::set<int>{c.prompt} : std::set<int>{}) << radio.describe();
        EXPECT_FRAME(radio, SEL_LAMP, c.prompt ? 1 : 0);
        EXPECT_FRAME(radio, OBS_LAMP, c.obs_lamp);
    }

    EXPECT_TEXT(radio, SELECT_COM_PROMPT, label_text("select COM ?"));
    EXPECT_TEXT(radio, EMERGENCY_PROMPT, "emergncy 121.50");
    EXPECT_TEXT(radio, SELECT_NAV_PROMPT, label_text("select NAV?", "0.00"));
    EXPECT_TEXT(radio, SHOW_DME_PROMPT, label_text("show dme data?"));
    EXPECT_TEXT(radio, REMOVE_DME_PROMPT, label_text("remove dme data?"));

    // Unpowered, SEL opens nothing.
    press({POWER_KNOB_LEFT, SEL_KEY});
    EXPECT_EQ(shown_among(prompts), std::set<int>{});
}

TEST_P(NavcomRadio, EmergencyChannelFromTheComMenu)
{
    switch_on({SEL_KEY, OUTER_KNOB_RIGHT});
    new_events();
    press({INNER_KNOB_RIGHT});
    EXPECT_EQ(new_events(), Events{}) << "the emergency item blocks COM tuning";

    press({TRANSFER_KEY});
    Events expected(20, build.com_khz_up);
    expected.insert(expected.end(), 3, build.com_mhz_up);
    expected.push_back(build.com_swap);
    EXPECT_EQ(new_events(), expected);
    EXPECT_TEXT(radio, COM_ACTIVE_DISPLAY, "121.50");
    EXPECT_TEXT(radio, COM_STANDBY_DISPLAY, "s118.90");
    EXPECT_FRAME(radio, SEL_LAMP, 0);

    press({TRANSFER_KEY});
    EXPECT_EQ(new_events(), Events{build.com_swap}) << "the emergency item is cleared after use";
}

// The emergency item does not outlive the menu: after a power loss no prompt shows, so the transfer key must
// swap as the pilot expects instead of tuning 121.50 and losing the standby frequency.
TEST_P(NavcomRadio, PowerLossClearsTheEmergencyItem)
{
    for (bool by_switch : {true, false}) {
        SCOPED_TRACE(by_switch ? "switched off" : "bus failed");
        switch_on({COM_KEY, SEL_KEY, OUTER_KNOB_RIGHT});
        if (by_switch) {
            press({POWER_KNOB_LEFT, POWER_KNOB_RIGHT});
        } else {
            set(773, 0);
            panel.frame();
            set(773, 1);
            panel.frame();
        }
        EXPECT_FALSE(shown(EMERGENCY_PROMPT));
        new_events();
        press({INNER_KNOB_RIGHT, TRANSFER_KEY});
        EXPECT_EQ(new_events(), (Events{build.com_khz_up, build.com_swap}));
    }
}

TEST_P(NavcomRadio, SysKeyClosesTheMenuAndWorksTheMonitor)
{
    press({SYS_KEY, SYS_KEY});
    EXPECT_EQ(new_events(), (Events{MONITOR_OFF, MONITOR_OFF})) << "unpowered it only switches monitoring off";
    switch_on({SEL_KEY});
    press({SYS_KEY});
    EXPECT_EQ(new_events(), Events{MONITOR_ON});
    EXPECT_FALSE(shown(SELECT_COM_PROMPT));
    EXPECT_FRAME(radio, SYS_LAMP, 1);
    EXPECT_TRUE(panel.sim().com_monitor());
    press({SYS_KEY, SYS_KEY});
    EXPECT_EQ(new_events(), (Events{MONITOR_OFF, MONITOR_ON}));
    EXPECT_EQ(new_sounds(), Sounds(3, SOFT_CLICK));
}

TEST_P(NavcomRadio, SoundsOfTheKeys)
{
    for (Hotspot h : {TRANSFER_KEY, COM_KEY, NAV_KEY, TF_KEY, ID_KEY, SYS_KEY, OBS_KEY, SEL_KEY}) {
        panel.click(radio, h);
        EXPECT_EQ(new_sounds(), Sounds{SOFT_CLICK}) << "hotspot " << h << ", unpowered";
    }
    switch_on({NAV_KEY, SEL_KEY, OUTER_KNOB_RIGHT});
    for (Hotspot h : {ENT_KEY, OUTER_KNOB_LEFT, INNER_KNOB_LEFT, INNER_KNOB_RIGHT, OUTER_KNOB_RIGHT}) panel.click(radio, h);
    EXPECT_EQ(new_sounds(), Sounds{}) << "ENT and the tuning knob are silent";
}

// ID in NAV mode: IDENT with the receiver's audio on, VOICE, then off with the audio off again; each message
// for 54 ticks.
TEST_P(NavcomRadio, IdentKeyCyclesTheIdentifierAudio)
{
    switch_on({NAV_KEY});
    receive(36000, 100, 20, 1);
    press({ID_KEY});
    EXPECT_EQ(new_events(), Events{build.audio_toggle});
    EXPECT_EQ(panel.sim().number(build.nav_audio), 1.0);
    EXPECT_TRUE(shown(IDENT_MESSAGE));
    EXPECT_FRAME(radio, ID_LAMP, 1);
    EXPECT_TEXT(radio, IDENT_MESSAGE, label_text("IDENT"));
    panel.frames(50);
    EXPECT_TRUE(shown(IDENT_MESSAGE));
    panel.frames(2);
    EXPECT_FALSE(shown(IDENT_MESSAGE)) << "54 ticks after the click";
    EXPECT_TRUE(shown(VOR_LABEL));

    press({ID_KEY});
    EXPECT_EQ(new_events(), Events{});
    EXPECT_TRUE(shown(VOICE_MESSAGE));
    EXPECT_TEXT(radio, VOICE_MESSAGE, label_text("VOICE"));

    // Back to off: the audio goes off, no message starts, but the running one keeps the left label blank.
    press({ID_KEY});
    EXPECT_EQ(new_events(), Events{build.audio_toggle});
    EXPECT_EQ(panel.sim().number(build.nav_audio), 0.0);
    EXPECT_EQ(shown_among({IDENT_MESSAGE, VOICE_MESSAGE, VOR_LABEL}), std::set<int>{});
    EXPECT_FRAME(radio, ID_LAMP, 0);
    panel.frames(54);
    EXPECT_TRUE(shown(VOR_LABEL));

    // In COM mode ID steps nothing and sends nothing.
    press({COM_KEY, ID_KEY});
    EXPECT_EQ(new_events(), Events{});
    EXPECT_FRAME(radio, ID_LAMP, 0);
}

// If the host skips the update of the very tick the message ends on, the message still ends.
TEST_P(NavcomRadio, IdentifierMessageEndsEvenWhenItsTickIsSkipped)
{
    switch_on({NAV_KEY, ID_KEY});
    EXPECT_TRUE(shown(IDENT_MESSAGE));
    panel.frames(48);
    for (int i = 0; i < 10; ++i) panel.sim().tick();   // ticks the gauge never sees an update for
    panel.frame();
    EXPECT_FALSE(shown(IDENT_MESSAGE));
}

// T/F alternates TO bearing and FROM radial only on the bearing page of a received VOR, and leaves the DME page.
TEST_P(NavcomRadio, TfKeyAlternatesBearingAndRadial)
{
    receive(36000, 100, 20, 1);   // FROM radial 200, TO bearing 120
    switch_on({NAV_KEY});
    EXPECT_EQ(shown_among({TO_LABEL, FROM_LABEL}), std::set<int>{TO_LABEL});
    EXPECT_TEXT(radio, BEARING_VALUE, "120");
    press({TF_KEY});
    EXPECT_EQ(shown_among({TO_LABEL, FROM_LABEL}), std::set<int>{FROM_LABEL});
    EXPECT_TEXT(radio, BEARING_VALUE, "200");
    EXPECT_TEXT(radio, FROM_LABEL, label_text("from"));

    struct Case { const char* what; std::vector<Hotspot> keys; int32_t nav; int to_from; };
    const std::vector<Case> unchanged = {
        {"no VOR received", {}, 0x1580, 0},
        {"localizer", {}, 0x1095, 1},
        {"course page", {OBS_KEY}, 0x1580, 1},
        {"menu open", {SEL_KEY}, 0x1580, 1},
        {"COM mode", {COM_KEY}, 0x1580, 1},
    };
    for (const Case& c : unchanged) {
        SCOPED_TRACE(c.what);
        set(build.nav_active, c.nav);
        set(build.to_from, c.to_from);
        press({});
        for (Hotspot h : c.keys) press({h});
        press({TF_KEY});
        press({NAV_KEY});
        if (radio.element(OBS_LAMP).frame == 1) press({OBS_KEY});
        set(build.nav_active, 0x1580);
        set(build.to_from, 1);
        press({});
        EXPECT_EQ(shown_among({TO_LABEL, FROM_LABEL}), std::set<int>{FROM_LABEL});
    }

    // On the DME page T/F goes back to the bearing page.
    press({SEL_KEY, OUTER_KNOB_RIGHT, ENT_KEY});
    EXPECT_FALSE(shown(FROM_LABEL));
    press({TF_KEY});
    EXPECT_EQ(shown_among({TO_LABEL, FROM_LABEL}), std::set<int>{TO_LABEL});
}

TEST_P(NavcomRadio, KeepsItsStateAcrossKillAndReinstall)
{
    switch_on({NAV_KEY, OBS_KEY});
    panel.kill(radio);
    panel.install(radio);
    panel.frame();
    EXPECT_FRAME(radio, POWER_KNOB, 1);
    EXPECT_FRAME(radio, NAV_LAMP, 1);
    EXPECT_FRAME(radio, OBS_LAMP, 1);
}
