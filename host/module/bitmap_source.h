// The bitmaps of a loaded gauge module, by resource number, as the bytes of a BMP file: from the module's
// BITMAP resources on Windows, from <module>.res/<id>.bmp beside the module file elsewhere (a native
// module's bitmaps lie there, in the build as in a panel folder).
#pragma once

#include "loaded_module.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace host {

// The BMP file of resource `id`, or nothing when the module has no such bitmap.
std::optional<std::vector<uint8_t>> module_bitmap(const LoadedModule& module, int32_t id);

} // namespace host
