// The trace: one JSON object a frame, with what every element of every gauge shows and the key events,
// sounds and named variables of that frame, and what the pilot hears (the audio selections).
#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
#include <fstream>
#include <filesystem>
#include <string>
#include <vector>

namespace host {

class Panel;
struct ElementView;

// What one element shows, as a trace line records it.
nlohmann::json element_record(const ElementView& v);

// The frames' log entries as they are made: each call gives one frame's line (without its newline) with
// the key events and sounds logged since the previous call. The line is what nlohmann::json's dump() of
// the frame's record gives, written straight into one buffer; an element's part is kept from frame to
// frame and written anew only when the element shows something else.
class TraceRecorder {
public:
    std::string line(const Panel& panel);
    // The same line in the recorder's own buffer, valid until the next call.
    const std::string& write(const Panel& panel);

private:
    struct Element {
        const void* record = nullptr;   // the element it was written for
        bool written = false, hidden = false;
        int32_t frame = 0;
        std::string text;
        double x = 0, y = 0;
        std::string json;
        void refresh(const ElementView& v);
    };
    struct GaugeLines {
        const void* gauge = nullptr;
        std::string name;
        std::vector<Element> elements;
    };
    std::size_t events_seen_ = 0;
    std::size_t sounds_seen_ = 0;
    std::vector<GaugeLines> gauges_;
    std::string line_;
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
