// The transponder's faceplate: background, power knob, the six key lights, the code display with its digit
// cursor, and the altitude field, which shows either the pressure altitude or, while HLD holds an altitude,
// the deviation from it with its alert.
#pragma once

#include "../com_radio/bcd_frequency.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr uint32_t LCD_YELLOW = 0x80FFFF;
constexpr uint32_t BLACK      = 0x000000;

// ---- Texts --------------------------------------------------------------------------------------------

// The code as the pilot reads it: each BCD digit printed as a decimal number, read back as a number and
// printed with four places. 0x0021 shows 0021; a digit above 9 shows as two (0xA000 shows 10000).
double code_number(int32_t code)
{
    return bcd_printed_number(code);
}

// Altitudes are shown in whole hundreds of feet, computed in single precision and rounded to the nearest
// hundred with halves away from zero (3,550 ft shows 036), the same on every platform's printf.
[[gnu::format(printf, 2, 0)]] void write_hundreds(ELEMENT_STRING* element, const char* format, double feet)
{
    const float hundreds = static_cast<float>(feet / 100.0);
    write_text(element, format, std::round(static_cast<double>(hundreds)));
}

// ---- Element callbacks --------------------------------------------------------------------------------

FLOAT64 GAUGE_CALL power_knob_cb(ELEMENT_ICON*)
{
    return power_switch == 1 ? 1.0 : 0.0;
}

// Each key's light is a strip over the whole row of keys, dark but for the bar over its own key.
FLOAT64 GAUGE_CALL ident_light_cb(ELEMENT_ICON*) { return (reply_light == 1 && powered == 1) ? 1.0 : 0.0; }
FLOAT64 GAUGE_CALL sby_light_cb(ELEMENT_ICON*) { return (mode == MODE_STANDBY && powered == 1) ? 1.0 : 0.0; }
FLOAT64 GAUGE_CALL on_light_cb(ELEMENT_ICON*) { return (mode == MODE_ON && powered == 1) ? 1.0 : 0.0; }
FLOAT64 GAUGE_CALL alt_light_cb(ELEMENT_ICON*) { return (mode == MODE_ALTITUDE && powered == 1) ? 1.0 : 0.0; }
FLOAT64 GAUGE_CALL vfr_light_cb(ELEMENT_ICON*) { return (vfr_active > 0 && powered == 1) ? 1.0 : 0.0; }
FLOAT64 GAUGE_CALL hld_light_cb(ELEMENT_ICON*) { return (alt_hold == 1 && powered == 1) ? 1.0 : 0.0; }

FLOAT64 GAUGE_CALL code_display_cb(ELEMENT_STRING* element)
{
    const double code = code_number(element->source_var[0].var_value.i);
    set_hidden(element->header, powered != 1);
    write_text(element, "%04.0f", code);
    return code;
}

// The cursor marks the selected digit and blinks, lit in the even seconds.
FLOAT64 GAUGE_CALL digit_cursor_cb(ELEMENT_ICON* element)
{
    set_hidden(element->header, !(powered == 1 && selected_digit > 0 && digit_blink == 1));
    return selected_digit;
}

FLOAT64 GAUGE_CALL altitude_display_cb(ELEMENT_STRING* element)
{
    set_hidden(element->header, !(powered == 1 && alt_hold == 0));
    write_hundreds(element, "%03.0f", altitude());
    return 0.0;
}

FLOAT64 GAUGE_CALL deviation_above_cb(ELEMENT_STRING* element)
{
    set_hidden(element->header, !(alt_hold == 1 && altitude() > held_altitude));
    write_hundreds(element, "+%03.0f", altitude() - held_altitude);
    return 0.0;
}

FLOAT64 GAUGE_CALL deviation_below_cb(ELEMENT_STRING* element)
{
    set_hidden(element->header, !(alt_hold == 1 && altitude() < held_altitude));
    write_hundreds(element, "-%03.0f", held_altitude - altitude());
    return 0.0;
}

// More than 300 ft from the held altitude the alert blinks, lit in the odd seconds.
FLOAT64 GAUGE_CALL deviation_alert_cb(ELEMENT_ICON* element)
{
    const bool beyond = altitude() > held_altitude + 300.0 || altitude() < held_altitude - 300.0;
    set_hidden(element->header, !(alt_hold == 1 && deviation_blink == 1 && beyond));
    return 0.0;
}

// ---- Elements, in drawing order -----------------------------------------------------------------------

