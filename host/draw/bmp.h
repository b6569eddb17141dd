// Windows bitmaps: the faceplate artwork as the gauges carry it. A bitmap file starts with the 14-byte
// "BM" file header; the same bitmap linked into a module as a resource starts directly with its info
// header. The reader takes both.
#pragma once

#include "bmp_header.h"
#include "image.h"

#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

namespace host::draw {

using host::BmpError;

// Reads an uncompressed 1-, 4-, 8- or 24-bit bitmap, bottom-up or top-down, with or without its file
// header. Every pixel comes out opaque: which pixels are transparent is the compositor's business.
Image decode_bmp(std::span<const uint8_t> bytes);

// A palette image: one index per pixel, rows top to bottom.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> indices;
    std::vector<Rgba> palette;   // at most 2^bits entries
};

// Writes a complete bitmap file (file header and BITMAPINFOHEADER), bottom-up, uncompressed.
std::vector<uint8_t> encode_bmp(const IndexedImage& image, int bits);   // 1, 4 or 8 bits
std::vector<uint8_t> encode_bmp_24(const Image& image);                 // alpha is dropped

} // namespace host::draw
