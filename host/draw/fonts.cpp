#include "fonts.h"

#include "windows_1252.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cctype>
#include <cmath>
#include <stdexcept>

namespace host::draw {

namespace {

// The LCD faces' cell, as a share of the box height. The fields of the displays bound it on both sides:
// the compact navigator's caption "Time      UTC" must carry its UTC past the minutes that stand between
// its words (0.358 at least), and the NAV/COM radio's DME distance "199.9nm" must end before the speed
// beside it begins (0.374 at most).
constexpr double LCD_CELL_PER_BOX = 0.365;

// Windows' ANSI_CHARSET and DEFAULT_CHARSET: on a western system both are code page 1252.
constexpr uint8_t ANSI_CHARSET = 0;
constexpr uint8_t DEFAULT_CHARSET = 1;

std::string lower(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

// Lays colour `c` over `dst` with coverage `cover` (0-255), straight alpha.
void blend(Rgba& dst, Rgba c, unsigned cover)
{
    if (cover == 0) return;
    if (cover == 255) {
        dst = c;
        return;
    }
    if (dst.a == 0) {
        dst = Rgba{c.r, c.g, c.b, static_cast<uint8_t>(cover)};
        return;
    }
    const double a = cover / 255.0;
    const double below = dst.a / 255.0 * (1.0 - a);
    const double out = a + below;
    auto mix = [&](uint8_t s, uint8_t d) { return static_cast<uint8_t>(std::lround((s * a + d * below) / out)); };
    dst = Rgba{mix(c.r, dst.r), mix(c.g, dst.g), mix(c.b, dst.b), static_cast<uint8_t>(std::lround(out * 255.0))};
}

// A glyph's advance and the horizontal extent of its outline, in font units.
struct GlyphBox {
    FT_Pos advance = 0, x_min = 0, x_max = 0;
};

GlyphBox glyph_box(FT_Face face, FT_UInt glyph)
{
    if (FT_Load_Glyph(face, glyph, FT_LOAD_NO_SCALE) || face->glyph->format != FT_GLYPH_FORMAT_OUTLINE) return {};
    FT_BBox box;
    FT_Outline_Get_CBox(&face->glyph->outline, &box);
    if (face->glyph->outline.n_points == 0) box.xMin = box.xMax = 0;
    return {face->glyph->advance.x, box.xMin, box.xMax};
}

// What a display of a monospaced face shows of its text: everything up to the first run of blanks that
// alone needs more cells than the box has. Behind such a run lies only the number of a label display.
std::string_view shown_part(std::string_view text, size_t cells_in_box)
{
    size_t run = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        run = text[i] == ' ' ? run + 1 : 0;
        if (run > cells_in_box) return text.substr(0, i + 1 - run);
    }
    return text;
}

} // namespace

const std::vector<FontMapping>& default_font_map()
{
    static const std::vector<FontMapping> map = {
        {"Glass", "DSEG14 Classic", "fonts-dseg", 0.66, LCD_CELL_PER_BOX},
        {"Glass Gauge", "DSEG14 Modern", "fonts-dseg", 0.66, LCD_CELL_PER_BOX},
        {"Courier New", "Liberation Mono", "fonts-liberation", 0.0, 0.0},
    };
    return map;
}

struct Fonts::Library {
    FT_Library freetype = nullptr;
    FcConfig* fontconfig = nullptr;

    Library()
    {
        if (FT_Init_FreeType(&freetype)) throw std::runtime_error("cannot start FreeType");
        fontconfig = FcInitLoadConfigAndFonts();
        if (!fontconfig) {
            FT_Done_FreeType(freetype);
            throw std::runtime_error("cannot read the font configuration (fontconfig)");
        }
    }
    ~Library()
    {
        FcConfigDestroy(fontconfig);
        FT_Done_FreeType(freetype);
    }

