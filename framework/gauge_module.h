// What every gauge module is: the two exported records, the empty module routines, the DLL entry, the
// one-time reset guard, the power convention and the few helpers every instrument's callbacks share.
//
// A module is one translation unit: its instrument source includes this header once and ends with
// GAUGE_MODULE(its gauge header). Everything here has internal linkage, so several modules can live in one
// process without sharing a single variable; only Linkage and ImportTable are exported.
#pragma once

#include "element_chain.h"
#include "fixed_text.h"
#include "gauge_abi.h"
#include "host_services.h"
#include "truncate.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <iterator>

#if defined(_WIN32)
#define GAUGE_EXPORT __declspec(dllexport)
#else
#define GAUGE_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {
GAUGE_EXPORT IMPORT_TABLE ImportTable = {
    {SERVICES_IMPORT_ID, nullptr},
    {0, nullptr},
};
}

#if defined(_WIN32)
// The DLL entry reports success for every reason and does nothing else.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
#endif

namespace {

void GAUGE_CALL module_init() {}
void GAUGE_CALL module_deinit() {}

// ---- Lifecycle ----------------------------------------------------------------------------------------

// The one-time reset guard: 0 at load, set by the first draw and never cleared, not even when the host
// kills and reinstalls the gauge. Returns true exactly once per loaded module.
int32_t reset_done = 0;

[[maybe_unused]] bool take_one_time_reset()
{
    if (reset_done != 0) return false;
    reset_done = 1;
    return true;
}

// An instrument is powered when the bus carries exactly 1 (token 773 truncated) and its own switch is on.
[[maybe_unused]] constexpr int32_t powered_from(int32_t bus_power, int32_t power_switch)
{
    return (bus_power == 1 && power_switch == 1) ? 1 : 0;
}

// ---- Elements -----------------------------------------------------------------------------------------

[[maybe_unused]] void set_hidden(ELEMENT_HEADER& element, bool hidden)
{
    if (hidden) element.image_flags |= IMAGE_HIDDEN;
    else element.image_flags &= ~IMAGE_HIDDEN;
}

// Formats a display's text into the host's buffer, never past its capacity. A text of one fixed-notation
// number is written without printf (fixed_text.h), byte for byte the same.
[[maybe_unused]] [[gnu::format(printf, 2, 3)]] void write_text(ELEMENT_STRING* element, const char* format, ...)
{
    if (element->string == nullptr || element->max_string_length == 0) return;
    va_list args;
    va_start(args, format);
    FixedFormat fixed;
    int length = 0;
    if (parse_fixed_format(format, fixed)) {
        va_list number;
        va_copy(number, args);
        const double value = va_arg(number, double);
        va_end(number);
        if (fixed_text(element->string, element->max_string_length, fixed, value, length)) {
            va_end(args);
            return;
        }
    }
    std::vsnprintf(element->string, element->max_string_length, format, args);
    va_end(args);
}

// snprintf of one number, through fixed_text where the format allows.
[[maybe_unused]] int format_number(char* out, size_t capacity, const char* format, double value)
{
    FixedFormat fixed;
    int length = 0;
    if (parse_fixed_format(format, fixed) && fixed_text(out, capacity, fixed, value, length)) return length;
    return std::snprintf(out, capacity, format, value);
}

// A fixed label printed with its element's own value far to the right in a 200-character field, so that
// only the label shows. Where the host's buffer cannot hold the whole text, the label alone is written:
// the pilot sees the same.
[[maybe_unused]] void write_label(ELEMENT_STRING* element, const char* label, const char* number_format, double value)
{
    if (element->string == nullptr || element->max_string_length == 0) return;
    char number[256];
    const int n = format_number(number, sizeof number, number_format, value);
    const size_t label_length = std::strlen(label);
    const size_t need = label_length + (n > 0 ? static_cast<size_t>(n) : 0) + 1;
    // As snprintf "%s%s" and "%s" would write them, cut to the buffer.
    const auto write = [&](const char* text, size_t length, size_t at) {
        const size_t room = element->max_string_length - 1 - at;
        const size_t k = length < room ? length : room;
        std::memcpy(element->string + at, text, k);
        return at + k;
    };
    size_t at = write(label, label_length, 0);
    if (n >= 0 && static_cast<size_t>(n) < sizeof number && need <= element->max_string_length)
        at = write(number, static_cast<size_t>(n), at);
    element->string[at] = '\0';
}

// ---- Table builders -----------------------------------------------------------------------------------

constexpr FAILURE_RECORD NO_FAILURES[] = {{0, 0}};

constexpr ELEMENT_HEADER element_header(int32_t type, int32_t resource_id, int32_t x, int32_t y,
                                        ELEMENT_HEADER* const* next)
{
    return ELEMENT_HEADER{type, resource_id, {x, y}, NO_FAILURES, IMAGE_FLAGS_DEFAULT, next};
}

constexpr MODULE_VAR module_var(int32_t token)
{
    return MODULE_VAR{token, nullptr, 0, {}, {}};
}

constexpr MOUSERECT hotspot_parent()
{
    return MOUSERECT{MOUSE_RECT_PARENT, 0, 0, 0, 0, CURSOR_NONE, 0, 0, 0, nullptr, nullptr};
}

constexpr MOUSERECT hotspot(int32_t x, int32_t y, int32_t w, int32_t h, int32_t cursor, MOUSE_CALLBACK cb)
{
    return MOUSERECT{MOUSE_RECT_CHILD, x, y, w, h, cursor, 0, MOUSE_LEFTSINGLE, 0, cb, nullptr};
}

constexpr MOUSERECT hotspot_end_of_parent()
{
    return MOUSERECT{MOUSE_RECT_END, 0, 0, 0, 0, CURSOR_NONE, 0, 0, 0, nullptr, nullptr};
}

constexpr MOUSERECT hotspot_end_of_list()
{
    return MOUSERECT{MOUSE_RECT_EOL, 0, 0, 0, 0, CURSOR_NONE, 0, 0, 0, nullptr, nullptr};
}

} // namespace

// Defines the exported Linkage record of a module holding the one gauge `header`.
#define GAUGE_MODULE(header)                                                                                \
    extern "C" {                                                                                            \
    GAUGE_EXPORT MODULE_LINKAGE Linkage = {                                                                 \
        MODULE_ID, module_init, module_deinit, 0, 0, MODULE_VERSION, {&(header), nullptr}};                 \
    }
