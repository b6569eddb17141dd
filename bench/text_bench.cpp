// How fast the host draws display text: one line of a navigator's LCD (six fields, two of them label
// texts with their 200-character number fields) and the same in Courier New, into a faceplate-sized frame.
#include "fonts.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Field {
    int x;
    std::string text;
};

std::vector<Field> display_line()
{
    char caption[256], flight[256];
    std::snprintf(caption, sizeof caption, "Time      UTC%200.0f", 0.0);
    std::snprintf(flight, sizeof flight, "Flt Time%200.0f", 0.0);
    return {{27, flight}, {187, "01:"}, {228, "42"}, {314, caption}, {387, "13:"}, {426, "07"}};
}

void DisplayLine(benchmark::State& state, const char* font)
{
    host::draw::Fonts fonts;
    host::draw::Image frame(600, 122);
    const std::vector<Field> line = display_line();
    for (auto _ : state) {
        for (const Field& f : line) {
            host::draw::TextRun run;
            run.x = f.x, run.y = 17, run.box_width = 600 - f.x, run.box_height = 38;
            run.font = font, run.colour = 0x80FFFF, run.text = f.text;
            fonts.draw(frame, run);
        }
        benchmark::DoNotOptimize(frame.data());
    }
    state.counters["lines_per_second"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK_CAPTURE(DisplayLine, lcd, "Glass")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DisplayLine, courier, "Courier New")->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
