// Text as the displays show it: the gauge fonts by name, colour, position, size from the box height,
// Windows-1252 bytes (0xB0 the degree sign) and the transparent black background.
#include "fonts.h"
#include "windows_1252.h"

#include "rgba_printer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

using namespace host::draw;

namespace {

constexpr Rgba GREY{90, 90, 90, 255};

struct Ink {
    int count = 0, left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;   // right, bottom inclusive
    Rgba brightest{};
    int exact = 0;   // pixels fully covered: exactly the text colour
};

// Draws `text` over a grey canvas and measures every pixel it changed.
Ink draw(Fonts& fonts, const std::string& text, const std::string& font = "Glass", int box_height = 38,
         int box_width = 200, uint32_t colour = 0x80FFFF, Image* out = nullptr)
{
    Image canvas(260, 60, GREY);
    TextRun run;
    run.x = 20, run.y = 10;
    run.box_width = box_width, run.box_height = box_height;
    run.font = font;
    run.colour = colour;
    run.text = text;
    fonts.draw(canvas, run);
    Ink ink;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            const Rgba& p = canvas.at(x, y);
            if (p == GREY) continue;
            ++ink.count;
            ink.left = std::min(ink.left, x), ink.right = std::max(ink.right, x);
            ink.top = std::min(ink.top, y), ink.bottom = std::max(ink.bottom, y);
            if (p.r + p.g + p.b > ink.brightest.r + ink.brightest.g + ink.brightest.b) ink.brightest = p;
            ink.exact += p == from_colorref(colour);
        }
    if (out) *out = canvas;
    return ink;
}

} // namespace

TEST(Text, DrawnInItsColourFromThePositionWithinTheBox)
{
    Fonts fonts;
    Image canvas;
    const Ink ink = draw(fonts, "88", "Glass", 38, 200, 0x80FFFF, &canvas);
    ASSERT_GT(ink.count, 100);
    EXPECT_EQ(ink.brightest, (Rgba{255, 255, 128, 255})) << "0x80FFFF is red 255, green 255, blue 128";
    EXPECT_GE(ink.left, 20);
    EXPECT_LE(ink.left, 24) << "the text starts at the element's position";
    EXPECT_GE(ink.top, 10);
    EXPECT_LE(ink.bottom, 10 + 37);
    // Edge pixels blend the colour into what lies beneath; nothing else of the canvas changes.
    for (const Rgba& p : canvas.pixels())
        if (!(p == GREY)) EXPECT_GE(p.r, GREY.r);

    EXPECT_GT(ink.exact, 50);
    const Ink blue = draw(fonts, "88", "Glass", 38, 200, 0xFF0000);
    EXPECT_EQ(from_colorref(0xFF0000), (Rgba{0, 0, 255, 255})) << "blue lies in the top byte";
    EXPECT_EQ(blue.exact, ink.exact);
}

TEST(Text, SizedToTheBoxHeight)
{
    Fonts fonts;
    for (int box : {19, 30, 38}) {
        const Ink ink = draw(fonts, "8", "Glass", box);
        const int height = ink.bottom - ink.top + 1;
        EXPECT_NEAR(height, 0.66 * box, 1.5) << "box " << box;
        // Centred in the box.
        EXPECT_NEAR((ink.top - 10) - (10 + box - 1 - ink.bottom), 0, 2) << "box " << box;
    }
    // Courier New keeps its Windows cell: ascent plus descent fill the box, so capitals stand about two
    // thirds of it tall and sit in its upper part.
    const Ink courier = draw(fonts, "H", "Courier New", 30);
    EXPECT_NEAR(courier.bottom - courier.top + 1, 30.0 * 1349 / 2320, 1.5);
    EXPECT_NEAR(courier.bottom, 10 + 30.0 * 1705 / 2320, 1.5) << "the baseline lies at the cell's ascent";
}

TEST(Text, LcdFacesAreMonospacedEveryCharacterOneCell)
{
    // Whatever stands in front of it, the last 8 of "X8" starts one cell, 0.365 of the box height, after
    // the first character: the blank, the dot and the colon take a whole cell like a digit.
    Fonts fonts;
    for (const char* font : {"Glass", "Glass Gauge"}) {
        const Ink eight = draw(fonts, "8", font);
        for (const char* front : {"8", " ", ".", ":", "\xB0", "-", "'", "t"}) {
            const Ink both = draw(fonts, std::string(front) + "8", font);
            EXPECT_NEAR(both.right - eight.right, 0.365 * 38, 1.0) << font << " after '" << front << "'";
        }
    }
    // The glyphs are condensed to the cell: a digit's ink stays inside it with room on both sides.
    const Ink eight = draw(fonts, "8");
    EXPECT_GE(eight.left, 20 + 1);
    EXPECT_LE(eight.right, 20 + 0.365 * 38 - 1);
    // A narrow glyph stands in the middle of its cell.
    for (const char* narrow : {":", "."}) {
        const Ink ink = draw(fonts, narrow);
        EXPECT_NEAR((ink.left + ink.right + 1) / 2.0, 20 + 0.365 * 38 / 2, 1.0) << narrow;
    }
}

