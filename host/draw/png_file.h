// PNG files: what `panelhost render` writes and the golden pictures are kept as.
#pragma once

#include "image.h"

#include <filesystem>

namespace host::draw {

// Both throw std::runtime_error naming the file and what went wrong.
void write_png(const Image& image, const std::filesystem::path& file);
Image read_png(const std::filesystem::path& file);

} // namespace host::draw
