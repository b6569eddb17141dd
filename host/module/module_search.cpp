#include "module_search.h"

#include <stdexcept>

namespace host {

std::filesystem::path find_module_file(const std::string& name, const std::vector<std::filesystem::path>& dirs)
{
    for (const std::filesystem::path& dir : dirs) {
        std::filesystem::path file = dir / (name + ".gau");
        if (std::filesystem::exists(file)) return file;
    }
    std::string searched;
    for (const std::filesystem::path& dir : dirs) searched += (searched.empty() ? "" : ", ") + dir.string();
    throw std::runtime_error("no module " + name + ".gau in " + (searched.empty() ? "any folder" : searched));
}

} // namespace host
