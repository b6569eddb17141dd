#include "panel.h"

#include <algorithm>
#include <stdexcept>

namespace host {

Panel* Panel::active_ = nullptr;
Gauge* Panel::calling_ = nullptr;
Panel::TokensRead* Panel::reading_ = nullptr;

// Marks the panel and gauge on whose behalf a module runs, for the services it calls back.
class Panel::Scope {
public:
    Scope(Panel* panel, Gauge* gauge) : panel_(active_), gauge_(calling_), reading_(Panel::reading_)
    {
        active_ = panel;
        calling_ = gauge;
        Panel::reading_ = panel && gauge ? &panel->tokens_read_[gauge] : nullptr;
    }
    ~Scope()
    {
        active_ = panel_;
        calling_ = gauge_;
        Panel::reading_ = reading_;
    }

private:
    Panel* panel_;
    Gauge* gauge_;
    TokensRead* reading_;
};

// The services as plain functions for the table; each finds the panel the call belongs to.
struct ServiceCalls {
    static void note_read(Panel::TokensRead& read, int32_t token)
    {
        constexpr int32_t SMALL = 4096;
        if (token > 0 && token < SMALL) {
            if (read.small.empty()) read.small.resize(SMALL);
            if (read.small[token]) return;
            read.small[token] = true;
        }
        read.tokens.insert(token);
    }

    static const void* caller_module()
    {
        return Panel::calling_ ? &Panel::calling_->module() : nullptr;
    }
    static std::string_view caller_name()
    {
        if (!Panel::calling_) return {};
        auto it = Panel::active_->gauge_names_.find(Panel::calling_->name());
        return it == Panel::active_->gauge_names_.end() ? std::string_view() : std::string_view(*it);
    }

