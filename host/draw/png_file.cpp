#include "png_file.h"

#include <png.h>

#include <csetjmp>
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
    // Pictures sent to a browser many times a second: fast compression is worth more than small files.
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        throw std::runtime_error("cannot encode the picture (out of memory)");
    }
    std::string bytes;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("cannot encode the picture");
    }
    png_set_write_fn(
        png, &bytes,
        [](png_structp p, png_bytep data, png_size_t size) {
            static_cast<std::string*>(png_get_io_ptr(p))->append(reinterpret_cast<const char*>(data), size);
        },
        nullptr);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()), static_cast<png_uint_32>(image.height()), 8,
                 PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 1);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    png_write_info(png, info);
    for (int y = 0; y < image.height(); ++y)
        png_write_row(png, reinterpret_cast<png_const_bytep>(&image.pixels()[static_cast<size_t>(y) * image.width()]));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
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
    if (static_cast<int64_t>(png.width) * png.height > MAX_PICTURE_PIXELS) {
        png_image_free(&png);
        throw std::runtime_error(file.string() + ": a picture of " + std::to_string(png.width) + " x " +
                                 std::to_string(png.height) + " pixels is larger than the host reads");
    }
    Image image(static_cast<int>(png.width), static_cast<int>(png.height));
    if (!png_image_finish_read(&png, nullptr, image.data(), 0, nullptr)) {
        std::string why = png.message;
        png_image_free(&png);
        throw std::runtime_error(file.string() + ": cannot read the picture (" + why + ")");
    }
    return image;
}

} // namespace host::draw
