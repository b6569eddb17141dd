// The module contract, checked for every deliverable of the build through the host: what it exports and
// imports, the records the panel system reads, the service ids it ignores, the one-time reset, named
// variables withdrawn on kill, a fresh start after reloading, its bitmaps, and texts within their buffers.
#include "bitmap_source.h"
#include "bmp_header.h"
#include "gauge_names.h"
#include "module_symbols.h"
#include "panel_config.h"
#include "panel_fixture.h"

#include <sstream>

namespace {

std::vector<std::string> deliverables()
{
    std::vector<std::string> names;
    std::istringstream list(DELIVERABLES);
    for (std::string name; std::getline(list, name, ',');)
        if (!name.empty()) names.push_back(name);
    return names;
}

// Service ids the suite does not act on, the 32-bit extremes included.
constexpr int32_t IGNORED_IDS[] = {0, 1, 3, 5, 7, 8, 9, 11, 13, 100, -1, INT32_MIN, INT32_MAX};

// What the host sees of a panel: every element, and every key event, sound and named variable so far.
std::string seen(const host::Panel& panel)
{
    std::ostringstream out;
    for (const auto& g : panel.gauges()) out << g->describe();
    out << "events:";
    for (const host::LoggedEvent& e : panel.events()) out << " " << e.gauge << ":" << e.event << "/" << e.value;
    out << "\nsounds:";
    for (const host::LoggedSound& s : panel.sounds()) out << " " << s.gauge << ":" << s.file;
    out << "\nvars:";
    for (const auto& [name, value] : panel.named_vars().published()) out << " " << name << "=" << value;
    return out.str() + "\n";
}

// Every hotspot once, in table order: the pilot tries each control.
void click_all(host::Panel& panel, host::Gauge& gauge)
{
    for (const host::HotspotView& h : gauge.hotspots()) panel.click(gauge, h.number);
}

} // namespace

class Conformance : public ::testing::TestWithParam<std::string> {
protected:
    const std::string name = GetParam();
    const std::filesystem::path module = gauge_path(name);

    // A panel with the gauge alone on a live bus. Each panel's destruction unloads the module, so the
    // next one starts from a freshly loaded module.
    static host::Gauge& load(host::Panel& panel, const std::filesystem::path& module,
                             uint32_t capacity = host::DEFAULT_TEXT_CAPACITY)
    {
        panel.sim().set(773, 1.0);
        return panel.load(module, capacity);
    }
};

INSTANTIATE_TEST_SUITE_P(Deliverables, Conformance, ::testing::ValuesIn(deliverables()),
                         [](const auto& info) { return info.param; });

TEST_P(Conformance, ExportsTwoRecordsAndImportsNoHeapOrThreads)
{
    EXPECT_EQ(defined_symbols(module), (std::set<std::string>{"ImportTable", "Linkage"}));
    const std::set<std::string> imports = undefined_symbols(module);
    EXPECT_FALSE(imports.empty()) << "nm read no symbols of " << module;
    EXPECT_EQ(heap_or_thread_symbols(imports), std::set<std::string>{});
}

