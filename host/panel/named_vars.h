// Named variables: what one gauge publishes under a name so that other gauges of the panel can read it.
// A binding to a name nobody published yields a null pointer, which the reading gauge treats as 0.
#pragma once

#include "gauge_abi.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace host {

// A name may be published by several gauges at once (two navigators both offer "send_msg"): each keeps
// its own registration, and a binder gets the first publisher in panel order.
class NamedVars {
public:
    // Where a module's gauge stands in the panel: the order in which publishers of one name are taken.
    // Without one, the order of registration.
    using PanelPosition = std::function<size_t(const void* module)>;
    void set_panel_position(PanelPosition position) { position_ = std::move(position); }

    // `owner` identifies the publishing or binding module. Publishing a name twice from one module keeps
    // the later variable.
    void publish(void* var, int32_t var_type, const std::string& name, const void* owner);
    // Withdraws `owner`'s own registration of the name, no other; bindings to it read as unpublished.
    void withdraw(const std::string& name, const void* owner);
    // Points the module variable at the name's first publisher in panel order, or at nothing (null) when
    // nobody publishes it.
    void bind(MODULE_VAR* var, const std::string& name, const void* binder);

    // The module is being unloaded: its names are withdrawn, every binding that still points into it is
    // cleared (it would point into freed memory), and its own bindings are forgotten.
    void forget_module(const void* module);

    // The value of the name's first publisher in panel order, or nothing when the name is not published.
    std::optional<int32_t> read(const std::string& name) const;
    std::vector<std::pair<std::string, int32_t>> published() const;
    // The same names and values in the same order, handed to `visit(name, value)` one by one.
    template <class Visit>
    void each_published(Visit&& visit) const
    {
        for (const auto& entry : entries_)
            if (auto v = read(entry.first)) visit(entry.first, *v);
    }

private:
    struct Entry {
        void* var;
        int32_t var_type;
        const void* owner;
        uint64_t registered;        // registration counter: the order among one module's equals
    };
    struct Binding {
        MODULE_VAR* var;
        const void* binder;
        const void* target_owner;   // the module whose variable the binding points into, if any
    };
    const Entry* first(const std::string& name) const;
    void clear_bindings_into(const void* owner, const void* var);

    std::map<std::string, std::vector<Entry>> entries_;
    std::vector<Binding> bindings_;
    PanelPosition position_;
    uint64_t registrations_ = 0;
};

} // namespace host
