// The transponder in its three builds, as the pilot uses it, through the host's squawk model.
#include "panel_fixture.h"
#include "transponder_faceplate.h"

using namespace transponder;

namespace {

struct Build {
    const char* name;
    std::vector<uint32_t> vfr_events;   // after setting the code to 0000
    const char* vfr_text;
};

void PrintTo(const Build& b, std::ostream* os) { *os << b.name; }

constexpr uint32_t UP[] = {0, 65651, 65652, 65653, 65654};
constexpr uint32_t DOWN[] = {0, 66455, 66456, 66457, 66458};
constexpr uint32_t SET_CODE = 65715;

const Build GE{"XPDR_Corvane_QT9_ge", {UP[3], UP[3], UP[4]}, "0021"};
const Build EU{"XPDR_Corvane_QT9_eu", std::vector<uint32_t>(7, UP[1]), "7000"};
const Build US{"XPDR_Corvane_QT9_us", {UP[1], UP[2], UP[2]}, "1200"};

const std::string CLICK = "sound\\click.wav", SOFT_CLICK = "sound\\soft_click.wav";
using Sounds = std::vector<std::string>;
using Events = std::vector<uint32_t>;

constexpr int32_t ALTITUDE = 74, BUS = 773, TIME = 604, SQUAWK = 38;

} // namespace

class Transponder : public PanelTest, public ::testing::WithParamInterface<Build> {
protected:
    const Build& build = GetParam();
    host::Gauge& xpdr = panel.load(gauge_path(build.name));

    void SetUp() override
    {
        panel.sim().set(BUS, 1.0);
        panel.sim().set(SQUAWK, 0x1234);
        panel.sim().set(ALTITUDE, 3540.0);
        at_second(100);
    }

    // A frame in the given second of simulation time: its parity decides every blink.
    void at_second(int second)
    {
        panel.sim().set(TIME, second);
        panel.frame();
    }

    void switch_on(Hotspot mode_key = ON_KEY)
    {
        panel.click(xpdr, POWER_KNOB_RIGHT);
        at_second(100);
        panel.click(xpdr, mode_key);
        at_second(100);
        new_events();
        new_sounds();
    }

    // A click, then the frames that let the host perform its events and the transponder show the result.
    void press(Hotspot h, int second = 100)
    {
        panel.click(xpdr, h);
        at_second(second);
        at_second(second);
    }

    int lit(Element light) const { return xpdr.element(light).frame; }
};

INSTANTIATE_TEST_SUITE_P(Builds, Transponder, ::testing::Values(GE, EU, US),
                         [](const auto& info) { return std::string(info.param.name).substr(17); });

TEST_P(Transponder, ComesUpOffAndShowsOnlyWithPowerAndSwitch)
{
    for (Element e : {CODE_DISPLAY, ALTITUDE_DISPLAY, DIGIT_CURSOR, DEVIATION_ABOVE, DEVIATION_BELOW, DEVIATION_ALERT})
        EXPECT_HIDDEN(xpdr, e, true);
    for (Element e : {POWER_KNOB, IDENT_LIGHT, SBY_LIGHT, ON_LIGHT, ALT_LIGHT, VFR_LIGHT, HLD_LIGHT})
        EXPECT_FRAME(xpdr, e, 0);
    EXPECT_TEXT(xpdr, CODE_DISPLAY, "1234") << "texts are written even while hidden";

    panel.click(xpdr, POWER_KNOB_RIGHT);
    struct Case { double bus; bool on; };
    for (Case c : {Case{1.0, true}, {0.99, false}, {2.0, false}, {1.5, true}, {0.0, false}}) {
        panel.sim().set(BUS, c.bus);
        at_second(100);
        EXPECT_FRAME(xpdr, POWER_KNOB, 1);
        EXPECT_HIDDEN(xpdr, CODE_DISPLAY, !c.on) << "bus " << c.bus;
        EXPECT_HIDDEN(xpdr, ALTITUDE_DISPLAY, !c.on) << "bus " << c.bus;
        EXPECT_EQ(lit(SBY_LIGHT), c.on ? 1 : 0) << "bus " << c.bus;
    }
    EXPECT_TEXT(xpdr, CODE_DISPLAY, "1234");
    EXPECT_TEXT(xpdr, ALTITUDE_DISPLAY, "035");
}

