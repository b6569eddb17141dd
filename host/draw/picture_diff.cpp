#include "picture_diff.h"

#include <algorithm>

namespace host::draw {

namespace {

// The pixel at (x, y), or nothing when the picture does not reach there.
const Rgba* pixel(const Image& image, int x, int y)
{
    return image.contains(x, y) ? &image.at(x, y) : nullptr;
}

bool same(const Rgba* a, const Rgba* b)
{
    return a && b && *a == *b;
}

} // namespace

std::string PictureDifference::describe() const
{
    if (none()) return "the pictures are identical";
    std::string text = std::to_string(pixels) + " pixels differ";
    if (pixels)
        text += ", within x " + std::to_string(left) + ".." + std::to_string(right - 1) + ", y " + std::to_string(top) +
                ".." + std::to_string(bottom - 1);
    if (sizes_differ) text += "; the pictures differ in size";
    return text;
}

PictureDifference compare_pictures(const Image& expected, const Image& actual)
{
    PictureDifference d;
    d.sizes_differ = expected.width() != actual.width() || expected.height() != actual.height();
    const int w = std::max(expected.width(), actual.width()), h = std::max(expected.height(), actual.height());
    d.left = w, d.top = h;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (!same(pixel(expected, x, y), pixel(actual, x, y))) {
                ++d.pixels;
                d.left = std::min(d.left, x), d.top = std::min(d.top, y);
                d.right = std::max(d.right, x + 1), d.bottom = std::max(d.bottom, y + 1);
            }
    if (d.pixels == 0) d.left = d.top = 0;
    return d;
}

Image difference_picture(const Image& expected, const Image& actual)
{
    const int w = std::max(expected.width(), actual.width()), h = std::max(expected.height(), actual.height());
    Image out(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const Rgba* e = pixel(expected, x, y);
            if (!same(e, pixel(actual, x, y))) {
                out.at(x, y) = Rgba{255, 0, 0, 255};
            } else {
                const auto grey = static_cast<uint8_t>(160 + (e->r + e->g + e->b) / 3 * 95 / 255);
                out.at(x, y) = Rgba{grey, grey, grey, 255};
            }
        }
    return out;
}

} // namespace host::draw
