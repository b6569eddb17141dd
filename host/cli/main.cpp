// panelhost: our stand-in for the simulator's panel system.
//   panelhost run SCRIPT [--trace FILE] [--modules DIR]...   a scripted, headless run
//   (run, render and serve take --navdata FILE: a navaid file, plain or gzip, for flights that name navaids)
//   panelhost run --panel P --flight F --for 30m [SCRIPT]     a flight flown fast-forward under a panel
//   panelhost inspect MODULE                                  what a module declares
//   panelhost render GAUGE [-o FILE] [--script SCRIPT] [--scale N] [--modules DIR]... [--expect PNG]
//                                                             one gauge as a PNG picture
//   panelhost render --panel P [--flight F] [--window N] [-o FILE] [--script SCRIPT] [--scale N] ...
//                                                             a panel window as a PNG picture
//   panelhost serve [--panel P] [--flight F] [--port N] [--modules DIR]...
//                                                             the workbench: the panel live in a browser
// Exit status: 0 success, 1 a failed expectation, 2 a bad script, module or command line.

#include "duration.h"
#include "fly.h"
#include "inspect.h"
#include "navaid_file.h"
#include "panel.h"
#if defined(PANELHOST_RENDER)
#include "render.h"
#endif
#include "script.h"
#if defined(PANELHOST_SERVE)
#include "serve.h"
#endif
#include "setup.h"
#include "trace.h"
#include "dynamic_library.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <optional>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct RunOptions {
    fs::path script, trace, panel, flight;
    std::string duration;
    std::vector<fs::path> module_dirs;
};

// Loads the panel and the flight, runs the script, then flies the duration; everything is read and checked
// before anything runs.
int run_command(const RunOptions& run)
{
    host::ScriptOptions options;
    options.module_dirs = run.module_dirs;
    options.module_dirs.push_back(host::executable_dir() / "gauges");
    options.out = &std::cout;
    std::unique_ptr<host::Trace> trace;
    try {
        if (run.script.empty() && run.panel.empty() && run.flight.empty())
            throw std::runtime_error("give a script, or --panel and --flight with --for");
        std::optional<double> seconds;
        if (!run.duration.empty()) {
            seconds = host::parse_duration(run.duration);
            if (!seconds) throw std::runtime_error("--for " + run.duration + ": not a duration such as 30m or 1h15m");
            if (const std::string problem = host::duration_problem(*seconds); !problem.empty())
                throw std::runtime_error("--for " + run.duration + ": " + problem);
        } else if (run.script.empty()) {
            throw std::runtime_error("--for DURATION says how long to fly");
        }
        const host::PanelSetup setup = host::read_setup(run.script, run.panel, run.flight);
        if (!run.trace.empty()) trace = std::make_unique<host::Trace>(run.trace);
        options.trace = trace.get();

        host::Panel panel;
        const int failures = host::start_setup(panel, setup, options);
        if (seconds) {
            const bool terminal = isatty(STDERR_FILENO);
            auto result = host::fly(panel, *seconds, trace.get(), terminal ? &std::cerr : nullptr);
            host::print_summary(panel, result, std::cout);
        }
        const std::string name = !run.script.empty() ? run.script.string() : "panelhost";
        if (failures) {
            std::cout << name << ": " << failures << " expectation(s) failed\n";
            return 1;
        }
        if (!setup.script.empty()) std::cout << name << ": all expectations met\n";
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "panelhost: " << e.what() << "\n";
        return 2;
    }
}

// The navaid file every flight read from now on takes navaids named by identifier from.
void set_navaid_file(const fs::path& file)
{
    host::set_default_navaid_file(std::make_shared<const host::NavaidFile>(host::NavaidFile::read(file)));
}

} // namespace

