// Pixel-for-pixel comparison of two pictures, for the golden pictures of the faceplates.
#pragma once

#include "image.h"

#include <cstddef>
#include <string>

namespace host::draw {

struct PictureDifference {
    size_t pixels = 0;                     // pixels that differ, counting those only one picture has
    int left = 0, top = 0, right = 0, bottom = 0;   // the box holding them, right and bottom exclusive
    bool sizes_differ = false;

    bool none() const { return pixels == 0 && !sizes_differ; }
    std::string describe() const;
};

PictureDifference compare_pictures(const Image& expected, const Image& actual);

// The two pictures' common canvas: matching pixels as a faint grey copy of the expected picture, differing
// ones in full red, so that a change stands out at a glance.
Image difference_picture(const Image& expected, const Image& actual);

} // namespace host::draw
