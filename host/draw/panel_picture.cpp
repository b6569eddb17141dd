#include "panel_picture.h"

#include "compositor.h"
#include "panel.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace host::draw {

namespace {

struct Placed {
    Image picture;
    int x, y;
};

} // namespace

PlacedSize placed_size(const GaugePlacement& at, int face_width, int face_height)
{
    const int w = at.width > 0 ? at.width : face_width;
    const int h = at.height ? *at.height
                            : std::max(1, static_cast<int>(static_cast<int64_t>(face_height) * w / std::max(1, face_width)));
    return PlacedSize{w, h};
}

Image render_panel_window(const Panel& panel, int window, Fonts& fonts)
{
    const auto& windows = panel.windows();
    if (window < 0 || window >= static_cast<int>(windows.size()))
        throw std::runtime_error("the panel has no window " + std::to_string(window) + " (it has " +
                                 std::to_string(windows.size()) + ")");
    std::vector<Placed> placed;
    int width = 0, height = 0;
    for (const auto& gauge : panel.gauges()) {
        const GaugePlacement* at = panel.placement(gauge->name());
        if (!at || at->window != window) continue;
        Image picture = render_gauge(*gauge, fonts);
        const auto [w, h] = placed_size(*at, picture.width(), picture.height());
        // Nothing of it would show, and a window of nothing is no picture.
        if (at->x + w <= 0 || at->y + h <= 0)
            throw std::runtime_error(gauge->name() + " lies wholly outside window " + windows[window].section + " (at " +
                                     std::to_string(at->x) + "," + std::to_string(at->y) + ", " + std::to_string(w) +
                                     " x " + std::to_string(h) + ")");
        placed.push_back(Placed{resized(picture, w, h), at->x, at->y});
        width = std::max(width, at->x + w);
        height = std::max(height, at->y + h);
    }
    if (placed.empty()) throw std::runtime_error("window " + windows[window].section + " holds no gauge");

    Image frame(width, height, PANEL_GREY);
    for (const Placed& p : placed)
        for (int y = 0; y < p.picture.height(); ++y)
            for (int x = 0; x < p.picture.width(); ++x) {
                const Rgba& c = p.picture.at(x, y);
                if (c.a == 0 || !frame.contains(p.x + x, p.y + y)) continue;
                // Edges of a gauge drawn smaller than its bitmaps are partly covered: blend them.
                Rgba& under = frame.at(p.x + x, p.y + y);
                auto mix = [&](uint8_t top, uint8_t bottom) {
                    return static_cast<uint8_t>((top * c.a + bottom * (255 - c.a) + 127) / 255);
                };
                under = Rgba{mix(c.r, under.r), mix(c.g, under.g), mix(c.b, under.b), 255};
            }
    return frame;
}

} // namespace host::draw
