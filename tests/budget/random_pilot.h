// A pilot who clicks anything at random on a panel, switches the avionics on and off, and a simulation
// that feeds the gauges values nobody meant: NaN, infinities, huge and negative numbers, BCD digits above
// 9, held on the tokens the gauges read and released again.
#pragma once

#include "panel.h"

#include <cmath>
#include <iterator>
#include <limits>
#include <random>
#include <set>
#include <vector>

class RandomPilot {
public:
    RandomPilot(host::Panel& panel, uint64_t seed) : panel_(panel), pick_(seed)
    {
        std::set<int32_t> read;
        for (const auto& g : panel.gauges()) read.insert(panel.tokens_read(*g).begin(), panel.tokens_read(*g).end());
        tokens_.assign(read.begin(), read.end());

        const double inf = std::numeric_limits<double>::infinity();
        for (double d : {std::nan(""), -std::nan(""), inf, -inf, 1e300, -1e300, -1.0, -0.0, 4294967296.5, -2147483649.0,
                         std::numeric_limits<double>::denorm_min(), 1e-300, 99999999.0}) {
            VAR_VALUE raw{};
            raw.f = d;
            hostile_.push_back(raw);
        }
        for (int32_t i : {-1, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), 0xFFFF, 0xAAAA,
                          0x9F9F, 0x7FFF0000, 0x1FFFF}) {
            VAR_VALUE raw{};
            raw.i = i;
            hostile_.push_back(raw);
        }
    }

    const std::vector<int32_t>& tokens() const { return tokens_; }

    // What happens before one frame.
    void act()
    {
        if (chance(0.3)) {
            host::Gauge& g = *panel_.gauges()[any(panel_.gauges().size())];
            if (!g.hotspots().empty()) panel_.click(g, static_cast<int>(any(g.hotspots().size())) + 1);
        }
        if (!tokens_.empty() && chance(0.02)) {
            const int32_t token = tokens_[any(tokens_.size())];
            panel_.sim().hold(token, hostile_[any(hostile_.size())]);
            held_.insert(token);
        }
        if (!held_.empty() && chance(0.02)) {
            auto it = held_.begin();
            std::advance(it, any(held_.size()));
            panel_.sim().release(*it);
            held_.erase(it);
        }
        if (chance(0.002)) panel_.sim().set_avionics_power(!panel_.sim().avionics_power());
        if (chance(0.0005)) panel_.sim().fail_power(static_cast<double>(any(30) + 1));
    }

private:
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(pick_) < p; }
    size_t any(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(pick_); }

    host::Panel& panel_;
    std::mt19937_64 pick_;
    std::vector<int32_t> tokens_;
    std::vector<VAR_VALUE> hostile_;
    std::set<int32_t> held_;
};
