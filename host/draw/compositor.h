// The faceplate as the pilot sees it: the element chain, as the host read it back after the last draw,
// painted in chain order into one RGBA frame the size of the background bitmap.
//
// Bitmaps are laid down pixel for pixel, except their pure black pixels (0,0,0): those let what lies
// beneath show through, which is how the faceplates stack lamps and knob frames on one spot. Where nothing
// is drawn the frame stays transparent. Icons show frame i as bitmap N+i; sliders are displaced by value
// times scale; strings draw their text; hidden elements draw nothing.
#pragma once

#include "bitmap_source.h"
#include "fonts.h"
#include "gauge.h"
#include "image.h"

#include <map>
#include <string>
#include <vector>

namespace host::draw {

class Compositor {
public:
    // `bitmaps` and `fonts` must outlive the compositor; decoded bitmaps are kept for later frames.
    Compositor(std::string gauge_name, const BitmapSource& bitmaps, Fonts& fonts);

    // Throws std::runtime_error naming the gauge, and the bitmap or font, when one is missing or unreadable.
    Image compose(const std::vector<ElementView>& elements);

private:
    const Image& bitmap(int32_t id);
    void draw_element(Image& frame, const ElementView& element);

    std::string gauge_name_;
    const BitmapSource& bitmaps_;
    Fonts& fonts_;
    std::map<int32_t, Image> decoded_;
};

// A string element's text as the compositor draws it on a faceplate `faceplate_width` pixels wide.
TextRun text_run(const ElementView& element, int faceplate_width);

// A gauge as the host last drew it, with its module's bitmaps and the default fonts.
Image render_gauge(const Gauge& gauge, Fonts& fonts);

} // namespace host::draw
