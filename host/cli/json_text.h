// JSON text appended to a buffer, byte for byte as nlohmann::json's dump() writes the same values (no
// blanks, strings as UTF-8 with only quotes, backslashes and control characters escaped, numbers in their
// shortest exact form), without building a json value first: the trace writes one line a frame.
#pragma once

#include <nlohmann/json.hpp>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace host::json_text {

inline void append(std::string& out, std::string_view text)
{
    out.append(text);
}

// ASCII text inside a string value, escaped as nlohmann::json escapes it.
inline void append_escaped(std::string& out, std::string_view s)
{
    for (unsigned char c : s) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                static constexpr char HEX[] = "0123456789abcdef";
                out += "\\u00";
                out += HEX[c >> 4];
                out += HEX[c & 0xF];
            } else {
                out += static_cast<char>(c);
            }
        }
    }
}

// A string value. Text beyond ASCII goes through nlohmann::json itself, so that it is written, or refused
// as invalid UTF-8, exactly as there.
inline void append_string(std::string& out, std::string_view s)
{
    for (unsigned char c : s)
        if (c >= 0x80) {
            out += nlohmann::json(std::string(s)).dump();
            return;
        }
    out += '"';
    append_escaped(out, s);
    out += '"';
}

template <class Integer>
void append_integer(std::string& out, Integer v)
{
    char text[24];
    const char* end = std::to_chars(text, text + sizeof text, v).ptr;
    out.append(text, static_cast<size_t>(end - text));
}

inline void append_bool(std::string& out, bool v)
{
    out += v ? "true" : "false";
}

// Shortest text that reads back as the same double, with ".0" on whole numbers; null for NaN and infinities.
inline void append_double(std::string& out, double v)
{
    if (!std::isfinite(v)) {
        out += "null";
        return;
    }
    char text[64];
    const char* end = nlohmann::detail::to_chars(text, text + sizeof text, v);
    out.append(text, static_cast<size_t>(end - text));
}

// `"key":`
inline void append_key(std::string& out, std::string_view key)
{
    append_string(out, key);
    out += ':';
}

} // namespace host::json_text
