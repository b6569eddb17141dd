// Durations as people write them: "30m", "1h30m", "90s", "2m30s", "0.5h"; a bare number is seconds.
#pragma once

#include <optional>
#include <string>

namespace host {

// The longest stretch of simulated time one command, wait or flight-file time may name: a day. A run of a
// day is over a million frames already; more is a typing slip, and would keep the host busy for hours.
constexpr double LONGEST_DURATION_S = 24 * 3600.0;

// Seconds, or nothing when the text is not a duration (empty, an unknown unit, negative, too large to be a
// number of seconds).
std::optional<double> parse_duration(const std::string& text);

// What is wrong with a number of seconds, or "" for a duration from 0 to LONGEST_DURATION_S.
std::string duration_problem(double seconds);

// "1h05m00s", "12m30s", "45s": the form the progress line and summaries print.
std::string format_duration(double seconds);

} // namespace host