TEST_P(Conformance, RecordsAsThePanelSystemReadsThem)
{
    host::Panel panel;
    host::Gauge& g = load(panel, module);
    GAUGEHDR* h = g.header();
    EXPECT_EQ(g.name(), name) << "the gauge is named as its module";
    EXPECT_EQ(h->gauge_header_version, GAUGE_HEADER_VERSION);
    EXPECT_EQ(h->size_x_mm, 100u);
    EXPECT_NE(h->gauge_callback, nullptr);
    for (void* routine : {h->query_routine, h->install_routine, h->initialize_routine, h->update_routine,
                          h->generate_routine, h->draw_routine, h->kill_routine})
        EXPECT_EQ(routine, nullptr) << "all work goes through the service callback";

    for (const host::ElementView& v : g.elements()) {
        const ELEMENT_HEADER* e = v.record;
        SCOPED_TRACE("element " + std::to_string(v.index) + " " + v.name);
        EXPECT_EQ(e->image_flags & ~IMAGE_HIDDEN, IMAGE_FLAGS_DEFAULT);
        ASSERT_NE(e->failures, nullptr);
        EXPECT_EQ(e->failures[0].failure_key, 0) << "no element reacts to simulated failures";
        if (e->next_element) EXPECT_EQ(e->next_element[1], nullptr) << "at most one child";
        switch (v.kind) {
        case host::ElementKind::Static:
            EXPECT_EQ(reinterpret_cast<const ELEMENT_STATIC_IMAGE*>(e)->setting, STATIC_IMAGE_SETTING);
            break;
        case host::ElementKind::Icon:
            EXPECT_EQ(reinterpret_cast<const ELEMENT_ICON*>(e)->setting, ICON_SETTING);
            EXPECT_GE(reinterpret_cast<const ELEMENT_ICON*>(e)->frame_count, 1);
            break;
        case host::ElementKind::String: {
            const auto* s = reinterpret_cast<const ELEMENT_STRING*>(e);
            EXPECT_EQ(s->text_flags, STRING_TEXT_FLAGS);
            EXPECT_EQ(s->char_set, CHARSET_WINDOWS_1252);
            EXPECT_LT(strnlen(s->font_name, FONT_NAME_CAPACITY), static_cast<size_t>(FONT_NAME_CAPACITY));
            EXPECT_EQ(e->resource_id, -1);
            break;
        }
        case host::ElementKind::Slider: break;
        }
    }
    EXPECT_EQ(g.elements().front().kind, host::ElementKind::Static) << "the chain starts with the background";

    // The hotspot table: one parent for the whole gauge, its children, the end of the parent, the end.
    const MOUSERECT* r = h->mouse_rect;
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r[0].rect_type, MOUSE_RECT_PARENT);
    EXPECT_EQ(r[0].width | r[0].height, 0);
    const size_t children = g.hotspots().size();
    EXPECT_EQ(r[children + 1].rect_type, MOUSE_RECT_END);
    EXPECT_EQ(r[children + 2].rect_type, MOUSE_RECT_EOL);
    for (const host::HotspotView& hs : g.hotspots()) {
        SCOPED_TRACE("hotspot " + std::to_string(hs.number) + " " + hs.name);
        EXPECT_EQ(hs.record, &r[hs.number]) << "children follow the parent without a gap";
        EXPECT_EQ(hs.record->click_kinds, MOUSE_LEFTSINGLE);
        EXPECT_TRUE(hs.record->cursor == CURSOR_UPARROW || hs.record->cursor == CURSOR_DOWNARROW ||
                    hs.record->cursor == CURSOR_HAND);
        EXPECT_NE(hs.record->callback, nullptr);
        EXPECT_GT(hs.record->width, 0);
        EXPECT_GT(hs.record->height, 0);
    }

    // Scripts and traces name elements and hotspots from the faceplate header: its enums must number
    // exactly the chain and the table the module holds.
    const host::FaceplateNames* names = host::faceplate_names(name);
    ASSERT_NE(names, nullptr) << "the build read no element names for " << name;
    EXPECT_EQ(names->elements.size(), g.elements().size());
    EXPECT_EQ(names->hotspots.size(), g.hotspots().size());
}

TEST_P(Conformance, IgnoredServiceIdsChangeNothingAndAreNoDraw)
{
    // The same pilot twice, once with every ignored id sent before the first draw and between frames.
    auto fly = [&](bool send_ignored) {
        host::Panel panel;
        host::Gauge& g = load(panel, module);
        auto ignored = [&] {
            if (send_ignored)
                for (int32_t id : IGNORED_IDS) panel.service(g, id);
        };
        ignored();
        click_all(panel, g);   // before the first draw: its reset decides what stays of this
        panel.frames(3);
        ignored();
        click_all(panel, g);
        ignored();
        panel.frames(3);
        return seen(panel);
    };
    EXPECT_EQ(fly(true), fly(false));
}

TEST_P(Conformance, ResetsOnceNeverAgainAcrossKillAndInstall)
{
    auto fly = [&](bool kill_and_install) {
        host::Panel panel;
        host::Gauge& g = load(panel, module);
        panel.frame();
        click_all(panel, g);
        panel.frames(2);
        if (kill_and_install) {
            panel.kill(g);
            panel.install(g);
            panel.service(g, PANEL_SERVICE_PRE_DRAW);   // another draw: no second reset
        }
        panel.frames(3);
        return seen(panel);
    };
    EXPECT_EQ(fly(true), fly(false));
}

TEST_P(Conformance, KillWithdrawsEveryPublishedName)
{
    host::Panel panel;
    host::Gauge& g = load(panel, module);
    panel.frames(2);
    const auto before = panel.named_vars().published();
    panel.kill(g);
    EXPECT_EQ(panel.named_vars().published(), (std::vector<std::pair<std::string, int32_t>>{}));
    panel.install(g);
    std::vector<std::string> names_before, names_after;
    for (const auto& [n, v] : before) names_before.push_back(n);
    for (const auto& [n, v] : panel.named_vars().published()) names_after.push_back(n);
    EXPECT_EQ(names_after, names_before) << "installed again, it publishes the same names";
}

TEST_P(Conformance, UnloadAndLoadComeUpInTheStartState)
{
    std::string first;
    {
        host::Panel panel;
        host::Gauge& g = load(panel, module);
        panel.frame();
        first = g.describe();
        click_all(panel, g);
        panel.frames(5);
        click_all(panel, g);
        panel.frames(5);
    }
    host::Panel panel;
    host::Gauge& g = load(panel, module);
    panel.frame();
    EXPECT_EQ(g.describe(), first);
}

