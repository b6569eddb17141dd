// Any text as a panel.cfg: it parses, every gauge inside the bounds the host draws, or stops with a
// PanelConfigError.
#include "panel_config.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        const host::PanelConfig config = host::parse_panel_config(text, "fuzz/panel.cfg");
        for (const host::GaugePlacement& g : config.gauges) {
            // What drawing relies on: places and sizes that add up without overflow, names that are no path.
            if (std::abs(g.x) > host::MAX_PANEL_SIDE || std::abs(g.y) > host::MAX_PANEL_SIDE) std::abort();
            if (g.width < 0 || g.width > host::MAX_PANEL_SIDE) std::abort();
            if (g.module.find_first_of("/\\") != std::string::npos) std::abort();
        }
    } catch (const host::PanelConfigError&) {
    }
    return 0;
}
