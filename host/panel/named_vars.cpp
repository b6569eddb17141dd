#include "named_vars.h"

#include <algorithm>
#include <cstring>

namespace host {

void NamedVars::publish(void* var, int32_t var_type, const std::string& name, const void* owner)
{
    if (!var) return;
    auto& publications = entries_[name];
    // A gauge publishing the name again replaces its own publication, which becomes the newest.
    std::erase_if(publications, [&](const Entry& e) { return e.owner == owner; });
    publications.push_back(Entry{var, var_type, owner});
}

void NamedVars::withdraw(const std::string& name, const void* owner)
{
    auto it = entries_.find(name);
    if (it == entries_.end()) return;
    std::erase_if(it->second, [&](const Entry& e) { return e.owner == owner; });
    if (it->second.empty()) entries_.erase(it);
}

void NamedVars::bind(MODULE_VAR* var, const std::string& name, const void* binder)
{
    if (!var) return;
    auto it = entries_.find(name);
    const Entry* newest = it == entries_.end() ? nullptr : &it->second.back();
    var->var_ptr = newest ? newest->var : nullptr;
    bindings_.push_back(Binding{var, binder, newest ? newest->owner : nullptr});
}

void NamedVars::forget_module(const void* module)
{
    std::erase_if(bindings_, [&](const Binding& b) { return b.binder == module; });
    for (Binding& b : bindings_)
        if (b.target_owner == module) {
            b.var->var_ptr = nullptr;
            b.target_owner = nullptr;
        }
    for (auto& [name, publications] : entries_)
        std::erase_if(publications, [&](const Entry& e) { return e.owner == module; });
    std::erase_if(entries_, [](const auto& entry) { return entry.second.empty(); });
}

std::optional<int32_t> NamedVars::read(const std::string& name) const
{
    auto it = entries_.find(name);
    if (it == entries_.end()) return std::nullopt;
    int32_t v;
    std::memcpy(&v, it->second.back().var, sizeof v);
    return v;
}

std::vector<std::pair<std::string, int32_t>> NamedVars::published() const
{
    std::vector<std::pair<std::string, int32_t>> out;
    for (const auto& [name, entry] : entries_) out.emplace_back(name, *read(name));
    return out;
}

} // namespace host
