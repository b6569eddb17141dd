#include "inspect.h"

#include "panel.h"

#include <cstdio>
#include <ostream>

namespace host {

namespace {

const char* cursor_name(int32_t cursor)
{
    switch (cursor) {
    case CURSOR_UPARROW: return "arrow up";
    case CURSOR_DOWNARROW: return "arrow down";
    case CURSOR_HAND: return "hand";
    default: return "none";
    }
}

} // namespace

void inspect_module(const std::filesystem::path& module, std::ostream& out)
{
    Panel panel;
    Gauge& g = panel.load(module);
    out << "gauge " << g.name() << " (" << module.filename().string() << ")\n";
    out << "elements:\n";
    for (const ElementView& v : g.elements()) {
        const ELEMENT_HEADER* e = v.record;
        out << "  " << v.index << " " << kind_name(v.kind) << " at " << e->position.x << "," << e->position.y;
        if (v.kind == ElementKind::String) {
            auto* s = reinterpret_cast<const ELEMENT_STRING*>(e);
            char colour[16];
            std::snprintf(colour, sizeof colour, "0x%06X", s->fg_color);
            out << " box " << s->box_width << "x" << s->box_height << " font \"" << s->font_name << "\" "
                << s->font_weight << " colour " << colour;
        } else {
            out << " bitmap " << e->resource_id;
            if (v.kind == ElementKind::Icon)
                out << " frames " << reinterpret_cast<const ELEMENT_ICON*>(e)->frame_count;
        }
        out << "\n";
    }
    out << "hotspots:\n";
    for (const HotspotView& h : g.hotspots()) {
        const MOUSERECT* r = h.record;
        out << "  " << h.number << " box " << r->x << "," << r->y << " " << r->width << "x" << r->height << " cursor "
            << cursor_name(r->cursor) << "\n";
    }
}

} // namespace host
