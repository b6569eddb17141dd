// The bitmap reader on hand-made bitmaps whose every byte is laid out here, so that row order, palette
// order and padding cannot go wrong in the reader and the writer alike.
#include "bmp.h"

#include <gtest/gtest.h>

#include <string>

using namespace host::draw;

namespace {

constexpr Rgba RED{255, 0, 0, 255}, GREEN{0, 255, 0, 255}, BLUE{0, 0, 255, 255}, WHITE{255, 255, 255, 255},
    BLACK{0, 0, 0, 255};

void put16(std::vector<uint8_t>& b, uint32_t v) { b.push_back(v & 0xFF), b.push_back((v >> 8) & 0xFF); }
void put32(std::vector<uint8_t>& b, uint32_t v) { put16(b, v & 0xFFFF), put16(b, v >> 16); }

// A bitmap in resource form: BITMAPINFOHEADER, palette, rows as given (first row given = first row in the
// data, which is the bottom row unless the height is negative).
std::vector<uint8_t> info_bitmap(int32_t width, int32_t height, int bits, const std::vector<Rgba>& palette,
                                 const std::vector<std::vector<uint8_t>>& rows, uint32_t compression = 0)
{
    std::vector<uint8_t> b;
    put32(b, 40);
    put32(b, static_cast<uint32_t>(width));
    put32(b, static_cast<uint32_t>(height));
    put16(b, 1);
    put16(b, static_cast<uint32_t>(bits));
    put32(b, compression);
    put32(b, 0);
    put32(b, 0), put32(b, 0);
    put32(b, static_cast<uint32_t>(palette.size()));
    put32(b, 0);
    for (const Rgba& c : palette) b.push_back(c.b), b.push_back(c.g), b.push_back(c.r), b.push_back(0);
    for (const auto& row : rows) b.insert(b.end(), row.begin(), row.end());
    return b;
}

// The same bitmap with its 14-byte file header in front.
std::vector<uint8_t> with_file_header(const std::vector<uint8_t>& info, uint32_t palette_size)
{
    std::vector<uint8_t> b{'B', 'M'};
    put32(b, static_cast<uint32_t>(14 + info.size()));
    put32(b, 0);
    put32(b, 14 + 40 + 4 * palette_size);
    b.insert(b.end(), info.begin(), info.end());
    return b;
}

void expect_pixels(const Image& image, int width, const std::vector<Rgba>& top_to_bottom)
{
    ASSERT_EQ(image.width(), width);
    ASSERT_EQ(image.height(), static_cast<int>(top_to_bottom.size()) / width);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < width; ++x)
            EXPECT_EQ(image.at(x, y), top_to_bottom[y * width + x]) << "pixel " << x << "," << y;
}

} // namespace

struct Fixture {
    const char* name;
    std::vector<uint8_t> resource;   // without file header
    uint32_t palette_size;
    int width;
    std::vector<Rgba> expected;      // rows top to bottom
};

class BmpDecode : public testing::TestWithParam<int> {
public:
    static std::vector<Fixture> fixtures()
    {
        return {
            // 3 x 2, 24 bits: rows padded to 12 bytes, stored bottom row first, pixels as blue, green, red.
            {"24-bit bottom-up",
             info_bitmap(3, 2, 24, {},
                         {{0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0},            // bottom: red green blue
                          {255, 255, 255, 1, 1, 1, 0, 0, 0, 0, 0, 0}}),          // top: white (1,1,1) black
             0, 3, {WHITE, Rgba{1, 1, 1, 255}, BLACK, RED, GREEN, BLUE}},
            // the same with a negative height: first row stored is the top row.
            {"24-bit top-down",
             info_bitmap(3, -2, 24, {},
                         {{0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0},
                          {255, 255, 255, 1, 1, 1, 0, 0, 0, 0, 0, 0}}),
             0, 3, {RED, GREEN, BLUE, WHITE, Rgba{1, 1, 1, 255}, BLACK}},
            // 8 bits, palette of three: indices 2 1 0 / 0 0 1 (bottom first), rows padded to 4 bytes.
            {"8-bit", info_bitmap(3, 2, 8, {RED, GREEN, BLUE}, {{0, 0, 1, 0}, {2, 1, 0, 0}}), 3, 3,
             {BLUE, GREEN, RED, RED, RED, GREEN}},
            // 4 bits: two pixels a byte, high nibble first.
            {"4-bit", info_bitmap(3, 1, 4, {RED, GREEN, BLUE}, {{0x21, 0x00, 0, 0}}), 3, 3, {BLUE, GREEN, RED}},
            // 1 bit: 10 pixels 1011000001 in two bytes, most significant bit first.
            {"1-bit", info_bitmap(10, 1, 1, {BLACK, WHITE}, {{0xB0, 0x40, 0, 0}}), 2, 10,
             {WHITE, BLACK, WHITE, WHITE, BLACK, BLACK, BLACK, BLACK, BLACK, WHITE}},
        };
    }
};

