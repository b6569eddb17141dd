// The NAV/COM radio's navigation display: pages, station type, bearing and radial, the course page with its
// deviation bar and TO/FROM symbol, the DME page and the identifier messages.
#include "navcom_fixture.h"

#include <cmath>

class NavigationDisplay : public NavcomRadio {
protected:
    // Back to the bearing page of a received VOR in NAV mode: course page, DME page and messages off.
    void reset()
    {
        set(build.nav_active, 0x1580);
        receive(36000, 100, 20, 1);
        dme(256, 12.3, 120);
        set(build.deviation, 0);
        press({POWER_KNOB_RIGHT, NAV_KEY});
        if (radio.element(OBS_LAMP).frame == 1) press({OBS_KEY});
        press({TF_KEY});   // leaves the DME page
        if (shown(FROM_LABEL)) press({TF_KEY});
        while (radio.element(ID_LAMP).frame == 1) press({ID_KEY});
        panel.frames(56);
        new_events();
    }

    // Sets a value and lets the display catch up: elements that use values computed later in the chain show
    // them one frame later.
    void settle() { panel.frames(2); }
};

INSTANTIATE_TEST_SUITE_P(Builds, NavigationDisplay, ::testing::Values(NAVCOM1, NAVCOM2), build_suffix);

// Each page, as the pilot gets to it, shows exactly these elements right of the frequencies.
TEST_P(NavigationDisplay, PagesShowTheirElements)
{
    struct Scene {
        const char* what;
        int32_t nav;
        int to_from;
        double deviation;
        bool dme_answers;
        std::vector<Hotspot> keys;
        std::set<int> shown;
    };
    const std::vector<Scene> scenes = {
        {"VOR received", 0x1580, 1, 0, true, {}, {VOR_LABEL, TO_LABEL, BEARING_VALUE}},
        {"VOR received, FROM radial", 0x1580, 2, 0, true, {TF_KEY}, {VOR_LABEL, FROM_LABEL, BEARING_VALUE}},
        {"VOR not received", 0x1580, 0, 0, true, {}, {VOR_LABEL, NO_BEARING_DASHES}},
        {"localizer, nothing received", 0x1095, 0, 0, true, {}, {LOC_LABEL, NO_BEARING_DASHES}},
        {"localizer received", 0x1095, 1, 0, true, {}, {LOC_LABEL}},
        {"top of the localizer band", 0x1195, 1, 0, true, {}, {LOC_LABEL}},
        {"bottom of the VOR band", 0x1200, 1, 0, true, {}, {VOR_LABEL, TO_LABEL, BEARING_VALUE}},
        {"DME page", 0x1580, 1, 0, true, {SEL_KEY, OUTER_KNOB_RIGHT, ENT_KEY},
         {DME_DISTANCE, DME_SPEED, TIME_HOURS, TIME_MINUTES}},
        {"DME page, no DME", 0x1580, 1, 0, false, {SEL_KEY, OUTER_KNOB_RIGHT, ENT_KEY},
         {NO_DISTANCE_DASHES, NO_SPEED_DASHES}},
        {"menu open", 0x1580, 1, 0, true, {SEL_KEY}, {SELECT_NAV_PROMPT}},
        {"course page, deviation right", 0x1580, 1, 64, true, {OBS_KEY},
         {SELECTED_COURSE, DEVIATION_BAR_RIGHT, LEFT_MASK, TO_FROM_SYMBOL}},
        {"course page, deviation left", 0x1580, 2, -64, true, {OBS_KEY},
         {SELECTED_COURSE, DEVIATION_BAR_LEFT, RIGHT_MASK, TO_FROM_SYMBOL}},
        {"course page, VOR not received", 0x1580, 0, 0, true, {OBS_KEY}, {SELECTED_COURSE, FLAG_MESSAGE, RIGHT_MASK}},
        {"course page, VOR not received, deviation", 0x1580, 0, 30, true, {OBS_KEY},
         {SELECTED_COURSE, FLAG_MESSAGE, LEFT_MASK}},
        {"course page, localizer, nothing received", 0x1095, 0, -64, true, {OBS_KEY},
         {LOC_LABEL, DEVIATION_BAR_LEFT, RIGHT_MASK, TO_FROM_SYMBOL}},
        {"COM mode, localizer", 0x1050, 1, 0, true, {COM_KEY}, {LOC_LABEL}},
        {"COM mode, VOR", 0x1580, 1, 0, true, {COM_KEY}, {}},
        {"COM mode, course page", 0x1580, 1, 64, true, {COM_KEY, OBS_KEY},
         {SELECTED_COURSE, DEVIATION_BAR_RIGHT, LEFT_MASK, TO_FROM_SYMBOL}},
        // While IDENT or VOICE shows, what stands left at x = 324 gives way; the right-hand fields stay.
        {"IDENT on the bearing page", 0x1580, 1, 0, true, {ID_KEY}, {TO_LABEL, BEARING_VALUE, IDENT_MESSAGE}},
        {"VOICE on a localizer", 0x1095, 0, 0, true, {ID_KEY, ID_KEY}, {NO_BEARING_DASHES, VOICE_MESSAGE}},
        {"IDENT on the DME page", 0x1580, 1, 0, true, {SEL_KEY, OUTER_KNOB_RIGHT, ENT_KEY, ID_KEY},
         {DME_SPEED, TIME_HOURS, TIME_MINUTES, IDENT_MESSAGE}},
        {"IDENT on the DME page, no DME", 0x1580, 1, 0, false, {SEL_KEY, OUTER_KNOB_RIGHT, ENT_KEY, ID_KEY},
         {NO_SPEED_DASHES, IDENT_MESSAGE}},
        {"IDENT on the course page", 0x1580, 1, -64, true, {OBS_KEY, ID_KEY}, {RIGHT_MASK, TO_FROM_SYMBOL, IDENT_MESSAGE}},
        {"IDENT on the course page, deviation right", 0x1580, 1, 64, true, {OBS_KEY, ID_KEY},
         {DEVIATION_BAR_RIGHT, LEFT_MASK, TO_FROM_SYMBOL, IDENT_MESSAGE}},
        {"IDENT, VOR not received, course page", 0x1580, 0, 0, true, {OBS_KEY, ID_KEY}, {RIGHT_MASK, IDENT_MESSAGE}},
    };
    switch_on();
    for (const Scene& s : scenes) {
        SCOPED_TRACE(s.what);
        reset();
        set(build.nav_active, s.nav);
        set(build.to_from, s.to_from);
        set(build.deviation, s.deviation);
        if (!s.dme_answers) dme(0, -1, -1);
        settle();
        for (Hotspot h : s.keys) press({h});
        settle();
        EXPECT_EQ(shown_among(NAVIGATION_DISPLAY), s.shown) << radio.describe();
    }

    // Without power nothing shows but a mask of the deviation bar, which lies on the dark display.
    reset();
    press({OBS_KEY});
    set(773, 0);
    settle();
    EXPECT_EQ(shown_among(NAVIGATION_DISPLAY), (std::set<int>{RIGHT_MASK}));
}

