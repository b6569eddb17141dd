#include "bmp_header.h"

namespace host {

namespace {

constexpr std::size_t FILE_HEADER_SIZE = 14;
constexpr uint32_t CORE_HEADER_SIZE = 12;    // the old OS/2 header: 16-bit sizes, 3-byte colour entries
constexpr uint32_t INFO_HEADER_SIZE = 40;
constexpr uint32_t BI_BITFIELDS = 3;
constexpr uint32_t BI_ALPHABITFIELDS = 6;

uint16_t u16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t u32(const uint8_t* p) { return static_cast<uint32_t>(p[0] | p[1] << 8 | p[2] << 16) | uint32_t{p[3]} << 24; }

void put_u32(uint8_t* p, uint32_t v)
{
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

bool known_depth(uint16_t bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

} // namespace

std::optional<BmpInfo> read_bmp_info(const std::vector<uint8_t>& file)
{
    if (file.size() < FILE_HEADER_SIZE + CORE_HEADER_SIZE || file[0] != 'B' || file[1] != 'M') return std::nullopt;
    const uint8_t* info = file.data() + FILE_HEADER_SIZE;
    const uint32_t header_size = u32(info);
    BmpInfo result;
    if (header_size == CORE_HEADER_SIZE) {
        result.width = u16(info + 4);
        result.height = u16(info + 6);
        result.bits_per_pixel = u16(info + 10);
    } else if (header_size >= INFO_HEADER_SIZE && file.size() >= FILE_HEADER_SIZE + INFO_HEADER_SIZE) {
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

std::optional<std::vector<uint8_t>> bmp_file_from_resource(const uint8_t* data, std::size_t size)
{
    if (size < CORE_HEADER_SIZE) return std::nullopt;
    const uint32_t header_size = u32(data);
    uint64_t colours_at = header_size;   // the colour table follows the info header ...
    uint64_t colour_count = 0, entry_size = 4;
    if (header_size == CORE_HEADER_SIZE) {
        const uint16_t bits = u16(data + 10);
        colour_count = bits <= 8 ? uint64_t{1} << bits : 0;
        entry_size = 3;
    } else if (header_size >= INFO_HEADER_SIZE && size >= INFO_HEADER_SIZE) {
        const uint16_t bits = u16(data + 14);
        const uint32_t compression = u32(data + 16);
        const uint32_t used = u32(data + 32);
        colour_count = used != 0 ? used : bits <= 8 ? uint64_t{1} << bits : 0;
        // ... behind the channel masks, which a plain info header keeps outside itself.
        if (header_size == INFO_HEADER_SIZE && compression == BI_BITFIELDS) colours_at += 12;
        if (header_size == INFO_HEADER_SIZE && compression == BI_ALPHABITFIELDS) colours_at += 16;
    } else {
        return std::nullopt;
    }
    const uint64_t pixels_at = FILE_HEADER_SIZE + colours_at + colour_count * entry_size;
    const uint64_t file_size = FILE_HEADER_SIZE + size;
    if (pixels_at > file_size || file_size > UINT32_MAX) return std::nullopt;

    std::vector<uint8_t> file(FILE_HEADER_SIZE, 0);
    file[0] = 'B';
    file[1] = 'M';
    put_u32(&file[2], static_cast<uint32_t>(file_size));
    put_u32(&file[10], static_cast<uint32_t>(pixels_at));
    file.insert(file.end(), data, data + size);
    return file;
}

} // namespace host
