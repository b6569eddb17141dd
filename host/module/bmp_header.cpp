#include "bmp_header.h"

namespace host {

namespace {

constexpr std::size_t FILE_HEADER_SIZE = 14;
constexpr uint32_t CORE_HEADER_SIZE = 12;    // the old OS/2 header: 16-bit sizes
constexpr uint32_t INFO_HEADER_SIZE = 40;

uint16_t u16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t u32(const uint8_t* p) { return static_cast<uint32_t>(p[0] | p[1] << 8 | p[2] << 16) | uint32_t{p[3]} << 24; }

bool known_depth(uint16_t bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

} // namespace

std::optional<BmpInfo> read_bmp_info(const std::vector<uint8_t>& bitmap)
{
    const bool file_form = bitmap.size() >= 2 && bitmap[0] == 'B' && bitmap[1] == 'M';
    const std::size_t at = file_form ? FILE_HEADER_SIZE : 0;
    if (bitmap.size() < at + CORE_HEADER_SIZE) return std::nullopt;
    const uint8_t* info = bitmap.data() + at;
    const uint32_t header_size = u32(info);
    BmpInfo result;
    if (header_size == CORE_HEADER_SIZE) {
        result.width = u16(info + 4);
        result.height = u16(info + 6);
        result.bits_per_pixel = u16(info + 10);
    } else if (header_size >= INFO_HEADER_SIZE && bitmap.size() >= at + INFO_HEADER_SIZE) {
        result.width = static_cast<int32_t>(u32(info + 4));
        const int32_t height = static_cast<int32_t>(u32(info + 8));
        if (height == INT32_MIN) return std::nullopt;
        result.height = height < 0 ? -height : height;   // negative: stored top-down
        result.bits_per_pixel = u16(info + 14);
    } else {
        return std::nullopt;
    }
    if (result.width <= 0 || result.height <= 0 || !known_depth(result.bits_per_pixel)) return std::nullopt;
    return result;
}

} // namespace host
