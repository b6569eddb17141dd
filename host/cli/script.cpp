#include "script.h"

#include "flight_file.h"
#include "module_search.h"
#include "panel.h"
#include "panel_config.h"
#include "trace.h"

#include <cmath>
#include <fstream>
#include <functional>
#include <map>
#include <ostream>
#include <sstream>

namespace host {

namespace {

namespace fs = std::filesystem;

std::string where(const ScriptLine& line)
{
    return line.file.string() + ":" + std::to_string(line.number) + ": ";
}

[[noreturn]] void fail(const ScriptLine& line, const std::string& problem)
{
    throw ScriptError(where(line) + problem);
}

// Words separated by blanks; a double-quoted word may hold blanks. '#' outside quotes starts a comment.
std::vector<std::string> split(const std::string& text, const fs::path& file, int number)
{
    std::vector<std::string> words;
    size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            size_t end = text.find('"', i + 1);
            if (end == std::string::npos)
                throw ScriptError(file.string() + ":" + std::to_string(number) + ": unterminated quoted text");
            words.push_back(text.substr(i + 1, end - i - 1));
            i = end + 1;
        } else {
            size_t end = text.find_first_of(" \t\r", i);
            if (end == std::string::npos) end = text.size();
            words.push_back(text.substr(i, end - i));
            i = end;
        }
    }
    return words;
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

bool parse_number(const std::string& word, double& out)
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
        return used == word.size() && std::isfinite(out);
    } catch (const std::exception&) {
        return false;
    }
}

int64_t integer_arg(const ScriptLine& line, size_t i, const char* what)
{
    int64_t v;
    if (i >= line.words.size()) fail(line, std::string("missing ") + what);
    if (!parse_integer(line.words[i], v)) fail(line, std::string("'") + line.words[i] + "' is not a whole number (" + what + ")");
    return v;
}

double number_arg(const ScriptLine& line, size_t i, const char* what)
{
    double v;
    if (i >= line.words.size()) fail(line, std::string("missing ") + what);
    if (!parse_number(line.words[i], v)) fail(line, std::string("'") + line.words[i] + "' is not a number (" + what + ")");
    return v;
}

void expect_count(const ScriptLine& line, size_t count, const char* usage)
{
    if (line.words.size() != count) fail(line, std::string("usage: ") + usage);
}

// Simulated seconds as a number of frames: "2s", "0.5s" or "2 s".
uint64_t frames_of_seconds(const ScriptLine& line)
{
    std::string text = line.words.size() > 1 ? line.words[1] : "";
    if (line.words.size() == 3 && line.words[2] == "s") text += "s";
    else if (line.words.size() != 2) fail(line, "usage: wait SECONDSs");
    if (text.empty() || text.back() != 's') fail(line, "wait takes simulated seconds, such as 2s");
    double seconds;
    if (!parse_number(text.substr(0, text.size() - 1), seconds) || seconds < 0)
        fail(line, "'" + text + "' is not a number of seconds");
    double frames = seconds * TICKS_PER_SECOND;
    if (std::fabs(frames - std::round(frames)) > 1e-9)
        fail(line, "'" + text + "' is not a whole number of ticks (18 a second)");
    return static_cast<uint64_t>(std::llround(frames));
}

// A file or folder a script names, taken from the script's own folder unless the path is absolute.
fs::path relative_to(const ScriptLine& line, const std::string& name)
{
    fs::path p(name);
    return p.is_absolute() ? p : line.file.parent_path() / p;
}

// ---- Syntax -------------------------------------------------------------------------------------------

