// What `run` and `render` start from: a script, a panel.cfg and a flight file, each optional. All three are
// read and checked before anything runs, so a bad one stops the command with nothing done.
#pragma once

#include "flight_file.h"
#include "panel_config.h"
#include "script.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace host {

class Panel;

struct PanelSetup {
    Script script;
    std::optional<PanelConfig> config;
    std::optional<Flight> flight;
};

// Reads whichever paths are not empty; throws naming the file, the line and the problem.
PanelSetup read_setup(const std::filesystem::path& script, const std::filesystem::path& panel_cfg,
                      const std::filesystem::path& flight);

// Loads the panel's gauges, starts the flight, then runs the script. Returns the number of failed
// expectations; throws as run_script does.
int start_setup(Panel& panel, const PanelSetup& setup, const ScriptOptions& options);

} // namespace host
