// The size and depth `inspect` reads from a bitmap's headers, in both forms a BitmapSource gives: the BMP
// file of a native module, and the bitmap resource of a Windows module (the file without its 14-byte
// header). The fixture files have three depths; hand-made headers cover the old 12-byte layout and bytes
// that are no bitmap at all.

#include "bmp_header.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes read_file(const std::string& name)
{
    std::ifstream in(std::string(FIXTURE_BITMAPS) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes resource_form(const Bytes& file) { return Bytes(file.begin() + 14, file.end()); }

void put(Bytes& b, size_t at, uint32_t v, int size)
{
    if (b.size() < at + size) b.resize(at + size);
    for (int i = 0; i < size; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

struct SizeAndDepth {
    int32_t width, height;
    uint16_t bits_per_pixel;
};

void expect_info(const Bytes& bitmap, SizeAndDepth expected, const std::string& what)
{
    host::BmpHeader info;
    ASSERT_NO_THROW(info = host::read_bmp_header(bitmap)) << what;
    EXPECT_EQ(info.width, expected.width) << what;
    EXPECT_EQ(info.height, expected.height) << what;
    EXPECT_EQ(info.bits_per_pixel, expected.bits_per_pixel) << what;
}

TEST(BmpHeader, SizeAndDepthOfFileAndResource)
{
    const struct {
        const char* file;
        SizeAndDepth expected;
    } cases[] = {
        {"256.bmp", {24, 12, 8}},
        {"4096.bmp", {16, 8, 1}},
        {"4097.bmp", {10, 6, 24}},   // stored top-down: a negative height in the header
    };
    for (const auto& c : cases) {
        const Bytes file = read_file(c.file);
        expect_info(file, c.expected, std::string(c.file) + " as a file");
        expect_info(resource_form(file), c.expected, std::string(c.file) + " as a resource");
    }
}

TEST(BmpHeader, OldTwelveByteHeader)
{
    Bytes core(12 + 3 * 16, 0);
    put(core, 0, 12, 4);
    put(core, 4, 40, 2);    // width
    put(core, 6, 20, 2);    // height
    put(core, 8, 1, 2);     // planes
    put(core, 10, 4, 2);    // bits
    expect_info(core, {40, 20, 4}, "resource");
    Bytes file{'B', 'M'};
    file.resize(14);
    file.insert(file.end(), core.begin(), core.end());
    expect_info(file, {40, 20, 4}, "file");
}

TEST(BmpHeader, BytesThatAreNoBitmapAreRefused)
{
    const Bytes good = read_file("256.bmp");
    auto changed = [&](size_t at, uint32_t v, int size) {
        Bytes b = good;
        put(b, at, v, size);
        return b;
    };
    const Bytes cases[] = {
        changed(0, 'X', 1),                      // no "BM": read as a resource, whose header size is absurd
        Bytes(good.begin(), good.begin() + 20),  // the info header cut short
        changed(18, 0, 4),                       // no width
        changed(22, 0, 4),                       // no height
        changed(22, 0x80000000u, 4),             // a height that has no positive counterpart
        changed(28, 3, 2),                       // 3 bits a pixel
        changed(14, 20, 4),                      // an info header of unknown size
        Bytes{},
    };
    for (const Bytes& b : cases) EXPECT_THROW(host::read_bmp_header(b), host::BmpError);
}

} // namespace
