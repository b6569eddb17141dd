// Durations as people write them: "30m", "1h30m", "90s", "2m30s", "0.5h"; a bare number is seconds.
#pragma once

#include <optional>
#include <string>

namespace host {

// Seconds, or nothing when the text is not a duration (empty, an unknown unit, negative).
std::optional<double> parse_duration(const std::string& text);

// "1h05m00s", "12m30s", "45s": the form the progress line and summaries print.
std::string format_duration(double seconds);

} // namespace host