void check_syntax(const ScriptLine& line)
{
    const auto& w = line.words;
    const std::string& cmd = w[0];
    if (cmd == "load") {
        expect_count(line, 2, "load GAUGE_NAME | load PATH.gau");
    } else if (cmd == "unload" || cmd == "kill" || cmd == "install" || cmd == "print") {
        expect_count(line, 2, (cmd + " GAUGE").c_str());
    } else if (cmd == "modules") {
        expect_count(line, 2, "modules FOLDER");
    } else if (cmd == "panel" || cmd == "flight") {
        // The file is read now as well, so that a bad panel or flight stops the script before it runs.
        expect_count(line, 2, (cmd + " FILE").c_str());
        try {
            if (cmd == "panel") read_panel_config(relative_to(line, line.words[1]));
            else read_flight(relative_to(line, line.words[1]));
        } catch (const std::runtime_error& e) {
            fail(line, e.what());
        }
    } else if (cmd == "service") {
        expect_count(line, 3, "service GAUGE ID");
        integer_arg(line, 2, "service id");
    } else if (cmd == "set") {
        expect_count(line, 3, "set TOKEN VALUE");
        integer_arg(line, 1, "token");
        number_arg(line, 2, "value");
    } else if (cmd == "tick") {
        if (w.size() > 2) fail(line, "usage: tick [COUNT]");
        if (w.size() == 2 && integer_arg(line, 1, "count") < 0) fail(line, "tick count must not be negative");
    } else if (cmd == "wait") {
        frames_of_seconds(line);
    } else if (cmd == "click") {
        if (w.size() == 4 && w[2] == "hotspot") integer_arg(line, 3, "hotspot number");
        else if (w.size() == 5 && w[2] == "at") integer_arg(line, 3, "x"), integer_arg(line, 4, "y");
        else fail(line, "usage: click GAUGE hotspot N | click GAUGE at X Y");
    } else if (cmd == "expect") {
        if (w.size() < 2) fail(line, "usage: expect GAUGE element N ... | expect events ... | expect sounds ... | expect var NAME VALUE | expect token T VALUE");
        if (w[1] == "events") {
            if (w.size() == 3 && w[2] == "none") return;
            for (size_t i = 2; i < w.size(); ++i) integer_arg(line, i, "key event");
        } else if (w[1] == "sounds") {
            // any words: sound file names, or none
        } else if (w[1] == "var") {
            expect_count(line, 4, "expect var NAME VALUE|unpublished");
            if (w[3] != "unpublished") integer_arg(line, 3, "value");
        } else if (w[1] == "token") {
            expect_count(line, 4, "expect token TOKEN VALUE");
            integer_arg(line, 2, "token");
            number_arg(line, 3, "value");
        } else {
            if (w.size() < 5 || w[2] != "element")
                fail(line, "usage: expect GAUGE element N text \"T\" | hidden | shown | frame K | displacement DX DY");
            integer_arg(line, 3, "element number");
            const std::string& what = w[4];
            if (what == "text") expect_count(line, 6, "expect GAUGE element N text \"TEXT\"");
            else if (what == "hidden" || what == "shown") expect_count(line, 5, "expect GAUGE element N hidden|shown");
            else if (what == "frame") expect_count(line, 6, "expect GAUGE element N frame K"), integer_arg(line, 5, "frame");
            else if (what == "displacement")
                expect_count(line, 7, "expect GAUGE element N displacement DX DY"), number_arg(line, 5, "dx"),
                    number_arg(line, 6, "dy");
            else fail(line, "cannot expect '" + what + "' of an element (text, hidden, shown, frame, displacement)");
        }
    } else {
        fail(line, "unknown command '" + cmd + "'");
    }
}

// ---- Running ------------------------------------------------------------------------------------------

class Runner {
public:
    Runner(Panel& panel, const ScriptOptions& options) : panel_(panel), options_(options), dirs_(options.module_dirs) {}

    int run(const std::vector<ScriptLine>& script)
    {
        for (const ScriptLine& line : script) {
            try {
                execute(line);
            } catch (const ScriptError&) {
                throw;
            } catch (const std::exception& e) {
                fail(line, e.what());
            }
        }
        return failures_;
    }

private:
    std::ostream& out() { return *options_.out; }

    void frames(uint64_t count)
    {
        for (uint64_t i = 0; i < count; ++i) {
            panel_.frame();
            if (options_.trace) options_.trace->record(panel_);
        }
    }

    fs::path find_module(const ScriptLine& line, const std::string& name)
    {
        fs::path given(name);
        if (given.extension() == ".gau" || name.find('/') != std::string::npos) {
            fs::path p = relative_to(line, name);
            if (!fs::exists(p)) fail(line, "no module " + p.string());
            return p;
        }
        return find_module_file(name, dirs_);
    }

    void failed(const ScriptLine& line, const std::string& what, const Gauge* gauge = nullptr)
    {
        ++failures_;
        out() << where(line) << "expectation failed: " << what << "\n";
        if (gauge) out() << gauge->describe();
    }

    void execute(const ScriptLine& line)
    {
        const auto& w = line.words;
        const std::string& cmd = w[0];
        if (cmd == "modules") {
            dirs_.insert(dirs_.begin(), relative_to(line, w[1]));
        } else if (cmd == "load") {
            panel_.load(find_module(line, w[1]));
        } else if (cmd == "panel") {
            load_panel(panel_, read_panel_config(relative_to(line, w[1])), dirs_);
        } else if (cmd == "flight") {
            panel_.sim().load_flight(read_flight(relative_to(line, w[1])));
        } else if (cmd == "unload") {
            panel_.unload(w[1]);
        } else if (cmd == "kill") {
            panel_.kill(panel_.gauge(w[1]));
        } else if (cmd == "install") {
            panel_.install(panel_.gauge(w[1]));
        } else if (cmd == "service") {
            panel_.service(panel_.gauge(w[1]), static_cast<int32_t>(integer_arg(line, 2, "service id")));
        } else if (cmd == "print") {
            out() << panel_.gauge(w[1]).describe();
        } else if (cmd == "set") {
            panel_.sim().set(static_cast<int32_t>(integer_arg(line, 1, "token")), number_arg(line, 2, "value"));
        } else if (cmd == "tick") {
            frames(w.size() == 2 ? static_cast<uint64_t>(integer_arg(line, 1, "count")) : 1);
        } else if (cmd == "wait") {
            frames(frames_of_seconds(line));
        } else if (cmd == "click") {
            Gauge& g = panel_.gauge(w[1]);
            if (w[2] == "hotspot") {
                panel_.click(g, static_cast<int>(integer_arg(line, 3, "hotspot number")));
            } else {
                // A click beside every hotspot does nothing, as on the real panel.
                panel_.click_at(g, static_cast<int>(integer_arg(line, 3, "x")), static_cast<int>(integer_arg(line, 4, "y")));
            }
        } else if (cmd == "expect") {
            expect(line);
        }
    }

