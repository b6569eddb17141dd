// Any bytes as a faceplate bitmap: decoded, every pixel inside the picture, or refused with a BmpError.
#include "bmp.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        host::draw::decode_bmp(std::span<const uint8_t>(data, size));
    } catch (const host::BmpError&) {
    }
    return 0;
}
