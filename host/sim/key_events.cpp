// What every key event the gauges send does to the simulation.
#include "key_events.h"

#include "air_data.h"
#include "simulation.h"
#include "squawk.h"
#include "tokens.h"

namespace host {

void Simulation::perform_pending_events()
{
    // Kept in a vector whose storage stays from frame to frame; an event performed may queue another, and
    // one that fails is gone all the same, with those before it.
    size_t i = 0;
    try {
        for (; i < pending_.size(); ++i) {
            const KeyEvent e = pending_[i];
            perform(e);
        }
    } catch (...) {
        pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(i + 1));
        throw;
    }
    pending_.clear();
}

void Simulation::perform(KeyEvent e)
{
    namespace k = key_event;
    switch (e.event) {
    case k::COM1_STANDBY_MHZ_DOWN: com1_.standby_mhz_step(-1); break;
    case k::COM1_STANDBY_MHZ_UP: com1_.standby_mhz_step(+1); break;
    case k::COM1_STANDBY_KHZ_DOWN: com1_.standby_channel_step(-1); break;
    case k::COM1_STANDBY_KHZ_UP: com1_.standby_channel_step(+1); break;
    case k::COM1_SWAP: com1_.swap(); break;
    case k::COM2_STANDBY_MHZ_DOWN: com2_.standby_mhz_step(-1); break;
    case k::COM2_STANDBY_MHZ_UP: com2_.standby_mhz_step(+1); break;
    case k::COM2_STANDBY_KHZ_DOWN: com2_.standby_channel_step(-1); break;
    case k::COM2_STANDBY_KHZ_UP: com2_.standby_channel_step(+1); break;
    case k::COM2_SWAP: com2_.swap(); break;
    // Monitoring: the COM radio that does not transmit is heard as well.
    case k::COM_MONITOR_ON: com_monitor_ = true; break;
    case k::COM_MONITOR_OFF: com_monitor_ = false; break;
    case k::COM1_TRANSMIT_SELECT:
        numbers_[token::COM1_TRANSMIT] = 1.0;
        numbers_[token::COM2_TRANSMIT] = 0.0;
        break;
    case k::COM2_TRANSMIT_SELECT:
        numbers_[token::COM1_TRANSMIT] = 0.0;
        numbers_[token::COM2_TRANSMIT] = 1.0;
        break;

    case k::NAV1_STANDBY_MHZ_DOWN: nav1_.standby_mhz_step(-1); break;
    case k::NAV1_STANDBY_MHZ_UP: nav1_.standby_mhz_step(+1); break;
    case k::NAV1_STANDBY_KHZ_DOWN: nav1_.standby_channel_step(-1); break;
    case k::NAV1_STANDBY_KHZ_UP: nav1_.standby_channel_step(+1); break;
    case k::NAV1_SWAP: nav1_.swap(); break;
    case k::NAV2_STANDBY_MHZ_DOWN: nav2_.standby_mhz_step(-1); break;
    case k::NAV2_STANDBY_MHZ_UP: nav2_.standby_mhz_step(+1); break;
    case k::NAV2_STANDBY_KHZ_DOWN: nav2_.standby_channel_step(-1); break;
    case k::NAV2_STANDBY_KHZ_UP: nav2_.standby_channel_step(+1); break;
    case k::NAV2_SWAP: nav2_.swap(); break;
    case k::NAV1_COURSE_OUTER_DOWN: nav1_.course_step(-COURSE_STEP_OUTER_DEG); break;
    case k::NAV1_COURSE_OUTER_UP: nav1_.course_step(+COURSE_STEP_OUTER_DEG); break;
    case k::NAV2_COURSE_OUTER_DOWN: nav2_.course_step(-COURSE_STEP_OUTER_DEG); break;
    case k::NAV2_COURSE_OUTER_UP: nav2_.course_step(+COURSE_STEP_OUTER_DEG); break;
    case k::NAV1_COURSE_INNER_DOWN: nav1_.course_step(-COURSE_STEP_INNER_DEG); break;
    case k::NAV1_COURSE_INNER_UP: nav1_.course_step(+COURSE_STEP_INNER_DEG); break;
    case k::NAV2_COURSE_INNER_DOWN: nav2_.course_step(-COURSE_STEP_INNER_DEG); break;
    case k::NAV2_COURSE_INNER_UP: nav2_.course_step(+COURSE_STEP_INNER_DEG); break;

    case k::NAV1_AUDIO_TOGGLE: toggle(token::NAV1_AUDIO); break;
    case k::NAV2_AUDIO_TOGGLE: toggle(token::NAV2_AUDIO); break;
    // Both DME keys toggle the one DME audio selection; which DME it carries is the DME selection's.
    case k::DME1_AUDIO_TOGGLE: case k::DME2_AUDIO_TOGGLE: toggle(token::DME_AUDIO); break;
    case k::ADF_AUDIO_TOGGLE: toggle(token::ADF_AUDIO); break;
    case k::MARKER_AUDIO_TOGGLE: toggle(token::MARKER_AUDIO); break;
    case k::MARKER_AUDIO_OFF: numbers_[token::MARKER_AUDIO] = 0.0; break;

    case k::SQUAWK_SET:
        // A code with a digit above 7 is no code: the transponder keeps the one it has.
        if (is_squawk(e.value)) integers_[token::SQUAWK] = static_cast<int32_t>(e.value);
        break;

    case k::UTC_HOURS_DOWN: clock_.step_utc_hour(-1); break;
    case k::UTC_HOURS_UP: clock_.step_utc_hour(+1); break;
    case k::UTC_MINUTES_DOWN: clock_.step_utc_minute(-1); break;
    case k::UTC_MINUTES_UP: clock_.step_utc_minute(+1); break;
    case k::ALTIMETER_UP: set_altimeter(air::step_setting(number(token::ALTIMETER_SETTING), +1)); break;
    case k::ALTIMETER_DOWN: set_altimeter(air::step_setting(number(token::ALTIMETER_SETTING), -1)); break;
    case k::DIRECT_TO:
        if (aircraft_) aircraft_->direct_to();
        break;
    case k::NAV_SOURCE_TOGGLE: toggle(token::NAV_SOURCE); break;

    default:
        if (e.event >= k::SQUAWK_THOUSANDS_UP && e.event <= k::SQUAWK_ONES_UP) {
            integers_[token::SQUAWK] =
                squawk_digit_step(integer(token::SQUAWK), static_cast<int>(e.event - k::SQUAWK_THOUSANDS_UP) + 1, +1);
        } else if (e.event >= k::SQUAWK_THOUSANDS_DOWN && e.event <= k::SQUAWK_ONES_DOWN) {
            integers_[token::SQUAWK] =
                squawk_digit_step(integer(token::SQUAWK), static_cast<int>(e.event - k::SQUAWK_THOUSANDS_DOWN) + 1, -1);
        } else {
            return;
        }
    }
    after_event();
}

void Simulation::after_event()
{
    publish_clock();
    publish_radios();
    if (aircraft_) publish_flight();
}

} // namespace host
