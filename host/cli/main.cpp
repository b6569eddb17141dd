// panelhost: our stand-in for the simulator's panel system.
//   panelhost run SCRIPT [--trace FILE] [--modules DIR]...   a scripted, headless run
//   panelhost inspect MODULE                                  what a module declares
// Exit status: 0 success, 1 a failed expectation, 2 a bad script, module or command line.

#include "inspect.h"
#include "panel.h"
#include "script.h"
#include "trace.h"
#include "dynamic_library.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

namespace {

namespace fs = std::filesystem;

int run_command(const fs::path& script_file, const fs::path& trace_file, const std::vector<fs::path>& module_dirs)
{
    host::ScriptOptions options;
    options.module_dirs = module_dirs;
    options.module_dirs.push_back(host::executable_dir() / "gauges");
    options.out = &std::cout;
    std::unique_ptr<host::Trace> trace;
    try {
        auto script = host::read_script(script_file);
        if (!trace_file.empty()) trace = std::make_unique<host::Trace>(trace_file);
        options.trace = trace.get();
        host::Panel panel;
        int failures = host::run_script(script, panel, options);
        if (failures) {
            std::cout << script_file.string() << ": " << failures << " expectation(s) failed\n";
            return 1;
        }
        std::cout << script_file.string() << ": all expectations met\n";
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "panelhost: " << e.what() << "\n";
        return 2;
    }
}

} // namespace

int main(int argc, char** argv)
{
    CLI::App app{"panelhost: loads gauge modules and drives them as the simulator's panel system does"};
    app.require_subcommand(1);
    // The same command line on Windows: "/path" is a file there too (under Wine, or from a Unix-like
    // shell), not a "/option".
    app.allow_windows_style_options(false);

    fs::path script, trace, module;
    std::vector<fs::path> module_dirs;
    auto* run = app.add_subcommand("run", "run a script against a headless panel");
    run->add_option("script", script, "the script")->required();
    run->add_option("--trace", trace, "write one JSON line per frame to this file");
    run->add_option("--modules", module_dirs, "a folder to search for gauge modules (repeatable)");

    auto* inspect = app.add_subcommand("inspect", "list what a gauge module declares");
    inspect->add_option("module", module, "the .gau file")->required();

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        int code = app.exit(e);
        return code == 0 ? 0 : 2;
    }
    if (*run) return run_command(script, trace, module_dirs);
    if (*inspect) {
        try {
            host::inspect_module(module, std::cout);
            return 0;
        } catch (const std::exception& e) {
            std::cerr << "panelhost: " << e.what() << "\n";
            return 2;
        }
    }
    return 2;
}