    // The file and face index of the installed regular face of this family; an empty file when none is.
    std::pair<std::string, int> find(const std::string& family)
    {
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
        FcPatternAddString(pattern, FC_STYLE, reinterpret_cast<const FcChar8*>("Regular"));
        FcConfigSubstitute(fontconfig, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result;
        FcPattern* match = FcFontMatch(fontconfig, pattern, &result);
        FcPatternDestroy(pattern);
        std::pair<std::string, int> found{"", 0};
        if (match) {
            // fontconfig always offers some face; only the family asked for will do.
            FcChar8* got_family = nullptr;
            FcChar8* file = nullptr;
            int index = 0;
            if (FcPatternGetString(match, FC_FAMILY, 0, &got_family) == FcResultMatch &&
                lower(reinterpret_cast<const char*>(got_family)) == lower(family) &&
                FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
                FcPatternGetInteger(match, FC_INDEX, 0, &index);
                found = {reinterpret_cast<const char*>(file), index};
            }
            FcPatternDestroy(match);
        }
        return found;
    }
};

struct Fonts::Face {
    FT_Face face = nullptr;
    FontMapping mapping;
    FT_Pos cell_advance = 0;   // monospaced faces: the advance of a digit in font units, the glyph that fills a cell
    std::map<FT_UInt, GlyphBox> boxes;   // monospaced faces: the glyphs measured so far

    const GlyphBox& box(FT_UInt glyph)
    {
        auto it = boxes.find(glyph);
        if (it == boxes.end()) {
            FT_Set_Transform(face, nullptr, nullptr);   // measured as the font draws it
            it = boxes.emplace(glyph, glyph_box(face, glyph)).first;
        }
        return it->second;
    }
    ~Face()
    {
        if (face) FT_Done_Face(face);
    }
};

Fonts::Fonts(std::vector<FontMapping> map) : map_(std::move(map)), library_(std::make_unique<Library>()) {}

Fonts::~Fonts()
{
    faces_.clear();
}

Fonts::Face& Fonts::face(std::string_view gauge_font)
{
    const std::string key = lower(gauge_font);
    if (auto it = faces_.find(key); it != faces_.end()) return *it->second;

    auto mapping = std::find_if(map_.begin(), map_.end(), [&](const FontMapping& m) { return lower(m.gauge_font) == key; });
    if (mapping == map_.end())
        throw std::runtime_error("font \"" + std::string(gauge_font) + "\" is not known to the host");
    const std::string what = "font \"" + mapping->gauge_font + "\" is drawn with " + mapping->family + " (Debian package " +
                             mapping->package + ")";
    auto [file, index] = library_->find(mapping->family);
    if (file.empty()) throw std::runtime_error(what + ", which is not installed");

    auto face = std::make_unique<Face>();
    face->mapping = *mapping;
    if (FT_New_Face(library_->freetype, file.c_str(), index, &face->face))
        throw std::runtime_error(what + ", but " + file + " cannot be read");
    if (mapping->cell_per_box > 0.0) {
        face->cell_advance = glyph_box(face->face, FT_Get_Char_Index(face->face, U'0')).advance;
        if (face->cell_advance <= 0) throw std::runtime_error(what + ", which has no digit to size its cells by");
    }
    return *faces_.emplace(key, std::move(face)).first->second;
}

template <class Plot> void Fonts::lay_out(const TextRun& run, Plot&& plot)
{
    if (run.char_set != ANSI_CHARSET && run.char_set != DEFAULT_CHARSET)
        throw std::runtime_error("character set " + std::to_string(run.char_set) + " is not supported (Windows-1252 only)");
    if (run.box_width <= 0 || run.box_height <= 0 || run.text.empty()) return;

    Face& f = face(run.font);
    FT_Face ft = f.face;
    const double upem = ft->units_per_EM;
    double em, ascent;
    if (f.mapping.em_per_box > 0.0) {
        em = f.mapping.em_per_box * run.box_height;
        ascent = (run.box_height - em) / 2.0 + ft->ascender / upem * em;
    } else {
        // The Windows cell: the OS/2 table's ascent and descent, as GDI measures a font's height.
        const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(ft, FT_SFNT_OS2));
        const double cell_ascent = os2 ? os2->usWinAscent : ft->ascender;
        const double cell = os2 ? os2->usWinAscent + os2->usWinDescent : ft->ascender - ft->descender;
        em = run.box_height * upem / cell;
        ascent = cell_ascent / upem * em;
    }
    if (FT_Set_Char_Size(ft, 0, static_cast<FT_F26Dot6>(std::lround(em * 64.0)), 72, 72))
        throw std::runtime_error("font \"" + f.mapping.gauge_font + "\" cannot be sized to " +
                                 std::to_string(run.box_height) + " pixels");
    const int baseline = run.y + static_cast<int>(std::lround(ascent));

