// The framework's lifecycle and faceplate model as the host sees it, through the probe test gauges.
#include "panel_fixture.h"
#include "probe_faceplate.h"

using namespace probe;

class Framework : public PanelTest {
protected:
    host::Gauge& a = panel.load(test_gauge_path("Probe_Test_A"));
};

TEST_F(Framework, IgnoresEveryOtherServiceId)
{
    for (int32_t id : {0, 1, 3, 5, 7, 8, 9, 11, 13, 100, -1, -2, -6, -10, -12, INT32_MIN})
        panel.service(a, id);
    panel.frame();
    EXPECT_TEXT(a, STATUS, "u1 d1 r1");
    for (int32_t id : {0, 1, 3, 5, 7, 9, 11, -1, -6, -10})
        panel.service(a, id);
    panel.frame();
    EXPECT_TEXT(a, STATUS, "u2 d2 r1");
}

TEST_F(Framework, ResetsOnFirstDrawOnlyEvenAcrossKillAndReinstall)
{
    panel.service(a, PANEL_SERVICE_PRE_DRAW);   // a draw before any update still resets
    panel.frames(3);
    EXPECT_TEXT(a, STATUS, "u3 d4 r1");
    EXPECT_EQ(panel.named_vars().read("probe_a"), 3);

    panel.kill(a);
    EXPECT_FALSE(panel.named_vars().read("probe_a").has_value()) << "kill withdraws the name";
    panel.install(a);
    EXPECT_EQ(panel.named_vars().read("probe_a"), 3) << "reinstall publishes the same variable again";
    panel.frame();
    EXPECT_TEXT(a, STATUS, "u4 d5 r1");
}

TEST_F(Framework, NamedVariablesBindAcrossModules)
{
    host::Gauge& b = panel.load(test_gauge_path("Probe_Test_B"));
    panel.frames(5);
    EXPECT_TEXT(a, PEER, "peer none") << "A bound probe_b before B published it";
    EXPECT_TEXT(b, PEER, "peer 5") << "B reads A's variable through the binding";
    EXPECT_EQ(panel.named_vars().read("probe_b"), 5);

    panel.unload("Probe_Test_A");
    panel.frame();
    EXPECT_TEXT(b, PEER, "peer none") << "a binding into an unloaded module is cleared, not left dangling";
    EXPECT_FALSE(panel.named_vars().read("probe_a").has_value());
}

TEST_F(Framework, HiddenFlagFollowsTheCallbackEveryDraw)
{
    panel.frames(4);
    EXPECT_HIDDEN(a, ICON, false);
    EXPECT_FRAME(a, ICON, 1);   // frame = updates % 3
    panel.click(a, LEFT_KEY);
    panel.frame();
    EXPECT_HIDDEN(a, ICON, true);
    EXPECT_FRAME(a, ICON, 2) << "a hidden element's callback still runs";
    panel.click(a, LEFT_KEY);
    panel.frame();
    EXPECT_HIDDEN(a, ICON, false);
}

TEST_F(Framework, SliderIsDisplacedByValueTimesScale)
{
    panel.frame();
    EXPECT_DOUBLE_EQ(a.element(SLIDER).dx, 10.0);
    EXPECT_DOUBLE_EQ(a.element(SLIDER).dy, 0.0);
}

TEST_F(Framework, ClickGoesToTheFirstBoxHoldingThePoint)
{
    struct Case { int x, y, hotspot; std::vector<uint32_t> events; };
    const Case cases[] = {
        {10, 10, LEFT_KEY, {LEFT_KEY_EVENT}},    // the top-left corner belongs to the box
        {18, 15, LEFT_KEY, {LEFT_KEY_EVENT}},
        {19, 15, LEFT_KEY, {LEFT_KEY_EVENT}},    // the shared column: exactly one callback runs
        {20, 15, RIGHT_KEY, {RIGHT_KEY_EVENT}},
        {29, 19, RIGHT_KEY, {RIGHT_KEY_EVENT}},  // the last pixel inside
        {30, 15, 0, {}},                         // x + w and y + h lie outside
        {25, 20, 0, {}},
        {9, 15, 0, {}},
        {5, 5, 0, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(panel.click_at(a, c.x, c.y), c.hotspot) << c.x << "," << c.y;
        EXPECT_EQ(new_events(), c.events) << c.x << "," << c.y;
    }
}

TEST(TextBuffer, GaugesWriteWithinTheCapacityTheHostGives)
{
    struct Case { uint32_t capacity; std::string status; size_t label_length; };
    for (Case c : {Case{256, "u1 d1 r1", 205}, Case{16, "u1 d1 r1", 5}, Case{4, "u1 ", 3}}) {
        host::Panel panel;
        host::Gauge& g = panel.load(test_gauge_path("Probe_Test_A"), c.capacity);
        ASSERT_NO_THROW(panel.frame()) << "capacity " << c.capacity;   // the host checks a guard zone
        EXPECT_EQ(g.element(STATUS).text, c.status) << "capacity " << c.capacity;
        EXPECT_EQ(g.element(LABEL).text.size(), c.label_length) << "capacity " << c.capacity;
        EXPECT_EQ(g.element(LABEL).text.substr(0, 3), "Lab");
    }
}
