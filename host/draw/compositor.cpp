#include "compositor.h"

#include "bmp.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

namespace host::draw {

namespace {

bool transparent(const Rgba& p) { return p.r == 0 && p.g == 0 && p.b == 0; }

void lay_bitmap(Image& frame, const Image& bitmap, int left, int top)
{
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x) {
            const Rgba& p = bitmap.at(x, y);
            if (!transparent(p) && frame.contains(left + x, top + y)) frame.at(left + x, top + y) = p;
        }
}

// A displacement in pixels, toward zero like every conversion of the suite; far beyond any frame it
// saturates instead of overflowing.
int whole_pixels(double v)
{
    if (v != v) return 0;
    return static_cast<int>(std::clamp(std::trunc(v), -1e6, 1e6));
}

} // namespace

Compositor::Compositor(std::string gauge_name, const BitmapSource& bitmaps, Fonts& fonts)
    : gauge_name_(std::move(gauge_name)), bitmaps_(bitmaps), fonts_(fonts)
{
}

const Image& Compositor::bitmap(int32_t id)
{
    if (auto it = decoded_.find(id); it != decoded_.end()) return it->second;
    auto bytes = bitmaps_.bitmap(id);
    const std::string name = gauge_name_ + ": bitmap " + std::to_string(id);
    if (!bytes) throw std::runtime_error(name + " is missing (no " + bitmaps_.where(id) + ")");
    try {
        return decoded_.emplace(id, decode_bmp(*bytes)).first->second;
    } catch (const BmpError& e) {
        throw std::runtime_error(name + " (" + bitmaps_.where(id) + ") cannot be read: " + e.what());
    }
}

Image Compositor::compose(const std::vector<ElementView>& elements)
{
    if (elements.empty() || elements.front().kind != ElementKind::Static)
        throw std::runtime_error(gauge_name_ + ": the faceplate does not start with its background");
    const Image& background = bitmap(elements.front().record->resource_id);
    Image frame(background.width(), background.height());
    for (const ElementView& e : elements) draw_element(frame, e);
    return frame;
}

void Compositor::draw_element(Image& frame, const ElementView& e)
{
    if (e.hidden) return;
    const ELEMENT_HEADER& h = *e.record;
    switch (e.kind) {
    case ElementKind::Static:
        lay_bitmap(frame, bitmap(h.resource_id), h.position.x, h.position.y);
        break;
    case ElementKind::Icon: {
        // A frame the icon does not have shows nothing rather than some other element's bitmap.
        const auto* icon = reinterpret_cast<const ELEMENT_ICON*>(e.record);
        if (e.frame >= 0 && e.frame < icon->frame_count)
            lay_bitmap(frame, bitmap(h.resource_id + e.frame), h.position.x, h.position.y);
        break;
    }
    case ElementKind::Slider:
        lay_bitmap(frame, bitmap(h.resource_id), h.position.x + whole_pixels(e.dx), h.position.y + whole_pixels(e.dy));
        break;
    case ElementKind::String: {
        const TextRun run = text_run(e, frame.width());
        try {
            fonts_.draw(frame, run);
        } catch (const std::exception& ex) {
            throw std::runtime_error(gauge_name_ + ": element " + std::to_string(e.index) + ": " + ex.what());
        }
        break;
    }
    }
}

TextRun text_run(const ElementView& e, int faceplate_width)
{
    const ELEMENT_HEADER& h = *e.record;
    const auto* s = reinterpret_cast<const ELEMENT_STRING*>(e.record);
    TextRun run;
    run.x = h.position.x;
    run.y = h.position.y;
    // Boxes reach past the faceplate's right edge (most end at x 602 of 600): text fits what is seen of them.
    run.box_width = std::min<int>(s->box_width, faceplate_width - h.position.x);
    run.box_height = s->box_height;
    run.font = std::string_view(s->font_name, strnlen(s->font_name, FONT_NAME_CAPACITY));
    run.colour = s->fg_color;
    run.background = s->bg_color;
    run.char_set = s->char_set;
    run.text = e.text;
    return run;
}

Image render_gauge(const Gauge& gauge, Fonts& fonts)
{
    auto bitmaps = module_bitmaps(gauge.module());
    Compositor compositor(gauge.name(), *bitmaps, fonts);
    return compositor.compose(gauge.elements());
}

} // namespace host::draw