TEST_P(Transponder, PowerKnobClicksOnlyWhenItTurns)
{
    panel.click(xpdr, POWER_KNOB_LEFT);
    panel.click(xpdr, POWER_KNOB_RIGHT);
    panel.click(xpdr, POWER_KNOB_RIGHT);
    panel.click(xpdr, POWER_KNOB_LEFT);
    EXPECT_EQ(new_sounds(), (Sounds{CLICK, CLICK}));
}

TEST_P(Transponder, ModeKeysChooseTheLitModeOnlyWithPowerButStandbyAlways)
{
    struct Case { Hotspot key; int sby, on, alt; };
    // Unpowered, every key only clicks, and nothing is lit.
    for (Case c : {Case{ON_KEY, 0, 0, 0}, {ALT_KEY, 0, 0, 0}, {SBY_KEY, 0, 0, 0}}) {
        press(c.key);
        EXPECT_EQ(lit(SBY_LIGHT) + lit(ON_LIGHT) + lit(ALT_LIGHT), 0);
    }
    EXPECT_EQ(new_sounds(), Sounds(3, SOFT_CLICK));

    panel.click(xpdr, POWER_KNOB_RIGHT);
    at_second(100);
    for (Case c : {Case{ON_KEY, 0, 1, 0}, {ALT_KEY, 0, 0, 1}, {SBY_KEY, 1, 0, 0}, {ALT_KEY, 0, 0, 1}}) {
        press(c.key);
        EXPECT_EQ(lit(SBY_LIGHT), c.sby);
        EXPECT_EQ(lit(ON_LIGHT), c.on);
        EXPECT_EQ(lit(ALT_LIGHT), c.alt);
    }
    // Losing power drops back to standby; it stays there when power returns.
    panel.sim().set(BUS, 0.0);
    at_second(100);
    panel.sim().set(BUS, 1.0);
    at_second(100);
    EXPECT_EQ(lit(SBY_LIGHT), 1);
    EXPECT_EQ(lit(ALT_LIGHT), 0);
    EXPECT_EQ(new_events(), Events{}) << "modes belong to the transponder alone";
}

TEST_P(Transponder, OuterKnobWalksTheDigitCursor)
{
    switch_on();
    struct Step { Hotspot knob; int digit; bool clicks; };
    const Step walk[] = {
        {OUTER_KNOB_RIGHT, 1, true}, {OUTER_KNOB_RIGHT, 2, true}, {OUTER_KNOB_RIGHT, 3, true},
        {OUTER_KNOB_RIGHT, 4, true}, {OUTER_KNOB_RIGHT, 0, false},   // past the ones: no digit, no click
        {OUTER_KNOB_LEFT, 1, false},                                  // from none straight to the thousands
        {OUTER_KNOB_LEFT, 1, true},                                   // and no further
        {OUTER_KNOB_RIGHT, 2, true}, {OUTER_KNOB_RIGHT, 3, true}, {OUTER_KNOB_RIGHT, 4, true},
        {OUTER_KNOB_LEFT, 3, true}, {OUTER_KNOB_LEFT, 2, true}, {OUTER_KNOB_LEFT, 1, true},
    };
    int n = 0;
    for (const Step& s : walk) {
        ++n;
        press(s.knob, 100);   // even second: the cursor is lit
        EXPECT_EQ(new_sounds(), s.clicks ? Sounds{SOFT_CLICK} : Sounds{}) << "step " << n;
        EXPECT_HIDDEN(xpdr, DIGIT_CURSOR, s.digit == 0) << "step " << n;
        if (s.digit) EXPECT_FRAME(xpdr, DIGIT_CURSOR, s.digit) << "step " << n;
        at_second(101);
        EXPECT_HIDDEN(xpdr, DIGIT_CURSOR, true) << "the cursor blinks, dark in odd seconds; step " << n;
    }
    EXPECT_EQ(new_events(), Events{});
}

