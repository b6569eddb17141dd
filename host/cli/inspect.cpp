#include "inspect.h"

#include "bitmap_source.h"
#include "bmp_header.h"
#include "panel.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <set>

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

// Every resource number the faceplate draws from; an icon with k frames uses its own and the k-1 after it.
std::set<int32_t> bitmap_ids(const Gauge& gauge)
{
    std::set<int32_t> ids;
    for (const ElementView& v : gauge.elements()) {
        const int32_t id = v.record->resource_id;
        if (v.kind == ElementKind::String || id < 0) continue;
        const int64_t frames =
            v.kind == ElementKind::Icon ? reinterpret_cast<const ELEMENT_ICON*>(v.record)->frame_count : 1;
        // Resource numbers are 16 bits, 1 to 65535: a frame count beyond them names nothing more.
        for (int64_t n = std::max(id, 1); n < id + std::max<int64_t>(frames, 1) && n <= 0xFFFF; ++n)
            ids.insert(static_cast<int32_t>(n));
    }
    return ids;
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
    out << "bitmaps:\n";
    const auto bitmaps = module_bitmaps(g.module());
    for (int32_t id : bitmap_ids(g)) {
        out << "  " << id << " ";
        const auto bytes = bitmaps->bitmap(id);
        if (!bytes) {
            out << "missing\n";
            continue;
        }
        try {
            const BmpHeader h = read_bmp_header(*bytes);
            out << h.width << "x" << h.height << " " << h.bits_per_pixel << "-bit\n";
        } catch (const BmpError& e) {
            out << "not a bitmap (" << e.what() << ")\n";
        }
    }
}

} // namespace host
