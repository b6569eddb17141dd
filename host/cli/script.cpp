#include "script.h"

#include "clock.h"
#include "duration.h"
#include "flight_file.h"
#include "gauge_names.h"
#include "input_file.h"
#include "module_search.h"
#include "panel.h"
#include "panel_config.h"
#include "simulation.h"
#include "tokens.h"
#include "trace.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <fstream>
#include <ostream>
#include <sstream>

namespace host {

namespace {

namespace fs = std::filesystem;

// ---- Words --------------------------------------------------------------------------------------------

// Words separated by blanks; a double-quoted word may hold blanks. '#' outside quotes starts a comment.
// Returns false for an unterminated quote.
bool split(const std::string& text, std::vector<std::string>& words)
{
    size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            size_t end = text.find('"', i + 1);
            if (end == std::string::npos) return false;
            words.push_back(text.substr(i + 1, end - i - 1));
            i = end + 1;
        } else {
            size_t end = text.find_first_of(" \t\r", i);
            if (end == std::string::npos) end = text.size();
            words.push_back(text.substr(i, end - i));
            i = end;
        }
    }
    return true;
}

// A whole number in decimal or 0x hexadecimal.
bool parse_integer(const std::string& word, int64_t& out)
{
    if (word.empty()) return false;
    try {
        size_t used = 0;
        out = std::stoll(word, &used, 0);
        return used == word.size();
    } catch (const std::exception&) {
        return false;
    }
}

// A number: 0x hexadecimal, decimal, and where `any` allows, also nan, inf and -inf.
bool parse_number(const std::string& word, double& out, bool any = false)
{
    int64_t i;
    if (word.size() > 2 && (word.rfind("0x", 0) == 0 || word.rfind("0X", 0) == 0)) {
        if (!parse_integer(word, i)) return false;
        out = static_cast<double>(i);
        return true;
    }
    try {
        size_t used = 0;
        out = std::stod(word, &used);
        return used == word.size() && (any || std::isfinite(out));
    } catch (const std::exception&) {
        return false;
    }
}

// The words of one line, read from left to right by the parse of its command.
class Line {
public:
    Line(const fs::path& file, int number, std::vector<std::string> words)
        : file_(file), number_(number), words_(std::move(words))
    {
    }

    [[noreturn]] void fail(const std::string& problem) const
    {
        throw ScriptError(file_.string() + ":" + std::to_string(number_) + ": " + problem);
    }

    size_t size() const { return words_.size(); }
    const std::string& operator[](size_t i) const { return words_[i]; }
    const fs::path& file() const { return file_; }

    void count(size_t n, const char* usage) const
    {
        if (words_.size() != n) fail(std::string("usage: ") + usage);
    }

    const std::string& word(size_t i, const char* what) const
    {
        if (i >= words_.size()) fail(std::string("missing ") + what);
        return words_[i];
    }

    int64_t integer(size_t i, const char* what) const
    {
        int64_t v;
        if (!parse_integer(word(i, what), v)) fail("'" + words_[i] + "' is not a whole number (" + what + ")");
        return v;
    }

    double number(size_t i, const char* what, bool any = false) const
    {
        double v;
        if (!parse_number(word(i, what), v, any)) fail("'" + words_[i] + "' is not a number (" + what + ")");
        return v;
    }

    // A number that fits the host's int: an element, a hotspot, a point of a faceplate.
    int64_t small(int64_t v, size_t i, const char* what) const
    {
        if (v < INT32_MIN || v > INT32_MAX) fail("'" + words_[i] + "' is out of range (" + what + ")");
        return v;
    }

    int32_t token(size_t i) const
    {
        const int64_t t = integer(i, "token");
        if (t < INT32_MIN || t > INT32_MAX) fail("'" + words_[i] + "' is not a token number");
        return static_cast<int32_t>(t);
    }

    // A file or folder the script names, taken from the script's own folder unless the path is absolute.
    fs::path path(size_t i, const char* what) const
    {
        fs::path p(word(i, what));
        return p.is_absolute() ? p : file_.parent_path() / p;
    }

