// What the host reads from the headers of a BMP file, and the BMP file that a Windows bitmap resource
// stands for. Pixels are not decoded here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace host {

struct BmpInfo {
    int32_t width = 0;
    int32_t height = 0;              // rows, whether stored bottom-up or top-down
    uint16_t bits_per_pixel = 0;
};

// The size and depth a BMP file declares; nothing when the bytes are not a BMP file this host can read
// (no "BM", an unknown header, no width or height, a depth other than 1, 4, 8, 16, 24 or 32).
std::optional<BmpInfo> read_bmp_info(const std::vector<uint8_t>& file);

// A bitmap resource holds a BMP file without its 14-byte file header: the info header, the colour table
// and the pixels. Returns the whole file again, its header saying where the pixels begin; nothing when the
// resource is too short to hold an info header.
std::optional<std::vector<uint8_t>> bmp_file_from_resource(const uint8_t* data, std::size_t size);

} // namespace host
