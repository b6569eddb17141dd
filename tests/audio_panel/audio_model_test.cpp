// What the host tells the workbench the pilot hears: the audio selections, the beacon, its tone.
#include "audio_model.h"
#include "simulation.h"
#include "tokens.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace host;
namespace t = host::token;

TEST(AudioModel, MarkerToneOnlyWithTheMarkerAudioSelected)
{
    struct Case { double beacon, marker_audio; int heard_beacon, tone; };
    const Case cases[] = {
        {0, 1, 0, 0}, {1, 1, 1, 1}, {2, 0, 2, 0}, {3, 1, 3, 3}, {3, 0, 3, 0},
    };
    for (const Case& c : cases) {
        Simulation sim;
        sim.set(t::MARKER, c.beacon);
        sim.set(t::MARKER_AUDIO, c.marker_audio);
        const AudioSelections a = audio_selections(sim);
        EXPECT_EQ(a.marker_beacon, c.heard_beacon) << c.beacon;
        EXPECT_EQ(a.marker_tone, c.tone) << c.beacon << " " << c.marker_audio;
    }
}

// The selections as the audio panels' key events leave them.
TEST(AudioModel, SelectionsFollowTheKeyEvents)
{
    Simulation sim;
    sim.set(t::MARKER_DME_SELECT, 2);
    for (uint32_t e : {65842u, 65845u, 65846u, 66478u, 66477u, 66464u, 66513u}) sim.perform({e, 0});
    AudioSelections a = audio_selections(sim);
    EXPECT_TRUE(a.nav1 && a.dme && a.adf && a.marker);
    EXPECT_FALSE(a.nav2);
    EXPECT_EQ(a.dme_select, 2);
    EXPECT_EQ(a.transmitting_com, 2);
    EXPECT_EQ(a.monitored_com, 1);
    for (uint32_t e : {65842u, 65844u, 66478u, 66463u}) sim.perform({e, 0});
    a = audio_selections(sim);
    EXPECT_FALSE(a.nav1 || a.dme || a.marker);
    EXPECT_EQ(a.transmitting_com, 1);
}

// The receiver reports one of three beacons or none; a held raw value outside them is no beacon heard.
TEST(AudioModel, MarkerBeaconKeptToTheThreeBeacons)
{
    Simulation sim;
    for (double v : {-1.0, 0.5, 4.0})
        EXPECT_THROW(sim.set(t::MARKER, v), std::invalid_argument) << v;
    VAR_VALUE raw{};
    raw.f = 7.0;
    sim.hold(t::MARKER, raw);
    sim.set(t::MARKER_AUDIO, 1.0);
    EXPECT_EQ(audio_selections(sim).marker_beacon, 0);
    EXPECT_EQ(audio_selections(sim).marker_tone, 0);
}
