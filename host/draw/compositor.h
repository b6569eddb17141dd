// The faceplate as the pilot sees it: the element chain, as the host read it back after the last draw,
// painted in chain order into one RGBA frame the size of the background bitmap.
//
// Bitmaps are laid down pixel for pixel, except their pure black pixels (0,0,0): those let what lies
// beneath show through, which is how the faceplates stack lamps and knob frames on one spot. Where nothing
// is drawn the frame stays transparent. Icons show frame i as bitmap N+i; sliders are displaced by value
// times scale; strings draw their text; hidden elements draw nothing.
//
// A faceplate changes little from one frame to the next: a digit, a lamp. The compositor keeps the frame
// it drew last and what every element showed in it, and repaints only the boxes of the elements that
// changed, every element over them laid again in chain order; the picture is the one a fresh compositor
// draws. Bitmaps are kept decoded, each row as its runs of visible pixels, ready to copy.
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
    // The same picture, kept by the compositor until the next call: only what changed is drawn anew.
    const Image& update(const std::vector<ElementView>& elements);

    struct Box {
        int left = 0, top = 0, right = 0, bottom = 0;   // right and bottom exclusive
        bool empty() const { return right <= left || bottom <= top; }
        friend bool operator==(const Box&, const Box&) = default;
    };

private:
    struct Run {
        int x, length;
    };
    // A decoded bitmap with, per row, the runs of pixels that are not pure black.
    struct Prepared {
        Image image;
        std::vector<std::vector<Run>> rows;
    };
    // What an element put on the frame: enough to tell whether it would draw anything else now.
    struct Shown {
        Box box;                 // where it may paint, within the frame; empty when it paints nothing
        int32_t bitmap = 0;      // bitmaps: the id laid, at the box's corner before clipping
        int x = 0, y = 0;
        std::string text;        // strings: the run drawn
        uint32_t colour = 0, background = 0;
        uint8_t char_set = 0;
        std::string font;
        int box_width = 0, box_height = 0;
        friend bool operator==(const Shown&, const Shown&) = default;
    };

    const Prepared& bitmap(int32_t id);
    void observe(const ElementView& element, int width, int height, Shown& shown);
    void repaint(const std::vector<ElementView>& elements, const Box& box);
    void draw_element(const ElementView& element, const Shown& shown, const Box& clip);

    std::string gauge_name_;
    const BitmapSource& bitmaps_;
    Fonts& fonts_;
    std::map<int32_t, Prepared> decoded_;
    Image frame_;                 // the picture as last drawn
    Image scratch_;               // where a changed box is drawn before it is copied into the frame
    std::vector<Shown> shown_;    // per element, as last drawn; empty: nothing drawn yet
    std::vector<Shown> now_;
    std::vector<Box> dirty_;
};

// A string element's text as the compositor draws it on a faceplate `faceplate_width` pixels wide.
TextRun text_run(const ElementView& element, int faceplate_width);

// A gauge as the host last drew it, with its module's bitmaps and the default fonts.
Image render_gauge(const Gauge& gauge, Fonts& fonts);

} // namespace host::draw