    // An element or hotspot of `gauge`: its number, or its name as the gauge's faceplate header gives it.
    int64_t numbered(size_t i, const std::string& gauge, bool hotspot) const
    {
        const char* what = hotspot ? "hotspot" : "element";
        int64_t n;
        if (parse_integer(word(i, what), n)) return small(n, i, what);
        const FaceplateNames* names = faceplate_names(gauge);
        if (!names) fail("'" + words_[i] + "': no " + what + " names are known for " + gauge + " (give its number)");
        if (auto number = number_of_name(hotspot ? names->hotspots : names->elements, words_[i])) return *number;
        fail(gauge + " has no " + what + " named '" + words_[i] + "'");
    }

private:
    fs::path file_;
    int number_;
    std::vector<std::string> words_;
};

// The most frames one tick or wait runs, and all the lines of a script together.
constexpr int64_t LONGEST_RUN_FRAMES = static_cast<int64_t>(LONGEST_DURATION_S) * TICKS_PER_SECOND;

// Simulated seconds as a number of frames: "2s", "0.5s" or "2 s".
uint64_t frames_of_seconds(const Line& line)
{
    std::string text = line.size() > 1 ? line[1] : "";
    if (line.size() == 3 && line[2] == "s") text += "s";
    else if (line.size() != 2) line.fail("usage: wait SECONDSs");
    if (text.empty() || text.back() != 's') line.fail("wait takes simulated seconds, such as 2s");
    double seconds;
    if (!parse_number(text.substr(0, text.size() - 1), seconds) || seconds < 0)
        line.fail("'" + text + "' is not a number of seconds");
    if (const std::string problem = duration_problem(seconds); !problem.empty())
        line.fail("wait " + text + ": " + problem);
    double frames = seconds * TICKS_PER_SECOND;
    if (std::fabs(frames - std::round(frames)) > 1e-9)
        line.fail("'" + text + "' is not a whole number of ticks (18 a second)");
    return static_cast<uint64_t>(std::llround(frames));
}

// ---- Parsing: one function per command word -----------------------------------------------------------

using Parse = void (*)(const Line&, ScriptCommand&);

void parse_modules(const Line& l, ScriptCommand& c)
{
    l.count(2, "modules FOLDER");
    c.op = ScriptOp::Modules;
    c.path = l.path(1, "folder");
}

// `load NAME` searches the module folders; `load X.gau` takes the file beside the script (or the path given).
void parse_load(const Line& l, ScriptCommand& c)
{
    l.count(2, "load GAUGE_NAME | load FILE.gau");
    c.op = ScriptOp::Load;
    const std::string& what = l[1];
    if (fs::path(what).extension() == ".gau" || what.find('/') != std::string::npos ||
        what.find('\\') != std::string::npos)
        c.path = l.path(1, "module");
    else
        c.name = what;
}

// The panel.cfg and the flight file are read now, so that a bad one stops the script before it runs.
void parse_panel(const Line& l, ScriptCommand& c)
{
    l.count(2, "panel FILE");
    c.op = ScriptOp::Panel;
    c.path = l.path(1, "panel.cfg");
    try {
        c.panel = std::make_shared<const PanelConfig>(read_panel_config(c.path));
    } catch (const std::runtime_error& e) {
        l.fail(e.what());
    }
}

void parse_flight(const Line& l, ScriptCommand& c)
{
    l.count(2, "flight FILE");
    c.op = ScriptOp::Flight;
    c.path = l.path(1, "flight file");
    try {
        c.flight = std::make_shared<const Flight>(read_flight(c.path));
    } catch (const std::runtime_error& e) {
        l.fail(e.what());
    }
}

template <ScriptOp op>
void parse_gauge_command(const Line& l, ScriptCommand& c)
{
    if (l.size() != 2) l.fail("usage: " + l[0] + " GAUGE");
    c.op = op;
    c.gauge = l[1];
}

void parse_service(const Line& l, ScriptCommand& c)
{
    l.count(3, "service GAUGE ID");
    c.op = ScriptOp::Service;
    c.gauge = l[1];
    c.number = l.integer(2, "service id");
    if (c.number < INT32_MIN || c.number > INT32_MAX) l.fail("'" + l[2] + "' is not a 32-bit service id");
}

void parse_set(const Line& l, ScriptCommand& c)
{
    l.count(3, "set TOKEN VALUE");
    c.op = ScriptOp::Set;
    c.token = l.token(1);
    c.value = l.number(2, "value");
    try {
        Simulation::check_set(c.token, c.value);
    } catch (const std::invalid_argument& e) {
        l.fail(e.what());
    }
}

