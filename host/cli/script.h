// Scripts: a panel driven line by line, headless and deterministic. See README.md for the language.
//
// A script is read whole before anything runs: every line is parsed once into a command record (its
// numbers, names, files and expectations resolved), and a line that is not a command stops the script with
// nothing done. Running then only carries the records out.
#pragma once

#include "gauge_abi.h"

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace host {

class Panel;
class Trace;
struct PanelConfig;
struct Flight;

// A script that cannot run: names the file, the line and the problem.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class ScriptOp {
    Modules, Load, Panel, Flight, Unload, Kill, Install, Service, Print,
    Set, Hold, Release, Tick, ClickHotspot, ClickAt,
    ExpectEvents, ExpectSounds, ExpectVar, ExpectToken,
    ExpectText, ExpectHidden, ExpectFrame, ExpectDisplacement,
};

// One line of a script, parsed.
struct ScriptCommand {
    std::filesystem::path file;              // where it was written, for messages
    int line = 0;
    ScriptOp op = ScriptOp::Tick;
    std::string gauge;                       // the gauge it addresses; "" for the whole panel
    std::filesystem::path path;              // modules, load (by path), panel, flight: resolved
    std::string name;                        // load (by gauge name), a named variable, an expected text
    int32_t token = 0;
    int64_t number = 0;                      // frames, service id, element, hotspot, frame, x, variable value
    int64_t y = 0;
    double value = 0.0, value2 = 0.0;        // set, expect token, displacement
    VAR_VALUE raw{};                         // hold: the value exactly as the gauges will read it
    bool flag = false;                       // hidden (vs shown); unpublished (vs a value)
    std::vector<uint32_t> events;
    std::vector<std::string> sounds;
    std::shared_ptr<const PanelConfig> panel;
    std::shared_ptr<const Flight> flight;
};

using Script = std::vector<ScriptCommand>;

struct ScriptOptions {
    std::vector<std::filesystem::path> module_dirs;   // searched in order for <gauge name>.gau
    Trace* trace = nullptr;
    std::ostream* out = nullptr;                      // `print` and failed expectations
};

// Reads and parses a script; throws ScriptError naming the file, the line and the problem.
Script read_script(const std::filesystem::path& file);
// The same for a script held in memory; `file` stands for it in messages and paths are taken from its folder.
Script parse_script(const std::string& text, const std::filesystem::path& file);

// Runs the script on the panel. Throws ScriptError when a command cannot be carried out (a missing module,
// an unknown gauge or element); returns the number of failed expectations, each reported on `out`.
int run_script(const Script& script, Panel& panel, const ScriptOptions& options);

} // namespace host
