// What the GPS-only build does differently: the power convention of the other instruments, no COM
// section, NAV only at the late self-test screens, pages only once the self-test is over, its own layout.
#include "navigator_fixture.h"

using namespace navigator_test;

class GpsOnly : public Navigator {
protected:
    GpsOnly() : Navigator(GPS_ONLY) {}
};

TEST_F(GpsOnly, HasNoComSection)
{
    EXPECT_EQ(gps.elements().size(), static_cast<size_t>(GPS_ONLY_ELEMENT_COUNT));
    EXPECT_EQ(gps.hotspots().size(), static_cast<size_t>(GPS_ONLY_HOTSPOT_COUNT));
    switch_on();
    for (Hotspot h : {SMALL_KNOB_LEFT, SMALL_KNOB_RIGHT, LARGE_KNOB_LEFT, LARGE_KNOB_RIGHT, NAV_KEY, MSG_KEY}) click(h);
    panel.frame();
    EXPECT_EQ(new_events(), std::vector<uint32_t>{});
}

TEST_F(GpsOnly, BusPowerIsTruncated)
{
    switch_on();
    struct Case { double bus; bool powered; bool restarts; };
    for (Case c : {Case{1.5, true, false}, {1.99, true, false}, {0.5, false, true}, {2.0, false, false}}) {
        panel.sim().set(773, c.bus);
        panel.frames(3);
        EXPECT_EQ(shown(BEARING), c.powered) << "bus " << c.bus;
        panel.sim().set(773, 1.0);
        panel.frame();
        EXPECT_EQ(frame(SELF_TEST_SCREENS), c.restarts ? 1 : 0) << "bus " << c.bus;
        panel.frames(SELF_TEST_TICKS);
    }
}

TEST_F(GpsOnly, PagesTurnOnlyOnceTheSelfTestIsOver)
{
    switch_on();
    press(SMALL_KNOB_RIGHT);
    press(POWER_KNOB_OFF);
    press(POWER_KNOB_ON);
    press(SMALL_KNOB_RIGHT, 3);
    panel.frames(SELF_TEST_TICKS);
    EXPECT_TRUE(shown(ETE_CAPTION)) << "page 0 after the off click, unchanged during the test";
    press(SMALL_KNOB_RIGHT);
    EXPECT_TRUE(shown(CROSS_TRACK));
}

TEST_F(GpsOnly, NavActsOnlyOnTheLateSelfTestScreens)
{
    press(POWER_KNOB_ON);
    panel.frames(30);
    new_sounds();
    press(NAV_KEY);
    EXPECT_EQ(frame(SELF_TEST_SCREENS), 1) << "title: NAV does nothing";
    panel.frames(54 + 36);
    press(NAV_KEY);
    EXPECT_EQ(frame(SELF_TEST_SCREENS), 0);
    press(SMALL_KNOB_RIGHT);
    EXPECT_TRUE(shown(CROSS_TRACK)) << "NAV selected page operation";
    press(NAV_KEY);
    EXPECT_TRUE(shown(CROSS_TRACK));
    EXPECT_EQ(new_sounds(), std::vector<std::string>(3, SOFT_CLICK));
}

TEST_F(GpsOnly, MovedTextsAndRenumberedBitmaps)
{
    struct Case { Element e; int x, resource; };
    const Case cases[] = {
        {DISTANCE_PAGE_2, 177, -1}, {TRACK_ERROR_PAGE_3, 177, -1}, {MIN_SAFE_ALTITUDE, 27, -1},
        {UTC_MINUTES, 428, -1}, {UTC_CAPTION, 319, -1}, {PDOP_CAPTION, 438, -1}, {COUNTDOWN_MINUTES, 489, -1},
        {GPS_MODE_MARKER, 574, 0x2000}, {COUNTDOWN_CURSOR, 444, 0x1900}, {SELF_TEST_SCREENS, 26, 0x2100},
        {MESSAGE_SCREENS, 26, 0x2200},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(el(c.e).record->position.x, c.x) << c.e;
        EXPECT_EQ(el(c.e).record->resource_id, c.resource) << c.e;
    }
    switch_on();
    to_page(4);
    panel.sim().set(614, 300);
    panel.frame();
    EXPECT_EQ(text(MIN_SAFE_ALTITUDE), "MinSafeA  3000");
}
