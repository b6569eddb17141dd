// The altimeter: what it shows for a true altitude, the day's sea-level pressure and its setting, in the
// standard atmosphere. With the setting equal to the day's pressure it shows the true altitude; at 1013.25
// hPa it shows the pressure altitude that the transponder's encoder reports.
#pragma once

namespace host::air {

constexpr double STANDARD_HPA = 1013.25;
// The setting knob turns in whole hectopascals (millibars) and stays within the altimeter's window.
constexpr double SETTING_LOWEST_HPA = 950.0;
constexpr double SETTING_HIGHEST_HPA = 1050.0;

// Static pressure at a true altitude on a day whose sea-level pressure is `qnh_hpa`.
double static_pressure_hpa(double true_altitude_ft, double qnh_hpa);
// What an altimeter set to `setting_hpa` shows at that static pressure.
double indicated_altitude_ft(double static_hpa, double setting_hpa);
// The next setting one detent up or down: to the next whole hectopascal, within the window.
double step_setting(double setting_hpa, int direction);

} // namespace host::air
