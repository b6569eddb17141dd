#include "bmp_header.h"

#include <string>

namespace host {

namespace {

constexpr std::size_t FILE_HEADER_SIZE = 14;
constexpr uint32_t CORE_HEADER_SIZE = 12;    // the old OS/2 header: 16-bit sizes
constexpr uint32_t INFO_HEADER_SIZE = 40;
constexpr uint32_t LARGEST_HEADER_SIZE = 124;
constexpr int32_t MAX_SIDE = 16384;          // far beyond any faceplate; guards against absurd sizes

uint32_t u16(std::span<const uint8_t> b, std::size_t at) { return b[at] | (b[at + 1] << 8); }
uint32_t u32(std::span<const uint8_t> b, std::size_t at) { return u16(b, at) | (u16(b, at + 2) << 16); }

void need(std::span<const uint8_t> b, std::size_t size, const char* what)
{
    if (b.size() < size)
        throw BmpError("truncated: " + std::string(what) + " needs " + std::to_string(size) +
                       " bytes, the bitmap has " + std::to_string(b.size()));
}

} // namespace

BmpHeader read_bmp_header(std::span<const uint8_t> b)
{
    BmpHeader h;
    std::size_t info = 0;
    if (b.size() >= 2 && b[0] == 'B' && b[1] == 'M') {
        need(b, FILE_HEADER_SIZE + 4, "the file header");
        info = FILE_HEADER_SIZE;
        h.pixel_offset = u32(b, 10);
    }
    need(b, info + 4, "the info header");
    const uint32_t header_size = u32(b, info);
    int32_t height;
    if (header_size == CORE_HEADER_SIZE) {
        need(b, info + CORE_HEADER_SIZE, "the core header");
        h.width = static_cast<int32_t>(u16(b, info + 4));
        height = static_cast<int32_t>(u16(b, info + 6));
        h.bits_per_pixel = static_cast<uint16_t>(u16(b, info + 10));
        h.palette_entry_size = 3;
    } else if (header_size >= INFO_HEADER_SIZE && header_size <= LARGEST_HEADER_SIZE) {
        need(b, info + INFO_HEADER_SIZE, "the info header");
        h.width = static_cast<int32_t>(u32(b, info + 4));
        height = static_cast<int32_t>(u32(b, info + 8));
        h.bits_per_pixel = static_cast<uint16_t>(u16(b, info + 14));
        h.compression = u32(b, info + 16);
        h.colours = u32(b, info + 32);
    } else {
        throw BmpError("not a bitmap: unknown header size " + std::to_string(header_size));
    }
    h.palette_offset = info + header_size;

    // A negative height means the rows are stored top-down.
    h.top_down = height < 0;
    h.height = height == INT32_MIN ? 0 : (height < 0 ? -height : height);
    if (h.width <= 0 || h.height <= 0 || h.width > MAX_SIDE || h.height > MAX_SIDE)
        throw BmpError("bad size " + std::to_string(h.width) + " x " + std::to_string(height));
    switch (h.bits_per_pixel) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: throw BmpError(std::to_string(h.bits_per_pixel) + " bits per pixel is no bitmap depth");
    }
    return h;
}

} // namespace host
