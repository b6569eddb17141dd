// The faceplate as the host reads it: one chain of elements in drawing order, each the only child of the one
// before it.
#pragma once

namespace {

constexpr uint32_t LCD_YELLOW = 0x80FFFF;
constexpr uint32_t WHITE = 0xFFFFFF;
constexpr uint32_t BLACK = 0x000000;
constexpr uint32_t FREQUENCY_HIGHLIGHT = 0xEFEFEF;
constexpr int32_t LCD_Y = 17;
constexpr int32_t LCD_HEIGHT = 38;

// The course deviation bar moves 56 pixels at full scale (127).
constexpr FLOAT64 DEVIATION_PIXELS = 56.0 / 127.0;

// Element e's child list, holding the element drawn after it; the last element has none.
extern ELEMENT_HEADER* const chain[ELEMENT_COUNT - 1][2];
constexpr ELEMENT_HEADER* const* after(Element e) { return e == ELEMENT_COUNT ? nullptr : chain[e - 1]; }

struct TextStyle {
    const char* font;
    uint32_t colour;
    uint32_t highlight;
};
constexpr TextStyle LCD = {"Glass", LCD_YELLOW, BLACK};
constexpr TextStyle FREQUENCY = {"Glass", LCD_YELLOW, FREQUENCY_HIGHLIGHT};
constexpr TextStyle LCD_GAUGE = {"Glass Gauge", LCD_YELLOW, BLACK};
constexpr TextStyle COURIER = {"Courier New", WHITE, BLACK};

constexpr ELEMENT_STRING text(Element e, int32_t x, int32_t y, int32_t width, int32_t height, TextStyle style,
                              int32_t source, STRING_CALLBACK cb)
{
    ELEMENT_STRING s{};
    s.header = element_header(ELEMENT_TYPE_STRING, -1, x, y, after(e));
    s.source_var[0] = module_var(source);
    s.source_var[1] = module_var(0);
    s.source_var[2] = module_var(0);
    s.box_width = width;
    s.box_height = height;
    s.fg_color = style.colour;
    s.bg_color = BLACK;
    s.hilite_color = style.highlight;
    for (int i = 0; style.font[i] != '\0' && i < FONT_NAME_CAPACITY - 1; ++i) s.font_name[i] = style.font[i];
    s.font_weight = 400;
    s.char_set = CHARSET_WINDOWS_1252;
    s.text_flags = STRING_TEXT_FLAGS;
    s.update_string = cb;
    return s;
}

// An LCD text right of x: its box reaches the right edge of the display at 602.
constexpr ELEMENT_STRING lcd(Element e, int32_t x, STRING_CALLBACK cb, int32_t source = 0, TextStyle style = LCD)
{
    return text(e, x, LCD_Y, 602 - x, LCD_HEIGHT, style, source, cb);
}

constexpr ELEMENT_ICON icon(Element e, int32_t resource_id, int32_t x, int32_t y, int32_t frames, ICON_CALLBACK cb)
{
    return ELEMENT_ICON{element_header(ELEMENT_TYPE_ICON, resource_id, x, y, after(e)),
                        ICON_SETTING, module_var(0), frames, cb};
}

constexpr ELEMENT_SLIDER deviation_bar(Element e, int32_t resource_id, int32_t x, SLIDER_CALLBACK x_cb,
                                       SLIDER_CALLBACK y_cb)
{
    return ELEMENT_SLIDER{element_header(ELEMENT_TYPE_SLIDER, resource_id, x, 24, after(e)),
                          module_var(0), DEVIATION_PIXELS, x_cb, module_var(0), 0.0, y_cb};
}

ELEMENT_STATIC_IMAGE background = {element_header(ELEMENT_TYPE_STATIC_IMAGE, 0x2000, 0, 0, after(BACKGROUND)),
                                   STATIC_IMAGE_SETTING};

ELEMENT_STRING com_active_display = lcd(COM_ACTIVE_DISPLAY, 43, frequency_display_cb<COM_MODE, false>,
                                        profile::COM_ACTIVE_FREQUENCY, FREQUENCY);
ELEMENT_STRING com_standby_display = lcd(COM_STANDBY_DISPLAY, 169, frequency_display_cb<COM_MODE, true>,
                                         profile::COM_STANDBY_FREQUENCY, FREQUENCY);
ELEMENT_STRING nav_active_display = lcd(NAV_ACTIVE_DISPLAY, 43, frequency_display_cb<NAV_MODE, false>,
                                        profile::NAV_ACTIVE_FREQUENCY, FREQUENCY);
ELEMENT_STRING nav_standby_display = lcd(NAV_STANDBY_DISPLAY, 169, frequency_display_cb<NAV_MODE, true>,
                                         profile::NAV_STANDBY_FREQUENCY, FREQUENCY);

ELEMENT_STRING vor_label = lcd(VOR_LABEL, 324, vor_label_cb);
ELEMENT_STRING loc_label = lcd(LOC_LABEL, 324, loc_label_cb);
ELEMENT_STRING from_label = lcd(FROM_LABEL, 439, from_label_cb);
ELEMENT_STRING to_label = lcd(TO_LABEL, 439, to_label_cb);
ELEMENT_STRING bearing_value = lcd(BEARING_VALUE, 499, bearing_value_cb);
ELEMENT_STRING no_bearing_dashes = lcd(NO_BEARING_DASHES, 499, no_bearing_dashes_cb);
ELEMENT_STRING bearing_calculation = lcd(BEARING_CALCULATION, 499, bearing_calculation_cb);
ELEMENT_STRING selected_course = lcd(SELECTED_COURSE, 324, selected_course_cb);

ELEMENT_STRING select_com_prompt = lcd(SELECT_COM_PROMPT, 324, select_com_prompt_cb);
ELEMENT_STRING emergency_prompt = lcd(EMERGENCY_PROMPT, 324, emergency_prompt_cb);
ELEMENT_STRING select_nav_prompt = lcd(SELECT_NAV_PROMPT, 324, select_nav_prompt_cb);
ELEMENT_STRING show_dme_prompt = lcd(SHOW_DME_PROMPT, 324, show_dme_prompt_cb);
ELEMENT_STRING remove_dme_prompt = lcd(REMOVE_DME_PROMPT, 324, remove_dme_prompt_cb);
ELEMENT_STRING flag_message = lcd(FLAG_MESSAGE, 389, flag_message_cb);

ELEMENT_STRING dme_distance_display = lcd(DME_DISTANCE, 324, dme_distance_cb, profile::DME_DISTANCE);
ELEMENT_STRING dme_speed_display = lcd(DME_SPEED, 420, dme_speed_cb, profile::DME_SPEED);
ELEMENT_STRING time_hours = lcd(TIME_HOURS, 494, time_hours_cb);
ELEMENT_STRING time_minutes = lcd(TIME_MINUTES, 518, time_minutes_cb);
ELEMENT_STRING no_distance_dashes = lcd(NO_DISTANCE_DASHES, 324, no_distance_dashes_cb);
ELEMENT_STRING no_speed_dashes = lcd(NO_SPEED_DASHES, 440, no_speed_dashes_cb, 0, LCD_GAUGE);

ELEMENT_STRING to_from_calculation =
    text(TO_FROM_CALCULATION, 127, 0, 475, 24, COURIER, profile::TO_FROM_FLAG, to_from_calculation_cb);
ELEMENT_STRING nav_frequency_calculation = text(NAV_FREQUENCY_CALCULATION, 184, 0, 418, 24, COURIER,
                                                profile::NAV_ACTIVE_FREQUENCY, nav_frequency_calculation_cb);

ELEMENT_ICON power_knob = icon(POWER_KNOB, 0x1300, 28, 67, 2, power_knob_cb);
// The six lamp strips lie on top of one another, each as wide as the key row.
ELEMENT_ICON com_lamp = icon(COM_LAMP, 0x2300, 161, 54, 2, com_lamp_cb);
ELEMENT_ICON nav_lamp = icon(NAV_LAMP, 0x2400, 161, 54, 2, nav_lamp_cb);
ELEMENT_ICON sys_lamp = icon(SYS_LAMP, 0x2500, 161, 54, 2, sys_lamp_cb);
ELEMENT_ICON obs_lamp = icon(OBS_LAMP, 0x2600, 161, 54, 2, obs_lamp_cb);
ELEMENT_ICON sel_lamp = icon(SEL_LAMP, 0x3000, 161, 54, 2, sel_lamp_cb);
ELEMENT_ICON id_lamp = icon(ID_LAMP, 0x2800, 161, 54, 2, id_lamp_cb);

ELEMENT_SLIDER deviation_bar_right = deviation_bar(DEVIATION_BAR_RIGHT, 0x3200, 335, right_bar_x_cb, right_bar_y_cb);
ELEMENT_ICON left_mask = icon(LEFT_MASK, 0x3400, 379, 24, 1, left_mask_cb);
ELEMENT_SLIDER deviation_bar_left = deviation_bar(DEVIATION_BAR_LEFT, 0x3300, 447, left_bar_x_cb, left_bar_y_cb);
ELEMENT_ICON right_mask = icon(RIGHT_MASK, 0x3600, 447, 24, 1, right_mask_cb);
ELEMENT_ICON to_from_symbol = icon(TO_FROM_SYMBOL, 0x2200, 439, 24, 3, to_from_symbol_cb);

ELEMENT_STRING ident_message = lcd(IDENT_MESSAGE, 324, ident_message_cb);
ELEMENT_STRING voice_message = lcd(VOICE_MESSAGE, 324, voice_message_cb);

ELEMENT_HEADER* const chain[ELEMENT_COUNT - 1][2] = {
    {&com_active_display.header, nullptr},
    {&com_standby_display.header, nullptr},
    {&nav_active_display.header, nullptr},
    {&nav_standby_display.header, nullptr},
    {&vor_label.header, nullptr},
    {&loc_label.header, nullptr},
    {&from_label.header, nullptr},
    {&to_label.header, nullptr},
    {&bearing_value.header, nullptr},
    {&no_bearing_dashes.header, nullptr},
    {&bearing_calculation.header, nullptr},
    {&selected_course.header, nullptr},
    {&select_com_prompt.header, nullptr},
    {&emergency_prompt.header, nullptr},
    {&select_nav_prompt.header, nullptr},
    {&show_dme_prompt.header, nullptr},
    {&remove_dme_prompt.header, nullptr},
    {&flag_message.header, nullptr},
    {&dme_distance_display.header, nullptr},
    {&dme_speed_display.header, nullptr},
    {&time_hours.header, nullptr},
    {&time_minutes.header, nullptr},
    {&no_distance_dashes.header, nullptr},
    {&no_speed_dashes.header, nullptr},
    {&to_from_calculation.header, nullptr},
    {&nav_frequency_calculation.header, nullptr},
    {&power_knob.header, nullptr},
    {&com_lamp.header, nullptr},
    {&nav_lamp.header, nullptr},
    {&sys_lamp.header, nullptr},
    {&obs_lamp.header, nullptr},
    {&sel_lamp.header, nullptr},
    {&id_lamp.header, nullptr},
    {&deviation_bar_right.header, nullptr},
    {&left_mask.header, nullptr},
    {&deviation_bar_left.header, nullptr},
    {&right_mask.header, nullptr},
    {&to_from_symbol.header, nullptr},
    {&ident_message.header, nullptr},
    {&voice_message.header, nullptr},
};

} // namespace
