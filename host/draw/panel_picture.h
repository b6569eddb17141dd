// A panel window as the pilot sees it: every gauge of the window drawn at its place and size from the
// panel.cfg, over the panel's own dark grey.
#pragma once

#include "image.h"

namespace host {
class Panel;
}

namespace host::draw {

class Fonts;

constexpr Rgba PANEL_GREY{38, 40, 43, 255};

// Throws std::runtime_error when the panel has no such window or the window holds no gauge, and as
// render_gauge does for a missing bitmap or font.
Image render_panel_window(const Panel& panel, int window, Fonts& fonts);

} // namespace host::draw
