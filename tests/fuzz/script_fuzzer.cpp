// Any text as a script: it parses into commands or stops with a ScriptError naming file, line and problem.
#include "script.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        host::parse_script(text, "fuzz/input.script");
    } catch (const host::ScriptError&) {
    }
    return 0;
}
