// A panel window as the pilot sees it: every gauge of the window drawn at its place and size from the
// panel.cfg, over the panel's own dark grey.
#pragma once

#include "image.h"
#include "panel_config.h"

namespace host {
class Panel;
}

namespace host::draw {

class Fonts;

constexpr Rgba PANEL_GREY{38, 40, 43, 255};

// The size at which a gauge sits on its window: the panel.cfg line's width, and its height or, without
// one, the height that keeps the faceplate's proportions.
struct PlacedSize {
    int width, height;
};
PlacedSize placed_size(const GaugePlacement& at, int face_width, int face_height);

// Throws std::runtime_error when the panel has no such window or the window holds no gauge, and as
// render_gauge does for a missing bitmap or font.
Image render_panel_window(const Panel& panel, int window, Fonts& fonts);

} // namespace host::draw
