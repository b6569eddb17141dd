#include "png_file.h"

#include <png.h>

#include <cstring>
#include <stdexcept>
#include <string>

namespace host::draw {

static_assert(sizeof(Rgba) == 4, "pixels are handed to libpng as packed RGBA");

namespace {

png_image png_for(const Image& image)
{
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width());
    png.height = static_cast<png_uint_32>(image.height());
    png.format = PNG_FORMAT_RGBA;
    return png;
}

} // namespace

void write_png(const Image& image, const std::filesystem::path& file)
{
    png_image png = png_for(image);
    if (!png_image_write_to_file(&png, file.c_str(), 0, image.pixels().data(), 0, nullptr))
        throw std::runtime_error(file.string() + ": cannot write the picture (" + png.message + ")");
}

std::string encode_png(const Image& image)
{
    png_image png = png_for(image);
    png_alloc_size_t size = 0;
    // The first call measures, the second writes.
    if (!png_image_write_to_memory(&png, nullptr, &size, 0, image.pixels().data(), 0, nullptr))
        throw std::runtime_error(std::string("cannot encode the picture (") + png.message + ")");
    std::string bytes(size, '\0');
    if (!png_image_write_to_memory(&png, bytes.data(), &size, 0, image.pixels().data(), 0, nullptr))
        throw std::runtime_error(std::string("cannot encode the picture (") + png.message + ")");
    bytes.resize(size);
    return bytes;
}

Image read_png(const std::filesystem::path& file)
{
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, file.c_str()))
        throw std::runtime_error(file.string() + ": cannot read the picture (" + png.message + ")");
    png.format = PNG_FORMAT_RGBA;
    Image image(static_cast<int>(png.width), static_cast<int>(png.height));
    if (!png_image_finish_read(&png, nullptr, image.data(), 0, nullptr)) {
        std::string why = png.message;
        png_image_free(&png);
        throw std::runtime_error(file.string() + ": cannot read the picture (" + why + ")");
    }
    return image;
}

} // namespace host::draw
