// The artwork pipeline: rendered artwork to faceplate colours and palettes, and the COM radio's bitmaps
// as the build wrote them.
#include "bmp.h"
#include "faceplate_colours.h"
#include "png_file.h"

#include "rgba_printer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

using namespace host::draw;

namespace {

constexpr Rgba TRANSPARENT{0, 0, 0, 255};

std::vector<uint8_t> read_file(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    EXPECT_TRUE(in) << "no " << file;
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint32_t u32(const std::vector<uint8_t>& b, size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

} // namespace

TEST(FaceplateColours, EdgesOverTransparentAreasAreCutCleanWithoutAGreyFringe)
{
    Image rendered(5, 1);
    rendered.at(0, 0) = Rgba{0, 0, 0, 0};           // outside the artwork
    rendered.at(1, 0) = Rgba{230, 230, 230, 90};    // an edge pixel mostly outside
    rendered.at(2, 0) = Rgba{230, 230, 230, 170};   // an edge pixel mostly inside
    rendered.at(3, 0) = Rgba{0, 0, 0, 255};         // black artwork
    rendered.at(4, 0) = Rgba{12, 34, 56, 255};
    const Image out = artwork::to_faceplate_colours(rendered);
    EXPECT_EQ(out.at(0, 0), TRANSPARENT);
    EXPECT_EQ(out.at(1, 0), TRANSPARENT);
    EXPECT_EQ(out.at(2, 0), (Rgba{230, 230, 230, 255})) << "full strength, not darkened toward black";
    EXPECT_EQ(out.at(3, 0), (Rgba{1, 1, 1, 255})) << "black artwork stays visible";
    EXPECT_EQ(out.at(4, 0), (Rgba{12, 34, 56, 255}));
}

TEST(FaceplateColours, PaletteKeepsEntryZeroForTransparency)
{
    // Few colours: kept exactly.
    Image few(3, 1);
    few.at(0, 0) = TRANSPARENT, few.at(1, 0) = Rgba{1, 1, 1, 255}, few.at(2, 0) = Rgba{200, 10, 10, 255};
    IndexedImage p = artwork::to_palette(few);
    EXPECT_EQ(p.palette[0], TRANSPARENT);
    EXPECT_EQ(p.indices, (std::vector<uint8_t>{0, p.indices[1], p.indices[2]}));
    EXPECT_EQ(p.palette[p.indices[1]], (Rgba{1, 1, 1, 255}));
    EXPECT_EQ(p.palette[p.indices[2]], (Rgba{200, 10, 10, 255}));

    // 4096 colours, the darkest next to black: reduced to 255 visible entries, none of them black, none of
    // the visible pixels on entry 0, and every pixel close to its colour.
    Image many(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            many.at(x, y) = Rgba{static_cast<uint8_t>(1 + x * 4), static_cast<uint8_t>(1 + y * 4),
                                 static_cast<uint8_t>(1 + (x ^ y)), 255};
    p = artwork::to_palette(many);
    ASSERT_EQ(p.palette.size(), 256u);
    EXPECT_EQ(p.palette[0], TRANSPARENT);
    for (size_t i = 1; i < p.palette.size(); ++i) EXPECT_FALSE(p.palette[i] == TRANSPARENT) << "entry " << i;
    int worst = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const uint8_t index = p.indices[y * 64 + x];
            ASSERT_NE(index, 0);
            const Rgba &a = many.at(x, y), &b = p.palette[index];
            worst = std::max({worst, std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
        }
    EXPECT_LE(worst, 24);
}

// What the build wrote for the COM radio: standard bitmaps (file header, BITMAPINFOHEADER, 8-bit palette)
// in the sizes the faceplate needs, beside each module.
TEST(ComRadioArtwork, BitmapsBesideTheModules)
{
    struct Expected {
        int id, width, height;
    };
    for (const char* gauge : {"COM1_Corvane_QT3", "COM2_Corvane_QT3"})
        for (const Expected e : {Expected{256, 600, 123}, Expected{5120, 38, 38}, Expected{5121, 38, 38}}) {
            SCOPED_TRACE(std::string(gauge) + " bitmap " + std::to_string(e.id));
            const auto bytes =
                read_file(std::filesystem::path(GAUGE_OUTPUT_DIR) / (std::string(gauge) + ".res") / (std::to_string(e.id) + ".bmp"));
            ASSERT_GT(bytes.size(), 54u);
            EXPECT_EQ(bytes[0], 'B');
            EXPECT_EQ(bytes[1], 'M');
            EXPECT_EQ(u32(bytes, 14), 40u) << "BITMAPINFOHEADER";
            EXPECT_EQ(bytes[28], 8) << "bits per pixel";
            const Image image = decode_bmp(bytes);
            EXPECT_EQ(image.width(), e.width);
            EXPECT_EQ(image.height(), e.height);
            // The rounded corners are transparent, the middle is not.
            EXPECT_EQ(image.at(0, 0), TRANSPARENT);
            EXPECT_EQ(image.at(e.width - 1, e.height - 1), TRANSPARENT);
            EXPECT_FALSE(image.at(e.width / 2, e.height / 2) == TRANSPARENT);
        }
}

// The two builds render one template with different labels: nothing else may differ. The rendered
// pictures must agree exactly outside the label; their bitmaps, each with its own palette, nearly.
TEST(ComRadioArtwork, BuildsDifferOnlyInTheLabel)
{
    auto outside_label = [](int x, int y) { return x >= 55 || y >= 25; };
    const auto work = std::filesystem::path(ARTWORK_DIR);
    const Image rendered1 = read_png(work / "COM1_Corvane_QT3" / "256.png");
    const Image rendered2 = read_png(work / "COM2_Corvane_QT3" / "256.png");
    const auto dir = std::filesystem::path(GAUGE_OUTPUT_DIR);
    const Image com1 = decode_bmp(read_file(dir / "COM1_Corvane_QT3.res" / "256.bmp"));
    const Image com2 = decode_bmp(read_file(dir / "COM2_Corvane_QT3.res" / "256.bmp"));
    ASSERT_EQ(rendered1.width(), com1.width());
    ASSERT_EQ(com1.width(), com2.width());

    int label_pixels = 0, worst = 0;
    for (int y = 0; y < com1.height(); ++y)
        for (int x = 0; x < com1.width(); ++x) {
            if (!outside_label(x, y)) {
                label_pixels += !(rendered1.at(x, y) == rendered2.at(x, y));
                continue;
            }
            ASSERT_EQ(rendered1.at(x, y), rendered2.at(x, y)) << "the builds differ at " << x << "," << y;
            const Rgba &a = com1.at(x, y), &b = com2.at(x, y);
            worst = std::max({worst, std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
        }
    EXPECT_GT(label_pixels, 0) << "COMM1 and COMM 2 look the same";
    EXPECT_LE(worst, 12) << "the palettes of the two builds drift apart";
}
