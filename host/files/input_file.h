// Reading the files a user hands the host (scripts, panel.cfg, flight files, bitmaps): never more than a
// bound, never a folder or a device taken for a file, so that a wrong path ends in a message instead of a
// hang or an empty file read as a valid one.
#pragma once

#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace host {

// The largest text file the host reads: far beyond any script, panel.cfg or flight a person writes.
constexpr std::size_t TEXT_FILE_LIMIT = 16u << 20;

// Why a file was not read: the message names the file and the reason.
class InputFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The whole file (a pipe or a device too), which must not be a folder and must end within `limit` bytes.
// `what` names it in messages ("script", "panel configuration", ...). Throws InputFileError.
std::string read_input_file(const std::filesystem::path& file, const char* what, std::size_t limit = TEXT_FILE_LIMIT);

} // namespace host
