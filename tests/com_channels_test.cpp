// The host's COM receivers: channels, their BCD readings, and tuning wrap-around.
#include "com_channels.h"
#include "key_events.h"
#include "simulation.h"
#include "tokens.h"

#include <gtest/gtest.h>

using namespace host;

TEST(ComChannels, ReadingsOfChannelsAndBack)
{
    struct Case { Khz khz; int32_t bcd; };
    for (Case c : {Case{118000, 0x1800}, {118025, 0x1802}, {118050, 0x1805}, {118075, 0x1807},
                   {121500, 0x2150}, {136975, 0x3697}}) {
        EXPECT_EQ(bcd_of_khz(c.khz), c.bcd) << c.khz;
        EXPECT_EQ(com_channel_of_bcd(c.bcd), c.khz) << std::hex << c.bcd;
    }
    // Readings no channel shows, digits that are not decimal, and readings outside the band.
    for (int32_t bcd : {0x1801, 0x1803, 0x18A0, 0x1790, 0x3700})
        EXPECT_FALSE(com_channel_of_bcd(bcd).has_value()) << std::hex << bcd;
}

TEST(ComChannels, TuningWrapsWithoutCarrying)
{
    struct Case { Khz from; void (*step)(ComReceiver&); Khz to; };
    const Case cases[] = {
        {136500, [](ComReceiver& r) { r.standby_mhz_step(+1); }, 118500},
        {118975, [](ComReceiver& r) { r.standby_mhz_step(-1); }, 136975},
        {118975, [](ComReceiver& r) { r.standby_channel_step(+1); }, 118000},
        {121000, [](ComReceiver& r) { r.standby_channel_step(-1); }, 121975},
        {121500, [](ComReceiver& r) { r.standby_channel_step(+1); }, 121525},
    };
    for (const Case& c : cases) {
        ComReceiver r;
        r.standby = c.from;
        c.step(r);
        EXPECT_EQ(r.standby, c.to) << "from " << c.from;
    }
}

TEST(ComChannels, SimulationHoldsWhatItCanTune)
{
    Simulation sim;
    sim.set(token::COM2_STANDBY, 0x1802);
    EXPECT_EQ(sim.value(token::COM2_STANDBY).i, 0x1802);
    EXPECT_THROW(sim.set(token::COM2_STANDBY, 0x1801), std::invalid_argument);
    EXPECT_THROW(sim.set(token::COM1_ACTIVE, 118.5), std::invalid_argument);
    EXPECT_EQ(sim.value(token::COM2_STANDBY).i, 0x1802) << "a rejected value changes nothing";

    sim.queue_event({key_event::COM2_STANDBY_KHZ_UP, 0});
    sim.queue_event({key_event::COM2_SWAP, 0});
    EXPECT_EQ(sim.integer(token::COM2_ACTIVE), 0x1800) << "events wait for the next frame";
    sim.perform_pending_events();
    EXPECT_EQ(sim.integer(token::COM2_ACTIVE), 0x1805);
    EXPECT_EQ(sim.integer(token::COM2_STANDBY), 0x1800);
}
