// `panelhost inspect`: what a module declares, as a panel designer wants to see it.
#pragma once

#include <filesystem>
#include <iosfwd>

namespace host {

void inspect_module(const std::filesystem::path& module, std::ostream& out);

} // namespace host
