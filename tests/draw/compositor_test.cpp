// The compositor on a tiny faceplate built right here: an asymmetric background with a transparent
// corner, a two-frame icon, a slider and a text display, as element records the way a gauge declares them.
#include "bmp.h"
#include "compositor.h"

#include "rgba_printer.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

using namespace host;
using namespace host::draw;

namespace {

constexpr Rgba NONE{0, 0, 0, 0};   // nothing drawn: the frame stays transparent
constexpr Rgba RED{200, 0, 0, 255}, GREEN{0, 200, 0, 255}, BLUE{0, 0, 200, 255}, NEAR_BLACK{1, 1, 1, 255};

class MemoryBitmaps : public BitmapSource {
public:
    std::map<int32_t, std::vector<uint8_t>> files;
    std::optional<std::vector<uint8_t>> bitmap(int32_t id) const override
    {
        auto it = files.find(id);
        if (it == files.end()) return std::nullopt;
        return it->second;
    }
    std::string where(int32_t id) const override { return "memory bitmap " + std::to_string(id); }
};

// A bitmap from rows of characters: '.' pure black (transparent), 'k' the visible black (1,1,1),
// 'r', 'g', 'b' colours. Written as a bitmap file and read back through the real reader.
std::vector<uint8_t> bitmap(const std::vector<std::string>& rows)
{
    Image image(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            switch (rows[y][x]) {
            case 'k': image.at(x, y) = NEAR_BLACK; break;
            case 'r': image.at(x, y) = RED; break;
            case 'g': image.at(x, y) = GREEN; break;
            case 'b': image.at(x, y) = BLUE; break;
            default: image.at(x, y) = Rgba{0, 0, 0, 255}; break;
            }
        }
    return encode_bmp_24(image);
}

class Faceplate : public testing::Test {
protected:
    void SetUp() override
    {
        // Background 6 x 4: a transparent top-left corner, a visible black bottom-right one.
        source.files[256] = bitmap({"..gggg", "gggggg", "gggggg", "gggggk"});
        source.files[300] = bitmap({"rr", "rr"});   // icon frame 0
        source.files[301] = bitmap({"b.", "bb"});   // icon frame 1: a transparent corner
        source.files[400] = bitmap({"r"});         // slider

        background.header = element(ELEMENT_TYPE_STATIC_IMAGE, 256, 0, 0);
        icon.header = element(ELEMENT_TYPE_ICON, 300, 1, 1);
        icon.frame_count = 2;
        slider.header = element(ELEMENT_TYPE_SLIDER, 400, 0, 3);

        views = {view(1, ElementKind::Static, background.header), view(2, ElementKind::Icon, icon.header),
                 view(3, ElementKind::Slider, slider.header)};
    }

    static ELEMENT_HEADER element(int32_t type, int32_t id, int32_t x, int32_t y)
    {
        return ELEMENT_HEADER{type, id, {x, y}, nullptr, IMAGE_FLAGS_DEFAULT, nullptr};
    }
    static ElementView view(int index, ElementKind kind, ELEMENT_HEADER& record)
    {
        ElementView v;
        v.index = index;
        v.kind = kind;
        v.record = &record;
        return v;
    }

    Image compose()
    {
        Compositor compositor("TEST_GAUGE", source, fonts);
        return compositor.compose(views);
    }

    MemoryBitmaps source;
    Fonts fonts;
    ELEMENT_STATIC_IMAGE background{};
    ELEMENT_ICON icon{};
    ELEMENT_SLIDER slider{};
    std::vector<ElementView> views;
};

void expect_row(const Image& frame, int y, const std::vector<Rgba>& row)
{
    for (int x = 0; x < static_cast<int>(row.size()); ++x) EXPECT_EQ(frame.at(x, y), row[x]) << "pixel " << x << "," << y;
}

} // namespace