constexpr ELEMENT_ICON icon(int32_t resource_id, int32_t x, int32_t y, int32_t frames, ICON_CALLBACK cb,
                            ELEMENT_HEADER* const* next)
{
    return ELEMENT_ICON{element_header(ELEMENT_TYPE_ICON, resource_id, x, y, next), ICON_SETTING, module_var(0),
                        frames, cb};
}

constexpr ELEMENT_STRING lcd_text(int32_t x, int32_t width, int32_t token, STRING_CALLBACK cb,
                                  ELEMENT_HEADER* const* next)
{
    return ELEMENT_STRING{element_header(ELEMENT_TYPE_STRING, -1, x, 17, next),
                          {module_var(token), module_var(0), module_var(0)},
                          width, 38, LCD_YELLOW, BLACK, BLACK, "Glass", 400, CHARSET_WINDOWS_1252,
                          STRING_TEXT_FLAGS, nullptr, 0, cb};
}

// The six key lights lie exactly on top of one another.
constexpr int32_t KEY_LIGHTS_X = 107, KEY_LIGHTS_Y = 52;

extern ELEMENT_STATIC_IMAGE background;
extern ELEMENT_ICON power_knob, ident_light, sby_light, on_light, alt_light, vfr_light, hld_light;
extern ELEMENT_STRING code_display;
extern ELEMENT_ICON digit_cursor;
extern ELEMENT_STRING altitude_display, deviation_above, deviation_below;
extern ELEMENT_ICON deviation_alert;
constexpr auto faceplate = element_chain(background, power_knob, ident_light, sby_light, on_light, alt_light,
                                         vfr_light, hld_light, code_display, digit_cursor, altitude_display,
                                         deviation_above, deviation_below, deviation_alert);
static_assert(faceplate.size() == ELEMENT_COUNT, "faceplate chain and its numbering disagree");

ELEMENT_STATIC_IMAGE background = {
    element_header(ELEMENT_TYPE_STATIC_IMAGE, 0x100, 0, 0, faceplate.after(BACKGROUND, background)),
    STATIC_IMAGE_SETTING};
ELEMENT_ICON power_knob = icon(0x1100, 28, 71, 2, power_knob_cb, faceplate.after(POWER_KNOB, power_knob));
ELEMENT_ICON ident_light =
    icon(0x1200, KEY_LIGHTS_X, KEY_LIGHTS_Y, 2, ident_light_cb, faceplate.after(IDENT_LIGHT, ident_light));
ELEMENT_ICON sby_light =
    icon(0x1300, KEY_LIGHTS_X, KEY_LIGHTS_Y, 2, sby_light_cb, faceplate.after(SBY_LIGHT, sby_light));
ELEMENT_ICON on_light = icon(0x1400, KEY_LIGHTS_X, KEY_LIGHTS_Y, 2, on_light_cb, faceplate.after(ON_LIGHT, on_light));
ELEMENT_ICON alt_light =
    icon(0x1500, KEY_LIGHTS_X, KEY_LIGHTS_Y, 2, alt_light_cb, faceplate.after(ALT_LIGHT, alt_light));
ELEMENT_ICON vfr_light =
    icon(0x1600, KEY_LIGHTS_X, KEY_LIGHTS_Y, 2, vfr_light_cb, faceplate.after(VFR_LIGHT, vfr_light));
ELEMENT_ICON hld_light =
    icon(0x1700, KEY_LIGHTS_X, KEY_LIGHTS_Y, 2, hld_light_cb, faceplate.after(HLD_LIGHT, hld_light));
ELEMENT_STRING code_display =
    lcd_text(91, 511, SQUAWK, code_display_cb, faceplate.after(CODE_DISPLAY, code_display));
// Five frames: none, then one for each digit it marks.
ELEMENT_ICON digit_cursor = icon(0x2000, 85, 22, 5, digit_cursor_cb, faceplate.after(DIGIT_CURSOR, digit_cursor));
ELEMENT_STRING altitude_display =
    lcd_text(385, 217, 0, altitude_display_cb, faceplate.after(ALTITUDE_DISPLAY, altitude_display));
ELEMENT_STRING deviation_above =
    lcd_text(375, 227, 0, deviation_above_cb, faceplate.after(DEVIATION_ABOVE, deviation_above));
ELEMENT_STRING deviation_below =
    lcd_text(375, 227, 0, deviation_below_cb, faceplate.after(DEVIATION_BELOW, deviation_below));
// Declared with two frames, of which only the first is ever shown.
ELEMENT_ICON deviation_alert =
    icon(0x2100, 375, 17, 2, deviation_alert_cb, faceplate.after(DEVIATION_ALERT, deviation_alert));

} // namespace