    void expect(const ScriptLine& line)
    {
        const auto& w = line.words;
        if (w[1] == "events") {
            std::vector<uint32_t> wanted, got;
            if (!(w.size() == 3 && w[2] == "none"))
                for (size_t i = 2; i < w.size(); ++i) wanted.push_back(static_cast<uint32_t>(integer_arg(line, i, "key event")));
            for (; events_seen_ < panel_.events().size(); ++events_seen_) got.push_back(panel_.events()[events_seen_].event);
            if (got != wanted) failed(line, "key events " + list(wanted) + ", sent " + list(got));
        } else if (w[1] == "sounds") {
            std::vector<std::string> wanted, got;
            if (!(w.size() == 3 && w[2] == "none")) wanted.assign(w.begin() + 2, w.end());
            for (; sounds_seen_ < panel_.sounds().size(); ++sounds_seen_) got.push_back(panel_.sounds()[sounds_seen_].file);
            if (got != wanted) failed(line, "sounds " + list(wanted) + ", played " + list(got));
        } else if (w[1] == "var") {
            auto value = panel_.named_vars().read(w[2]);
            if (w[3] == "unpublished") {
                if (value) failed(line, "variable " + w[2] + " unpublished, it holds " + std::to_string(*value));
            } else {
                int64_t wanted = integer_arg(line, 3, "value");
                if (!value) failed(line, "variable " + w[2] + " = " + w[3] + ", it is not published");
                else if (*value != wanted) failed(line, "variable " + w[2] + " = " + w[3] + ", it holds " + std::to_string(*value));
            }
        } else if (w[1] == "token") {
            const int32_t token = static_cast<int32_t>(integer_arg(line, 2, "token"));
            const double wanted = number_arg(line, 3, "value");
            const double got = panel_.sim().number(token);
            if (got != wanted) {
                std::ostringstream text;
                text << "token " << token << " = " << w[3] << ", it holds " << got;
                failed(line, text.str());
            }
        } else {
            Gauge& g = panel_.gauge(w[1]);
            const ElementView& e = g.element(static_cast<int>(integer_arg(line, 3, "element number")));
            const std::string name = g.name() + " element " + std::to_string(e.index);
            const std::string& what = w[4];
            if (what == "text") {
                if (e.kind != ElementKind::String) fail(line, name + " is not a string element");
                if (e.text != w[5]) failed(line, name + " text \"" + w[5] + "\", it shows \"" + e.text + "\"", &g);
            } else if (what == "hidden" || what == "shown") {
                if (e.hidden != (what == "hidden")) failed(line, name + " " + what + ", it is " + (e.hidden ? "hidden" : "shown"), &g);
            } else if (what == "frame") {
                if (e.kind != ElementKind::Icon) fail(line, name + " is not an icon");
                int64_t wanted = integer_arg(line, 5, "frame");
                if (e.frame != wanted) failed(line, name + " frame " + w[5] + ", it shows frame " + std::to_string(e.frame), &g);
            } else if (what == "displacement") {
                if (e.kind != ElementKind::Slider) fail(line, name + " is not a slider");
                double dx = number_arg(line, 5, "dx"), dy = number_arg(line, 6, "dy");
                if (e.dx != dx || e.dy != dy) {
                    std::ostringstream text;
                    text << name << " displacement " << dx << " " << dy << ", it is " << e.dx << " " << e.dy;
                    failed(line, text.str(), &g);
                }
            }
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
    size_t events_seen_ = 0;
    size_t sounds_seen_ = 0;
    int failures_ = 0;
};

} // namespace

std::vector<ScriptLine> read_script(const fs::path& file)
{
    std::ifstream in(file);
    if (!in) throw ScriptError(file.string() + ": cannot read the script");
    std::vector<ScriptLine> script;
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        ScriptLine line{file, number, split(text, file, number)};
        if (line.words.empty()) continue;
        check_syntax(line);
        script.push_back(std::move(line));
    }
    return script;
}

int run_script(const std::vector<ScriptLine>& script, Panel& panel, const ScriptOptions& options)
{
    std::ostringstream discard;
    ScriptOptions opts = options;
    if (!opts.out) opts.out = &discard;
    Runner runner(panel, opts);
    return runner.run(script);
}

} // namespace host