TEST_P(Transponder, OuterKnobDoesNotMoveWithoutPower)
{
    panel.click(xpdr, OUTER_KNOB_RIGHT);
    EXPECT_EQ(new_sounds(), Sounds{SOFT_CLICK}) << "it clicks all the same";
    panel.click(xpdr, POWER_KNOB_RIGHT);
    at_second(100);
    EXPECT_HIDDEN(xpdr, DIGIT_CURSOR, true);
    panel.click(xpdr, INNER_KNOB_RIGHT);
    at_second(100);
    EXPECT_EQ(new_events(), Events{}) << "no digit was selected";
}

TEST_P(Transponder, InnerKnobStepsTheSelectedDigitOfTheSimulationsCode)
{
    switch_on();
    struct Case { int digit; Hotspot knob; int32_t code; uint32_t event; const char* shows; };
    const Case cases[] = {
        {1, INNER_KNOB_RIGHT, 0x1234, UP[1], "2234"},
        {1, INNER_KNOB_LEFT, 0x1234, DOWN[1], "0234"},
        {2, INNER_KNOB_RIGHT, 0x1234, UP[2], "1334"},
        {2, INNER_KNOB_LEFT, 0x1234, DOWN[2], "1134"},
        {3, INNER_KNOB_RIGHT, 0x1234, UP[3], "1244"},
        {3, INNER_KNOB_LEFT, 0x1234, DOWN[3], "1224"},
        {4, INNER_KNOB_RIGHT, 0x1234, UP[4], "1235"},
        {4, INNER_KNOB_LEFT, 0x1234, DOWN[4], "1233"},
        // A digit wraps within itself like the real knob: 7 up is 0, 0 down is 7, nothing carries.
        {1, INNER_KNOB_RIGHT, 0x7777, UP[1], "0777"},
        {2, INNER_KNOB_RIGHT, 0x0700, UP[2], "0000"},
        {3, INNER_KNOB_LEFT, 0x1200, DOWN[3], "1270"},
        {4, INNER_KNOB_LEFT, 0x0000, DOWN[4], "0007"},
    };
    for (const Case& c : cases) {
        panel.sim().set(SQUAWK, c.code);
        press(SBY_KEY);
        for (int i = 0; i < c.digit; ++i) panel.click(xpdr, OUTER_KNOB_RIGHT);
        at_second(100);
        new_sounds();
        press(c.knob);
        EXPECT_EQ(new_events(), Events{c.event}) << "digit " << c.digit << " shows " << c.shows;
        EXPECT_TEXT(xpdr, CODE_DISPLAY, c.shows);
        EXPECT_EQ(new_sounds(), Sounds{}) << "the inner knob is silent";
    }
}

TEST_P(Transponder, VfrDialsTheBuildsCodeAndLightsUntilPressedAgainOrADigitIsSelected)
{
    switch_on();
    press(VFR_KEY);
    Events expected{SET_CODE};
    expected.insert(expected.end(), build.vfr_events.begin(), build.vfr_events.end());
    EXPECT_EQ(new_events(), expected);
    EXPECT_EQ(panel.events().back().value, 0u);
    EXPECT_TEXT(xpdr, CODE_DISPLAY, build.vfr_text);
    EXPECT_EQ(lit(VFR_LIGHT), 1);

    press(VFR_KEY);   // again: only the light goes out
    EXPECT_EQ(new_events(), Events{});
    EXPECT_EQ(lit(VFR_LIGHT), 0);

    press(VFR_KEY);
    new_events();
    press(OUTER_KNOB_RIGHT);
    press(INNER_KNOB_RIGHT);
    EXPECT_EQ(lit(VFR_LIGHT), 0) << "selecting a digit puts VFR out";
    press(VFR_KEY);
    EXPECT_HIDDEN(xpdr, DIGIT_CURSOR, true) << "VFR deselects the digit";
    new_events();
    press(INNER_KNOB_RIGHT);
    EXPECT_EQ(new_events(), Events{});
    EXPECT_EQ(lit(VFR_LIGHT), 1) << "the inner knob leaves VFR lit";
    EXPECT_EQ(new_sounds().size(), 5u) << "VFR and the outer knob click; the inner knob does not";
}

