#include "image.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace host::draw {

Image::Image(int width, int height, Rgba fill) : width_(width), height_(height)
{
    if (width < 0 || height < 0) throw std::invalid_argument("an image cannot have a negative size");
    if (static_cast<int64_t>(width) * height > MAX_PICTURE_PIXELS)
        throw std::length_error("a picture of " + std::to_string(width) + " x " + std::to_string(height) +
                                " pixels is larger than the host draws (" + std::to_string(MAX_PICTURE_PIXELS >> 20) +
                                " million pixels)");
    pixels_.assign(static_cast<size_t>(width) * height, fill);
}

Image scaled(const Image& image, int factor)
{
    if (factor < 1) throw std::invalid_argument("the scale factor must be a whole number of at least 1");
    if (static_cast<int64_t>(image.width()) * factor > INT32_MAX || static_cast<int64_t>(image.height()) * factor > INT32_MAX)
        throw std::length_error("a picture scaled " + std::to_string(factor) + " times is larger than the host draws");
    Image out(image.width() * factor, image.height() * factor);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) out.at(x, y) = image.at(x / factor, y / factor);
    return out;
}

Image resized(const Image& image, int width, int height)
{
    if (width < 1 || height < 1) throw std::invalid_argument("a picture needs a size of at least 1 x 1");
    if (width == image.width() && height == image.height()) return image;
    Image out(width, height);
    for (int y = 0; y < height; ++y) {
        const int top = y * image.height() / height;
        const int bottom = std::max(top + 1, (y + 1) * image.height() / height);
        for (int x = 0; x < width; ++x) {
            const int left = x * image.width() / width;
            const int right = std::max(left + 1, (x + 1) * image.width() / width);
            uint64_t r = 0, g = 0, b = 0, a = 0, count = 0;
            for (int sy = top; sy < bottom; ++sy)
                for (int sx = left; sx < right; ++sx) {
                    const Rgba& p = image.at(sx, sy);
                    r += uint64_t{p.r} * p.a;
                    g += uint64_t{p.g} * p.a;
                    b += uint64_t{p.b} * p.a;
                    a += p.a;
                    ++count;
                }
            if (a == 0) continue;
            out.at(x, y) = Rgba{static_cast<uint8_t>(r / a), static_cast<uint8_t>(g / a), static_cast<uint8_t>(b / a),
                                static_cast<uint8_t>(a / count)};
        }
    }
    return out;
}

} // namespace host::draw
