#include "audio_model.h"

#include "simulation.h"
#include "tokens.h"

namespace host {

AudioSelections audio_selections(const Simulation& sim)
{
    AudioSelections a;
    a.nav1 = sim.number(token::NAV1_AUDIO) == 1.0;
    a.nav2 = sim.number(token::NAV2_AUDIO) == 1.0;
    a.dme = sim.number(token::DME_AUDIO) == 1.0;
    a.adf = sim.number(token::ADF_AUDIO) == 1.0;
    a.marker = sim.number(token::MARKER_AUDIO) == 1.0;
    a.dme_select = sim.integer(token::MARKER_DME_SELECT);
    const double beacon = sim.number(token::MARKER);
    a.marker_beacon = beacon == 1.0 || beacon == 2.0 || beacon == 3.0 ? static_cast<int>(beacon) : 0;
    a.marker_tone = a.marker ? a.marker_beacon : 0;
    a.transmitting_com = sim.transmitting_com();
    a.monitored_com = sim.monitored_com();
    return a;
}

const char* marker_name(int beacon)
{
    switch (beacon) {
    case 1: return "outer";
    case 2: return "middle";
    case 3: return "inner";
    default: return "none";
    }
}

} // namespace host
