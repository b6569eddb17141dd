#include "panel_config.h"

#include "input_file.h"
#include "module_search.h"
#include "panel.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace host {

namespace {

namespace fs = std::filesystem;

std::string trim(const std::string& s)
{
    size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return "";
    size_t e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

std::string lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool all_digits(const std::string& s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); });
}

class Parser {
public:
    Parser(const fs::path& file) { config_.file = file; }

    PanelConfig parse(const std::string& text)
    {
        std::istringstream in(text);
        std::string raw;
        for (line_ = 1; std::getline(in, raw); ++line_) parse_line(raw);
        for (PanelWindow& w : config_.windows) {
            auto t = titles_.find(lower(w.section));
            w.title = t != titles_.end() ? t->second : w.section;
        }
        return std::move(config_);
    }

private:
    [[noreturn]] void fail(const std::string& reason) const
    {
        throw PanelConfigError(config_.file.string() + ":" + std::to_string(line_) + ": " + reason);
    }

    int integer(const std::string& text, const char* what) const
    {
        const std::string t = trim(text);
        const bool negative = !t.empty() && t[0] == '-';
        if (!all_digits(negative ? t.substr(1) : t) || t.size() > 7)
            fail(std::string(what) + " '" + t + "' is not a whole number");
        return std::stoi(t);
    }

    // A place or a size in panel pixels: a window larger than MAX_PANEL_SIDE a side is no panel a screen shows,
    // and beyond it sums of places and sizes would soon pass what the host's numbers hold.
    int pixels(const std::string& text, const char* what, int low) const
    {
        const int v = integer(text, what);
        if (v < low || v > MAX_PANEL_SIDE)
            fail(std::string(what) + " " + std::to_string(v) + " lies outside " + std::to_string(low) + " to " +
                 std::to_string(MAX_PANEL_SIDE));
        return v;
    }

    // A module is named by its file name without .gau, and found in the module folders only: a path would
    // load whatever code a panel.cfg points at.
    void check_module_name(const std::string& name) const
    {
        if (name.find_first_of("/\\:") != std::string::npos || name == "." || name == "..")
            fail("module '" + name + "' is a path: a gauge line names a module by its file name without .gau");
    }

    void parse_line(std::string raw)
    {
        // A NUL byte would end a module name where the line does not.
        if (raw.find('\0') != std::string::npos) fail("a NUL byte in the line");
        if (size_t c = raw.find("//"); c != std::string::npos) raw.erase(c);
        const std::string text = trim(raw);
        if (text.empty() || text[0] == ';') return;
        if (text[0] == '[') {
            if (text.back() != ']') fail("a section header must end with ']'");
            start_section(trim(text.substr(1, text.size() - 2)));
            return;
        }
        const size_t eq = text.find('=');
        if (eq == std::string::npos) fail("expected KEY=VALUE, or a [section] header");
        if (section_.empty()) fail("a setting before any [section]");
        const std::string key = lower(trim(text.substr(0, eq))), value = trim(text.substr(eq + 1));
        if (key.empty()) fail("a setting without a key");
        if (section_ == "window titles") titles_[key] = value;
        else if (window_ >= 0) window_setting(key, value);
    }

    void start_section(const std::string& name)
    {
        if (name.empty()) fail("a section without a name");
        section_ = lower(name);
        window_ = -1;
        if (section_.rfind("window", 0) == 0 && all_digits(section_.substr(6))) {
            if (!sections_.insert(section_).second) fail("[" + name + "] appears twice");
            config_.windows.push_back(PanelWindow{name, name, "", std::nullopt, std::nullopt, std::nullopt, true});
            window_ = static_cast<int>(config_.windows.size()) - 1;
            gauge_keys_.clear();
        }
    }

    void window_setting(const std::string& key, const std::string& value)
    {
        PanelWindow& w = config_.windows[static_cast<size_t>(window_)];
        if (key.rfind("gauge", 0) == 0) {
            if (!all_digits(key.substr(5))) fail("'" + key + "': gauge lines are named gauge00, gauge01, ...");
            if (!gauge_keys_.insert(key).second) fail(key + " appears twice in [" + w.section + "]");
            gauge_line(value);
        } else if (key == "size_mm") {
            const auto fields = split(value);
            if (fields.empty() || fields.size() > 2) fail("size_mm is WIDTH[,HEIGHT]");
            w.size_mm_width = integer(fields[0], "size_mm width");
            if (fields.size() == 2) w.size_mm_height = integer(fields[1], "size_mm height");
        } else if (key == "position") {
            const int p = integer(value, "position");
            if (p < 0 || p > 8) fail("position is 0 to 8");
            w.position = p;
        } else if (key == "visible") {
            const int v = integer(value, "visible");
            if (v != 0 && v != 1) fail("visible is 0 or 1");
            w.visible = v == 1;
        } else if (key == "ident") {
            w.ident = value;
        }
        // Other window keys (file, window_size_ratio, background_color, ...) shape how the simulator
        // draws the window and are kept by no one here.
    }

