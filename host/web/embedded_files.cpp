#include "embedded_files.h"

namespace host::web {

const EmbeddedFile* find_embedded_file(std::string_view name)
{
    for (const EmbeddedFile& f : embedded_files())
        if (name == f.name) return &f;
    return nullptr;
}

const char* content_type(std::string_view name)
{
    auto ends = [&](std::string_view ext) { return name.size() >= ext.size() && name.substr(name.size() - ext.size()) == ext; };
    if (ends(".html")) return "text/html; charset=utf-8";
    if (ends(".js")) return "text/javascript; charset=utf-8";
    if (ends(".css")) return "text/css; charset=utf-8";
    if (ends(".svg")) return "image/svg+xml";
    if (ends(".wav")) return "audio/wav";
    return "application/octet-stream";
}

} // namespace host::web
