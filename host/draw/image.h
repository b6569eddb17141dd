// A picture in memory: 8-bit red, green, blue and alpha per pixel, rows top to bottom. Frames, decoded
// bitmaps and PNG files all travel as this one type.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace host::draw {

struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 0;
    friend bool operator==(const Rgba&, const Rgba&) = default;
};

// A 0x00BBGGRR colour, as the gauges give text colours, made opaque.
constexpr Rgba from_colorref(uint32_t c)
{
    return Rgba{static_cast<uint8_t>(c & 0xFF), static_cast<uint8_t>((c >> 8) & 0xFF),
                static_cast<uint8_t>((c >> 16) & 0xFF), 255};
}

// The most pixels a picture may hold: 64 million, a panel of 8192 x 8192, drawn at 256 MB. A larger one
// comes from a mistyped panel.cfg or scale, and would exhaust memory rather than draw anything.
constexpr int64_t MAX_PICTURE_PIXELS = int64_t{1} << 26;

class Image {
public:
    Image() = default;
    Image(int width, int height, Rgba fill = {});

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    Rgba& at(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    const Rgba& at(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    const std::vector<Rgba>& pixels() const { return pixels_; }
    Rgba* data() { return pixels_.data(); }

    friend bool operator==(const Image&, const Image&) = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Rgba> pixels_;
};

// Every pixel repeated `factor` times in both directions.
Image scaled(const Image& image, int factor);

// The picture brought to another size: each new pixel the average of the pixels it covers (taken nearest
// when enlarging), transparent pixels counting for nothing, so that a gauge drawn smaller than its bitmaps
// stays smooth and keeps its transparent corners.
Image resized(const Image& image, int width, int height);

} // namespace host::draw
