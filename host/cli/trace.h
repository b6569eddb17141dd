// The trace: one JSON object a frame, with what every element of every gauge shows and the key events,
// sounds and named variables of that frame, and what the pilot hears (the audio selections).
#pragma once

#include <cstddef>
#include <fstream>
#include <filesystem>

namespace host {

class Panel;

class Trace {
public:
    // Throws std::runtime_error when the file cannot be written.
    explicit Trace(const std::filesystem::path& file);
    void record(const Panel& panel);

private:
    std::ofstream out_;
    std::size_t events_seen_ = 0;
    std::size_t sounds_seen_ = 0;
};

} // namespace host
