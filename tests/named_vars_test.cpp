// Named variables across the gauges of a panel: a binder finds its publisher wherever it stands in the
// panel.cfg, a name keeps all its publishers and gives the first in panel order, each publisher withdraws
// only its own, and a binding whose publisher went away reads as unpublished.
//
// The probes: A publishes probe_a and binds probe_b, as an annunciator binds a navigator's message;
// B publishes probe_b (the number of updates); C publishes probe_b as well (1000 more).
#include "panel_config.h"
#include "panel_fixture.h"
#include "probe_faceplate.h"

using namespace probe;

namespace {

// The probes on one panel, in the order given, loaded from a panel.cfg.
void load_probes(host::Panel& panel, std::initializer_list<const char*> gauges)
{
    std::string text = "[Window00]\nsize_mm=300,100\n";
    int n = 0;
    for (const char* g : gauges) {
        text += "gauge0" + std::to_string(n) + "=" + g + "!" + g + ", " + std::to_string(n * 70) + ", 0, 60\n";
        ++n;
    }
    host::load_panel(panel, host::parse_panel_config(text, "probes.cfg"), {TEST_GAUGE_DIR});
}

} // namespace

class NamedVariables : public PanelTest {};

TEST_F(NamedVariables, BinderListedBeforeItsPublisherFindsIt)
{
    load_probes(panel, {"Probe_Test_A", "Probe_Test_B"});
    panel.frames(3);
    EXPECT_TEXT(panel.gauge("Probe_Test_A"), PEER, "peer 3");
    EXPECT_TEXT(panel.gauge("Probe_Test_B"), PEER, "peer 3");
}

TEST_F(NamedVariables, FirstPublisherInPanelOrderWinsAndEachWithdrawsItsOwn)
{
    load_probes(panel, {"Probe_Test_A", "Probe_Test_C", "Probe_Test_B"});
    host::Gauge& a = panel.gauge("Probe_Test_A");
    host::Gauge& b = panel.gauge("Probe_Test_B");
    host::Gauge& c = panel.gauge("Probe_Test_C");
    panel.frames(2);
    EXPECT_EQ(panel.named_vars().read("probe_b"), 1002) << "C stands before B on the panel";
    EXPECT_TEXT(a, PEER, "peer 1002");

    // C withdraws its own registration only: B's stands, and A's binding into C reads as unpublished.
    panel.kill(c);
    panel.frame();
    EXPECT_EQ(panel.named_vars().read("probe_b"), 3);
    EXPECT_TEXT(a, PEER, "peer none");

    // Published again, C is first in panel order again although it registered last.
    panel.install(c);
    panel.frame();
    EXPECT_EQ(panel.named_vars().read("probe_b"), 1004);
    panel.kill(a);
    panel.install(a);   // A binds anew: to C, the first in panel order
    panel.frame();
    EXPECT_TEXT(a, PEER, "peer 1005");

    panel.kill(b);
    panel.kill(c);
    panel.frame();
    EXPECT_FALSE(panel.named_vars().read("probe_b").has_value());
    EXPECT_TEXT(a, PEER, "peer none");
}

TEST_F(NamedVariables, UnloadingThePublisherLeavesNoDanglingBinding)
{
    load_probes(panel, {"Probe_Test_A", "Probe_Test_B", "Probe_Test_C"});
    panel.frame();
    EXPECT_TEXT(panel.gauge("Probe_Test_A"), PEER, "peer 1");
    panel.unload("Probe_Test_B");
    panel.frame();
    EXPECT_TEXT(panel.gauge("Probe_Test_A"), PEER, "peer none");
    EXPECT_EQ(panel.named_vars().read("probe_b"), 1002) << "C still publishes";
    EXPECT_TEXT(panel.gauge("Probe_Test_C"), PEER, "peer 2") << "C's own binding into A stands";
}