TEST(Text, LabelDisplaysShowTheLabelAlone)
{
    // "Ete%200.0f": the label, 197 blanks and the number; the box shows the label and nothing else.
    Fonts fonts;
    Image alone, field;
    draw(fonts, "Ete", "Glass", 38, 230, 0x80FFFF, &alone);
    char text[256];
    std::snprintf(text, sizeof text, "Ete%200.0f", 0.0);
    const Ink ink = draw(fonts, text, "Glass", 38, 230, 0x80FFFF, &field);
    EXPECT_GT(ink.count, 50);
    EXPECT_EQ(field, alone);
}

TEST(Text, TooLongForItsBoxIsCondensedToFit)
{
    // 19 characters in a box of 213 pixels, where 19 cells would need 263: every character is drawn,
    // narrower, and the last one ends at the box's edge rather than being cut off.
    Fonts fonts;
    TextRun run;
    run.x = 20, run.y = 10, run.box_height = 38, run.font = "Glass";
    auto right_edge = [&](const std::string& text, int box_width) {
        run.text = text, run.box_width = box_width;
        int right = -1;
        for (const Fonts::InkPixel& p : fonts.ink(run)) right = std::max(right, p.x);
        return right;
    };
    const std::string text = "- - - flagged - - -";
    const int condensed = right_edge(text, 213);
    EXPECT_LT(condensed, 20 + 213);
    EXPECT_GT(condensed, 20 + 213 - 0.365 * 38 / 2) << "the last dash is drawn";

    // In a box wide enough the same text keeps its cells.
    EXPECT_NEAR(right_edge(text, 300) - right_edge("-", 300), 18 * 0.365 * 38, 1.0);
}

TEST(Text, ClippedToTheBox)
{
    // A face of its own advances is cut at the box's edge.
    Fonts fonts;
    const Ink ink = draw(fonts, "HHHHHHHHHH", "Courier New", 24, 50);
    EXPECT_LE(ink.right, 20 + 49);
    EXPECT_GT(ink.count, 100);
}

TEST(Text, Windows1252DegreeSign)
{
    EXPECT_EQ(windows_1252_to_unicode(0xB0), U'\u00B0');
    EXPECT_EQ(windows_1252_to_unicode(0x80), U'\u20AC');
    EXPECT_EQ(windows_1252_to_unicode(0x9F), U'\u0178');
    EXPECT_EQ(windows_1252_to_unicode('A'), U'A');

    // The degree sign is a small ring high in the cell: ink in little more than the upper half, where a
    // digit fills the whole height.
    Fonts fonts;
    const Ink eight = draw(fonts, "8");
    const Ink degree = draw(fonts, "\xB0");
    ASSERT_GT(degree.count, 20);
    EXPECT_LT(degree.bottom - degree.top, 0.6 * (eight.bottom - eight.top));
    EXPECT_NEAR(degree.top, eight.top, 1);
}

TEST(Text, BlackBackgroundIsTransparentOtherColoursFillTheBox)
{
    Fonts fonts;
    Image canvas(40, 20, GREY);
    TextRun run;
    run.x = 5, run.y = 4, run.box_width = 10, run.box_height = 8;
    run.font = "Glass", run.colour = 0xFFFFFF, run.background = 0x000000;
    fonts.draw(canvas, run);   // no text, black background: nothing at all
    for (const Rgba& p : canvas.pixels()) EXPECT_EQ(p, GREY);

    run.background = 0x0000FF;
    fonts.draw(canvas, run);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            EXPECT_EQ(canvas.at(x, y), ((x >= 5 && x < 15 && y >= 4 && y < 12) ? Rgba{255, 0, 0, 255} : GREY));
}

TEST(Text, FontNamesAreMappedWithoutRegardToCase)
{
    Fonts fonts;
    EXPECT_EQ(draw(fonts, "12", "glass").count, draw(fonts, "12", "Glass").count);
    const Ink gauge = draw(fonts, "12", "Glass Gauge");
    EXPECT_GT(gauge.count, 50);
}

TEST(Text, MissingFontsAreNamed)
{
    struct Case {
        std::vector<FontMapping> map;
        const char* font;
        const char* says;
    };
    const Case cases[] = {
        {default_font_map(), "Arial", "font \"Arial\" is not known to the host"},
        {{{"Glass", "No Such LCD Face", "fonts-nothing", 0.7}},
         "Glass",
         "font \"Glass\" is drawn with No Such LCD Face (Debian package fonts-nothing), which is not installed"},
    };
    for (const Case& c : cases) {
        Fonts fonts(c.map);
        try {
            draw(fonts, "1", c.font);
            ADD_FAILURE() << c.font << " drawn";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), c.says);
        }
    }
}

TEST(Text, OnlyWindows1252)
{
    Fonts fonts;
    Image canvas(10, 10);
    TextRun run;
    run.box_width = run.box_height = 10;
    run.font = "Glass";
    run.text = "1";
    run.char_set = 2;
    EXPECT_THROW(fonts.draw(canvas, run), std::runtime_error);
}
