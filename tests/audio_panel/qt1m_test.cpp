// The audio panel with its six-position selector, as the pilot uses it, through the host's audio model.
#include "audio_fixture.h"
#include "qt1m_faceplate.h"

using namespace audio;
using namespace audio_panel_qt1m;

class Qt1m : public AudioPanelTest {
protected:
    host::Gauge& aud = panel.load(gauge_path("AUD_Corvane_QT1M"));

    void SetUp() override
    {
        panel.sim().set(t::BUS_POWER, 1.0);
        panel.frame();
        forget();
    }

    void forget()
    {
        new_events();
        new_sounds();
    }

    // Turns the selector to `position` and lets a frame pass, forgetting what that sent.
    void turn_to(int position)
    {
        while (aud.element(ROTARY_SELECTOR).frame < position) {
            panel.click(aud, ROTARY_CLOCKWISE);
            panel.frame();
        }
        while (aud.element(ROTARY_SELECTOR).frame > position) {
            panel.click(aud, ROTARY_ANTICLOCKWISE);
            panel.frame();
        }
        forget();
    }
};

TEST_F(Qt1m, ComesUpAtOffWithCom1SelectedOnEveryUpdate)
{
    EXPECT_FRAME(aud, ROTARY_SELECTOR, OFF);
    for (Element e : {MARKER_LAMPS, C1_LIGHT, C2_LIGHT, N1_LIGHT, SPLIT_LAMP, XMT_LAMP}) EXPECT_FRAME(aud, e, 0);
    panel.frames(3);
    EXPECT_EQ(new_events(), Events(3, COM1));
    EXPECT_EQ(sim(t::COM1_TRANSMIT), 1.0);
    EXPECT_EQ(new_sounds(), Sounds{});
}

// From OFF clockwise to the stop and back: the selector clicks when it turns, powers the panel anywhere but
// OFF, selects COM1 and COM2 on the panel alone and lights the split lamp in positions 3 to 5.
TEST_F(Qt1m, RotaryThroughEveryPosition)
{
    struct Step { Hotspot half; int position; bool clicks; int c1, c2, split; };
    const Step steps[] = {
        {ROTARY_CLOCKWISE, COM_1, true, 1, 0, 0},
        {ROTARY_CLOCKWISE, COM_2, true, 0, 1, 0},
        {ROTARY_CLOCKWISE, COM_1_2, true, 0, 1, 1},
        {ROTARY_CLOCKWISE, COM_2_1, true, 0, 1, 1},
        {ROTARY_CLOCKWISE, TEL_COM_1, true, 0, 1, 1},
        {ROTARY_CLOCKWISE, TEL_COM_1, false, 0, 1, 1},   // at the stop
        {ROTARY_ANTICLOCKWISE, COM_2_1, true, 0, 1, 1},
        {ROTARY_ANTICLOCKWISE, COM_1_2, true, 0, 1, 1},
        {ROTARY_ANTICLOCKWISE, COM_2, true, 0, 1, 0},
        {ROTARY_ANTICLOCKWISE, COM_1, true, 1, 0, 0},
        {ROTARY_ANTICLOCKWISE, OFF, true, 0, 0, 0},        // off: every light dark
        {ROTARY_ANTICLOCKWISE, OFF, false, 0, 0, 0},
    };
    for (const Step& s : steps) {
        panel.click(aud, s.half);
        EXPECT_EQ(new_events(), Events{}) << "the selector itself sends no COM event";
        panel.frame();
        SCOPED_TRACE("position " + std::to_string(s.position));
        EXPECT_EQ(new_sounds(), s.clicks ? Sounds{CLICK} : Sounds{});
        EXPECT_FRAME(aud, ROTARY_SELECTOR, s.position);
        EXPECT_FRAME(aud, C1_LIGHT, s.c1);
        EXPECT_FRAME(aud, C2_LIGHT, s.c2);
        EXPECT_FRAME(aud, SPLIT_LAMP, s.split);
        EXPECT_EQ(new_events(), s.position == OFF ? Events{COM1} : Events{});
    }
    EXPECT_EQ(sim(t::COM1_TRANSMIT), 1.0) << "the simulation's COM changed only at OFF";
}

// Each receiver key: without power it clicks and flips its mirror until the next update, and the
// simulation keeps its selection; with power it toggles the simulation's selection.
TEST_F(Qt1m, ReceiverKeysWithAndWithoutPower)
{
    panel.sim().set(t::MARKER_DME_SELECT, 1);
    struct Key { Hotspot key; Element light; int32_t token; uint32_t event; };
    const Key keys[] = {
        {N1_KEY, N1_LIGHT, t::NAV1_AUDIO, NAV1},  {N2_KEY, N2_LIGHT, t::NAV2_AUDIO, NAV2},
        {M_KEY, M_LIGHT, t::MARKER_AUDIO, MARKER}, {A_KEY, A_LIGHT, t::ADF_AUDIO, ADF},
        {D_KEY, D_LIGHT, t::DME_AUDIO, DME1},
    };
    for (const Key& k : keys) {
        SCOPED_TRACE("hotspot " + std::to_string(k.key));
        turn_to(OFF);
        panel.click(aud, k.key);
        EXPECT_EQ(new_sounds(), Sounds{SOFT_CLICK});
        panel.frame();
        EXPECT_EQ(new_events(), Events{COM1}) << "no receiver event without power";
        EXPECT_EQ(sim(k.token), 0.0);
        EXPECT_FRAME(aud, k.light, 0);

        turn_to(COM_1);
        panel.click(aud, k.key);
        EXPECT_EQ(new_events(), Events{k.event});
        panel.frame();
        EXPECT_EQ(sim(k.token), 1.0);
        EXPECT_FRAME(aud, k.light, 2);
        turn_to(COM_1_2);   // the split positions switch it off again
        EXPECT_EQ(sim(k.token), 0.0);
        EXPECT_FRAME(aud, k.light, 0);
    }
}

