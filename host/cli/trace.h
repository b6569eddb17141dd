// The trace: one JSON object a frame, with what every element of every gauge shows and the key events,
// sounds and named variables of that frame, and what the pilot hears (the audio selections).
#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
#include <fstream>
#include <filesystem>
#include <string>

namespace host {

class Panel;
struct ElementView;

// What one element shows, as a trace line records it.
nlohmann::json element_record(const ElementView& v);

// The frames' log entries as they are made: each call gives one frame's line (without its newline) with
// the key events and sounds logged since the previous call.
class TraceRecorder {
public:
    std::string line(const Panel& panel);

private:
    std::size_t events_seen_ = 0;
    std::size_t sounds_seen_ = 0;
};

class Trace {
public:
    // Throws std::runtime_error when the file cannot be written.
    explicit Trace(const std::filesystem::path& file);
    void record(const Panel& panel);

private:
    std::ofstream out_;
    TraceRecorder recorder_;
};

} // namespace host
