// LCD text that fits: every display's text stays inside its box, and the displays that show at the same
// time never draw over one another.
//
// Every gauge of the build is driven through its states the way a restless pilot would, with the default
// flight under way: clicks on its hotspots in a seeded random order, with pauses of a tick to ten
// seconds between them, so that power, self-tests, pages, menus and editing all come round. For every
// string element the widest text it showed is drawn alone and must stay in its box; every two elements seen
// on the faceplate together must keep their widest texts apart. A second table holds the longest texts the
// displays of the navigators, the NAV/COM radio and the transponder print, side by side as their
// faceplates place them, so the cell width is held against them before those gauges exist.
#include "compositor.h"
#include "flight_file.h"
#include "fonts.h"
#include "panel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using namespace host;
using namespace host::draw;

namespace {

// The pixels a text covers, as a sorted list of (x, y).
using Ink = std::vector<std::pair<int, int>>;

Ink ink_of(Fonts& fonts, const TextRun& run)
{
    Ink ink;
    for (const Fonts::InkPixel& p : fonts.ink(run)) ink.emplace_back(p.x, p.y);
    std::sort(ink.begin(), ink.end());
    ink.erase(std::unique(ink.begin(), ink.end()), ink.end());
    return ink;
}

int right_edge(const Ink& ink)
{
    int right = -1;
    for (const auto& p : ink) right = std::max(right, p.first);
    return right;
}

// The first pixel two texts both cover, if any.
const std::pair<int, int>* shared_pixel(const Ink& a, const Ink& b)
{
    auto i = a.begin();
    auto j = b.begin();
    while (i != a.end() && j != b.end()) {
        if (*i < *j) ++i;
        else if (*j < *i) ++j;
        else return &*i;
    }
    return nullptr;
}

// The first pixel of the ink outside the run's box, if any.
const std::pair<int, int>* outside_box(const Ink& ink, const TextRun& run)
{
    for (const auto& p : ink)
        if (p.first < run.x || p.first >= run.x + run.box_width || p.second < run.y || p.second >= run.y + run.box_height)
            return &p;
    return nullptr;
}

std::string quoted(const std::string& text)
{
    // Label texts carry their far-away number behind 200 blanks: show what the pilot sees.
    std::string shown = text.substr(0, text.find(std::string(20, ' ')));
    return "\"" + shown + (shown.size() < text.size() ? "...\"" : "\"");
}

std::vector<std::string> deliverables()
{
    std::vector<std::string> names;
    std::stringstream list(GAUGE_DELIVERABLES);
    for (std::string name; std::getline(list, name, ',');)
        if (!name.empty()) names.push_back(name);
    return names;
}

// What one string element showed while the gauge was driven: its widest text.
struct Widest {
    std::string text;
    Ink ink;
    int right = -1;
};

class EveryDisplayFits : public ::testing::TestWithParam<std::string> {};

TEST_P(EveryDisplayFits, WidestTextsStayInTheirBoxesAndClearOfEachOther)
{
    Panel panel;
    panel.sim().load_flight(read_flight(std::filesystem::path(SOURCE_DIR) / "flights" / "default.toml"));
    Gauge& gauge = panel.load(std::filesystem::path(GAUGE_OUTPUT_DIR) / (GetParam() + ".gau"));
    panel.frame();
    Fonts fonts;
    const int faceplate_width = render_gauge(gauge, fonts).width();

    std::map<int, Widest> widest;                   // by element index
    std::set<std::pair<int, std::string>> seen;     // texts already measured
    std::set<std::pair<int, int>> together;         // elements seen shown at the same time
    auto observe = [&] {
        std::vector<int> shown;
        for (const ElementView& e : gauge.elements()) {
            if (e.kind != ElementKind::String || e.hidden) continue;
            shown.push_back(e.index);
            if (!seen.emplace(e.index, e.text).second) continue;
            Ink ink = ink_of(fonts, text_run(e, faceplate_width));
            const int right = right_edge(ink);
            Widest& w = widest[e.index];
            if (right > w.right || (right == w.right && ink.size() > w.ink.size())) w = {e.text, std::move(ink), right};
        }
        for (size_t i = 0; i < shown.size(); ++i)
            for (size_t j = i + 1; j < shown.size(); ++j) together.emplace(shown[i], shown[j]);
    };

    if (std::none_of(gauge.elements().begin(), gauge.elements().end(),
                     [](const ElementView& e) { return e.kind == ElementKind::String; }))
        GTEST_SKIP() << GetParam() << " has no text display";
    const std::vector<HotspotView>& hotspots = gauge.hotspots();
    ASSERT_FALSE(hotspots.empty());
    std::mt19937 random(20261211);
    const int pauses[] = {1, 2, 5, 18, 18, 60, 180};
    for (int step = 0; step < 1500; ++step) {
        panel.click(gauge, std::uniform_int_distribution<int>(1, static_cast<int>(hotspots.size()))(random));
        const int ticks = pauses[std::uniform_int_distribution<size_t>(0, std::size(pauses) - 1)(random)];
        for (int t = 0; t < ticks; ++t) {
            panel.frame();
            observe();
        }
    }
    // A gauge with an LCD display shows some of it on the way: the walk reached its operating states.
    const bool has_lcd = std::any_of(gauge.elements().begin(), gauge.elements().end(), [](const ElementView& e) {
        if (e.kind != ElementKind::String) return false;
        const char* font = reinterpret_cast<const ELEMENT_STRING*>(e.record)->font_name;
        return std::string_view(font, strnlen(font, FONT_NAME_CAPACITY)) != "Courier New";
    });
    ASSERT_TRUE(!has_lcd || !widest.empty()) << GetParam() << " never showed its LCD";

    for (const auto& [index, w] : widest) {
        ElementView e = gauge.element(index);
        e.text = w.text;
        const TextRun run = text_run(e, faceplate_width);
        if (const auto* p = outside_box(w.ink, run))
            ADD_FAILURE() << GetParam() << " element " << index << " " << quoted(w.text) << " draws at " << p->first
                          << "," << p->second << ", outside its box " << run.x << "," << run.y << " " << run.box_width
                          << "x" << run.box_height;
    }
    for (const auto& [a, b] : together) {
        const Widest& wa = widest.at(a);
        const Widest& wb = widest.at(b);
        if (const auto* p = shared_pixel(wa.ink, wb.ink))
            ADD_FAILURE() << GetParam() << " elements " << a << " " << quoted(wa.text) << " and " << b << " "
                          << quoted(wb.text) << " both draw at " << p->first << "," << p->second;
    }
}

INSTANTIATE_TEST_SUITE_P(Deliverables, EveryDisplayFits, ::testing::ValuesIn(deliverables()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

// One line of a display: its fields as the faceplate places them, each with the longest text it prints.
// Every box reaches the faceplate's right edge (600 pixels wide), as all of them do.
struct Field {
    int x;
    std::string seen;              // what the pilot reads
    bool label = false;            // printed as a label: the words, then a number in a 200-character field
    const char* font = "Glass";
    bool condensed = false;        // too long for its box at full cells
};
constexpr bool LABEL = true;

struct Line {
    const char* what;
    int box_height;
    std::vector<Field> fields;
};

std::string printed(const Field& f)
{
    if (!f.label) return f.seen;
    char text[256];
    std::snprintf(text, sizeof text, "%s%200.0f", f.seen.c_str(), 0.0);
    return text;
}

const Line LINES[] = {
    // The large navigator: three page lines and the COM line in boxes 32 high.
    {"large navigator, time en route", 32, {{67, "Ete", LABEL}, {229, "99:"}, {265, "59"}}},
    {"large navigator, bearing and distance", 32, {{67, "Brg 359"}, {207, "999nm"}}},
    {"large navigator, track and track angle error", 32, {{68, "Trk 359"}, {185, "Tae 359"}}},
    {"large navigator, flight time and ground speed", 32, {{67, "Ft 99:"}, {135, "59"}, {200, "999kts "}}},
    {"large navigator, track and desired track", 32, {{67, "Trk 359"}, {190, "Dtk 359"}}},
    {"large navigator, UTC", 32, {{113, "23:"}, {150, "59 UTC"}}},
    {"large navigator, minimum safe altitude", 32, {{67, "MinSafeA    99999'", false, "Glass Gauge"}}},
    {"large navigator, altitude", 32, {{204, "99999ft"}}},
    {"large navigator, above hold", 32, {{67, "9999' Above Hold", false, "Glass Gauge"}}},
    {"large navigator, altimeter setting", 32, {{170, "1013.2mb", false, "Glass Gauge"}}},
    {"large navigator, descent end", 32, {{67, "End Alt:   99900'"}}},
    {"large navigator, descent point", 32, {{67, "999nm frm nxt WP"}}},
    {"large navigator, vertical speed and ground speed", 32, {{67, "-1500'/Min"}, {200, "999kts"}}},
    {"large navigator, hold altitude", 32, {{200, "99900ft"}}},
    {"large navigator, latitude", 32, {{80, "89\xB0"}, {120, "59.99N"}}},
    {"large navigator, longitude", 32, {{67, "179\xB0"}, {120, "59.99W"}}},
    {"large navigator, count-down", 32, {{188, "99:"}, {228, "59:"}, {265, "59"}}},
    {"large navigator, COM", 32, {{67, "a136.97"}, {202, "s136.97"}}},
    // The compact navigators: one line in boxes 38 high, the COM frequencies beside the right half.
    {"compact navigator, time en route", 38, {{27, "Ete", LABEL}, {187, "99:"}, {228, "59"}, {304, "BRG 359"}, {448, "999nm"}}},
    {"compact navigator, COM", 38, {{27, "136.97"}, {165, "s136.97"}, {304, "BRG 359"}, {448, "999nm"}}},
    {"compact navigator, desired track", 38, {{27, "Dtk 359"}, {187, "999.9nm"}, {304, "Trk 359"}, {448, "Tae 359"}}},
    {"compact GPS navigator, desired track", 38, {{27, "Dtk 359"}, {177, "999.9nm"}, {304, "Trk 359"}, {448, "Tae 359"}}},
    {"compact navigator, ground speed", 38, {{27, "Trk 359"}, {187, "Tae 359"}, {304, "Ground Sp 999kts"}}},
    {"compact GPS navigator, ground speed", 38, {{27, "Trk 359"}, {177, "Tae 359"}, {304, "Ground Sp 999kts"}}},
    {"compact navigator, minimum safe altitude", 38, {{304, "MinSafeA 99900"}}},
    {"compact navigator, flight time and UTC", 38,
     {{27, "Flt Time", LABEL}, {187, "99:"}, {228, "59"}, {314, "Time      UTC", LABEL}, {387, "23:"}, {426, "59"}}},
    {"compact GPS navigator, flight time and UTC", 38,
     {{27, "Flt Time", LABEL}, {187, "99:"}, {228, "59"}, {319, "Time      UTC", LABEL}, {387, "23:"}, {428, "59"}}},
    {"compact navigator, position", 38,
     {{27, "89\xB0"}, {73, "59.99N"}, {187, "179\xB0"}, {251, "59.99W"}, {448, "PDOP 0.0", LABEL}}},
    {"compact GPS navigator, position", 38,
     {{27, "89\xB0"}, {73, "59.99N"}, {187, "179\xB0"}, {251, "59.99W"}, {438, "PDOP 0.0", LABEL}}},
    {"compact navigator, count-down", 38, {{223, "Countdown Timer", LABEL}, {448, "99:"}, {488, "59:"}, {530, "59"}}},
    {"compact GPS navigator, count-down", 38, {{223, "Countdown Timer", LABEL}, {448, "99:"}, {489, "59:"}, {530, "59"}}},
    // The NAV/COM radio: frequencies at the left, the navigation display from x 324, boxes 38 high.
    {"NAV/COM radio, VOR bearing", 38, {{43, "117.95"}, {169, "s117.95"}, {324, "vor", LABEL}, {439, "from", LABEL}, {499, "359"}}},
    {"NAV/COM radio, no bearing", 38, {{324, "vor", LABEL}, {499, " - - -", LABEL}}},
    {"NAV/COM radio, DME", 38, {{43, "117.95"}, {169, "s117.95"}, {324, "199.9nm"}, {420, "999kt"}, {494, "9:"}, {518, "99"}}},
    {"NAV/COM radio, no DME", 38, {{324, "- - - nm", LABEL}, {440, "- - - kt", LABEL, "Glass Gauge"}}},
    {"NAV/COM radio, identifier", 38, {{324, "IDENT", LABEL}, {439, "from", LABEL}, {499, "359"}}},
    {"NAV/COM radio, emergency menu", 38, {{43, "136.97"}, {169, "s121.50"}, {324, "emergncy 121.50"}}},
    {"NAV/COM radio, DME menu", 38, {{43, "136.97"}, {169, "s136.97"}, {324, "remove dme data?", LABEL}}},
    {"NAV/COM radio, course", 38, {{324, "359"}, {389, "- - - flagged - - -", LABEL, "Glass", true}}},
    // The transponder: the code and the pressure altitude or the deviation from the held altitude.
    {"transponder, pressure altitude", 38, {{91, "7777"}, {385, "999"}}},
    {"transponder, held altitude", 38, {{91, "7777"}, {375, "+999"}}},
};

TEST(LcdCells, TheLongestTextsOfTheNavigationDisplaysFitSideBySide)
{
    constexpr int FACEPLATE_WIDTH = 600;
    Fonts fonts;
    for (const Line& line : LINES) {
        std::vector<Ink> inks;
        for (const Field& f : line.fields) {
            const std::string text = printed(f);
            TextRun run;
            run.x = f.x, run.y = 0, run.box_width = FACEPLATE_WIDTH - f.x, run.box_height = line.box_height;
            run.font = f.font, run.text = text;
            inks.push_back(ink_of(fonts, run));
            if (const auto* p = outside_box(inks.back(), run))
                ADD_FAILURE() << line.what << ": \"" << f.seen << "\" at " << f.x << " draws at " << p->first
                              << ", outside its box";
            // Drawn as the words alone in a box with room to spare: at full cells, unless the text is
            // known to need narrower ones.
            TextRun roomy = run;
            roomy.box_width = 4000, roomy.text = f.seen;
            const Ink full = ink_of(fonts, roomy);
            EXPECT_FALSE(full.empty()) << line.what << ": \"" << f.seen << "\" draws nothing";
            EXPECT_EQ(inks.back() == full, !f.condensed)
                << line.what << ": \"" << f.seen << "\" at " << f.x
                << (f.condensed ? " has room for full cells" : " is condensed to fit its box");
        }
        for (size_t i = 0; i < inks.size(); ++i)
            for (size_t j = i + 1; j < inks.size(); ++j)
                if (const auto* p = shared_pixel(inks[i], inks[j]))
                    ADD_FAILURE() << line.what << ": \"" << line.fields[i].seen << "\" and \"" << line.fields[j].seen
                                  << "\" both draw at " << p->first << "," << p->second;
    }
}

} // namespace
