// The catalogue panel left running under the random pilot: nothing may crash, no text may leave its
// buffer, and what the host keeps may not grow with the length of the run.
//
// SOAK_FRAMES sets the length (20,000 frames by default; the long run is SOAK_FRAMES=1000000), SOAK_SEED
// the pilot's choices. The long run prints the resident memory as it goes.
#include "flight_file.h"
#include "panel.h"
#include "panel_config.h"
#include "random_pilot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

uint64_t environment_number(const char* name, uint64_t fallback)
{
    const char* text = std::getenv(name);
    return text && *text ? std::strtoull(text, nullptr, 10) : fallback;
}

// Resident memory of this process in KiB, from the kernel's status of it.
long resident_kib()
{
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word)
        if (word == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
    return 0;
}

// Every string element ends inside the buffer the host gave it (the host also checks the guard zone
// behind it on every draw, and throws).
void expect_texts_inside(const host::Panel& panel, uint64_t frame)
{
    for (const auto& g : panel.gauges())
        for (const host::ElementView& v : g->elements())
            if (v.kind == host::ElementKind::String) {
                const auto* s = reinterpret_cast<const ELEMENT_STRING*>(v.record);
                ASSERT_TRUE(v.text.size() < s->max_string_length &&
                            std::memchr(v.buffer.data(), 0, s->max_string_length) != nullptr)
                    << g->name() << " element " << v.index << " is not ended inside its buffer at frame " << frame;
            }
}

TEST(Soak, CataloguePanelUnderRandomPilotAndHostileValues)
{
    const uint64_t frames = environment_number("SOAK_FRAMES", 20000);
    const bool report = frames >= 100000;

    host::Panel panel;
    host::load_panel(panel, host::read_panel_config(SOURCE_DIR "/panels/catalogue/panel.cfg"), {GAUGE_DIR});
    panel.sim().load_flight(host::read_flight(SOURCE_DIR "/flights/default.toml"));
    panel.frame();
    RandomPilot pilot(panel, environment_number("SOAK_SEED", 18));
    ASSERT_FALSE(pilot.tokens().empty());

    long rss_after_warm_up = 0, rss_peak = 0;
    for (uint64_t f = 1; f <= frames; ++f) {
        pilot.act();
        panel.frame();
        expect_texts_inside(panel, f);
        if (HasFatalFailure()) return;
        ASSERT_LE(panel.events().kept(), host::LOG_CAPACITY);
        ASSERT_LE(panel.sounds().kept(), host::LOG_CAPACITY);
        if (!report) continue;
        if (f == frames / 10) rss_after_warm_up = resident_kib();
        if (f > frames / 10 && f % 4096 == 0) rss_peak = std::max(rss_peak, resident_kib());
        if (f % 100000 == 0)
            std::printf("frame %llu: %zu key events and %zu sounds sent, resident %ld KiB\n",
                        static_cast<unsigned long long>(f), panel.events().size(), panel.sounds().size(),
                        resident_kib());
    }
    EXPECT_GT(panel.events().size(), 0u) << "the pilot's clicks sent nothing";
    EXPECT_GT(panel.sounds().size(), 0u) << "the pilot's clicks played nothing";
    if (report)
        std::printf("%llu frames: resident %ld KiB after the first tenth, at most %ld KiB after it\n",
                    static_cast<unsigned long long>(frames), rss_after_warm_up, rss_peak);
}

} // namespace
