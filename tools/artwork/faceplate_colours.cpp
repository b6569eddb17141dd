#include "faceplate_colours.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <vector>

namespace artwork {

namespace {

constexpr Rgba TRANSPARENT{0, 0, 0, 255};
constexpr Rgba VISIBLE_BLACK{1, 1, 1, 255};
constexpr size_t VISIBLE_ENTRIES = 255;

bool transparent(const Rgba& p) { return p.r == 0 && p.g == 0 && p.b == 0; }

uint32_t key(const Rgba& p) { return (p.r << 16) | (p.g << 8) | p.b; }
Rgba colour(uint32_t k) { return Rgba{uint8_t(k >> 16), uint8_t(k >> 8), uint8_t(k), 255}; }
int channel(uint32_t k, int c) { return (k >> (16 - 8 * c)) & 0xFF; }

struct Entry {
    uint32_t colour;
    size_t count;
};

// A box of the median cut: a run of colours, sorted along its widest channel when it is split.
struct Box {
    std::vector<Entry> entries;

    int widest(int& range) const
    {
        int best = 0;
        range = -1;
        for (int c = 0; c < 3; ++c) {
            auto [lo, hi] = std::minmax_element(entries.begin(), entries.end(), [c](const Entry& a, const Entry& b) {
                return channel(a.colour, c) < channel(b.colour, c);
            });
            const int r = channel(hi->colour, c) - channel(lo->colour, c);
            if (r > range) range = r, best = c;
        }
        return best;
    }

    Rgba mean() const
    {
        double sum[3] = {0, 0, 0};
        size_t n = 0;
        for (const Entry& e : entries) {
            for (int c = 0; c < 3; ++c) sum[c] += channel(e.colour, c) * static_cast<double>(e.count);
            n += e.count;
        }
        Rgba out{static_cast<uint8_t>(sum[0] / n + 0.5), static_cast<uint8_t>(sum[1] / n + 0.5),
                 static_cast<uint8_t>(sum[2] / n + 0.5), 255};
        return transparent(out) ? VISIBLE_BLACK : out;
    }
};

// Splits the widest box at its pixel-weighted median until there are `count` boxes.
std::vector<Rgba> median_cut(std::vector<Entry> colours, size_t count)
{
    std::vector<Box> boxes{Box{std::move(colours)}};
    while (boxes.size() < count) {
        size_t pick = boxes.size();
        int pick_range = 0, pick_channel = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].entries.size() < 2) continue;
            int range;
            int c = boxes[i].widest(range);
            if (range > pick_range) pick = i, pick_range = range, pick_channel = c;
        }
        if (pick == boxes.size()) break;
        auto& entries = boxes[pick].entries;
        std::sort(entries.begin(), entries.end(), [c = pick_channel](const Entry& a, const Entry& b) {
            return channel(a.colour, c) != channel(b.colour, c) ? channel(a.colour, c) < channel(b.colour, c)
                                                                : a.colour < b.colour;
        });
        size_t total = 0, half = 0, cut = 1;
        for (const Entry& e : entries) total += e.count;
        for (size_t i = 0; i + 1 < entries.size(); ++i) {
            half += entries[i].count;
            cut = i + 1;
            if (half * 2 >= total) break;
        }
        Box upper{std::vector<Entry>(entries.begin() + cut, entries.end())};
        entries.resize(cut);
        boxes.push_back(std::move(upper));
    }
    std::vector<Rgba> palette;
    for (const Box& b : boxes) palette.push_back(b.mean());
    return palette;
}

uint8_t nearest(const std::vector<Rgba>& palette, const Rgba& p)
{
    size_t best = 1;
    long best_distance = -1;
    for (size_t i = 1; i < palette.size(); ++i) {
        const long dr = p.r - palette[i].r, dg = p.g - palette[i].g, db = p.b - palette[i].b;
        const long d = dr * dr + dg * dg + db * db;
        if (best_distance < 0 || d < best_distance) best = i, best_distance = d;
    }
    return static_cast<uint8_t>(best);
}

} // namespace

Image to_faceplate_colours(const Image& rendered)
{
    Image out(rendered.width(), rendered.height());
    for (int y = 0; y < rendered.height(); ++y)
        for (int x = 0; x < rendered.width(); ++x) {
            Rgba p = rendered.at(x, y);
            if (p.a < 128) {
                out.at(x, y) = TRANSPARENT;
                continue;
            }
            p.a = 255;
            out.at(x, y) = transparent(p) ? VISIBLE_BLACK : p;
        }
    return out;
}

IndexedImage to_palette(const Image& faceplate)
{
    std::map<uint32_t, size_t> counts;
    for (const Rgba& p : faceplate.pixels())
        if (!transparent(p)) ++counts[key(p)];

    IndexedImage out;
    out.width = faceplate.width();
    out.height = faceplate.height();
    out.palette.push_back(TRANSPARENT);
    std::vector<Entry> colours;
    for (auto [k, n] : counts) colours.push_back(Entry{k, n});
    if (colours.size() <= VISIBLE_ENTRIES) {
        for (const Entry& e : colours) out.palette.push_back(colour(e.colour));
    } else {
        for (const Rgba& c : median_cut(std::move(colours), VISIBLE_ENTRIES)) out.palette.push_back(c);
    }

    std::map<uint32_t, uint8_t> index_of;
    out.indices.reserve(faceplate.pixels().size());
    for (const Rgba& p : faceplate.pixels()) {
        if (transparent(p)) {
            out.indices.push_back(0);
            continue;
        }
        auto [it, fresh] = index_of.try_emplace(key(p), 0);
        if (fresh) it->second = nearest(out.palette, p);
        out.indices.push_back(it->second);
    }
    return out;
}

} // namespace artwork
