// Where a gauge's bitmaps come from, by resource id. On Windows they are resources linked into the module;
// a native module finds them as files beside it, in <gauge name>.res/<id>.bmp. The bytes are a bitmap file
// or, from a resource, the same bitmap without its 14-byte file header.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace host {

class LoadedModule;

class BitmapSource {
public:
    virtual ~BitmapSource() = default;
    // The bytes of bitmap `id`, or nothing when the module has no such bitmap.
    virtual std::optional<std::vector<uint8_t>> bitmap(int32_t id) const = 0;
    // Where bitmap `id` is looked for, for messages: a file, or a resource of a module.
    virtual std::string where(int32_t id) const = 0;
};

// The largest bitmap file read.
constexpr std::size_t BITMAP_FILE_LIMIT = std::size_t{64} << 20;

// Bitmaps as files <id>.bmp (decimal id) in one folder. A file that is a folder or too large to be a
// bitmap throws InputFileError naming it.
class BitmapFolder : public BitmapSource {
public:
    explicit BitmapFolder(std::filesystem::path folder) : folder_(std::move(folder)) {}
    std::optional<std::vector<uint8_t>> bitmap(int32_t id) const override;
    std::string where(int32_t id) const override;
    std::filesystem::path file(int32_t id) const;

private:
    std::filesystem::path folder_;
};

// The bitmaps of a loaded module, wherever this platform keeps them.
std::unique_ptr<BitmapSource> module_bitmaps(const LoadedModule& module);

} // namespace host