TEST_P(BmpDecode, ReadsResourceAndFileForms)
{
    const Fixture f = fixtures()[GetParam()];
    SCOPED_TRACE(f.name);
    expect_pixels(decode_bmp(f.resource), f.width, f.expected);
    expect_pixels(decode_bmp(with_file_header(f.resource, f.palette_size)), f.width, f.expected);
}

INSTANTIATE_TEST_SUITE_P(Depths, BmpDecode, testing::Range(0, 5));

TEST(BmpDecode, PaletteWithoutColourCountHasAllEntries)
{
    // clrUsed 0 means 2^bits entries: the pixels start after two palette entries for 1 bit.
    auto b = info_bitmap(2, 1, 1, {RED, GREEN}, {{0x40, 0, 0, 0}});
    b[32] = 0;
    expect_pixels(decode_bmp(b), 2, {RED, GREEN});
}

TEST(BmpDecode, WhatTheWriterWritesReadsBack)
{
    IndexedImage indexed{3, 2, {0, 1, 2, 2, 1, 0}, {BLACK, WHITE, RED}};
    expect_pixels(decode_bmp(encode_bmp(indexed, 8)), 3, {BLACK, WHITE, RED, RED, WHITE, BLACK});
    expect_pixels(decode_bmp(encode_bmp(indexed, 4)), 3, {BLACK, WHITE, RED, RED, WHITE, BLACK});

    Image image(2, 2);
    image.at(0, 0) = RED, image.at(1, 0) = GREEN, image.at(0, 1) = BLUE, image.at(1, 1) = WHITE;
    const auto bytes = encode_bmp_24(image);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[14], 40) << "BITMAPINFOHEADER";
    expect_pixels(decode_bmp(bytes), 2, {RED, GREEN, BLUE, WHITE});
}

TEST(BmpDecode, RefusesWhatItCannotRead)
{
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        const char* says;
    };
    auto truncated = info_bitmap(3, 2, 24, {}, {{0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0}});
    auto bad_index = info_bitmap(2, 1, 8, {RED, GREEN}, {{0, 7, 0, 0}});
    const Case cases[] = {
        {"empty", {}, "truncated"},
        {"unknown header", {'x', 'y', 'z', 'w', 0, 0, 0, 0}, "not a bitmap"},
        {"missing row", truncated, "truncated: the pixels"},
        {"run-length coded", info_bitmap(2, 1, 8, {RED}, {{0, 0, 0, 0}}, 1), "compression 1"},
        {"16 bits", info_bitmap(2, 1, 16, {}, {{0, 0, 0, 0}}), "16 bits per pixel"},
        {"zero width", info_bitmap(0, 1, 24, {}, {{0, 0, 0, 0}}), "bad size"},
        {"index beyond palette", bad_index, "uses colour 7 of a palette of 2"},
    };
    for (const Case& c : cases) {
        try {
            decode_bmp(c.bytes);
            ADD_FAILURE() << c.name << ": read without complaint";
        } catch (const BmpError& e) {
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << c.name << ": " << e.what();
        }
    }
}
