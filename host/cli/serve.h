// `panelhost serve`: the workbench, the whole panel live in a browser on this machine.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <vector>

namespace host {

struct ServeOptions {
    std::filesystem::path panel;                      // empty: panels/default/panel.cfg
    std::filesystem::path flight;                     // empty: flights/default.toml
    int port = 8080;                                  // 0: any free port
    std::vector<std::filesystem::path> module_dirs;
};

// Serves until SIGINT or SIGTERM. Returns 0 after a clean stop, 2 when the panel, the flight or the port
// cannot be had (the message says which and why).
int serve_command(const ServeOptions& options, std::ostream& out, std::ostream& err);

} // namespace host
