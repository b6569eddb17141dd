// The gauges' fonts, drawn with FreeType. A gauge names a Windows font; the host maps the name to a face
// that Debian ships and sizes it to the text box as Windows would size the original. The weights the
// suite asks for (100 and 400) both draw the regular face, as Windows does for faces without a thin cut.
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
};

// "Glass" and "Glass Gauge" as LCD faces, "Courier New" as its metric twin.
const std::vector<FontMapping>& default_font_map();

// One string element's text as the compositor hands it over.
struct TextRun {
    int x = 0, y = 0;                  // the element's position: the box's top left, where the text starts
    int box_width = 0, box_height = 0;
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
    void draw(Image& frame, const TextRun& run);

private:
    struct Face;
    Face& face(std::string_view gauge_font);

    std::vector<FontMapping> map_;
    struct Library;
    std::unique_ptr<Library> library_;
    std::map<std::string, std::unique_ptr<Face>> faces_;   // by lower-case gauge font name
};

} // namespace host::draw
