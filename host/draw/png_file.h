// PNG files: what `panelhost render` writes and the golden pictures are kept as.
#pragma once

#include "image.h"

#include <filesystem>
#include <string>

namespace host::draw {

// Both throw std::runtime_error naming the file and what went wrong.
void write_png(const Image& image, const std::filesystem::path& file);
Image read_png(const std::filesystem::path& file);
// The PNG file's bytes in memory; throws std::runtime_error when libpng refuses the picture.
std::string encode_png(const Image& image);

} // namespace host::draw
