// What `inspect` reads from a bitmap's headers: its size and depth. The pixels are not decoded here.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace host {

struct BmpInfo {
    int32_t width = 0;
    int32_t height = 0;              // rows, whether stored bottom-up or top-down
    uint16_t bits_per_pixel = 0;
};

// The size and depth a bitmap declares, in either form a BitmapSource gives: a BMP file ("BM" and its
// 14-byte file header first) or a bitmap resource (the same without the file header). Nothing when the
// bytes are neither: an unknown or truncated info header, no width or height, a depth other than 1, 4,
// 8, 16, 24 or 32.
std::optional<BmpInfo> read_bmp_info(const std::vector<uint8_t>& bitmap);

} // namespace host