// The raw value a held token reads: any 32-bit integer for an integer token (given signed or unsigned),
// any number the script can write, nan and infinities included, for the others.
void parse_hold(const Line& l, ScriptCommand& c)
{
    l.count(3, "hold TOKEN VALUE");
    c.op = ScriptOp::Hold;
    c.token = l.token(1);
    if (token::is_integer(c.token)) {
        const int64_t v = l.integer(2, "32-bit integer value");
        if (v < INT32_MIN || v > static_cast<int64_t>(UINT32_MAX))
            l.fail("'" + l[2] + "' does not fit the 32 bits of token " + l[1]);
        c.raw.i = static_cast<int32_t>(static_cast<uint32_t>(v));
    } else {
        c.raw.f = l.number(2, "value", true);
    }
}

void parse_release(const Line& l, ScriptCommand& c)
{
    l.count(2, "release TOKEN");
    c.op = ScriptOp::Release;
    c.token = l.token(1);
}

void parse_tick(const Line& l, ScriptCommand& c)
{
    if (l.size() > 2) l.fail("usage: tick [COUNT]");
    c.op = ScriptOp::Tick;
    c.number = l.size() == 2 ? l.integer(1, "count") : 1;
    if (c.number < 0) l.fail("tick count must not be negative");
    if (c.number > LONGEST_RUN_FRAMES)
        l.fail("tick " + l[1] + ": more than " + std::to_string(LONGEST_RUN_FRAMES) + " frames (" +
               format_duration(LONGEST_DURATION_S) + " of simulated time)");
}

void parse_wait(const Line& l, ScriptCommand& c)
{
    c.op = ScriptOp::Tick;
    c.number = static_cast<int64_t>(frames_of_seconds(l));
}

void parse_click(const Line& l, ScriptCommand& c)
{
    c.gauge = l.size() > 1 ? l[1] : "";
    if (l.size() == 4 && l[2] == "hotspot") {
        c.op = ScriptOp::ClickHotspot;
        c.number = l.numbered(3, c.gauge, true);
    } else if (l.size() == 5 && l[2] == "at") {
        c.op = ScriptOp::ClickAt;
        c.number = l.small(l.integer(3, "x"), 3, "x");
        c.y = l.small(l.integer(4, "y"), 4, "y");
    } else {
        l.fail("usage: click GAUGE hotspot N|NAME | click GAUGE at X Y");
    }
}

// `expect events [GAUGE] E... | none`: a gauge is named by a word that is neither a number nor "none".
void parse_expect_events(const Line& l, ScriptCommand& c)
{
    c.op = ScriptOp::ExpectEvents;
    size_t i = 2;
    int64_t n;
    if (l.size() > 2 && l[2] != "none" && !parse_integer(l[2], n)) c.gauge = l[i++];
    if (l.size() == i + 1 && l[i] == "none") return;
    for (; i < l.size(); ++i) {
        const int64_t e = l.integer(i, "key event");
        if (e < 0 || e > UINT32_MAX) l.fail("'" + l[i] + "' is not a key event number");
        c.events.push_back(static_cast<uint32_t>(e));
    }
}

// `expect sounds [GAUGE] F... | none`: sound files name a .wav; a gauge name has no dot and no slash.
void parse_expect_sounds(const Line& l, ScriptCommand& c)
{
    c.op = ScriptOp::ExpectSounds;
    size_t i = 2;
    if (l.size() > 2 && l[2] != "none" && l[2].find_first_of("./\\") == std::string::npos) c.gauge = l[i++];
    if (l.size() == i + 1 && l[i] == "none") return;
    for (; i < l.size(); ++i) c.sounds.push_back(l[i]);
}

void parse_expect_var(const Line& l, ScriptCommand& c)
{
    l.count(4, "expect var NAME VALUE|unpublished");
    c.op = ScriptOp::ExpectVar;
    c.name = l[2];
    c.flag = l[3] == "unpublished";
    if (!c.flag) c.number = l.integer(3, "value");
}

void parse_expect_token(const Line& l, ScriptCommand& c)
{
    l.count(4, "expect token TOKEN VALUE");
    c.op = ScriptOp::ExpectToken;
    c.token = l.token(2);
    c.value = l.number(3, "value", true);
    c.name = l[3];
}

