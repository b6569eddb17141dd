// What the pilot hears, as the simulation's audio selections stand: the receivers selected on the audio
// panels, which DME the DME audio carries, the marker beacon received and whether its tone is heard, and
// the COM radios talked and listened on. The trace records it every frame and the workbench plays from it.
#pragma once

#include <string>

namespace host {

class Simulation;

struct AudioSelections {
    bool nav1 = false, nav2 = false, dme = false, adf = false, marker = false;   // tokens 877 to 881 at 1
    int dme_select = 0;        // token 355: the DME whose audio the DME selection carries, 1 or 2
    int marker_beacon = 0;     // token 354: 0 none, 1 outer, 2 middle, 3 inner
    int marker_tone = 0;       // the beacon heard: marker_beacon while the marker audio is selected, else 0
    int transmitting_com = 0;  // 0 none, 1 or 2
    int monitored_com = 0;     // the COM radio heard besides the transmitting one, 0 none
};

AudioSelections audio_selections(const Simulation& sim);

// "outer", "middle", "inner" or "none".
const char* marker_name(int beacon);

} // namespace host
