// A module file looked over before the system loader maps it: a file cut short (a copy that failed, a
// download that stopped) would otherwise be mapped past its end and end the host with a bus error.
#pragma once

#include <filesystem>

namespace host {

// Throws std::runtime_error naming the file unless it is a complete shared object (ELF) or DLL (PE): every
// header, segment and section it declares lies inside the file.
void check_module_file(const std::filesystem::path& file);

} // namespace host