TEST_F(Faceplate, PureBlackIsSkippedAndVisibleBlackDrawn)
{
    views[1].hidden = views[2].hidden = true;
    const Image frame = compose();
    ASSERT_EQ(frame.width(), 6);
    ASSERT_EQ(frame.height(), 4);
    expect_row(frame, 0, {NONE, NONE, GREEN, GREEN, GREEN, GREEN});
    expect_row(frame, 3, {GREEN, GREEN, GREEN, GREEN, GREEN, NEAR_BLACK});
}

TEST_F(Faceplate, IconShowsFrameIAsBitmapNPlusI)
{
    views[2].hidden = true;
    views[1].frame = 0;
    Image frame = compose();
    expect_row(frame, 1, {GREEN, RED, RED, GREEN});
    expect_row(frame, 2, {GREEN, RED, RED, GREEN});

    // Frame 1's transparent corner lets the background through.
    views[1].frame = 1;
    frame = compose();
    expect_row(frame, 1, {GREEN, BLUE, GREEN, GREEN});
    expect_row(frame, 2, {GREEN, BLUE, BLUE, GREEN});

    // A frame the icon does not have draws nothing.
    for (int32_t missing : {2, -1}) {
        views[1].frame = missing;
        frame = compose();
        expect_row(frame, 1, {GREEN, GREEN, GREEN, GREEN});
    }
}

TEST_F(Faceplate, SliderIsDisplacedByWholePixelsTowardZero)
{
    views[1].hidden = true;
    struct Case {
        double dx, dy;
        int x, y;
    };
    for (const Case c : {Case{0, 0, 0, 3}, Case{2.9, 0, 2, 3}, Case{4.0, -2.5, 4, 1}, Case{-0.7, 0, 0, 3}}) {
        views[2].dx = c.dx, views[2].dy = c.dy;
        const Image frame = compose();
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 6; ++x)
                EXPECT_EQ(frame.at(x, y) == RED, x == c.x && y == c.y)
                    << "displacement " << c.dx << "," << c.dy << " at pixel " << x << "," << y;
    }
}

TEST_F(Faceplate, HiddenElementsDrawNothing)
{
    for (ElementView& v : views) v.hidden = true;
    const Image frame = compose();
    for (const Rgba& p : frame.pixels()) EXPECT_EQ(p, NONE);
    EXPECT_EQ(frame.width(), 6) << "a hidden background still gives the frame its size";
}

TEST_F(Faceplate, MissingOrBrokenBitmapIsNamed)
{
    views[1].frame = 1;
    source.files.erase(301);
    try {
        compose();
        FAIL() << "composed without bitmap 301";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "TEST_GAUGE: bitmap 301 is missing (no memory bitmap 301)");
    }
    source.files[301] = {'B', 'M', 1, 2};
    try {
        compose();
        FAIL() << "composed a broken bitmap 301";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("TEST_GAUGE: bitmap 301 (memory bitmap 301) cannot be read: truncated"),
                  std::string::npos)
            << e.what();
    }
}

TEST_F(Faceplate, TextDrawsOverTheBitmapsWithATransparentBackground)
{
    // A 6 x 4 faceplate is too small for text; a string element over a larger background.
    source.files[256] = encode_bmp_24(Image(40, 24, GREEN));
    ELEMENT_STRING text{};
    text.header = element(ELEMENT_TYPE_STRING, -1, 4, 2);
    text.box_width = 30;
    text.box_height = 20;
    text.fg_color = 0x80FFFF;
    std::snprintf(text.font_name, sizeof text.font_name, "Glass");
    text.char_set = CHARSET_WINDOWS_1252;
    views = {views[0], view(2, ElementKind::String, text.header)};
    views[1].text = "8";

    const Image frame = compose();
    int ink = 0;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x) {
            const Rgba& p = frame.at(x, y);
            if (p == GREEN) continue;
            ++ink;
            EXPECT_TRUE(x >= 4 && x < 34 && y >= 2 && y < 22) << "ink outside the text box at " << x << "," << y;
        }
    EXPECT_GT(ink, 20);

    views[1].hidden = true;
    const Image without_text = compose();
    for (const Rgba& p : without_text.pixels()) EXPECT_EQ(p, GREEN) << "a hidden display draws nothing";
}