    // Lays the loaded glyph's bitmap down with its origin at pixel column `origin_x` of the baseline.
    auto plot_glyph = [&](int origin_x) {
        const FT_GlyphSlot slot = ft->glyph;
        const FT_Bitmap& bm = slot->bitmap;
        const int gx = origin_x + slot->bitmap_left;
        const int gy = baseline - slot->bitmap_top;
        for (unsigned row = 0; row < bm.rows; ++row)
            for (unsigned col = 0; col < bm.width; ++col)
                if (const uint8_t cover = bm.buffer[row * bm.pitch + col])
                    plot(gx + static_cast<int>(col), gy + static_cast<int>(row), cover);
    };
    auto glyph_of = [&](char byte) { return FT_Get_Char_Index(ft, windows_1252_to_unicode(static_cast<uint8_t>(byte))); };

    if (f.mapping.cell_per_box <= 0.0) {
        FT_Set_Transform(ft, nullptr, nullptr);
        FT_Pos pen = 0;
        for (char byte : run.text) {
            if (FT_Load_Glyph(ft, glyph_of(byte), FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL)) continue;
            plot_glyph(run.x + static_cast<int>(pen >> 6));
            pen += ft->glyph->advance.x;
        }
        return;
    }

    double cell = f.mapping.cell_per_box * run.box_height;
    const std::string_view shown = shown_part(run.text, static_cast<size_t>(run.box_width / cell));
    const size_t used = shown.find_last_not_of(' ') + 1;   // npos + 1 = 0: nothing but blanks
    if (used == 0) return;
    if (used * cell > run.box_width) cell = static_cast<double>(run.box_width) / used;

    // Each glyph keeps its height and is condensed to the cell: a digit's advance becomes one cell wide.
    const double squeeze = cell / (f.cell_advance / upem * em);
    const FT_Matrix condense{static_cast<FT_Fixed>(std::lround(squeeze * 0x10000)), 0, 0, 0x10000};
    for (size_t i = 0; i < used; ++i) {
        const FT_UInt glyph = glyph_of(shown[i]);
        const GlyphBox& box = f.box(glyph);
        if (box.x_min >= box.x_max) continue;   // a blank: its cell stays empty
        double origin = run.x + i * cell;
        // A glyph narrower than a digit (the dot, the colon) stands in the middle of its cell.
        if (box.advance != f.cell_advance) origin += cell / 2.0 - (box.x_min + box.x_max) / 2.0 / upem * em * squeeze;
        const double whole = std::floor(origin);
        FT_Vector shift{static_cast<FT_Pos>(std::lround((origin - whole) * 64.0)), 0};
        FT_Set_Transform(ft, const_cast<FT_Matrix*>(&condense), &shift);
        if (FT_Load_Glyph(ft, glyph, FT_LOAD_RENDER | FT_LOAD_NO_HINTING)) continue;
        plot_glyph(static_cast<int>(whole));
    }
    FT_Set_Transform(ft, nullptr, nullptr);
}

void Fonts::draw(Image& frame, const TextRun& run)
{
    if (run.box_width <= 0 || run.box_height <= 0) return;

    const int left = std::max(run.x, 0), top = std::max(run.y, 0);
    const int right = std::min(run.x + run.box_width, frame.width());
    const int bottom = std::min(run.y + run.box_height, frame.height());

    if (run.background != 0)
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) frame.at(x, y) = from_colorref(run.background);

    const Rgba colour = from_colorref(run.colour);
    lay_out(run, [&](int x, int y, unsigned cover) {
        if (x >= left && x < right && y >= top && y < bottom) blend(frame.at(x, y), colour, cover);
    });
}

std::vector<Fonts::InkPixel> Fonts::ink(const TextRun& run)
{
    std::vector<InkPixel> pixels;
    lay_out(run, [&](int x, int y, unsigned cover) { pixels.push_back({x, y, static_cast<uint8_t>(cover)}); });
    return pixels;
}

} // namespace host::draw
