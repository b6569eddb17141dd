// Where a text of the display line starts and how wide its box is; the builds place some texts differently.
#pragma once

#include <cstdint>

namespace profile {

struct TextPlace {
    int32_t x;
    int32_t width;
};

} // namespace profile
