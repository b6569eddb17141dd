// A gauge module as the host binds it: its exported Linkage and ImportTable, checked, the services table
// filled in, the module initialiser called.
#pragma once

#include "dynamic_library.h"
#include "gauge_abi.h"

#include <filesystem>
#include <memory>
#include <string>

namespace host {

class LoadedModule {
public:
    // Loads and binds the module at `path`. Throws std::runtime_error naming the file and what is wrong
    // with it: not loadable, no Linkage or ImportTable, a wrong module id or version, no gauge, no slot for
    // the services table.
    LoadedModule(const std::filesystem::path& path, PANEL_SERVICES* services);
    ~LoadedModule();
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    const std::filesystem::path& path() const { return path_; }
    GAUGEHDR* gauge_header() const { return linkage_->gauge_header_list[0]; }
    std::string gauge_name() const;
    const DynamicLibrary& library() const { return *library_; }

private:
    std::filesystem::path path_;
    std::unique_ptr<DynamicLibrary> library_;
    MODULE_LINKAGE* linkage_ = nullptr;
    IMPORT_TABLE* imports_ = nullptr;
};

} // namespace host