TEST_P(NavigationDisplay, LabelsPrintTheirValueOutsideTheBox)
{
    switch_on({NAV_KEY});
    set(build.to_from, 0);
    settle();
    EXPECT_TEXT(radio, VOR_LABEL, label_text("vor"));
    EXPECT_TEXT(radio, LOC_LABEL, label_text("loc"));
    EXPECT_TEXT(radio, TO_LABEL, label_text("to"));
    EXPECT_TEXT(radio, NO_BEARING_DASHES, label_text(" - - -"));
    EXPECT_TEXT(radio, FLAG_MESSAGE, label_text("- - - flagged - - -"));
    EXPECT_TEXT(radio, NO_DISTANCE_DASHES, label_text("- - - nm"));
    EXPECT_TEXT(radio, NO_SPEED_DASHES, label_text("- - - kt"));
    EXPECT_TEXT(radio, TO_FROM_CALCULATION, "0");
    EXPECT_TEXT(radio, NAV_FREQUENCY_CALCULATION, "NF115.80");
}

// The FROM radial from the radial source (degrees times 180) and the TO bearing from the sum of the two terms.
TEST_P(NavigationDisplay, BearingAndRadial)
{
    struct Case { double radial_source, term, heading; const char* from, *to; };
    const Case cases[] = {
        {36000, 100, 20, "200", "120"},
        {-180, 300, 60, "359", "360"},        // a sum of exactly 360 stays 360
        {64799, 300.9, 60.5, "359", "001"},   // 361.4: above 360, wrapped once
        {179.9, 0.2, 0, "000", "000"},
        {32399, -30, 60, "179", "030"},
    };
    switch_on({NAV_KEY});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.radial_source);
        receive(c.radial_source, c.term, c.heading, 1);
        settle();
        EXPECT_TEXT(radio, BEARING_VALUE, c.to);
        EXPECT_TEXT(radio, BEARING_CALCULATION, c.to);
        press({TF_KEY});
        EXPECT_TEXT(radio, BEARING_VALUE, c.from);
        press({TF_KEY});
    }
}

TEST_P(NavigationDisplay, ToFromSymbolFrames)
{
    struct Case { int32_t nav; int to_from; double radial, course; int frame; bool shown; };
    const Case cases[] = {
        {0x1580, 1, 200, 20, 0, true},    // nose up, flying TO
        {0x1580, 2, 200, 20, 1, true},    // nose down, FROM
        {0x1580, 1, 110, 20, 2, true},    // radial 90 degrees off the course: abeam, a plain cross
        {0x1580, 2, 106, 20, 2, true},
        {0x1580, 2, 105, 20, 1, true},
        {0x1580, 1, 114, 20, 2, true},
        {0x1580, 1, 115, 20, 0, true},
        {0x1580, 1, 10, 280, 2, true},    // -270 wraps to 90
        {0x1580, 0, 200, 20, 0, false},   // nothing received
        {0x1095, 0, 200, 20, 0, true},    // a localizer: always nose up
        {0x1095, 2, 110, 20, 0, true},
    };
    switch_on({NAV_KEY, OBS_KEY});
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "to/from " << c.to_from << " radial " << c.radial << " course " << c.course);
        set(build.nav_active, c.nav);
        receive(c.radial * 180, 0, 0, c.to_from);
        set(build.course, c.course);
        settle();
        EXPECT_FRAME(radio, TO_FROM_SYMBOL, c.frame);
        EXPECT_EQ(shown(TO_FROM_SYMBOL), c.shown);
    }
    EXPECT_TEXT(radio, SELECTED_COURSE, "020");
}