TEST_P(Transponder, VfrWhileOffStillSetsTheCode)
{
    for (int i = 0; i < 2; ++i) {
        press(VFR_KEY);
        EXPECT_TEXT(xpdr, CODE_DISPLAY, build.vfr_text);
        EXPECT_EQ(lit(VFR_LIGHT), 0);
        EXPECT_EQ(new_events().size(), build.vfr_events.size() + 1)
            << "the update cleared the selection, so each press dials again";
        panel.sim().set(SQUAWK, 0x4321);
    }
}

TEST_P(Transponder, ReplyLightBlinksInEvenSecondsWhileReplyingAndNoDigitIsEntered)
{
    for (int second = 100; second < 104; ++second) {
        at_second(second);
        EXPECT_EQ(lit(IDENT_LIGHT), 0) << "off";
    }
    switch_on(ALT_KEY);
    for (int second = 100; second < 104; ++second) {
        at_second(second);
        EXPECT_EQ(lit(IDENT_LIGHT), second % 2 == 0 ? 1 : 0) << "second " << second;
    }
    press(OUTER_KNOB_RIGHT);
    EXPECT_EQ(lit(IDENT_LIGHT), 0) << "entering a digit";
    press(OUTER_KNOB_LEFT);   // to the thousands
    press(SBY_KEY);
    EXPECT_EQ(lit(IDENT_LIGHT), 0) << "standby";
}

TEST_P(Transponder, IdentHoldsTheLightForTwentySeconds)
{
    switch_on();
    at_second(101);
    panel.click(xpdr, IDENT_KEY);
    EXPECT_EQ(new_sounds(), Sounds{SOFT_CLICK});
    for (int second = 101; second <= 120; ++second) {
        at_second(second);
        EXPECT_EQ(lit(IDENT_LIGHT), 1) << "second " << second;
    }
    at_second(121);
    EXPECT_EQ(lit(IDENT_LIGHT), 0) << "ended in an odd second: the blink is dark";
    at_second(122);
    EXPECT_EQ(lit(IDENT_LIGHT), 1) << "and blinks on";
    at_second(123);
    EXPECT_EQ(lit(IDENT_LIGHT), 0);

    // A second press during the period restarts it.
    panel.click(xpdr, IDENT_KEY);
    at_second(135);
    panel.click(xpdr, IDENT_KEY);
    at_second(150);
    EXPECT_EQ(lit(IDENT_LIGHT), 1) << "restarted at 135, ends at 155";
    at_second(155);
    EXPECT_EQ(lit(IDENT_LIGHT), 0);
    EXPECT_EQ(new_events(), Events{});
}

TEST_P(Transponder, IdentDoesNothingButClickInStandbyOrWithADigitSelected)
{
    panel.click(xpdr, POWER_KNOB_RIGHT);
    at_second(101);
    panel.click(xpdr, IDENT_KEY);   // standby
    panel.click(xpdr, ON_KEY);
    at_second(103);
    EXPECT_EQ(lit(IDENT_LIGHT), 0);
    panel.click(xpdr, OUTER_KNOB_RIGHT);
    at_second(103);
    panel.click(xpdr, IDENT_KEY);   // a digit selected
    panel.click(xpdr, OUTER_KNOB_RIGHT);
    panel.click(xpdr, OUTER_KNOB_RIGHT);
    panel.click(xpdr, OUTER_KNOB_RIGHT);
    panel.click(xpdr, OUTER_KNOB_RIGHT);   // none again
    at_second(105);
    EXPECT_EQ(lit(IDENT_LIGHT), 0);
}

