// The headers of a Windows bitmap, as a module carries its faceplate artwork: a BMP file ("BM" and its
// 14-byte file header first) beside a native module, or a bitmap resource (the same without the file header)
// inside a Windows one. `inspect` reads size and depth from here; the renderer decodes the pixels after it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>

namespace host {

// A bitmap that cannot be read: says what is wrong with it.
class BmpError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct BmpHeader {
    int32_t width = 0;
    int32_t height = 0;                  // rows, whether stored bottom-up or top-down
    bool top_down = false;
    uint16_t bits_per_pixel = 0;
    uint32_t compression = 0;            // 0: uncompressed
    uint32_t colours = 0;                // palette entries the header declares; 0 means all 2^bits
    std::size_t palette_offset = 0;      // right after the info header
    std::size_t palette_entry_size = 4;  // 3 in the old 12-byte header
    std::optional<std::size_t> pixel_offset;   // named by the file header; a resource's follow its palette
};

// Reads the headers of either form. Throws BmpError for bytes that are no bitmap: truncated or unknown
// headers, no width or height (or an absurd one), a depth other than 1, 4, 8, 16, 24 or 32.
BmpHeader read_bmp_header(std::span<const uint8_t> bitmap);

} // namespace host
