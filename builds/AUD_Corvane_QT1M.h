// Audio panel with marker-beacon receiver and six-position COM selector.
#pragma once

namespace profile {

constexpr char GAUGE_NAME[] = "AUD_Corvane_QT1M";

} // namespace profile

// The panel this build is: faceplate, controls and update.
#define AUDIO_PANEL "qt1m_panel.h"
