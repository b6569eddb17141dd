#include "gauge.h"

#include "gauge_names.h"
#include "truncate.h"

#include <algorithm>
#include <cstring>
#include <sstream>
#include <stdexcept>

namespace host {

namespace {

constexpr size_t TEXT_GUARD = 16;
constexpr char GUARD_BYTE = static_cast<char>(0xA5);
constexpr int MAX_ELEMENTS = 4096;
constexpr int MAX_MOUSE_RECTS = 4096;

} // namespace

const char* kind_name(ElementKind kind)
{
    switch (kind) {
    case ElementKind::Static: return "static";
    case ElementKind::String: return "string";
    case ElementKind::Slider: return "slider";
    case ElementKind::Icon: return "icon";
    }
    return "?";
}

bool HotspotView::contains(int x, int y) const
{
    // A box (x, y, w, h) covers x <= px < x + w and y <= py < y + h: a box w pixels wide is w pixels wide.
    // Neighbouring boxes that overlap by one column both hold it, and the first in table order takes it.
    return x >= record->x && x < record->x + record->width && y >= record->y && y < record->y + record->height;
}

Gauge::Gauge(std::unique_ptr<LoadedModule> module, uint32_t text_capacity)
    : module_(std::move(module)), name_(module_->gauge_name()), text_capacity_(text_capacity)
{
    GAUGEHDR* hdr = header();
    const FaceplateNames* names = faceplate_names(name_);
    int index = 0;
    for (ELEMENT_HEADER* e = hdr->elements_list; e; e = e->next_element ? e->next_element[0] : nullptr) {
        if (++index > MAX_ELEMENTS) throw std::runtime_error(name_ + ": the faceplate chain does not end");
        ElementView view;
        view.index = index;
        view.record = e;
        view.name = name_of_number(names ? &names->elements : nullptr, index);
        switch (e->element_type) {
        case ELEMENT_TYPE_STATIC_IMAGE: view.kind = ElementKind::Static; break;
        case ELEMENT_TYPE_STRING: view.kind = ElementKind::String; break;
        case ELEMENT_TYPE_SLIDER: view.kind = ElementKind::Slider; break;
        case ELEMENT_TYPE_ICON: view.kind = ElementKind::Icon; break;
        default:
            throw std::runtime_error(name_ + ": element " + std::to_string(index) + " has unknown kind " +
                                     std::to_string(e->element_type));
        }
        if (view.kind == ElementKind::String) view.buffer.assign(text_capacity_ + TEXT_GUARD, GUARD_BYTE);
        elements_.push_back(std::move(view));
    }
    if (elements_.empty()) throw std::runtime_error(name_ + ": the gauge has no faceplate");
    if (elements_.front().kind != ElementKind::Static)
        throw std::runtime_error(name_ + ": the faceplate does not start with its background");

    if (const MOUSERECT* r = hdr->mouse_rect) {
        for (int i = 0; r[i].rect_type != MOUSE_RECT_EOL; ++i) {
            if (i > MAX_MOUSE_RECTS) throw std::runtime_error(name_ + ": the hotspot table does not end");
            if (r[i].rect_type == MOUSE_RECT_CHILD) {
                const int number = static_cast<int>(hotspots_.size()) + 1;
                hotspots_.push_back(HotspotView{number, name_of_number(names ? &names->hotspots : nullptr, number), &r[i]});
            }
        }
    }
    // The text buffers live as long as the gauge; the element records point at them from now on.
    for (ElementView& v : elements_)
        if (v.kind == ElementKind::String) {
            auto* s = reinterpret_cast<ELEMENT_STRING*>(v.record);
            s->string = v.buffer.data();
            s->max_string_length = text_capacity_;
            std::memset(s->string, 0, text_capacity_);
        }
}

void Gauge::service(int32_t id)
{
    if (SERVICE_CALLBACK cb = header()->gauge_callback) cb(header(), id, 0);
}

void Gauge::draw_elements(const std::function<void(MODULE_VAR*)>& refresh)
{
    for (ElementView& v : elements_) {
        ELEMENT_HEADER* e = v.record;
        switch (v.kind) {
        case ElementKind::Static: break;
        case ElementKind::String: {
            auto* s = reinterpret_cast<ELEMENT_STRING*>(e);
            for (MODULE_VAR& src : s->source_var)
                if (src.id != 0) refresh(&src);
            if (s->update_string) s->update_string(s);
            for (size_t i = text_capacity_; i < v.buffer.size(); ++i)
                if (v.buffer[i] != GUARD_BYTE)
                    throw std::runtime_error(name_ + ": element " + std::to_string(v.index) +
                                             " wrote past its text buffer of " + std::to_string(text_capacity_) +
                                             " bytes");
            v.text.assign(v.buffer.data(), strnlen(v.buffer.data(), text_capacity_));
            break;
        }
        case ElementKind::Slider: {
            auto* s = reinterpret_cast<ELEMENT_SLIDER*>(e);
            if (s->source_var_x.id != 0) refresh(&s->source_var_x);
            if (s->source_var_y.id != 0) refresh(&s->source_var_y);
            double x = s->update_x ? s->update_x(s) : s->source_var_x.var_value.f;
            double y = s->update_y ? s->update_y(s) : s->source_var_y.var_value.f;
            v.dx = x * s->scale_x;
            v.dy = y * s->scale_y;
            break;
        }
        case ElementKind::Icon: {
            auto* icon = reinterpret_cast<ELEMENT_ICON*>(e);
            if (icon->source_var.id != 0) refresh(&icon->source_var);
            v.frame = truncate_to_int(icon->update_icon ? icon->update_icon(icon) : icon->source_var.var_value.f);
            break;
        }
        }
        v.hidden = (e->image_flags & IMAGE_HIDDEN) != 0;
    }
    drawn_ = true;
}

const ElementView& Gauge::element(int index) const
{
    if (index < 1 || index > static_cast<int>(elements_.size()))
        throw std::out_of_range(name_ + " has no element " + std::to_string(index) + " (it has " +
                                std::to_string(elements_.size()) + ")");
    return elements_[index - 1];
}

int Gauge::hotspot_at(int x, int y) const
{
    for (const HotspotView& h : hotspots_)
        if (h.contains(x, y)) return h.number;
    return 0;
}

void Gauge::click(int number)
{
    if (number < 1 || number > static_cast<int>(hotspots_.size()))
        throw std::out_of_range(name_ + " has no hotspot " + std::to_string(number) + " (it has " +
                                std::to_string(hotspots_.size()) + ")");
    const MOUSERECT* r = hotspots_[number - 1].record;
    if (r->callback) {
        PIXPOINT point{r->x, r->y};
        r->callback(&point, MOUSE_LEFTSINGLE);
    }
}

std::string Gauge::describe() const
{
    std::ostringstream out;
    out << name_ << ":\n";
    for (const ElementView& v : elements_) {
        out << "  " << v.index << " " << (v.name.empty() ? "" : v.name + " ") << kind_name(v.kind)
            << (v.hidden ? " hidden" : " shown");
        if (v.kind == ElementKind::String) out << " \"" << v.text << "\"";
        if (v.kind == ElementKind::Icon) out << " frame " << v.frame;
        if (v.kind == ElementKind::Slider) out << " displaced " << v.dx << "," << v.dy;
        out << "\n";
    }
    return out.str();
}

} // namespace host
