// Panels as panel designers write them: a panel.cfg with [WindowNN] sections, each holding the window's
// size and position and its gauges as gaugeNN=Module!Gauge, x, y, width[, height] lines. Other sections
// ([Window Titles], [Views], ...) and window keys the host does not use are read past.
#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace host {

class Panel;

// The largest place or size, in panel pixels, a gauge line may give.
constexpr int MAX_PANEL_SIDE = 16384;

// A panel.cfg that cannot be used: the message names the file, the line and the reason.
class PanelConfigError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where a gauge sits: in panel coordinates of its window, its width and, when the line gives one, its
// height (otherwise the height follows from the gauge's own proportions).
struct GaugePlacement {
    std::string module;             // the module's file name without .gau
    std::string gauge;              // the gauge inside it
    int x = 0, y = 0;
    int width = 0;
    std::optional<int> height;
    int window = 0;                 // index into PanelConfig::windows
    int line = 0;
};

struct PanelWindow {
    std::string section;            // "Window00"
    std::string title;              // from [Window Titles], else the section name
    std::string ident;
    std::optional<int> size_mm_width, size_mm_height;   // size_mm=W[,H]
    std::optional<int> position;    // position=0..8, the screen anchor
    bool visible = true;
};

struct PanelConfig {
    std::filesystem::path file;
    std::vector<PanelWindow> windows;
    std::vector<GaugePlacement> gauges;   // in file order
};

PanelConfig read_panel_config(const std::filesystem::path& file);
PanelConfig parse_panel_config(const std::string& text, const std::filesystem::path& name);

// Loads every gauge of the panel from the first folder of `module_dirs` that holds Module.gau (the
// panel.cfg's own folder is searched first) and records where it sits. Throws PanelConfigError naming the
// line of a gauge that cannot be loaded.
void load_panel(Panel& panel, const PanelConfig& config, const std::vector<std::filesystem::path>& module_dirs);

} // namespace host