int main(int argc, char** argv)
{
    CLI::App app{"panelhost: loads gauge modules and drives them as the simulator's panel system does"};
    app.require_subcommand(1);
    // The same command line on Windows: "/path" is a file there too (under Wine, or from a Unix-like
    // shell), not a "/option".
    app.allow_windows_style_options(false);

    RunOptions options;
    fs::path module;
    auto* run = app.add_subcommand("run", "run a script, or fly a flight, against a headless panel");
    run->add_option("script", options.script, "the script (run after the panel and the flight are loaded)");
    run->add_option("--panel", options.panel, "load the gauges of this panel.cfg");
    run->add_option("--flight", options.flight, "fly this flight file (TOML)");
    run->add_option("--for", options.duration, "fly this long fast-forward, such as 30m or 1h15m, then print a summary");
    run->add_option("--trace", options.trace, "write one JSON line per frame to this file");
    run->add_option("--modules", options.module_dirs, "a folder to search for gauge modules (repeatable)");
    fs::path navdata;
    const char* navdata_help = "a navaid file (nav.dat, version 810 or later, plain or gzip) for flights that name navaids by identifier";
    run->add_option("--navdata", navdata, navdata_help);

    auto* inspect = app.add_subcommand("inspect", "list what a gauge module declares");
    inspect->add_option("module", module, "the .gau file")->required();

#if defined(PANELHOST_RENDER)
    host::RenderOptions render_options;
    auto* render = app.add_subcommand("render", "draw one gauge into a PNG picture, after an optional script");
    render->add_option("gauge", render_options.gauge, "the gauge name, or the path of its .gau; none: the panel");
    render->add_option("--panel", render_options.panel, "load the gauges of this panel.cfg first");
    render->add_option("--flight", render_options.flight, "start this flight file (TOML) first");
    render->add_option("--window", render_options.window, "the window of the panel to draw (0 = the first)")
        ->check(CLI::NonNegativeNumber);
    render->add_option("-o,--output", render_options.output, "the PNG to write (default: GAUGE.png)");
    render->add_option("--script", render_options.script, "a script to run first");
    render->add_option("--scale", render_options.scale, "draw every pixel as N x N pixels")
        ->check(CLI::Range(1, 16));
    render->add_option("--modules", render_options.module_dirs, "a folder to search for gauge modules (repeatable)");
    render->add_option("--navdata", navdata, navdata_help);
    render->add_option("--expect", render_options.expect,
                       "a reference picture: on a difference, write GAUGE.diff.png beside the output and exit 1");
#endif

#if defined(PANELHOST_SERVE)
    host::ServeOptions serve_options;
    auto* serve = app.add_subcommand("serve", "the workbench: the panel live in a browser at http://127.0.0.1:PORT/");
    serve->add_option("--panel", serve_options.panel, "the panel.cfg (default: panels/default/panel.cfg)");
    serve->add_option("--flight", serve_options.flight,
                      "the flight (default: flights/default.toml); the flights beside it can be chosen on the page");
    serve->add_option("--port", serve_options.port, "the port on 127.0.0.1 (default 8080; 0: any free port)")
        ->check(CLI::Range(0, 65535));
    serve->add_option("--modules", serve_options.module_dirs, "a folder to search for gauge modules (repeatable)");
    serve->add_option("--navdata", navdata, navdata_help);
#endif

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        int code = app.exit(e);
        return code == 0 ? 0 : 2;
    }
    if (!navdata.empty()) {
        try {
            set_navaid_file(navdata);
        } catch (const std::exception& e) {
            std::cerr << "panelhost: " << e.what() << "\n";
            return 2;
        }
    }
    if (*run) return run_command(options);
#if defined(PANELHOST_SERVE)
    if (*serve) {
        serve_options.module_dirs.push_back(host::executable_dir() / "gauges");
        return host::serve_command(serve_options, std::cout, std::cerr);
    }
#endif
#if defined(PANELHOST_RENDER)
    if (*render) {
        render_options.module_dirs.push_back(host::executable_dir() / "gauges");
        if (render_options.output.empty())
            render_options.output =
                render_options.gauge.empty() ? fs::path("panel.png") : fs::path(fs::path(render_options.gauge).stem().string() + ".png");
        return host::render_command(render_options, std::cout, std::cerr);
    }
#endif
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
