// The dynamic symbols of a native module as nm reads them: what it defines for the host and what it takes
// from the libraries it links.
#pragma once

#include <filesystem>
#include <set>
#include <string>

std::set<std::string> defined_symbols(const std::filesystem::path& module);
std::set<std::string> undefined_symbols(const std::filesystem::path& module);

// The symbols of `imports` that allocate from the heap or start, join or lock threads (versions stripped).
std::set<std::string> heap_or_thread_symbols(const std::set<std::string>& imports);