// The identification ends once the clock has reached its end second, even when the clock jumps past it
// (or back before its start) between two updates.
TEST_P(Transponder, IdentEndsWhenTheClockJumpsPastItsEnd)
{
    switch_on();
    struct Case { int jump_to; int lit; };
    for (Case c : {Case{105, 1}, {121, 0}, {125, 0}, {3601, 0}, {51, 0}, {1, 0}}) {
        at_second(101);
        panel.click(xpdr, IDENT_KEY);   // ends at 121
        at_second(103);
        EXPECT_EQ(lit(IDENT_LIGHT), 1);
        at_second(c.jump_to);
        EXPECT_EQ(lit(IDENT_LIGHT), c.lit) << "jump to " << c.jump_to;
        at_second(c.jump_to + 2);
        EXPECT_EQ(lit(IDENT_LIGHT), c.lit) << "two seconds later, " << c.jump_to + 2;
    }
}

TEST_P(Transponder, IdentRunsOnThroughALossOfPower)
{
    switch_on();
    at_second(101);
    panel.click(xpdr, IDENT_KEY);
    panel.sim().set(BUS, 0.0);
    at_second(103);
    EXPECT_EQ(lit(IDENT_LIGHT), 0) << "dark without power";
    panel.sim().set(BUS, 1.0);
    at_second(104);
    panel.click(xpdr, ON_KEY);
    at_second(105);
    EXPECT_EQ(lit(IDENT_LIGHT), 1) << "still identifying in an odd second";
    at_second(121);
    EXPECT_EQ(lit(IDENT_LIGHT), 0);
}

TEST_P(Transponder, PressureAltitudeInHundredsRoundedHalfAwayFromZero)
{
    switch_on();
    struct Case { double feet; const char* shows; };
    const Case cases[] = {
        {3540.0, "035"}, {3549.9, "035"}, {3550.0, "036"}, {3450.0, "035"}, {250.0, "003"},
        {49.0, "000"}, {12500.0, "125"}, {41049.0, "410"},
    };
    for (const Case& c : cases) {
        panel.sim().set(ALTITUDE, c.feet);
        at_second(100);
        EXPECT_TEXT(xpdr, ALTITUDE_DISPLAY, c.shows) << c.feet << " ft";
    }
}

TEST_P(Transponder, AltitudeHoldShowsTheDeviationAndBlinksTheAlertBeyond300Feet)
{
    switch_on();
    panel.sim().set(ALTITUDE, 5000.9);
    at_second(100);
    press(HLD_KEY);   // holds 5000 ft
    EXPECT_EQ(lit(HLD_LIGHT), 1);
    EXPECT_EQ(new_sounds(), Sounds{SOFT_CLICK});

    struct Case { double feet; const char* above; const char* below; bool alert; };
    const Case cases[] = {
        {5000.9, nullptr, nullptr, false},   // above by less than a foot: shown, but rounds to +000
        {5000.0, nullptr, nullptr, false},   // exactly held: the field is blank
        {5300.0, "+003", nullptr, false},
        {5300.5, "+003", nullptr, true},
        {5350.0, "+004", nullptr, true},
        {4700.0, nullptr, "-003", false},
        {4699.5, nullptr, "-003", true},
        {4650.0, nullptr, "-004", true},
        {9000.0, "+040", nullptr, true},
    };
    for (const Case& c : cases) {
        panel.sim().set(ALTITUDE, c.feet);
        at_second(100);
        EXPECT_HIDDEN(xpdr, ALTITUDE_DISPLAY, true) << c.feet;
        if (c.feet == 5000.9) {
            EXPECT_TEXT(xpdr, DEVIATION_ABOVE, "+000");
            continue;
        }
        EXPECT_HIDDEN(xpdr, DEVIATION_ABOVE, c.above == nullptr) << c.feet;
        EXPECT_HIDDEN(xpdr, DEVIATION_BELOW, c.below == nullptr) << c.feet;
        if (c.above) EXPECT_TEXT(xpdr, DEVIATION_ABOVE, c.above);
        if (c.below) EXPECT_TEXT(xpdr, DEVIATION_BELOW, c.below);
        EXPECT_HIDDEN(xpdr, DEVIATION_ALERT, true) << "dark in even seconds; " << c.feet;
        at_second(101);
        EXPECT_HIDDEN(xpdr, DEVIATION_ALERT, !c.alert) << c.feet;
    }

    press(HLD_KEY);   // lets go
    EXPECT_EQ(lit(HLD_LIGHT), 0);
    EXPECT_HIDDEN(xpdr, ALTITUDE_DISPLAY, false);
    EXPECT_HIDDEN(xpdr, DEVIATION_ABOVE, true);
}

