// A shared library opened by path: dlopen here, LoadLibrary on Windows. Nothing else of the host knows
// which one it is.
#pragma once

#include <filesystem>
#include <string>

namespace host {

class DynamicLibrary {
public:
    // Opens the library; throws std::runtime_error naming the file and the system's reason.
    explicit DynamicLibrary(const std::filesystem::path& path);
    ~DynamicLibrary();
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;

    // The address of an exported symbol, or null.
    void* symbol(const char* name) const;
    void* native_handle() const { return handle_; }

private:
    void* handle_ = nullptr;
};

// The folder of the running executable.
std::filesystem::path executable_dir();

} // namespace host
