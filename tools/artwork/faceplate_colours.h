// Rendered artwork turned into faceplate colours. The renderer gives every pixel an alpha; a faceplate
// bitmap has none: pure black (0,0,0) is transparent and everything else is opaque.
#pragma once

#include "bmp.h"
#include "image.h"

namespace artwork {

using host::draw::Image;
using host::draw::IndexedImage;
using host::draw::Rgba;

// A pixel at least half covered keeps the artwork's own colour at full strength; a pixel less than half
// covered becomes transparent. So an anti-aliased edge over a transparent area is cut clean instead of
// fading through dark greys, which would show as a grey fringe over whatever lies beneath. Opaque pure
// black is lifted to (1,1,1), the black that stays visible.
Image to_faceplate_colours(const Image& rendered);

// The faceplate colours in at most 256 palette entries. Entry 0 is pure black, the transparent colour; no
// visible pixel ever maps to it. Up to 255 visible colours are kept exactly; more are reduced by median cut.
IndexedImage to_palette(const Image& faceplate);

} // namespace artwork
