// The page's own files, carried inside panelhost: the workbench serves these and nothing else.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace host::web {

struct EmbeddedFile {
    const char* name;             // as requested, "/index.html"
    const unsigned char* data;
    std::size_t size;

    std::string_view bytes() const { return {reinterpret_cast<const char*>(data), size}; }
};

const std::vector<EmbeddedFile>& embedded_files();

// The file served under `name`, or null: names are compared whole, never resolved against a folder.
const EmbeddedFile* find_embedded_file(std::string_view name);

// The Content-Type of a file by its extension.
const char* content_type(std::string_view name);

} // namespace host::web
