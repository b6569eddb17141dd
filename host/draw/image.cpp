#include "image.h"

#include <stdexcept>

namespace host::draw {

Image::Image(int width, int height, Rgba fill) : width_(width), height_(height)
{
    if (width < 0 || height < 0) throw std::invalid_argument("an image cannot have a negative size");
    pixels_.assign(static_cast<size_t>(width) * height, fill);
}

Image scaled(const Image& image, int factor)
{
    if (factor < 1) throw std::invalid_argument("the scale factor must be a whole number of at least 1");
    Image out(image.width() * factor, image.height() * factor);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) out.at(x, y) = image.at(x / factor, y / factor);
    return out;
}

} // namespace host::draw