// The two halves of the bar slide 56/127 pixel per unit of deviation out from under the mask on the other
// side of the symbol.
TEST_P(NavigationDisplay, DeviationBarDisplacement)
{
    struct Case { double deviation; bool right, left_mask, left, right_mask; };
    const Case cases[] = {
        {0, false, false, false, true},
        {0.5, true, true, false, true},
        {64, true, true, false, false},
        {127, true, true, false, false},
        {-64, false, false, true, true},
        {-127, false, false, true, true},
    };
    receive(36000, 100, 20, 1);
    switch_on({NAV_KEY, OBS_KEY});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.deviation);
        set(build.deviation, c.deviation);
        settle();
        EXPECT_EQ(shown(DEVIATION_BAR_RIGHT), c.right);
        EXPECT_EQ(shown(LEFT_MASK), c.left_mask);
        EXPECT_EQ(shown(DEVIATION_BAR_LEFT), c.left);
        EXPECT_EQ(shown(RIGHT_MASK), c.right_mask);
        EXPECT_DOUBLE_EQ(radio.element(DEVIATION_BAR_RIGHT).dx, c.deviation > 0 ? c.deviation * 56 / 127 : 0.0);
        EXPECT_DOUBLE_EQ(radio.element(DEVIATION_BAR_LEFT).dx, c.deviation < 0 ? c.deviation * 56 / 127 : 0.0);
        EXPECT_EQ(radio.element(DEVIATION_BAR_RIGHT).dy, 0.0);
        EXPECT_EQ(radio.element(DEVIATION_BAR_LEFT).dy, 0.0);
    }
    EXPECT_DOUBLE_EQ(radio.element(DEVIATION_BAR_LEFT).dx, -56.0) << "full scale is 56 pixels";
}

// Distance, speed and the time to the station, with their limits.
TEST_P(NavigationDisplay, DmePage)
{
    struct Case { double distance, speed; const char* nm, *kt, *hours, *minutes; };
    const Case cases[] = {
        {12.3, 120, "12.3nm", "120kt", "0:", "06"},
        {12.3, 0, "12.3nm", "  0kt", "9:", "99"},           // no speed, no time
        {0, 0, "0.0nm", "  0kt", "9:", "99"},
        {1250, 100, "1250.0nm", "100kt", "9:", "99"},       // 12.5 hours
        {1000, 100, "1000.0nm", "100kt", "9:", "60"},       // 10 hours: minutes from the capped hours
        {20, 1500, "20.0nm", "999kt", "0:", "00"},
        {20, 1000, "20.0nm", "1000kt", "0:", "01"},
        {150, 60, "150.0nm", " 60kt", "2:", "30"},
    };
    switch_on({NAV_KEY, SEL_KEY, OUTER_KNOB_RIGHT, ENT_KEY});
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.distance << " nm at " << c.speed << " kt");
        dme(256, c.distance, c.speed);
        settle();
        EXPECT_TEXT(radio, DME_DISTANCE, c.nm);
        EXPECT_TEXT(radio, DME_SPEED, c.kt);
        EXPECT_TEXT(radio, TIME_HOURS, c.hours);
        EXPECT_TEXT(radio, TIME_MINUTES, c.minutes);
        EXPECT_EQ(shown_among(NAVIGATION_DISPLAY), (std::set<int>{DME_DISTANCE, DME_SPEED, TIME_HOURS, TIME_MINUTES}));
    }

    // A DME that answers without a distance or a speed yet.
    dme(256, -1, -1);
    settle();
    EXPECT_EQ(shown_among(NAVIGATION_DISPLAY), std::set<int>{});
    dme(256, -1, 100);
    settle();
    EXPECT_EQ(shown_among(NAVIGATION_DISPLAY), (std::set<int>{DME_SPEED, TIME_HOURS, TIME_MINUTES}));
    dme(255, -1, -1);
    settle();
    EXPECT_EQ(shown_among(NAVIGATION_DISPLAY), (std::set<int>{NO_DISTANCE_DASHES, NO_SPEED_DASHES}));

    // ENT on the remove prompt goes back to the bearing page.
    press({SEL_KEY, OUTER_KNOB_LEFT});
    EXPECT_TRUE(shown(REMOVE_DME_PROMPT));
    press({ENT_KEY});
    EXPECT_EQ(shown_among(NAVIGATION_DISPLAY), (std::set<int>{VOR_LABEL, NO_BEARING_DASHES}));
}