void parse_expect_element(const Line& l, ScriptCommand& c)
{
    if (l.size() < 5 || l[2] != "element")
        l.fail("usage: expect GAUGE element N|NAME text \"T\" | hidden | shown | frame K | displacement DX DY");
    c.gauge = l[1];
    c.number = l.numbered(3, c.gauge, false);
    const std::string& what = l[4];
    if (what == "text") {
        l.count(6, "expect GAUGE element N text \"TEXT\"");
        c.op = ScriptOp::ExpectText;
        c.name = l[5];
    } else if (what == "hidden" || what == "shown") {
        l.count(5, "expect GAUGE element N hidden|shown");
        c.op = ScriptOp::ExpectHidden;
        c.flag = what == "hidden";
    } else if (what == "frame") {
        l.count(6, "expect GAUGE element N frame K");
        c.op = ScriptOp::ExpectFrame;
        c.y = l.integer(5, "frame");
    } else if (what == "displacement") {
        l.count(7, "expect GAUGE element N displacement DX DY");
        c.op = ScriptOp::ExpectDisplacement;
        c.value = l.number(5, "dx");
        c.value2 = l.number(6, "dy");
    } else {
        l.fail("cannot expect '" + what + "' of an element (text, hidden, shown, frame, displacement)");
    }
}

void parse_expect(const Line& l, ScriptCommand& c)
{
    if (l.size() < 2)
        l.fail("usage: expect GAUGE element N ... | expect events ... | expect sounds ... | expect var NAME VALUE | "
               "expect token T VALUE");
    const std::string& what = l[1];
    if (what == "events") parse_expect_events(l, c);
    else if (what == "sounds") parse_expect_sounds(l, c);
    else if (what == "var") parse_expect_var(l, c);
    else if (what == "token") parse_expect_token(l, c);
    else parse_expect_element(l, c);
}

struct CommandWord {
    const char* word;
    Parse parse;
};

constexpr CommandWord COMMANDS[] = {
    {"modules", parse_modules},
    {"load", parse_load},
    {"panel", parse_panel},
    {"flight", parse_flight},
    {"unload", parse_gauge_command<ScriptOp::Unload>},
    {"kill", parse_gauge_command<ScriptOp::Kill>},
    {"install", parse_gauge_command<ScriptOp::Install>},
    {"print", parse_gauge_command<ScriptOp::Print>},
    {"service", parse_service},
    {"set", parse_set},
    {"hold", parse_hold},
    {"release", parse_release},
    {"tick", parse_tick},
    {"wait", parse_wait},
    {"click", parse_click},
    {"expect", parse_expect},
};

ScriptCommand parse_line(const Line& line, int number)
{
    ScriptCommand c;
    c.file = line.file();
    c.line = number;
    for (const CommandWord& w : COMMANDS)
        if (line[0] == w.word) {
            w.parse(line, c);
            return c;
        }
    line.fail("unknown command '" + line[0] + "'");
}

// ---- Running ------------------------------------------------------------------------------------------

class Runner {
public:
    Runner(Panel& panel, const ScriptOptions& options) : panel_(panel), options_(options), dirs_(options.module_dirs) {}

    int run(const Script& script)
    {
        for (const ScriptCommand& c : script) {
            try {
                execute(c);
            } catch (const ScriptError&) {
                throw;
            } catch (const std::exception& e) {
                throw ScriptError(where(c) + e.what());
            }
        }
        return failures_;
    }

private:
    static std::string where(const ScriptCommand& c) { return c.file.string() + ":" + std::to_string(c.line) + ": "; }

    std::ostream& out() { return *options_.out; }

    void frames(uint64_t count)
    {
        for (uint64_t i = 0; i < count; ++i) {
            panel_.frame();
            if (options_.trace) options_.trace->record(panel_);
        }
    }

    // A module file named with .gau: beside the script (or where its path says); a bare file name not found
    // there is searched in the module folders as well.
    fs::path module_file(const ScriptCommand& c)
    {
        if (!c.name.empty()) return find_module_file(c.name, dirs_);
        if (fs::exists(c.path)) return c.path;
        const fs::path written = c.path.filename();
        if (written.extension() == ".gau") {
            for (const fs::path& dir : dirs_)
                if (fs::exists(dir / written)) return dir / written;
        }
        throw ScriptError(where(c) + "no module " + c.path.string());
    }

    void failed(const ScriptCommand& c, const std::string& what, const Gauge* gauge = nullptr)
    {
        ++failures_;
        out() << where(c) << "expectation failed: " << what << "\n";
        if (gauge) out() << gauge->describe();
    }