TEST_P(Transponder, AltitudeHoldNeedsPowerAndEndsWithIt)
{
    press(HLD_KEY);
    panel.click(xpdr, POWER_KNOB_RIGHT);
    at_second(100);
    EXPECT_EQ(lit(HLD_LIGHT), 0) << "HLD while off holds nothing";
    press(HLD_KEY);
    EXPECT_EQ(lit(HLD_LIGHT), 1);
    panel.click(xpdr, POWER_KNOB_LEFT);
    at_second(100);
    panel.click(xpdr, POWER_KNOB_RIGHT);
    at_second(100);
    EXPECT_EQ(lit(HLD_LIGHT), 0);
    EXPECT_HIDDEN(xpdr, ALTITUDE_DISPLAY, false);
}

TEST_P(Transponder, KnobHalvesTakeTheirClicks)
{
    switch_on();
    panel.click(xpdr, OUTER_KNOB_RIGHT);   // the thousands
    at_second(100);
    new_sounds();
    struct Case { const char* build; int x, y; Hotspot expected; };
    const Case cases[] = {
        {"ge", 530, 80, OUTER_KNOB_LEFT}, {"ge", 555, 90, INNER_KNOB_LEFT},
        {"ge", 575, 90, INNER_KNOB_RIGHT}, {"ge", 590, 80, OUTER_KNOB_RIGHT},
        {"eu", 530, 80, OUTER_KNOB_LEFT}, {"eu", 567, 90, INNER_KNOB_LEFT},   // the shared column
        {"eu", 575, 90, INNER_KNOB_RIGHT}, {"eu", 590, 80, OUTER_KNOB_RIGHT},
        {"us", 530, 80, OUTER_KNOB_LEFT}, {"us", 555, 90, INNER_KNOB_LEFT},
        {"us", 575, 90, INNER_KNOB_RIGHT}, {"us", 590, 80, OUTER_KNOB_RIGHT},
    };
    const std::string suffix = std::string(build.name).substr(17);
    for (const Case& c : cases) {
        if (suffix != c.build) continue;
        EXPECT_EQ(xpdr.hotspot_at(c.x, c.y), c.expected) << c.x << "," << c.y;
    }
    // The shared column of the eu build runs one callback, not both.
    if (suffix == "eu") {
        panel.click_at(xpdr, 567, 90);
        at_second(100);
        EXPECT_EQ(new_events(), Events{DOWN[1]});
    }
}

TEST_P(Transponder, KeepsItsStateAcrossKillAndReinstall)
{
    switch_on(ALT_KEY);
    panel.kill(xpdr);
    panel.install(xpdr);
    at_second(100);
    EXPECT_EQ(lit(ALT_LIGHT), 1);
    EXPECT_HIDDEN(xpdr, CODE_DISPLAY, false);
}
