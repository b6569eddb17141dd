// Compact audio panel with marker-beacon lamps, volume power knob and four-position COM selector.
#pragma once

namespace profile {

constexpr char GAUGE_NAME[] = "AUD_Corvane_QT5";

} // namespace profile

// The panel this build is: faceplate, controls and update.
#define AUDIO_PANEL "qt5_panel.h"
