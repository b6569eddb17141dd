// artwork-bmp RENDERED.png FACEPLATE.bmp [--bits 8|24]
// The last step of the artwork pipeline: the PNG that rsvg-convert rendered from an artwork source becomes
// the Windows bitmap a gauge shows, in faceplate colours (pure black transparent), 8-bit palette or 24-bit.

#include "bmp.h"
#include "faceplate_colours.h"
#include "png_file.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    int bits = 8;
    if (argc == 5 && std::strcmp(argv[3], "--bits") == 0) bits = std::atoi(argv[4]);
    if ((argc != 3 && argc != 5) || (bits != 8 && bits != 24)) {
        std::cerr << "usage: artwork-bmp RENDERED.png FACEPLATE.bmp [--bits 8|24]\n";
        return 2;
    }
    const fs::path input = argv[1], output = argv[2];
    try {
        const artwork::Image faceplate = artwork::to_faceplate_colours(host::draw::read_png(input));
        const std::vector<uint8_t> bmp = bits == 8 ? host::draw::encode_bmp(artwork::to_palette(faceplate), 8)
                                                   : host::draw::encode_bmp_24(faceplate);
        if (output.has_parent_path()) fs::create_directories(output.parent_path());
        std::ofstream out(output, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
        if (!out) throw std::runtime_error(output.string() + ": cannot write the bitmap");
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "artwork-bmp: " << e.what() << "\n";
        return 1;
    }
}
