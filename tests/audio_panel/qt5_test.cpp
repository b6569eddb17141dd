// The compact audio panel, as the pilot uses it, through the host's audio model.
#include "audio_fixture.h"
#include "qt5_faceplate.h"

using namespace audio;
using namespace audio_panel_qt5;

class Qt5 : public AudioPanelTest {
protected:
    host::Gauge& aud = panel.load(gauge_path("AUD_Corvane_QT5"));

    void SetUp() override
    {
        panel.sim().set(t::BUS_POWER, 1.0);
        panel.frame();
    }

    void forget()
    {
        new_events();
        new_sounds();
    }

    void switch_on()
    {
        panel.click(aud, VOLUME_RIGHT);
        panel.frame();
        forget();
    }
};

// The first draw leaves the simulation's marker audio selected, whatever it was: off, then toggled on.
TEST_F(Qt5, ResetSelectsTheMarkerAudio)
{
    EXPECT_EQ(new_events(), (Events{MARKER_OFF, MARKER}));
    panel.frame();
    EXPECT_EQ(sim(t::MARKER_AUDIO), 1.0);
    EXPECT_FRAME(aud, MKR_LAMP, 1) << "selected, the knob still off";
    EXPECT_FRAME(aud, COM1_LAMP, 1);
    EXPECT_FRAME(aud, ROTARY_SELECTOR, 0) << "the pointer at Com 1";
    EXPECT_FRAME(aud, VOLUME_KNOB, 0);
    panel.frames(3);
    EXPECT_EQ(new_events(), Events{}) << "only once";
}

TEST_F(Qt5, VolumeKnobClicksOnEveryPress)
{
    forget();
    struct Press { Hotspot half; int knob; };
    for (Press p : {Press{VOLUME_LEFT, 0}, {VOLUME_RIGHT, 1}, {VOLUME_RIGHT, 1}, {VOLUME_LEFT, 0}}) {
        panel.click(aud, p.half);
        EXPECT_EQ(new_sounds(), Sounds{CLICK});
        panel.frame();
        EXPECT_FRAME(aud, VOLUME_KNOB, p.knob);
        EXPECT_FRAME(aud, MKR_LAMP, p.knob ? 2 : 1);
    }
}

// Each receiver key flips its mirror at once, so "nav1" answers the press, and toggles the simulation's
// selection only while powered; its lamp shows the simulation's selection as of the drawing pass.
TEST_F(Qt5, ReceiverKeysWithAndWithoutPower)
{
    panel.frame();   // the reset's marker selection is performed
    panel.sim().set(t::MARKER_DME_SELECT, 2);
    panel.sim().set(t::MARKER_AUDIO, 0.0);
    struct Key { Hotspot key; Element lamp; int32_t token; uint32_t event; };
    const Key keys[] = {
        {NAV1_KEY, NAV1_LAMP, t::NAV1_AUDIO, NAV1}, {NAV2_KEY, NAV2_LAMP, t::NAV2_AUDIO, NAV2},
        {MKR_KEY, MKR_LAMP, t::MARKER_AUDIO, MARKER}, {ADF_KEY, ADF_LAMP, t::ADF_AUDIO, ADF},
        {DME_KEY, DME_LAMP, t::DME_AUDIO, DME2},
    };
    for (const Key& k : keys) {
        SCOPED_TRACE("hotspot " + std::to_string(k.key));
        panel.click(aud, VOLUME_LEFT);
        panel.frame();
        forget();
        panel.click(aud, k.key);
        EXPECT_EQ(new_sounds(), Sounds{SOFT_CLICK});
        panel.frame();
        EXPECT_EQ(new_events(), Events{});
        EXPECT_FRAME(aud, k.lamp, 0);

        switch_on();
        panel.click(aud, k.key);
        EXPECT_EQ(new_events(), Events{k.event});
        panel.frames(2);
        EXPECT_EQ(sim(k.token), 1.0);
        EXPECT_FRAME(aud, k.lamp, 2);
        panel.sim().set(t::BUS_POWER, 0.0);
        panel.frames(2);
        EXPECT_EQ(new_events(), Events{}) << "losing power switches nothing off";
        EXPECT_FRAME(aud, k.lamp, 1);
        panel.sim().set(k.token, 0.0);
        panel.sim().set(t::BUS_POWER, 1.0);
    }
}

TEST_F(Qt5, OwnKeysLightByPower)
{
    for (auto [key, lamp] : {std::pair{ICS_KEY, ICS_LAMP}, {AUX_KEY, AUX_LAMP}, {SPR_KEY, SPR_LAMP}}) {
        panel.click(aud, key);
        panel.frame();
        EXPECT_FRAME(aud, lamp, 1);
        switch_on();
        EXPECT_FRAME(aud, lamp, 2);
        panel.click(aud, key);
        panel.frame();
        EXPECT_FRAME(aud, lamp, 0);
        panel.click(aud, VOLUME_LEFT);
        panel.frame();
    }
    forget();
}

// The Com keys and the selector choose the COM radio on the panel alone; Com 2 and Com 1 select again
// after a Com key changed it, the split positions keep it and light the Swap lamp.
TEST_F(Qt5, ComKeysAndRotarySelector)
{
    switch_on();
    struct Step { Hotspot control; Sounds sounds; int pointer, com1, com2, swap; };
    const Step steps[] = {
        {COM1_KEY, {SOFT_CLICK}, 0, 0, 0, 0},               // Com1 again: neither selected
        {COM2_KEY, {SOFT_CLICK}, 0, 0, 2, 0},
        {COM1_KEY, {SOFT_CLICK}, 0, 2, 0, 0},
        {ROTARY_CLOCKWISE, {CLICK}, 2, 2, 0, 1},            // Com 1/2
        {COM2_KEY, {SOFT_CLICK}, 2, 0, 2, 1},
        {ROTARY_CLOCKWISE, {CLICK}, 3, 0, 2, 1},            // Com 2/1
        {ROTARY_CLOCKWISE, {}, 3, 0, 2, 1},                 // at the stop
        {ROTARY_ANTICLOCKWISE, {CLICK}, 2, 0, 2, 1},
        {ROTARY_ANTICLOCKWISE, {CLICK}, 0, 2, 0, 0},        // Com 1
        {ROTARY_ANTICLOCKWISE, {CLICK}, 1, 0, 2, 0},        // Com 2
        {COM1_KEY, {SOFT_CLICK}, 1, 2, 0, 0},
        {ROTARY_ANTICLOCKWISE, {}, 1, 0, 2, 0},             // at the stop, silent, but Com 2 again
    };
    for (const Step& s : steps) {
        panel.click(aud, s.control);
        panel.frame();
        SCOPED_TRACE("hotspot " + std::to_string(s.control));
        EXPECT_EQ(new_sounds(), s.sounds);
        EXPECT_FRAME(aud, ROTARY_SELECTOR, s.pointer);
        EXPECT_FRAME(aud, COM1_LAMP, s.com1);
        EXPECT_FRAME(aud, COM2_LAMP, s.com2);
        EXPECT_FRAME(aud, SWAP_LAMP, s.swap);
    }
    EXPECT_EQ(new_events(), Events{}) << "no COM key event";
    panel.sim().set(t::BUS_POWER, 0.0);
    panel.frame();
    EXPECT_FRAME(aud, COM2_LAMP, 1);
}
