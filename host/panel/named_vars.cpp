#include "named_vars.h"

#include <algorithm>
#include <cstring>

namespace host {

void NamedVars::publish(void* var, int32_t var_type, const std::string& name, const void* owner)
{
    if (!var) return;
    std::vector<Entry>& publishers = entries_[name];
    auto own = std::find_if(publishers.begin(), publishers.end(), [&](const Entry& e) { return e.owner == owner; });
    if (own != publishers.end()) {
        // The same module publishing again: bindings into its old variable follow to the new one.
        for (Binding& b : bindings_)
            if (b.target_owner == owner && b.var->var_ptr == own->var) b.var->var_ptr = var;
        own->var = var;
        own->var_type = var_type;
        return;
    }
    publishers.push_back(Entry{var, var_type, owner, registrations_++});
}

void NamedVars::withdraw(const std::string& name, const void* owner)
{
    auto it = entries_.find(name);
    if (it == entries_.end()) return;
    std::vector<Entry>& publishers = it->second;
    auto own = std::find_if(publishers.begin(), publishers.end(), [&](const Entry& e) { return e.owner == owner; });
    if (own == publishers.end()) return;
    clear_bindings_into(owner, own->var);
    publishers.erase(own);
    if (publishers.empty()) entries_.erase(it);
}

void NamedVars::clear_bindings_into(const void* owner, const void* var)
{
    for (Binding& b : bindings_)
        if (b.target_owner == owner && (var == nullptr || b.var->var_ptr == var)) {
            b.var->var_ptr = nullptr;
            b.target_owner = nullptr;
        }
}

const NamedVars::Entry* NamedVars::first(const std::string& name) const
{
    auto it = entries_.find(name);
    if (it == entries_.end() || it->second.empty()) return nullptr;
    const Entry* best = nullptr;
    for (const Entry& e : it->second) {
        if (!best) {
            best = &e;
            continue;
        }
        const size_t pe = position_ ? position_(e.owner) : 0, pb = position_ ? position_(best->owner) : 0;
        if (pe < pb || (pe == pb && e.registered < best->registered)) best = &e;
    }
    return best;
}

void NamedVars::bind(MODULE_VAR* var, const std::string& name, const void* binder)
{
    if (!var) return;
    // A module variable bound again follows its latest binding only.
    std::erase_if(bindings_, [&](const Binding& b) { return b.var == var; });
    const Entry* publisher = first(name);
    var->var_ptr = publisher ? publisher->var : nullptr;
    bindings_.push_back(Binding{var, binder, publisher ? publisher->owner : nullptr});
}

void NamedVars::forget_module(const void* module)
{
    std::erase_if(bindings_, [&](const Binding& b) { return b.binder == module; });
    clear_bindings_into(module, nullptr);
    for (auto it = entries_.begin(); it != entries_.end();) {
        std::erase_if(it->second, [&](const Entry& e) { return e.owner == module; });
        it = it->second.empty() ? entries_.erase(it) : std::next(it);
    }
}

std::optional<int32_t> NamedVars::read(const std::string& name) const
{
    const Entry* publisher = first(name);
    if (!publisher) return std::nullopt;
    int32_t v;
    std::memcpy(&v, publisher->var, sizeof v);
    return v;
}

std::vector<std::pair<std::string, int32_t>> NamedVars::published() const
{
    std::vector<std::pair<std::string, int32_t>> out;
    for (const auto& [name, publishers] : entries_)
        if (auto v = read(name)) out.emplace_back(name, *v);
    return out;
}

} // namespace host
