#include "compositor.h"

#include "bmp.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

namespace host::draw {

namespace {

using Box = Compositor::Box;

bool transparent(const Rgba& p) { return p.r == 0 && p.g == 0 && p.b == 0; }

// A displacement in pixels, toward zero like every conversion of the suite; far beyond any frame it
// saturates instead of overflowing.
int whole_pixels(double v)
{
    if (v != v) return 0;
    return static_cast<int>(std::clamp(std::trunc(v), -1e6, 1e6));
}

// The part of a rectangle anywhere in the plane that lies on a frame `width` x `height`.
Box on_frame(int64_t left, int64_t top, int64_t right, int64_t bottom, int width, int height)
{
    Box b{static_cast<int>(std::clamp<int64_t>(left, 0, width)), static_cast<int>(std::clamp<int64_t>(top, 0, height)),
          static_cast<int>(std::clamp<int64_t>(right, 0, width)), static_cast<int>(std::clamp<int64_t>(bottom, 0, height))};
    return b.empty() ? Box{} : b;
}

Box common(const Box& a, const Box& b)
{
    Box c{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
    return c.empty() ? Box{} : c;
}

} // namespace

Compositor::Compositor(std::string gauge_name, const BitmapSource& bitmaps, Fonts& fonts)
    : gauge_name_(std::move(gauge_name)), bitmaps_(bitmaps), fonts_(fonts)
{
}

const Compositor::Prepared& Compositor::bitmap(int32_t id)
{
    if (auto it = decoded_.find(id); it != decoded_.end()) return it->second;
    auto bytes = bitmaps_.bitmap(id);
    const std::string name = gauge_name_ + ": bitmap " + std::to_string(id);
    if (!bytes) throw std::runtime_error(name + " is missing (no " + bitmaps_.where(id) + ")");
    Prepared prepared;
    try {
        prepared.image = decode_bmp(*bytes);
    } catch (const BmpError& e) {
        throw std::runtime_error(name + " (" + bitmaps_.where(id) + ") cannot be read: " + e.what());
    }
    const Image& image = prepared.image;
    prepared.rows.resize(image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width();) {
            if (transparent(image.at(x, y))) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < image.width() && !transparent(image.at(x, y))) ++x;
            prepared.rows[y].push_back(Run{start, x - start});
        }
    return decoded_.emplace(id, std::move(prepared)).first->second;
}

Image Compositor::compose(const std::vector<ElementView>& elements)
{
    return update(elements);
}

const Image& Compositor::update(const std::vector<ElementView>& elements)
{
    if (elements.empty() || elements.front().kind != ElementKind::Static)
        throw std::runtime_error(gauge_name_ + ": the faceplate does not start with its background");
    const Image& background = bitmap(elements.front().record->resource_id).image;
    const int width = background.width(), height = background.height();
    try {
        now_.resize(elements.size());
        for (size_t i = 0; i < elements.size(); ++i) observe(elements[i], width, height, now_[i]);
        dirty_.clear();
        if (frame_.width() != width || frame_.height() != height || shown_.size() != elements.size()) {
            frame_ = Image(width, height);
            scratch_ = Image(width, height);
            dirty_.push_back(Box{0, 0, width, height});
        } else {
            for (size_t i = 0; i < elements.size(); ++i) {
                if (now_[i] == shown_[i]) continue;
                for (const Box& b : {shown_[i].box, now_[i].box})
                    if (!b.empty() && std::find(dirty_.begin(), dirty_.end(), b) == dirty_.end()) dirty_.push_back(b);
            }
        }
        for (const Box& b : dirty_) repaint(elements, b);
        std::swap(shown_, now_);
    } catch (...) {
        // Whatever was half drawn is drawn whole next time.
        shown_.clear();
        throw;
    }
    return frame_;
}

void Compositor::observe(const ElementView& e, int width, int height, Shown& s)
{
    s.box = Box{};
    s.bitmap = 0;
    s.x = s.y = 0;
    s.text.clear();
    s.font.clear();
    s.colour = s.background = 0;
    s.char_set = 0;
    s.box_width = s.box_height = 0;
    if (e.hidden) return;
    const ELEMENT_HEADER& h = *e.record;
    const auto lay = [&](int32_t id, int x, int y) {
        const Image& image = bitmap(id).image;
        s.bitmap = id;
        s.x = x;
        s.y = y;
        s.box = on_frame(x, y, int64_t{x} + image.width(), int64_t{y} + image.height(), width, height);
    };
    switch (e.kind) {
    case ElementKind::Static:
        lay(h.resource_id, h.position.x, h.position.y);
        break;
    case ElementKind::Icon: {
        // A frame the icon does not have shows nothing rather than some other element's bitmap.
        const auto* icon = reinterpret_cast<const ELEMENT_ICON*>(e.record);
        if (e.frame >= 0 && e.frame < icon->frame_count) lay(h.resource_id + e.frame, h.position.x, h.position.y);
        break;
    }
    case ElementKind::Slider:
        lay(h.resource_id, h.position.x + whole_pixels(e.dx), h.position.y + whole_pixels(e.dy));
        break;
    case ElementKind::String: {
        const TextRun run = text_run(e, width);
        s.x = run.x;
        s.y = run.y;
        s.box_width = run.box_width;
        s.box_height = run.box_height;
        s.text.assign(run.text);
        s.font.assign(run.font);
        s.colour = run.colour;
        s.background = run.background;
        s.char_set = run.char_set;
        if (run.box_width > 0 && run.box_height > 0)
            s.box = on_frame(run.x, run.y, int64_t{run.x} + run.box_width, int64_t{run.y} + run.box_height, width, height);
        break;
    }
    }
}

void Compositor::repaint(const std::vector<ElementView>& elements, const Box& box)
{
    const size_t row_bytes = static_cast<size_t>(box.right - box.left) * sizeof(Rgba);
    for (int y = box.top; y < box.bottom; ++y) {
        Rgba* row = &scratch_.at(box.left, y);
        std::fill(row, row + (box.right - box.left), Rgba{});
    }
    for (size_t i = 0; i < elements.size(); ++i)
        if (!common(now_[i].box, box).empty()) draw_element(elements[i], now_[i], box);
    for (int y = box.top; y < box.bottom; ++y) std::memcpy(&frame_.at(box.left, y), &scratch_.at(box.left, y), row_bytes);
}

void Compositor::draw_element(const ElementView& e, const Shown& s, const Box& clip)
{
    if (e.kind != ElementKind::String) {
        const Prepared& b = bitmap(s.bitmap);
        const Box on = common(s.box, clip);
        for (int y = on.top; y < on.bottom; ++y)
            for (const Run& run : b.rows[y - s.y]) {
                const int from = std::max(s.x + run.x, on.left), to = std::min(s.x + run.x + run.length, on.right);
                if (from < to)
                    std::memcpy(&scratch_.at(from, y), &b.image.at(from - s.x, y - s.y), static_cast<size_t>(to - from) * sizeof(Rgba));
            }
        return;
    }
    // Text is clipped to its own box; what it paints of it outside `clip` is never copied to the frame.
    try {
        fonts_.draw(scratch_, text_run(e, scratch_.width()));
    } catch (const std::exception& ex) {
        throw std::runtime_error(gauge_name_ + ": element " + std::to_string(e.index) + ": " + ex.what());
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
