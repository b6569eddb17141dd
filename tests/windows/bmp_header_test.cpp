// The BMP headers the host reads, and the BMP file it rebuilds from a Windows bitmap resource (the file
// without its first 14 bytes): the fixture files of three depths, hand-made headers of the other layouts,
// and bytes that are no BMP at all.

#include "bmp_header.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

using host::BmpInfo;
using Bytes = std::vector<uint8_t>;

Bytes read_file(const std::string& name)
{
    std::ifstream in(std::string(FIXTURE_BITMAPS) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void put(Bytes& b, size_t at, uint32_t v, int size)
{
    if (b.size() < at + size) b.resize(at + size);
    for (int i = 0; i < size; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// An info header of `header_size` bytes (40 or more) with its colour table and pixels left zero.
Bytes dib(uint32_t header_size, int32_t width, int32_t height, uint16_t bits, uint32_t compression = 0,
          uint32_t colours_used = 0, size_t total = 200)
{
    Bytes b(total, 0);
    put(b, 0, header_size, 4);
    put(b, 4, static_cast<uint32_t>(width), 4);
    put(b, 8, static_cast<uint32_t>(height), 4);
    put(b, 12, 1, 2);
    put(b, 14, bits, 2);
    put(b, 16, compression, 4);
    put(b, 32, colours_used, 4);
    return b;
}

Bytes file_of(const Bytes& resource)
{
    auto file = host::bmp_file_from_resource(resource.data(), resource.size());
    EXPECT_TRUE(file.has_value());
    return file.value_or(Bytes{});
}

uint32_t pixels_offset(const Bytes& file)
{
    if (file.size() < 14) return 0;
    return file[10] | file[11] << 8 | file[12] << 16 | file[13] << 24;
}

TEST(BmpHeader, FixtureFilesDeclareTheirSizeAndDepth)
{
    const struct {
        const char* file;
        BmpInfo expected;
    } cases[] = {
        {"256.bmp", {24, 12, 8}},
        {"4096.bmp", {16, 8, 1}},
        {"4097.bmp", {10, 6, 24}},   // stored top-down: a negative height in the header
    };
    for (const auto& c : cases) {
        const auto info = host::read_bmp_info(read_file(c.file));
        ASSERT_TRUE(info.has_value()) << c.file;
        EXPECT_EQ(info->width, c.expected.width) << c.file;
        EXPECT_EQ(info->height, c.expected.height) << c.file;
        EXPECT_EQ(info->bits_per_pixel, c.expected.bits_per_pixel) << c.file;
    }
}

TEST(BmpHeader, ResourceOfAFixtureFileGivesTheFileBack)
{
    for (const char* name : {"256.bmp", "4096.bmp", "4097.bmp"}) {
        const Bytes original = read_file(name);
        const Bytes resource(original.begin() + 14, original.end());
        EXPECT_EQ(file_of(resource), original) << name;
    }
}

TEST(BmpHeader, PixelsBeginBehindMasksAndColourTable)
{
    EXPECT_EQ(pixels_offset(file_of(dib(40, 4, 4, 8, 0, 0, 2000))), 14u + 40 + 256 * 4);  // full palette
    EXPECT_EQ(pixels_offset(file_of(dib(40, 4, 4, 8, 0, 16, 2000))), 14u + 40 + 16 * 4); // colours used
    EXPECT_EQ(pixels_offset(file_of(dib(40, 4, 4, 24))), 14u + 40);                      // no palette
    EXPECT_EQ(pixels_offset(file_of(dib(40, 4, 4, 16, 3))), 14u + 40 + 12);              // channel masks
    EXPECT_EQ(pixels_offset(file_of(dib(40, 4, 4, 32, 6))), 14u + 40 + 16);              // with alpha
    EXPECT_EQ(pixels_offset(file_of(dib(124, 4, 4, 32, 3))), 14u + 124);                 // masks inside
    Bytes core(12 + 3 * 16 + 16, 0);                                                     // old 12-byte header
    put(core, 0, 12, 4);
    put(core, 4, 4, 2);
    put(core, 6, 4, 2);
    put(core, 8, 1, 2);
    put(core, 10, 4, 2);
    const Bytes file = file_of(core);
    EXPECT_EQ(pixels_offset(file), 14u + 12 + 3 * 16);
    const auto info = host::read_bmp_info(file);
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->width, 4);
    EXPECT_EQ(info->bits_per_pixel, 4);
}

TEST(BmpHeader, BytesThatAreNoBitmapAreRefused)
{
    Bytes good = read_file("256.bmp");
    Bytes not_bm = good;
    not_bm[0] = 'X';
    Bytes short_file(good.begin(), good.begin() + 20);
    Bytes zero_width = good;
    put(zero_width, 18, 0, 4);
    Bytes odd_depth = good;
    put(odd_depth, 28, 3, 2);
    Bytes odd_header = good;
    put(odd_header, 14, 20, 4);
    for (const Bytes* b : {&not_bm, &short_file, &zero_width, &odd_depth, &odd_header})
        EXPECT_FALSE(host::read_bmp_info(*b).has_value());

    const Bytes tiny(8, 0);
    EXPECT_FALSE(host::bmp_file_from_resource(tiny.data(), tiny.size()).has_value());
    // A palette that would reach past the resource's end.
    const Bytes too_many_colours = dib(40, 4, 4, 8, 0, 1000, 100);
    EXPECT_FALSE(host::bmp_file_from_resource(too_many_colours.data(), too_many_colours.size()).has_value());
}

} // namespace