TEST_P(Conformance, EveryBitmapExistsAndEveryElementStartsOnTheFaceplate)
{
    host::Panel panel;
    host::Gauge& g = load(panel, module);
    const auto bitmaps = host::module_bitmaps(g.module());
    auto size_of = [&](int32_t id) -> std::optional<std::pair<int, int>> {
        auto bytes = bitmaps->bitmap(id);
        if (!bytes) return std::nullopt;
        const host::BmpHeader b = host::read_bmp_header(*bytes);
        return std::pair{b.width, b.height};
    };

    const ELEMENT_HEADER* background = g.elements().front().record;
    const auto faceplate = size_of(background->resource_id);
    ASSERT_TRUE(faceplate) << "no background bitmap " << bitmaps->where(background->resource_id);
    // Where an element or a hotspot starts lies on the background. (Text boxes may run past its edge, as
    // the instrument tables give them: the host clips what is drawn.)
    auto on_faceplate = [&](int x, int y) { return x >= 0 && y >= 0 && x < faceplate->first && y < faceplate->second; };

    for (const host::ElementView& v : g.elements()) {
        const ELEMENT_HEADER* e = v.record;
        SCOPED_TRACE("element " + std::to_string(v.index) + " " + v.name);
        if (v.kind == host::ElementKind::String) {
            const auto* s = reinterpret_cast<const ELEMENT_STRING*>(e);
            EXPECT_TRUE(on_faceplate(e->position.x, e->position.y))
                << "text box " << s->box_width << "x" << s->box_height << " at " << e->position.x << "," << e->position.y;
            EXPECT_GT(s->box_width, 0);
            EXPECT_GT(s->box_height, 0);
            continue;
        }
        // An icon's frames are resources N, N+1, ...: each exists, all of one size, on the faceplate.
        const int frames = v.kind == host::ElementKind::Icon ? reinterpret_cast<const ELEMENT_ICON*>(e)->frame_count : 1;
        const auto first = size_of(e->resource_id);
        ASSERT_TRUE(first) << "no bitmap " << bitmaps->where(e->resource_id);
        for (int i = 1; i < frames; ++i) {
            const auto frame = size_of(e->resource_id + i);
            ASSERT_TRUE(frame) << "no bitmap " << bitmaps->where(e->resource_id + i);
            EXPECT_EQ(*frame, *first) << "frame " << i << " of " << frames;
        }
        if (v.kind != host::ElementKind::Slider)
            EXPECT_TRUE(on_faceplate(e->position.x, e->position.y))
                << first->first << "x" << first->second << " at " << e->position.x << "," << e->position.y;
    }
    for (const host::HotspotView& h : g.hotspots()) {
        const MOUSERECT* r = h.record;
        EXPECT_TRUE(on_faceplate(r->x, r->y))
            << "hotspot " << h.number << " " << h.name << " box " << r->x << "," << r->y << " " << r->width << "x" << r->height;
    }
}

TEST_P(Conformance, EveryTextStaysInsideItsBuffer)
{
    // The host checks a guard zone behind every buffer after each callback and throws when it was touched.
    for (uint32_t capacity : {1u, 2u, 8u, 32u, 220u, host::DEFAULT_TEXT_CAPACITY}) {
        SCOPED_TRACE("buffer of " + std::to_string(capacity) + " bytes");
        host::Panel panel;
        host::Gauge& g = load(panel, module, capacity);
        ASSERT_NO_THROW({
            panel.frames(2);
            click_all(panel, g);
            panel.frames(20);
            click_all(panel, g);
            panel.frames(20);
        });
        for (const host::ElementView& v : g.elements())
            if (v.kind == host::ElementKind::String)
                EXPECT_LT(v.text.size(), capacity) << "element " << v.index << " " << v.name << " ends in its buffer";
    }
}

TEST_P(Conformance, StandsOnTheCataloguePanel)
{
    const host::PanelConfig catalogue = host::read_panel_config(SOURCE_DIR "/panels/catalogue/panel.cfg");
    int lines = 0;
    for (const host::GaugePlacement& g : catalogue.gauges) lines += g.gauge == name && g.module == name;
    EXPECT_EQ(lines, 1) << name << "!" << name << " on one line of panels/catalogue/panel.cfg";
}

// Every gauge of the catalogue together on one panel, as a pilot flies it: all load, install, run and
// take clicks side by side.
TEST(Catalogue, EveryGaugeRunsBesideTheOthers)
{
    host::Panel panel;
    host::load_panel(panel, host::read_panel_config(SOURCE_DIR "/panels/catalogue/panel.cfg"), {GAUGE_DIR});
    panel.sim().set(773, 1.0);
    ASSERT_NO_THROW({
        panel.frames(2);
        for (const auto& g : panel.gauges()) click_all(panel, *g);
        panel.frames(36);
    });
    EXPECT_EQ(panel.gauges().size(), deliverables().size());
}
