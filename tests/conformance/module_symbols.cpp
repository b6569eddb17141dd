#include "module_symbols.h"

#include <cstdio>
#include <memory>
#include <sstream>

namespace {

std::set<std::string> symbols(const std::filesystem::path& module, const char* which)
{
    const std::string command = std::string(NM_COMMAND) + " -D " + which + " '" + module.string() + "'";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::set<std::string> names;
    char line[512];
    while (pipe && std::fgets(line, sizeof line, pipe.get())) {
        // "address type name" for defined symbols, "type name" for undefined ones.
        std::istringstream fields(line);
        std::string a, b, c;
        fields >> a >> b >> c;
        std::string name = c.empty() ? b : c;
        if (auto at = name.find('@'); at != std::string::npos) name.resize(at);
        if (!name.empty()) names.insert(name);
    }
    return names;
}

} // namespace

std::set<std::string> defined_symbols(const std::filesystem::path& module)
{
    return symbols(module, "--defined-only");
}

std::set<std::string> undefined_symbols(const std::filesystem::path& module)
{
    return symbols(module, "--undefined-only");
}

std::set<std::string> heap_or_thread_symbols(const std::set<std::string>& imports)
{
    static const char* const exact[] = {"malloc", "calloc", "realloc", "free", "aligned_alloc", "posix_memalign",
                                        "memalign", "valloc", "pvalloc", "strdup", "strndup", "brk", "sbrk",
                                        "mmap", "__cxa_guard_acquire", "__cxa_allocate_exception"};
    // operator new and delete in every form, pthreads, C11 threads, std::thread.
    static const char* const prefixes[] = {"_Znw", "_Zna", "_Zdl", "_Zda", "pthread_", "thrd_", "mtx_", "cnd_",
                                           "_ZNSt6thread"};
    std::set<std::string> found;
    for (const std::string& s : imports) {
        for (const char* e : exact)
            if (s == e) found.insert(s);
        for (const char* p : prefixes)
            if (s.rfind(p, 0) == 0) found.insert(s);
    }
    return found;
}