// AX and S are the panel's own: they light with power, show selected-but-unheard without it or in the
// split positions, and tell the simulation nothing.
TEST_F(Qt1m, OwnKeysLightByPowerAndPosition)
{
    for (auto [key, light] : {std::pair{AX_KEY, AX_LIGHT}, std::pair{S_KEY, S_LIGHT}}) {
        panel.click(aud, key);
        panel.frame();
        EXPECT_FRAME(aud, light, 1);
        turn_to(COM_2);
        EXPECT_FRAME(aud, light, 2);
        turn_to(TEL_COM_1);
        EXPECT_FRAME(aud, light, 1);
        panel.click(aud, key);
        panel.frame();
        EXPECT_FRAME(aud, light, 0);
        EXPECT_EQ(new_events(), Events{});
        turn_to(OFF);
    }
}

// Losing power, or turning clockwise into a split position, toggles off every receiver the simulation
// still has selected, in a fixed order, each once.
TEST_F(Qt1m, SwitchOffSequence)
{
    panel.sim().set(t::MARKER_DME_SELECT, 2);
    const Events sequence = {NAV1, NAV2, MARKER, DME2, ADF};
    const auto select_all = [&] {
        select_in_sim({t::NAV1_AUDIO, t::NAV2_AUDIO, t::DME_AUDIO, t::ADF_AUDIO, t::MARKER_AUDIO});
        panel.frame();
    };
    turn_to(COM_2);
    select_all();
    EXPECT_EQ(new_events(), Events{}) << "powered, nothing is switched off";
    EXPECT_FRAME(aud, N1_LIGHT, 2);

    panel.sim().set(t::BUS_POWER, 0.0);
    panel.frame();
    EXPECT_EQ(new_events(), sequence) << "the bus fails";
    panel.frames(2);
    EXPECT_EQ(new_events(), Events{}) << "nothing left to switch off";
    for (int32_t token : {t::NAV1_AUDIO, t::NAV2_AUDIO, t::DME_AUDIO, t::ADF_AUDIO, t::MARKER_AUDIO})
        EXPECT_EQ(sim(token), 0.0) << token;

    panel.sim().set(t::BUS_POWER, 1.0);
    select_all();
    panel.click(aud, ROTARY_CLOCKWISE);   // into COM 1-2
    EXPECT_EQ(new_events(), sequence);
    EXPECT_EQ(new_sounds(), Sounds{CLICK});
    turn_to(TEL_COM_1);
    select_all();
    EXPECT_EQ(new_events(), Events{}) << "in a split position only the selector's turn switches off";
    panel.click(aud, ROTARY_CLOCKWISE);   // at the stop: silent, but switches off again
    EXPECT_EQ(new_events(), sequence);
    EXPECT_EQ(new_sounds(), Sounds{});
}

// C1 and C2 select the COM radio, powered or not; at OFF the panel falls back to COM1 on the next update.
TEST_F(Qt1m, ComKeysSelectTheComRadio)
{
    panel.click(aud, C2_KEY);
    EXPECT_EQ(new_events(), Events{COM2});
    EXPECT_EQ(new_sounds(), Sounds{SOFT_CLICK});
    panel.frame();   // performs COM2, then OFF selects COM1 again
    EXPECT_EQ(new_events(), Events{COM1});
    panel.frame();
    EXPECT_EQ(sim(t::COM1_TRANSMIT), 1.0);

    turn_to(COM_1);
    panel.click(aud, C2_KEY);
    panel.frames(2);
    EXPECT_EQ(new_events(), Events{COM2});
    EXPECT_EQ(sim(t::COM2_TRANSMIT), 1.0);
    EXPECT_FRAME(aud, C2_LIGHT, 1);
    EXPECT_FRAME(aud, C1_LIGHT, 0);
    panel.click(aud, C1_KEY);
    panel.frames(2);
    EXPECT_EQ(new_events(), Events{COM1});
    EXPECT_FRAME(aud, C1_LIGHT, 1);
    EXPECT_FRAME(aud, C2_LIGHT, 0);
}

// The XMT lamp lights while either COM radio reads exactly 1.0 as transmitting, and only with power.
TEST_F(Qt1m, XmtLampNeedsExactlyOne)
{
    turn_to(COM_1);
    struct Case { double com1, com2, bus; int lamp; };
    for (Case c : {Case{1.0, 0.0, 1, 1}, {0.0, 1.0, 1, 1}, {0.999, 0.0, 1, 0}, {0.0, 1.001, 1, 0}, {0.0, 0.0, 1, 0},
                   {1.0, 0.0, 0, 0}}) {
        panel.sim().set(t::COM1_TRANSMIT, c.com1);
        panel.sim().set(t::COM2_TRANSMIT, c.com2);
        panel.sim().set(t::BUS_POWER, c.bus);
        panel.frame();
        EXPECT_FRAME(aud, XMT_LAMP, c.lamp) << c.com1 << " " << c.com2 << " bus " << c.bus;
    }
}