    static std::vector<std::string> split(const std::string& value)
    {
        std::vector<std::string> fields;
        std::string field;
        std::istringstream in(value);
        while (std::getline(in, field, ',')) fields.push_back(trim(field));
        if (!value.empty() && value.back() == ',') fields.push_back("");
        return fields;
    }

    void gauge_line(const std::string& value)
    {
        const auto fields = split(value);
        if (fields.size() < 3) fail("expected Module!Gauge, x, y, width[, height]");
        if (fields.size() > 5) fail("too many fields: expected Module!Gauge, x, y, width[, height]");
        const size_t bang = fields[0].find('!');
        if (bang == std::string::npos) fail("expected Module!Gauge, not '" + fields[0] + "'");
        GaugePlacement g;
        g.module = trim(fields[0].substr(0, bang));
        g.gauge = trim(fields[0].substr(bang + 1));
        if (g.module.empty() || g.gauge.empty()) fail("expected Module!Gauge, not '" + fields[0] + "'");
        check_module_name(g.module);
        g.x = pixels(fields[1], "x", -MAX_PANEL_SIDE);
        g.y = pixels(fields[2], "y", -MAX_PANEL_SIDE);
        if (fields.size() > 3) {
            g.width = integer(fields[3], "width");
            if (g.width <= 0) fail("the width must be positive");
            g.width = pixels(fields[3], "width", 1);
            if (g.x + g.width <= 0)
                fail("the gauge lies wholly left of its window (x " + std::to_string(g.x) + ", width " +
                     std::to_string(g.width) + ")");
        }
        if (fields.size() > 4) {
            g.height = integer(fields[4], "height");
            if (*g.height <= 0) fail("the height must be positive");
            g.height = pixels(fields[4], "height", 1);
            if (g.y + *g.height <= 0)
                fail("the gauge lies wholly above its window (y " + std::to_string(g.y) + ", height " +
                     std::to_string(*g.height) + ")");
        }
        g.window = window_;
        g.line = line_;
        config_.gauges.push_back(std::move(g));
    }

    PanelConfig config_;
    int line_ = 0;
    std::string section_;
    int window_ = -1;
    std::set<std::string> sections_;
    std::set<std::string> gauge_keys_;
    std::map<std::string, std::string> titles_;
};

} // namespace

PanelConfig parse_panel_config(const std::string& text, const fs::path& name)
{
    return Parser(name).parse(text);
}

PanelConfig read_panel_config(const fs::path& file)
{
    std::string text;
    try {
        text = read_input_file(file, "panel configuration");
    } catch (const InputFileError& e) {
        throw PanelConfigError(e.what());
    }
    return parse_panel_config(text, file);
}

void load_panel(Panel& panel, const PanelConfig& config, const std::vector<fs::path>& module_dirs)
{
    std::vector<fs::path> dirs{config.file.parent_path().empty() ? fs::path(".") : config.file.parent_path()};
    dirs.insert(dirs.end(), module_dirs.begin(), module_dirs.end());
    // Every gauge is loaded first, then all are installed together, so that a gauge that binds another's
    // named variable finds it wherever the two stand in the file. A line that fails stops the load; the
    // gauges before it are installed all the same, as loaded gauges always are.
    std::vector<Gauge*> added;
    for (const GaugePlacement& g : config.gauges) {
        const std::string where = config.file.string() + ":" + std::to_string(g.line) + ": ";
        Gauge* gauge = nullptr;
        try {
            gauge = &panel.add(find_module_file(g.module, dirs));
        } catch (const std::exception& e) {
            panel.install_together(added);
            throw PanelConfigError(where + e.what());
        }
        if (gauge->name() != g.gauge) {
            const std::string held = gauge->name();
            panel.unload(held);
            panel.install_together(added);
            throw PanelConfigError(where + "module " + g.module + " holds the gauge " + held + ", not " + g.gauge);
        }
        panel.place(g.gauge, g);
        added.push_back(gauge);
    }
    panel.install_together(added);
    panel.set_windows(config.windows);
}

} // namespace host