    static void GAUGE_CALL lookup_var(MODULE_VAR* var)
    {
        if (Panel::active_ && var) {
            var->var_old = var->var_value;
            var->var_value = Panel::active_->sim_.value(var->id);
            if (Panel::reading_ && var->id) note_read(*Panel::reading_, var->id);
        }
    }
    static void GAUGE_CALL trigger_key_event(uint32_t event, uint32_t value)
    {
        if (!Panel::active_) return;
        LoggedEvent& e = Panel::active_->events_.next();
        e.frame = Panel::active_->frame_;
        e.gauge = caller_name();
        e.event = event;
        e.value = value;
        Panel::active_->sim_.queue_event(KeyEvent{event, value});
    }
    static void GAUGE_CALL register_var_by_name(void* var, int32_t var_type, const char* name)
    {
        if (Panel::active_ && name) Panel::active_->names_.publish(var, var_type, name, caller_module());
    }
    static void GAUGE_CALL unregister_var_by_name(const char* name)
    {
        if (Panel::active_ && name) Panel::active_->names_.withdraw(name, caller_module());
    }
    static void GAUGE_CALL initialize_var_by_name(MODULE_VAR* var, const char* name)
    {
        if (Panel::active_ && name) Panel::active_->names_.bind(var, name, caller_module());
    }
    static void GAUGE_CALL play_sound(const char* file, uint32_t)
    {
        if (!Panel::active_ || !file) return;
        LoggedSound& s = Panel::active_->sounds_.next();
        s.frame = Panel::active_->frame_;
        s.gauge = caller_name();
        s.file = file;
    }
};

PANEL_SERVICES* Panel::services()
{
    static PANEL_SERVICES table = {
        PANEL_SERVICES_VERSION,
        ServiceCalls::lookup_var,
        ServiceCalls::trigger_key_event,
        ServiceCalls::register_var_by_name,
        ServiceCalls::unregister_var_by_name,
        ServiceCalls::initialize_var_by_name,
        ServiceCalls::play_sound,
    };
    return &table;
}

Panel::Panel()
{
    // Publishers of one name are taken in panel order: the order in which the gauges were loaded.
    names_.set_panel_position([this](const void* module) {
        for (size_t i = 0; i < gauges_.size(); ++i)
            if (&gauges_[i]->module() == module) return i;
        return gauges_.size();
    });
}

Panel::~Panel()
{
    while (!gauges_.empty()) unload(gauges_.back()->name());
}

Gauge& Panel::load(const std::filesystem::path& module, uint32_t text_capacity)
{
    Gauge& g = add(module, text_capacity);
    install(g);
    return g;
}

Gauge& Panel::add(const std::filesystem::path& module, uint32_t text_capacity)
{
    auto loaded = std::make_unique<LoadedModule>(module, services());
    if (find(loaded->gauge_name()))
        throw std::runtime_error(module.filename().string() + ": gauge " + loaded->gauge_name() +
                                 " is already on the panel");
    gauges_.push_back(std::make_unique<Gauge>(std::move(loaded), text_capacity));
    gauge_names_.insert(gauges_.back()->name());
    return *gauges_.back();
}

void Panel::install_together(const std::vector<Gauge*>& gauges)
{
    for (Gauge* g : gauges) service(*g, PANEL_SERVICE_PRE_INSTALL);
    for (Gauge* g : gauges) service(*g, PANEL_SERVICE_PRE_INITIALIZE);
}

void Panel::unload(const std::string& gauge_name)
{
    auto it = std::find_if(gauges_.begin(), gauges_.end(), [&](auto& g) { return g->name() == gauge_name; });
    if (it == gauges_.end()) throw std::runtime_error("no gauge " + gauge_name + " on the panel");
    service(**it, PANEL_SERVICE_PRE_KILL);
    names_.forget_module(&(*it)->module());
    placements_.erase(gauge_name);
    tokens_read_.erase(it->get());
    gauges_.erase(it);
}

void Panel::kill(Gauge& gauge)
{
    service(gauge, PANEL_SERVICE_PRE_KILL);
}

void Panel::install(Gauge& gauge)
{
    service(gauge, PANEL_SERVICE_PRE_INSTALL);
    service(gauge, PANEL_SERVICE_PRE_INITIALIZE);
}

const GaugePlacement* Panel::placement(const std::string& gauge_name) const
{
    auto it = placements_.find(gauge_name);
    return it == placements_.end() ? nullptr : &it->second;
}

const std::set<int32_t>& Panel::tokens_read(const Gauge& gauge) const
{
    static const std::set<int32_t> none;
    auto it = tokens_read_.find(&gauge);
    return it == tokens_read_.end() ? none : it->second.tokens;
}

Gauge* Panel::find(const std::string& gauge_name)
{
    for (auto& g : gauges_)
        if (g->name() == gauge_name) return g.get();
    return nullptr;
}

Gauge& Panel::gauge(const std::string& gauge_name)
{
    if (Gauge* g = find(gauge_name)) return *g;
    throw std::runtime_error("no gauge " + gauge_name + " on the panel");
}

void Panel::frame()
{
    ++frame_;
    sim_.perform_pending_events();
    sim_.tick();
    for (auto& g : gauges_) service(*g, PANEL_SERVICE_PRE_UPDATE);
    for (auto& g : gauges_) draw(*g);
}

void Panel::frames(uint64_t count)
{
    for (uint64_t i = 0; i < count; ++i) frame();
}

void Panel::draw(Gauge& gauge)
{
    Scope scope(this, &gauge);
    gauge.service(PANEL_SERVICE_PRE_DRAW);
    gauge.draw_elements([this](MODULE_VAR* var) { ServiceCalls::lookup_var(var); });
}

void Panel::service(Gauge& gauge, int32_t id)
{
    Scope scope(this, &gauge);
    gauge.service(id);
}

void Panel::click(Gauge& gauge, int number)
{
    Scope scope(this, &gauge);
    gauge.click(number);
}

int Panel::click_at(Gauge& gauge, int x, int y)
{
    int number = gauge.hotspot_at(x, y);
    if (number) click(gauge, number);
    return number;
}

} // namespace host
