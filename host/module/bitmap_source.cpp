#include "bitmap_source.h"

#include "bmp_header.h"

#include <fstream>
#include <iterator>
#include <string>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace host {

#if defined(_WIN32)

std::optional<std::vector<uint8_t>> module_bitmap(const LoadedModule& module, int32_t id)
{
    if (id <= 0 || id > 0xFFFF) return std::nullopt;   // a resource number is 16 bits
    auto handle = static_cast<HMODULE>(module.library().native_handle());
    HRSRC found = FindResourceW(handle, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(2) /* RT_BITMAP */);
    if (!found) return std::nullopt;
    HGLOBAL loaded = LoadResource(handle, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return std::nullopt;
    return bmp_file_from_resource(static_cast<const uint8_t*>(data), SizeofResource(handle, found));
}

#else

std::optional<std::vector<uint8_t>> module_bitmap(const LoadedModule& module, int32_t id)
{
    if (id <= 0) return std::nullopt;
    std::filesystem::path folder = module.path();
    folder.replace_extension(".res");
    std::ifstream in(folder / (std::to_string(id) + ".bmp"), std::ios::binary);
    if (!in) return std::nullopt;
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

#endif

} // namespace host