    void execute(const ScriptCommand& c)
    {
        switch (c.op) {
        case ScriptOp::Modules: dirs_.insert(dirs_.begin(), c.path); break;
        case ScriptOp::Load: panel_.load(module_file(c)); break;
        case ScriptOp::Panel: load_panel(panel_, *c.panel, dirs_); break;
        case ScriptOp::Flight: panel_.sim().load_flight(*c.flight); break;
        case ScriptOp::Unload: panel_.unload(c.gauge); break;
        case ScriptOp::Kill: panel_.kill(panel_.gauge(c.gauge)); break;
        case ScriptOp::Install: panel_.install(panel_.gauge(c.gauge)); break;
        case ScriptOp::Service: panel_.service(panel_.gauge(c.gauge), static_cast<int32_t>(c.number)); break;
        case ScriptOp::Print: out() << panel_.gauge(c.gauge).describe(); break;
        case ScriptOp::Set: panel_.sim().set(c.token, c.value); break;
        case ScriptOp::Hold: panel_.sim().hold(c.token, c.raw); break;
        case ScriptOp::Release: panel_.sim().release(c.token); break;
        case ScriptOp::Tick: frames(static_cast<uint64_t>(c.number)); break;
        case ScriptOp::ClickHotspot: panel_.click(panel_.gauge(c.gauge), static_cast<int>(c.number)); break;
        // A click beside every hotspot does nothing, as on the real panel.
        case ScriptOp::ClickAt:
            panel_.click_at(panel_.gauge(c.gauge), static_cast<int>(c.number), static_cast<int>(c.y));
            break;
        case ScriptOp::ExpectEvents: expect_events(c); break;
        case ScriptOp::ExpectSounds: expect_sounds(c); break;
        case ScriptOp::ExpectVar: expect_var(c); break;
        case ScriptOp::ExpectToken: expect_token(c); break;
        case ScriptOp::ExpectText:
        case ScriptOp::ExpectHidden:
        case ScriptOp::ExpectFrame:
        case ScriptOp::ExpectDisplacement: expect_element(c); break;
        }
    }

    // Which of a log's entries an expectation took already: flags for entries `first` on.
    struct Checked {
        size_t first = 0;
        std::deque<bool> flags;
    };

    // Every event and sound is checked once: a panel-wide expectation takes all not yet checked, a gauge's
    // expectation those of that gauge. Only what the panel's log still holds can be checked.
    template <class Logged, class Value>
    std::vector<Value> take(const RecentLog<Logged>& log, Checked& checked, const std::string& gauge,
                            Value (*value)(const Logged&))
    {
        while (!checked.flags.empty() && (checked.first < log.first() || checked.flags.front())) {
            checked.flags.pop_front();
            ++checked.first;
        }
        if (checked.flags.empty()) checked.first = std::max(checked.first, log.first());
        checked.flags.resize(log.size() - checked.first, false);
        std::vector<Value> got;
        for (size_t i = checked.first; i < log.size(); ++i)
            if (!checked.flags[i - checked.first] && (gauge.empty() || log[i].gauge == gauge)) {
                checked.flags[i - checked.first] = true;
                got.push_back(value(log[i]));
            }
        return got;
    }

    static std::string of_gauge(const ScriptCommand& c) { return c.gauge.empty() ? "" : " of " + c.gauge; }

    void expect_events(const ScriptCommand& c)
    {
        if (!c.gauge.empty()) panel_.gauge(c.gauge);
        auto got = take<LoggedEvent, uint32_t>(panel_.events(), events_checked_, c.gauge,
                                               [](const LoggedEvent& e) { return e.event; });
        if (got != c.events) failed(c, "key events" + of_gauge(c) + " " + list(c.events) + ", sent " + list(got));
    }

    void expect_sounds(const ScriptCommand& c)
    {
        if (!c.gauge.empty()) panel_.gauge(c.gauge);
        auto got = take<LoggedSound, std::string>(panel_.sounds(), sounds_checked_, c.gauge,
                                                  [](const LoggedSound& s) { return s.file; });
        if (got != c.sounds) failed(c, "sounds" + of_gauge(c) + " " + list(c.sounds) + ", played " + list(got));
    }

