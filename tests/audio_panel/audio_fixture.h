// An audio panel loaded alone on a panel whose avionics bus is live, with the numbers both panels share.
#pragma once

#include "panel_fixture.h"
#include "tokens.h"

#include <string>
#include <vector>

namespace audio {

namespace t = host::token;

constexpr uint32_t NAV1 = 65842, NAV2 = 65843, DME1 = 65844, DME2 = 65845, ADF = 65846, MARKER = 66477,
                   MARKER_OFF = 66478, COM1 = 66463, COM2 = 66464;

const std::string CLICK = "sound\\click.wav", SOFT_CLICK = "sound\\soft_click.wav", TEST_TONE = "sound\\omi_test.wav";

using Events = std::vector<uint32_t>;
using Sounds = std::vector<std::string>;

} // namespace audio

class AudioPanelTest : public PanelTest {
protected:
    // The simulation's receiver selections, as the tokens hold them.
    void select_in_sim(std::initializer_list<int32_t> tokens)
    {
        for (int32_t token : tokens) panel.sim().set(token, 1.0);
    }
    double sim(int32_t token) const { return panel.sim().number(token); }
};
