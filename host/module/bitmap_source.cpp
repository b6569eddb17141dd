#include "bitmap_source.h"

#include "input_file.h"
#include "loaded_module.h"


#if defined(_WIN32)
#include <windows.h>
#endif

namespace host {

std::filesystem::path BitmapFolder::file(int32_t id) const
{
    return folder_ / (std::to_string(id) + ".bmp");
}

std::optional<std::vector<uint8_t>> BitmapFolder::bitmap(int32_t id) const
{
    const std::filesystem::path path = file(id);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return std::nullopt;
    const std::string bytes = read_input_file(path, "bitmap", BITMAP_FILE_LIMIT);
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

std::string BitmapFolder::where(int32_t id) const
{
    return file(id).string();
}

#if defined(_WIN32)

namespace {

// Bitmap resources linked into the module: the bitmap without its file header.
class ModuleResources : public BitmapSource {
public:
    explicit ModuleResources(const LoadedModule& module)
        : handle_(static_cast<HMODULE>(module.library().native_handle())), name_(module.path().filename().string())
    {
    }

    std::optional<std::vector<uint8_t>> bitmap(int32_t id) const override
    {
        // Resource numbers run from 1 to 65535; anything else would be taken for the address of a name.
        if (id < 1 || id > 0xFFFF) return std::nullopt;
        HRSRC found = FindResourceA(handle_, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2));   // RT_BITMAP
        if (!found) return std::nullopt;
        HGLOBAL loaded = LoadResource(handle_, found);
        const auto* bytes = loaded ? static_cast<const uint8_t*>(LockResource(loaded)) : nullptr;
        if (!bytes) return std::nullopt;
        return std::vector<uint8_t>(bytes, bytes + SizeofResource(handle_, found));
    }

    std::string where(int32_t id) const override
    {
        return "bitmap resource " + std::to_string(id) + " of " + name_;
    }

private:
    HMODULE handle_;
    std::string name_;
};

} // namespace

std::unique_ptr<BitmapSource> module_bitmaps(const LoadedModule& module)
{
    return std::make_unique<ModuleResources>(module);
}

#else

std::unique_ptr<BitmapSource> module_bitmaps(const LoadedModule& module)
{
    return std::make_unique<BitmapFolder>(module.path().parent_path() / (module.gauge_name() + ".res"));
}

#endif

} // namespace host
