#include "setup.h"

#include "panel.h"

namespace host {

PanelSetup read_setup(const std::filesystem::path& script, const std::filesystem::path& panel_cfg,
                      const std::filesystem::path& flight)
{
    PanelSetup setup;
    if (!script.empty()) setup.script = read_script(script);
    if (!panel_cfg.empty()) setup.config = read_panel_config(panel_cfg);
    if (!flight.empty()) setup.flight = read_flight(flight);
    return setup;
}

int start_setup(Panel& panel, const PanelSetup& setup, const ScriptOptions& options)
{
    if (setup.config) load_panel(panel, *setup.config, options.module_dirs);
    if (setup.flight) panel.sim().load_flight(*setup.flight);
    return setup.script.empty() ? 0 : run_script(setup.script, panel, options);
}

} // namespace host
