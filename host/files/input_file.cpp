#include "input_file.h"

#include <fstream>

namespace host {

std::string read_input_file(const std::filesystem::path& file, const char* what, std::size_t limit)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status status = fs::status(file, ec);
    const std::string name = file.string() + ": ";
    if (status.type() == fs::file_type::not_found) throw InputFileError(name + "no such " + std::string(what));
    if (status.type() == fs::file_type::directory)
        throw InputFileError(name + "is a folder, not a " + std::string(what));
    std::ifstream in(file, std::ios::binary);
    if (!in) throw InputFileError(name + "cannot read the " + std::string(what));
    // Read in pieces, stopping one piece past the bound: a device or a pipe without end (/dev/zero) ends too.
    std::string text;
    char piece[65536];
    while (in && text.size() <= limit) {
        in.read(piece, sizeof piece);
        text.append(piece, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) throw InputFileError(name + "cannot read the " + std::string(what));
    if (text.size() > limit)
        throw InputFileError(name + "larger than " + std::to_string(limit >> 20) + " MiB: not a " + what);
    return text;
}

} // namespace host
