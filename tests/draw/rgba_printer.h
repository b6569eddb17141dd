// Pixels in failure messages as (r,g,b,a) rather than raw bytes.
#pragma once

#include "image.h"

#include <ostream>

namespace host::draw {

inline void PrintTo(const Rgba& p, std::ostream* out)
{
    *out << "(" << int(p.r) << "," << int(p.g) << "," << int(p.b) << "," << int(p.a) << ")";
}

} // namespace host::draw
