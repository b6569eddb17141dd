#include "bmp.h"

#include <string>

namespace host::draw {

namespace {

constexpr size_t FILE_HEADER_SIZE = 14;
constexpr uint32_t INFO_HEADER_SIZE = 40;
constexpr uint32_t BI_RGB = 0;

void need(std::span<const uint8_t> b, size_t size, const char* what)
{
    if (b.size() < size)
        throw BmpError("truncated: " + std::string(what) + " needs " + std::to_string(size) + " bytes, the bitmap has " +
                       std::to_string(b.size()));
}

size_t row_stride(int width, int bits) { return ((static_cast<size_t>(width) * bits + 31) / 32) * 4; }

void put16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// File header and BITMAPINFOHEADER for a bottom-up, uncompressed bitmap.
std::vector<uint8_t> headers(int width, int height, int bits, uint32_t colours)
{
    const uint32_t data_offset = FILE_HEADER_SIZE + INFO_HEADER_SIZE + 4 * colours;
    const uint32_t data_size = static_cast<uint32_t>(row_stride(width, bits) * height);
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    put32(out, data_offset + data_size);
    put32(out, 0);
    put32(out, data_offset);
    put32(out, INFO_HEADER_SIZE);
    put32(out, static_cast<uint32_t>(width));
    put32(out, static_cast<uint32_t>(height));
    put16(out, 1);
    put16(out, static_cast<uint32_t>(bits));
    put32(out, BI_RGB);
    put32(out, data_size);
    put32(out, 2835);   // 72 dots per inch
    put32(out, 2835);
    put32(out, colours);
    put32(out, 0);
    return out;
}

} // namespace

Image decode_bmp(std::span<const uint8_t> b)
{
    const BmpHeader h = read_bmp_header(b);
    if (h.compression != BI_RGB)
        throw BmpError("compression " + std::to_string(h.compression) + " is not supported (only uncompressed bitmaps)");
    const int bits = h.bits_per_pixel;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24)
        throw BmpError(std::to_string(bits) + " bits per pixel is not supported (1, 4, 8 or 24)");
    const int width = h.width, height = h.height;
    const bool top_down = h.top_down;
    const size_t palette_at = h.palette_offset, entry_size = h.palette_entry_size;
    uint32_t colours = h.colours;

    std::vector<Rgba> palette;
    if (bits <= 8) {
        const uint32_t most = 1u << bits;
        if (colours == 0 || colours > most) colours = most;
        need(b, palette_at + colours * entry_size, "the palette");
        for (uint32_t i = 0; i < colours; ++i) {
            const size_t at = palette_at + i * entry_size;
            palette.push_back(Rgba{b[at + 2], b[at + 1], b[at], 255});
        }
    }
    // The file form names where the pixels start; the resource form puts them right after the palette.
    const size_t data_offset =
        h.pixel_offset ? *h.pixel_offset : palette_at + (bits <= 8 ? colours * entry_size : colours * 4);

    const size_t stride = row_stride(width, bits);
    need(b, data_offset + stride * height, "the pixels");

    Image image(width, height);
    for (int row = 0; row < height; ++row) {
        const uint8_t* line = b.data() + data_offset + stride * row;
        const int y = top_down ? row : height - 1 - row;
        for (int x = 0; x < width; ++x) {
            if (bits == 24) {
                const uint8_t* p = line + 3 * x;
                image.at(x, y) = Rgba{p[2], p[1], p[0], 255};
                continue;
            }
            const size_t bit = static_cast<size_t>(x) * bits;
            const unsigned index = (line[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
            if (index >= palette.size())
                throw BmpError("pixel " + std::to_string(x) + "," + std::to_string(y) + " uses colour " +
                               std::to_string(index) + " of a palette of " + std::to_string(palette.size()));
            image.at(x, y) = palette[index];
        }
    }
    return image;
}

std::vector<uint8_t> encode_bmp(const IndexedImage& image, int bits)
{
    if (bits != 1 && bits != 4 && bits != 8) throw std::invalid_argument("a palette bitmap has 1, 4 or 8 bits a pixel");
    if (image.palette.empty() || image.palette.size() > (1u << bits))
        throw std::invalid_argument("the palette must hold 1 to " + std::to_string(1u << bits) + " colours");
    if (image.indices.size() != static_cast<size_t>(image.width) * image.height)
        throw std::invalid_argument("the image has not one index a pixel");
    std::vector<uint8_t> out =
        headers(image.width, image.height, bits, static_cast<uint32_t>(image.palette.size()));
    for (const Rgba& c : image.palette) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
    const size_t stride = row_stride(image.width, bits);
    for (int y = image.height - 1; y >= 0; --y) {
        std::vector<uint8_t> line(stride, 0);
        for (int x = 0; x < image.width; ++x) {
            const uint8_t index = image.indices[static_cast<size_t>(y) * image.width + x];
            if (index >= image.palette.size()) throw std::invalid_argument("an index lies beyond the palette");
            const size_t bit = static_cast<size_t>(x) * bits;
            line[bit / 8] |= static_cast<uint8_t>(index << (8 - bits - bit % 8));
        }
        out.insert(out.end(), line.begin(), line.end());
    }
    return out;
}

std::vector<uint8_t> encode_bmp_24(const Image& image)
{
    std::vector<uint8_t> out = headers(image.width(), image.height(), 24, 0);
    const size_t stride = row_stride(image.width(), 24);
    for (int y = image.height() - 1; y >= 0; --y) {
        std::vector<uint8_t> line(stride, 0);
        for (int x = 0; x < image.width(); ++x) {
            const Rgba& p = image.at(x, y);
            line[3 * x] = p.b;
            line[3 * x + 1] = p.g;
            line[3 * x + 2] = p.r;
        }
        out.insert(out.end(), line.begin(), line.end());
    }
    return out;
}

} // namespace host::draw
