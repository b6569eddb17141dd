#include "simulation.h"

#include "key_events.h"
#include "tokens.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace host {

Simulation::Simulation()
{
    publish_clock();
    publish_com();
}

VAR_VALUE Simulation::value(int32_t token) const
{
    VAR_VALUE v{};
    if (token::is_integer(token)) v.i = integer(token);
    else v.f = number(token);
    return v;
}

double Simulation::number(int32_t token) const
{
    if (token::is_integer(token)) return integer(token);
    auto it = numbers_.find(token);
    return it == numbers_.end() ? 0.0 : it->second;
}

int32_t Simulation::integer(int32_t token) const
{
    auto it = integers_.find(token);
    return it == integers_.end() ? 0 : it->second;
}

void Simulation::set(int32_t token, double value)
{
    if (!token::is_integer(token)) {
        numbers_[token] = value;
        return;
    }
    if (value != std::floor(value) || value < -2147483648.0 || value > 4294967295.0)
        throw std::invalid_argument("token " + std::to_string(token) + " holds an integer");
    const int32_t v = static_cast<int32_t>(static_cast<int64_t>(value));
    ComReceiver* com = nullptr;
    bool standby = false;
    switch (token) {
    case token::COM1_ACTIVE: com = &com1_; break;
    case token::COM1_STANDBY: com = &com1_; standby = true; break;
    case token::COM2_ACTIVE: com = &com2_; break;
    case token::COM2_STANDBY: com = &com2_; standby = true; break;
    default: integers_[token] = v; return;
    }
    auto channel = com_channel_of_bcd(v);
    if (!channel) {
        char text[64];
        std::snprintf(text, sizeof text, "0x%04X is not a COM channel (118.00 to 136.97)", static_cast<unsigned>(v));
        throw std::invalid_argument(text);
    }
    (standby ? com->standby : com->active) = *channel;
    publish_com();
}

void Simulation::perform_pending_events()
{
    while (!pending_.empty()) {
        KeyEvent e = pending_.front();
        pending_.pop_front();
        perform(e);
    }
}

void Simulation::perform(KeyEvent e)
{
    switch (e.event) {
    case key_event::COM1_STANDBY_MHZ_DOWN: com1_.standby_mhz_step(-1); break;
    case key_event::COM1_STANDBY_MHZ_UP: com1_.standby_mhz_step(+1); break;
    case key_event::COM1_STANDBY_KHZ_DOWN: com1_.standby_channel_step(-1); break;
    case key_event::COM1_STANDBY_KHZ_UP: com1_.standby_channel_step(+1); break;
    case key_event::COM1_SWAP: com1_.swap(); break;
    case key_event::COM2_STANDBY_MHZ_DOWN: com2_.standby_mhz_step(-1); break;
    case key_event::COM2_STANDBY_MHZ_UP: com2_.standby_mhz_step(+1); break;
    case key_event::COM2_STANDBY_KHZ_DOWN: com2_.standby_channel_step(-1); break;
    case key_event::COM2_STANDBY_KHZ_UP: com2_.standby_channel_step(+1); break;
    case key_event::COM2_SWAP: com2_.swap(); break;
    case key_event::COM_MONITOR_ON: com_monitor_ = true; return;
    case key_event::COM_MONITOR_OFF: com_monitor_ = false; return;
    default: return;
    }
    publish_com();
}

void Simulation::tick()
{
    ++ticks_;
    publish_clock();
}

void Simulation::publish_clock()
{
    numbers_[token::TICKS] = static_cast<double>(ticks_);
    numbers_[token::SIMULATION_TIME] = seconds();
    numbers_[token::CLOCK_SECOND] = std::fmod(std::floor(seconds()), 60.0);
}

void Simulation::publish_com()
{
    integers_[token::COM1_ACTIVE] = bcd_of_khz(com1_.active);
    integers_[token::COM1_STANDBY] = bcd_of_khz(com1_.standby);
    integers_[token::COM2_ACTIVE] = bcd_of_khz(com2_.active);
    integers_[token::COM2_STANDBY] = bcd_of_khz(com2_.standby);
}

} // namespace host
