// Scripts: a panel driven line by line, headless and deterministic. See README.md for the language.
#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

namespace host {

class Panel;
class Trace;

// A script that cannot run: names the file, the line and the problem.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ScriptLine {
    std::filesystem::path file;
    int number = 0;
    std::vector<std::string> words;
};

struct ScriptOptions {
    std::vector<std::filesystem::path> module_dirs;   // searched in order for <gauge name>.gau
    Trace* trace = nullptr;
    std::ostream* out = nullptr;                      // `print` and failed expectations
};

// Reads a script; throws ScriptError for a line that is not a command, so that nothing runs.
std::vector<ScriptLine> read_script(const std::filesystem::path& file);

// Runs the script on the panel. Throws ScriptError when a command cannot be carried out (a missing module,
// an unknown gauge or element); returns the number of failed expectations, each reported on `out`.
int run_script(const std::vector<ScriptLine>& script, Panel& panel, const ScriptOptions& options);

} // namespace host
