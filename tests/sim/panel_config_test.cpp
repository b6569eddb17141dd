// panel.cfg files: what a good one places where, and how a bad line is reported.
#include "panel.h"
#include "panel_config.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

using namespace host;

namespace {

std::string problem(const std::string& text)
{
    try {
        parse_panel_config(text, "panel.cfg");
        return "";
    } catch (const PanelConfigError& e) {
        return e.what();
    }
}

} // namespace

TEST(PanelConfig, ReadsWindowsAndGauges)
{
    const PanelConfig c = parse_panel_config("// a panel\n"
                                             "[Window Titles]\nWindow00=Radios\n\n"
                                             "[Window00]\nsize_mm=600,246\nposition=7\nvisible=0\nfile=stack.bmp\n"
                                             "gauge00=COM1_Corvane_QT3!COM1_Corvane_QT3, 10, 20, 300  // half size\n"
                                             "[Views]\nVIEW_FORWARD_WINDOWS=MAIN_PANEL\n"
                                             "[window01]\ngauge00=Other!Gauge,  0, -5, 100, 40\n",
                                             "panel.cfg");
    ASSERT_EQ(c.windows.size(), 2u);
    EXPECT_EQ(c.windows[0].title, "Radios");
    EXPECT_EQ(c.windows[0].size_mm_width, 600);
    EXPECT_EQ(c.windows[0].size_mm_height, 246);
    EXPECT_EQ(c.windows[0].position, 7);
    EXPECT_FALSE(c.windows[0].visible);
    ASSERT_EQ(c.gauges.size(), 2u);
    const GaugePlacement& g = c.gauges[0];
    EXPECT_EQ(g.module, "COM1_Corvane_QT3");
    EXPECT_EQ(g.gauge, "COM1_Corvane_QT3");
    EXPECT_EQ(g.x, 10);
    EXPECT_EQ(g.y, 20);
    EXPECT_EQ(g.width, 300);
    EXPECT_FALSE(g.height.has_value());
    EXPECT_EQ(g.line, 10);
    EXPECT_EQ(c.gauges[1].window, 1);
    EXPECT_EQ(c.gauges[1].y, -5);
    EXPECT_EQ(c.gauges[1].height, 40);
}

TEST(PanelConfig, BadLinesNameTheLineAndTheReason)
{
    struct Case { std::string text, expected; };
    const Case cases[] = {
        {"[Window00]\ngauge00=COM1_Corvane_QT3, 0, 0, 600\n", "panel.cfg:2: expected Module!Gauge, not 'COM1_Corvane_QT3'"},
        {"[Window00]\ngauge00=!G, 0, 0, 600\n", "panel.cfg:2: expected Module!Gauge"},
        {"[Window00]\ngauge00=M!G, x, 0, 600\n", "panel.cfg:2: x 'x' is not a whole number"},
        {"[Window00]\ngauge00=M!G, 0, 0, 1.5\n", "panel.cfg:2: width '1.5' is not a whole number"},
        {"[Window00]\ngauge00=M!G, 0, 0, -5\n", "panel.cfg:2: the width must be positive"},
        {"[Window00]\ngauge00=M!G, 0, 0, 10, 0\n", "panel.cfg:2: the height must be positive"},
        {"[Window00]\ngauge00=M!G, 0\n", "panel.cfg:2: expected Module!Gauge, x, y, width[, height]"},
        {"[Window00]\ngauge00=M!G, 0, 0, 1, 2, 3\n", "panel.cfg:2: too many fields"},
        {"[Window00]\ngauge00=M!G, 0, 0, 1\n\ngauge00=M!H, 0, 0, 1\n", "panel.cfg:4: gauge00 appears twice in [Window00]"},
        {"[Window00]\ngaugeA=M!G, 0, 0, 1\n", "panel.cfg:2: 'gaugea': gauge lines are named gauge00"},
        {"[Window00\n", "panel.cfg:1: a section header must end with ']'"},
        {"[Window00]\nsize_mm 600\n", "panel.cfg:2: expected KEY=VALUE"},
        {"gauge00=M!G, 0, 0, 1\n", "panel.cfg:1: a setting before any [section]"},
        {"[Window00]\nposition=9\n", "panel.cfg:2: position is 0 to 8"},
        {"[Window00]\n[WINDOW00]\n", "panel.cfg:2: [WINDOW00] appears twice"},
    };
    for (const Case& c : cases) {
        const std::string got = problem(c.text);
        EXPECT_NE(got.find(c.expected), std::string::npos) << "expected: " << c.expected << "\n     got: " << got;
    }
}

TEST(PanelConfig, TheDefaultPanelLoadsItsGauges)
{
    Panel panel;
    const PanelConfig config = read_panel_config(SOURCE_DIR "/panels/default/panel.cfg");
    load_panel(panel, config, {GAUGE_DIR});
    ASSERT_GE(config.gauges.size(), 2u);
    ASSERT_EQ(panel.gauges().size(), config.gauges.size());
    // Every gauge sits where its line puts it; an unloaded one leaves the panel.
    for (const GaugePlacement& line : config.gauges) {
        const GaugePlacement* placed = panel.placement(line.gauge);
        ASSERT_NE(placed, nullptr) << line.gauge;
        EXPECT_EQ(placed->x, line.x) << line.gauge;
        EXPECT_EQ(placed->y, line.y) << line.gauge;
        EXPECT_EQ(placed->width, line.width) << line.gauge;
    }
    ASSERT_EQ(panel.windows().size(), 1u);
    const std::string second = config.gauges[1].gauge;
    panel.unload(second);
    EXPECT_EQ(panel.placement(second), nullptr);
}

TEST(PanelConfig, GaugesThatCannotBeLoadedNameTheirLine)
{
    auto load = [](const std::string& text) -> std::string {
        Panel panel;
        try {
            load_panel(panel, parse_panel_config(text, "/tmp/panel.cfg"), {GAUGE_DIR});
            return "";
        } catch (const PanelConfigError& e) {
            EXPECT_TRUE(panel.gauges().empty()) << "the gauge that failed is not left on the panel";
            return e.what();
        }
    };
    EXPECT_NE(load("[Window00]\ngauge00=NoSuchModule!G, 0, 0, 10\n").find("/tmp/panel.cfg:2: no module NoSuchModule.gau in"),
              std::string::npos);
    EXPECT_NE(load("[Window00]\n\ngauge00=COM1_Corvane_QT3!COM2_Corvane_QT3, 0, 0, 10\n")
                  .find("/tmp/panel.cfg:3: module COM1_Corvane_QT3 holds the gauge COM1_Corvane_QT3, not COM2_Corvane_QT3"),
              std::string::npos);
}
