#include "dynamic_library.h"

#include <stdexcept>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#include <unistd.h>
#endif

namespace host {

#if defined(_WIN32)

DynamicLibrary::DynamicLibrary(const std::filesystem::path& path)
{
    // A name without a folder would be looked for in the system folders first: the file meant is the given one.
    handle_ = LoadLibraryW(std::filesystem::absolute(path).wstring().c_str());
    if (!handle_)
        throw std::runtime_error(path.string() + ": cannot load module (Windows error " +
                                 std::to_string(GetLastError()) + ")");
}

DynamicLibrary::~DynamicLibrary()
{
    if (handle_) FreeLibrary(static_cast<HMODULE>(handle_));
}

void* DynamicLibrary::symbol(const char* name) const
{
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
}

std::filesystem::path executable_dir()
{
    wchar_t buffer[MAX_PATH];
    DWORD n = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    return std::filesystem::path(std::wstring(buffer, n)).parent_path();
}

#else

DynamicLibrary::DynamicLibrary(const std::filesystem::path& path)
{
    // Each module gets its own symbol namespace: nothing of one gauge may bind to another's.
    // A name without a folder ("X.gau") would be looked for in the system's library folders: the file
    // meant is the one in the current folder.
    handle_ = dlopen(std::filesystem::absolute(path).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        const char* why = dlerror();
        throw std::runtime_error(path.string() + ": cannot load module (" + (why ? why : "unknown reason") + ")");
    }
}

DynamicLibrary::~DynamicLibrary()
{
    if (handle_) dlclose(handle_);
}

void* DynamicLibrary::symbol(const char* name) const
{
    return dlsym(handle_, name);
}

std::filesystem::path executable_dir()
{
    std::error_code ec;
    auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path() : self.parent_path();
}

#endif

} // namespace host
