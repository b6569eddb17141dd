// Named variables: what one gauge publishes under a name so that other gauges of the panel can read it.
// A binding to a name nobody published yields a null pointer, which the reading gauge treats as 0.
// Two gauges may publish the same name (both audio panels publish "nav1" and "nav2"): the newest
// publication is the one read and bound, and a gauge withdraws only its own, so the other's shows again.
#pragma once

#include "gauge_abi.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace host {

class NamedVars {
public:
    // `owner` identifies the publishing or binding module, so that its unloading can be cleaned up.
    void publish(void* var, int32_t var_type, const std::string& name, const void* owner);
    // Withdraws `owner`'s publication of the name; the newest other publication, if any, takes its place.
    void withdraw(const std::string& name, const void* owner);
    void bind(MODULE_VAR* var, const std::string& name, const void* binder);

    // The module is being unloaded: its names are withdrawn, every binding that still points into it is
    // cleared (it would point into freed memory), and its own bindings are forgotten.
    void forget_module(const void* module);

    // The published 32-bit value, or nothing when the name is not published.
    std::optional<int32_t> read(const std::string& name) const;
    std::vector<std::pair<std::string, int32_t>> published() const;

private:
    struct Entry {
        void* var;
        int32_t var_type;
        const void* owner;
    };
    struct Binding {
        MODULE_VAR* var;
        const void* binder;
        const void* target_owner;   // the module whose variable the binding points into, if any
    };
    // Per name, its publications from oldest to newest; a name without any is erased.
    std::map<std::string, std::vector<Entry>> entries_;
    std::vector<Binding> bindings_;
};

} // namespace host
