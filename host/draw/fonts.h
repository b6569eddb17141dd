// The gauges' fonts, drawn with FreeType. A gauge names a Windows font; the host maps the name to a face
// that Debian ships and sizes it to the text box. The weights the suite asks for (100 and 400) both draw
// the regular face, as Windows does for faces without a thin cut.
//
// The LCD faces are drawn monospaced, the way an LCD lays its digits in fixed cells: every character, the
// blank, the dot and the colon included, takes one cell, each glyph condensed to the cell's width and the
// narrow ones (dot, colon) centred in it. The faceplates place neighbouring fields by counting such cells
// ("Ft 01:" and its minutes, "Time      UTC" around the UTC hours and minutes), so the cell is a fixed
// share of the box height. Every text is clipped to its box.
#pragma once

#include "image.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace host::draw {

struct FontMapping {
    std::string gauge_font;   // the name in the string element, compared without regard to case
    std::string family;       // the installed face that draws it
    std::string package;      // the Debian package that ships the face, for the message when it is missing
    // Windows fills the box height with a face's cell (ascent plus descent). The LCD faces that stand in
    // for the gauges' LCD fonts have no room above or below their segments, where the fonts the faceplates
    // were laid out for give their digits about two thirds of the cell: for them the em square takes this
    // share of the box height, centred in it, so that displays laid side by side keep their gaps (the COM
    // radio's standby frequency starts 115 pixels after its active one). 0: the face's own cell fills the box.
    double em_per_box = 0.0;
    // Monospaced faces: the width of one character cell as a share of the box height, which the positions
    // of neighbouring fields on the displays set (fonts.cpp says how). 0: the face's own advances.
    double cell_per_box = 0.0;
};

// "Glass" and "Glass Gauge" as LCD faces, "Courier New" as its metric twin.
const std::vector<FontMapping>& default_font_map();

// One string element's text as the compositor hands it over.
struct TextRun {
    int x = 0, y = 0;                  // the element's position: the box's top left, where the text starts
    int box_width = 0, box_height = 0; // the part of the box that lies on the faceplate
    std::string_view font;
    uint32_t colour = 0;               // 0x00BBGGRR
    uint32_t background = 0;           // 0x00BBGGRR; black is transparent, any other colour fills the box
    uint8_t char_set = 1;
    std::string_view text;             // bytes in the character set
};

class Fonts {
public:
    explicit Fonts(std::vector<FontMapping> map = default_font_map());
    ~Fonts();
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;

    // Draws the run, clipped to its box and to the frame. Throws std::runtime_error naming the font when
    // no face is mapped to it or the face is not installed, and for a character set other than Windows-1252.
    //
    // In a monospaced face a display shows its text up to the first run of blanks wider than the box: a
    // label display prints its value right-aligned in a field of 200 characters ("Ete%200.0f"), so the
    // number lies far beyond the box and the label alone is seen. When what is shown needs more cells
    // than the box holds, the cells are narrowed until it fits, so that no character is cut off.
    void draw(Image& frame, const TextRun& run);

    // A pixel the run's glyphs cover, with its coverage (1-255), before any clipping.
    struct InkPixel {
        int x = 0, y = 0;
        uint8_t cover = 0;
    };
    // What `draw` would cover without clipping to the box or a frame: for checks that a text stays in its
    // box and clear of its neighbours. Throws as `draw` does.
    std::vector<InkPixel> ink(const TextRun& run);

private:
    struct Face;
    Face& face(std::string_view gauge_font);
    // Rasterises the run's glyphs, calling `plot` for every pixel with ink, unclipped.
    template <class Plot> void lay_out(const TextRun& run, Plot&& plot);

    std::vector<FontMapping> map_;
    struct Library;
    std::unique_ptr<Library> library_;
    std::map<std::string, std::unique_ptr<Face>> faces_;   // by lower-case gauge font name
};

} // namespace host::draw
