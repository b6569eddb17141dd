// Finding a gauge module by its name: <name>.gau in the first of a list of folders that holds one.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace host {

// Throws std::runtime_error "no module NAME.gau in FOLDER, FOLDER" when none of the folders holds it.
std::filesystem::path find_module_file(const std::string& name, const std::vector<std::filesystem::path>& dirs);

} // namespace host
