// What the host keeps from one frame to the next to save work (the compositors' pictures, the trace's
// element records) gives exactly what is made afresh, frame after frame of the random pilot on the
// catalogue panel.
#include "bitmap_source.h"
#include "compositor.h"
#include "flight_file.h"
#include "panel.h"
#include "panel_config.h"
#include "random_pilot.h"
#include "trace.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <memory>
#include <vector>

namespace {

class KeptBetweenFrames : public testing::Test {
protected:
    void SetUp() override
    {
        host::load_panel(panel, host::read_panel_config(SOURCE_DIR "/panels/catalogue/panel.cfg"), {GAUGE_DIR});
        panel.sim().load_flight(host::read_flight(SOURCE_DIR "/flights/default.toml"));
        panel.frame();
    }
    host::Panel panel;
};

TEST_F(KeptBetweenFrames, TraceLinesAreWhatNlohmannWrites)
{
    RandomPilot pilot(panel, 7);
    host::TraceRecorder recorder;
    for (int f = 0; f < 400; ++f) {
        pilot.act();
        panel.frame();
        const std::string& line = recorder.write(panel);
        const nlohmann::json parsed = nlohmann::json::parse(line);
        ASSERT_EQ(parsed.dump(), line) << "frame " << panel.frame_count();
        for (size_t i = 0; i < panel.gauges().size(); ++i) {
            nlohmann::json elements = nlohmann::json::array();
            for (const host::ElementView& v : panel.gauges()[i]->elements()) elements.push_back(host::element_record(v));
            ASSERT_EQ(parsed["gauges"][i]["elements"].dump(), elements.dump())
                << panel.gauges()[i]->name() << " at frame " << panel.frame_count();
        }
    }
}

TEST_F(KeptBetweenFrames, PicturesAreThoseDrawnAfresh)
{
    RandomPilot pilot(panel, 11);
    host::draw::Fonts fonts;
    std::vector<std::unique_ptr<host::BitmapSource>> bitmaps;
    std::vector<std::unique_ptr<host::draw::Compositor>> kept;
    for (const auto& g : panel.gauges()) {
        bitmaps.push_back(host::module_bitmaps(g->module()));
        kept.push_back(std::make_unique<host::draw::Compositor>(g->name(), *bitmaps.back(), fonts));
    }
    for (int f = 1; f <= 240; ++f) {
        pilot.act();
        panel.frame();
        for (size_t i = 0; i < panel.gauges().size(); ++i) {
            const host::Gauge& g = *panel.gauges()[i];
            const host::draw::Image& picture = kept[i]->update(g.elements());
            if (f % 40 == 0 || f == 1) ASSERT_TRUE(picture == host::draw::render_gauge(g, fonts)) << g.describe();
        }
    }
}

} // namespace