    void expect_var(const ScriptCommand& c)
    {
        auto value = panel_.named_vars().read(c.name);
        const std::string wanted = c.flag ? "unpublished" : std::to_string(c.number);
        if (c.flag) {
            if (value) failed(c, "variable " + c.name + " unpublished, it holds " + std::to_string(*value));
        } else if (!value) {
            failed(c, "variable " + c.name + " = " + wanted + ", it is not published");
        } else if (*value != c.number) {
            failed(c, "variable " + c.name + " = " + wanted + ", it holds " + std::to_string(*value));
        }
    }

    void expect_token(const ScriptCommand& c)
    {
        const double got = panel_.sim().number(c.token);
        // nan is expected as nan: no number equals it.
        const bool same = std::isnan(c.value) ? std::isnan(got) : got == c.value;
        if (!same) {
            std::ostringstream text;
            text << "token " << c.token << " = " << c.name << ", it holds " << got;
            failed(c, text.str());
        }
    }

    void expect_element(const ScriptCommand& c)
    {
        Gauge& g = panel_.gauge(c.gauge);
        const ElementView& e = g.element(static_cast<int>(c.number));
        const std::string name = g.name() + " element " + std::to_string(e.index);
        switch (c.op) {
        case ScriptOp::ExpectText:
            if (e.kind != ElementKind::String) throw ScriptError(where(c) + name + " is not a string element");
            if (e.text != c.name) failed(c, name + " text \"" + c.name + "\", it shows \"" + e.text + "\"", &g);
            break;
        case ScriptOp::ExpectHidden:
            if (e.hidden != c.flag)
                failed(c, name + (c.flag ? " hidden" : " shown") + ", it is " + (e.hidden ? "hidden" : "shown"), &g);
            break;
        case ScriptOp::ExpectFrame:
            if (e.kind != ElementKind::Icon) throw ScriptError(where(c) + name + " is not an icon");
            if (e.frame != c.y)
                failed(c, name + " frame " + std::to_string(c.y) + ", it shows frame " + std::to_string(e.frame), &g);
            break;
        case ScriptOp::ExpectDisplacement:
            if (e.kind != ElementKind::Slider) throw ScriptError(where(c) + name + " is not a slider");
            if (e.dx != c.value || e.dy != c.value2) {
                std::ostringstream text;
                text << name << " displacement " << c.value << " " << c.value2 << ", it is " << e.dx << " " << e.dy;
                failed(c, text.str(), &g);
            }
            break;
        default: break;
        }
    }

    template <class T>
    static std::string list(const std::vector<T>& items)
    {
        if (items.empty()) return "none";
        std::ostringstream text;
        for (size_t i = 0; i < items.size(); ++i) text << (i ? " " : "") << items[i];
        return text.str();
    }

    Panel& panel_;
    const ScriptOptions& options_;
    std::vector<fs::path> dirs_;
    Checked events_checked_;
    Checked sounds_checked_;
    int failures_ = 0;
};

} // namespace

Script parse_script(const std::string& text, const fs::path& file)
{
    Script script;
    std::istringstream in(text);
    std::string row;
    int64_t frames = 0;
    for (int number = 1; std::getline(in, row); ++number) {
        const std::string where = file.string() + ":" + std::to_string(number) + ": ";
        // A NUL byte would end a name where the line does not: "X\0Y.gau" would load X.
        if (row.find('\0') != std::string::npos) throw ScriptError(where + "a NUL byte in the line");
        std::vector<std::string> words;
        if (!split(row, words))
            throw ScriptError(where + "unterminated quoted text");
        if (words.empty()) continue;
        script.push_back(parse_line(Line(file, number, std::move(words)), number));
        if (script.back().op == ScriptOp::Tick) {
            frames += script.back().number;
            if (frames > 2 * LONGEST_RUN_FRAMES)
                throw ScriptError(where + "the script runs more than " + format_duration(2 * LONGEST_DURATION_S) +
                                  " of simulated time in all");
        }
    }
    return script;
}

Script read_script(const fs::path& file)
{
    std::string text;
    try {
        text = read_input_file(file, "script");
    } catch (const InputFileError& e) {
        throw ScriptError(e.what());
    }
    return parse_script(text, file);
}

int run_script(const Script& script, Panel& panel, const ScriptOptions& options)
{
    std::ostringstream discard;
    ScriptOptions opts = options;
    if (!opts.out) opts.out = &discard;
    Runner runner(panel, opts);
    return runner.run(script);
}

} // namespace host
