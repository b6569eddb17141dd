#include "clock.h"

#include <cmath>

namespace host {

void SimClock::start_at(int64_t utc_unix_s)
{
    start_of_day_s_ = ((utc_unix_s % 86400) + 86400) % 86400;
    utc_offset_s_ = 0.0;
}

double SimClock::utc_seconds_of_day() const
{
    double s = std::fmod(static_cast<double>(start_of_day_s_) + simulation_seconds() + utc_offset_s_, 86400.0);
    return s < 0 ? s + 86400.0 : s;
}

int SimClock::utc_hour() const
{
    return static_cast<int>(utc_seconds_of_day() / 3600.0);
}

int SimClock::utc_minute() const
{
    return static_cast<int>(std::fmod(utc_seconds_of_day(), 3600.0) / 60.0);
}

int SimClock::utc_second() const
{
    return static_cast<int>(std::fmod(utc_seconds_of_day(), 60.0));
}

void SimClock::set_utc_hour(int hour)
{
    const int wanted = (hour % 24 + 24) % 24;
    utc_offset_s_ += (wanted - utc_hour()) * 3600.0;
}

void SimClock::set_utc_minute(int minute)
{
    const int wanted = (minute % 60 + 60) % 60;
    utc_offset_s_ += (wanted - utc_minute()) * 60.0;
}

} // namespace host
