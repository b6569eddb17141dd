// One gauge as the host drives it: its service callback, its faceplate chain read back after every draw,
// its hotspot table.
#pragma once

#include "gauge_abi.h"
#include "loaded_module.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace host {

constexpr uint32_t DEFAULT_TEXT_CAPACITY = 256;

enum class ElementKind { Static, String, Slider, Icon };
const char* kind_name(ElementKind kind);

// What the host sees of one element after the last draw.
struct ElementView {
    int index = 0;                   // 1 for the background, then chain order
    std::string name;                // as the gauge's faceplate header names it, "" when the build knows none
    ElementKind kind = ElementKind::Static;
    ELEMENT_HEADER* record = nullptr;
    bool hidden = false;
    std::string text;                // string elements
    int32_t frame = 0;               // icons
    double dx = 0.0, dy = 0.0;       // sliders: displacement in pixels
    std::vector<char> buffer;        // the text buffer handed to the gauge, with a guard zone behind it
};

struct HotspotView {
    int number = 0;                  // 1 for the first child entry, in table order
    std::string name;                // as the gauge's faceplate header names it, "" when the build knows none
    const MOUSERECT* record = nullptr;
    bool contains(int x, int y) const;
};

class Gauge {
public:
    // Reads the chain and the hotspot table of the module's gauge; throws std::runtime_error naming the
    // gauge when either is malformed. `text_capacity` is the size of every text buffer the host provides.
    Gauge(std::unique_ptr<LoadedModule> module, uint32_t text_capacity = DEFAULT_TEXT_CAPACITY);

    const std::string& name() const { return name_; }
    const LoadedModule& module() const { return *module_; }
    GAUGEHDR* header() const { return module_->gauge_header(); }

    void service(int32_t id);
    // Refreshes every element's source variables with `refresh`, runs its callback and reads back what it
    // shows. Throws std::runtime_error when a gauge wrote past a text buffer.
    void draw_elements(const std::function<void(MODULE_VAR*)>& refresh);
    // Whether the elements have been drawn since the gauge was created: only then do they show anything.
    bool drawn() const { return drawn_; }

    const std::vector<ElementView>& elements() const { return elements_; }
    const ElementView& element(int index) const;   // throws std::out_of_range
    const std::vector<HotspotView>& hotspots() const { return hotspots_; }

    // The first hotspot in table order whose box holds the point, or 0.
    int hotspot_at(int x, int y) const;
    // Runs hotspot `number`'s callback; throws std::out_of_range for a number the table does not have.
    void click(int number);

    // What every element shows, one line each, for failure messages and `print`.
    std::string describe() const;

private:
    std::unique_ptr<LoadedModule> module_;
    std::string name_;
    uint32_t text_capacity_;
    std::vector<ElementView> elements_;
    std::vector<HotspotView> hotspots_;
    bool drawn_ = false;
};

} // namespace host
