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

// The elements in faceplate order; each names its number and the chain gives it the element after it.
extern ELEMENT_STATIC_IMAGE background;
extern ELEMENT_STRING
    com_active_display, com_standby_display, nav_active_display, nav_standby_display, vor_label, loc_label,
    from_label, to_label, bearing_value, no_bearing_dashes, bearing_calculation, selected_course,
    select_com_prompt, emergency_prompt, select_nav_prompt, show_dme_prompt, remove_dme_prompt, flag_message,
    dme_distance_display, dme_speed_display, time_hours, time_minutes, no_distance_dashes, no_speed_dashes,
    to_from_calculation, nav_frequency_calculation, ident_message, voice_message;
extern ELEMENT_ICON
    power_knob, com_lamp, nav_lamp, sys_lamp, obs_lamp, sel_lamp, id_lamp, left_mask, right_mask, to_from_symbol;
extern ELEMENT_SLIDER deviation_bar_right, deviation_bar_left;
constexpr auto faceplate = element_chain(
    background, com_active_display, com_standby_display, nav_active_display, nav_standby_display, vor_label,
    loc_label, from_label, to_label, bearing_value, no_bearing_dashes, bearing_calculation, selected_course,
    select_com_prompt, emergency_prompt, select_nav_prompt, show_dme_prompt, remove_dme_prompt, flag_message,
    dme_distance_display, dme_speed_display, time_hours, time_minutes, no_distance_dashes, no_speed_dashes,
    to_from_calculation, nav_frequency_calculation, power_knob, com_lamp, nav_lamp, sys_lamp, obs_lamp, sel_lamp,
    id_lamp, deviation_bar_right, left_mask, deviation_bar_left, right_mask, to_from_symbol, ident_message,
    voice_message);
static_assert(faceplate.size() == ELEMENT_COUNT, "faceplate chain and its numbering disagree");

struct TextStyle {
    const char* font;
    uint32_t colour;
    uint32_t highlight;
};
constexpr TextStyle LCD = {"Glass", LCD_YELLOW, BLACK};
constexpr TextStyle FREQUENCY = {"Glass", LCD_YELLOW, FREQUENCY_HIGHLIGHT};
constexpr TextStyle LCD_GAUGE = {"Glass Gauge", LCD_YELLOW, BLACK};
constexpr TextStyle COURIER = {"Courier New", WHITE, BLACK};

constexpr ELEMENT_STRING text(ELEMENT_HEADER* const* next, int32_t x, int32_t y, int32_t width, int32_t height,
                              TextStyle style, int32_t source, STRING_CALLBACK cb)
{
    ELEMENT_STRING s{};
    s.header = element_header(ELEMENT_TYPE_STRING, -1, x, y, next);
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
constexpr ELEMENT_STRING lcd(ELEMENT_HEADER* const* next, int32_t x, STRING_CALLBACK cb, int32_t source = 0,
                             TextStyle style = LCD)
{
    return text(next, x, LCD_Y, 602 - x, LCD_HEIGHT, style, source, cb);
}

constexpr ELEMENT_ICON icon(ELEMENT_HEADER* const* next, int32_t resource_id, int32_t x, int32_t y, int32_t frames,
                            ICON_CALLBACK cb)
{
    return ELEMENT_ICON{element_header(ELEMENT_TYPE_ICON, resource_id, x, y, next),
                        ICON_SETTING, module_var(0), frames, cb};
}

constexpr ELEMENT_SLIDER deviation_bar(ELEMENT_HEADER* const* next, int32_t resource_id, int32_t x,
                                       SLIDER_CALLBACK x_cb, SLIDER_CALLBACK y_cb)
{
    return ELEMENT_SLIDER{element_header(ELEMENT_TYPE_SLIDER, resource_id, x, 24, next),
                          module_var(0), DEVIATION_PIXELS, x_cb, module_var(0), 0.0, y_cb};
}

ELEMENT_STATIC_IMAGE background = {
    element_header(ELEMENT_TYPE_STATIC_IMAGE, 0x2000, 0, 0, faceplate.after(BACKGROUND, background)),
    STATIC_IMAGE_SETTING};

ELEMENT_STRING com_active_display =
    lcd(faceplate.after(COM_ACTIVE_DISPLAY, com_active_display), 43, frequency_display_cb<COM_MODE, false>,
        profile::COM_ACTIVE_FREQUENCY, FREQUENCY);
ELEMENT_STRING com_standby_display =
    lcd(faceplate.after(COM_STANDBY_DISPLAY, com_standby_display), 169, frequency_display_cb<COM_MODE, true>,
        profile::COM_STANDBY_FREQUENCY, FREQUENCY);
ELEMENT_STRING nav_active_display =
    lcd(faceplate.after(NAV_ACTIVE_DISPLAY, nav_active_display), 43, frequency_display_cb<NAV_MODE, false>,
        profile::NAV_ACTIVE_FREQUENCY, FREQUENCY);
ELEMENT_STRING nav_standby_display =
    lcd(faceplate.after(NAV_STANDBY_DISPLAY, nav_standby_display), 169, frequency_display_cb<NAV_MODE, true>,
        profile::NAV_STANDBY_FREQUENCY, FREQUENCY);

ELEMENT_STRING vor_label = lcd(faceplate.after(VOR_LABEL, vor_label), 324, vor_label_cb);
ELEMENT_STRING loc_label = lcd(faceplate.after(LOC_LABEL, loc_label), 324, loc_label_cb);
ELEMENT_STRING from_label = lcd(faceplate.after(FROM_LABEL, from_label), 439, from_label_cb);
ELEMENT_STRING to_label = lcd(faceplate.after(TO_LABEL, to_label), 439, to_label_cb);
ELEMENT_STRING bearing_value = lcd(faceplate.after(BEARING_VALUE, bearing_value), 499, bearing_value_cb);
ELEMENT_STRING no_bearing_dashes =
    lcd(faceplate.after(NO_BEARING_DASHES, no_bearing_dashes), 499, no_bearing_dashes_cb);
ELEMENT_STRING bearing_calculation =
    lcd(faceplate.after(BEARING_CALCULATION, bearing_calculation), 499, bearing_calculation_cb);
ELEMENT_STRING selected_course = lcd(faceplate.after(SELECTED_COURSE, selected_course), 324, selected_course_cb);

ELEMENT_STRING select_com_prompt =
    lcd(faceplate.after(SELECT_COM_PROMPT, select_com_prompt), 324, select_com_prompt_cb);
ELEMENT_STRING emergency_prompt =
    lcd(faceplate.after(EMERGENCY_PROMPT, emergency_prompt), 324, emergency_prompt_cb);
ELEMENT_STRING select_nav_prompt =
    lcd(faceplate.after(SELECT_NAV_PROMPT, select_nav_prompt), 324, select_nav_prompt_cb);
ELEMENT_STRING show_dme_prompt = lcd(faceplate.after(SHOW_DME_PROMPT, show_dme_prompt), 324, show_dme_prompt_cb);
ELEMENT_STRING remove_dme_prompt =
    lcd(faceplate.after(REMOVE_DME_PROMPT, remove_dme_prompt), 324, remove_dme_prompt_cb);
ELEMENT_STRING flag_message = lcd(faceplate.after(FLAG_MESSAGE, flag_message), 389, flag_message_cb);

ELEMENT_STRING dme_distance_display =
    lcd(faceplate.after(DME_DISTANCE, dme_distance_display), 324, dme_distance_cb, profile::DME_DISTANCE);
ELEMENT_STRING dme_speed_display =
    lcd(faceplate.after(DME_SPEED, dme_speed_display), 420, dme_speed_cb, profile::DME_SPEED);
ELEMENT_STRING time_hours = lcd(faceplate.after(TIME_HOURS, time_hours), 494, time_hours_cb);
ELEMENT_STRING time_minutes = lcd(faceplate.after(TIME_MINUTES, time_minutes), 518, time_minutes_cb);
ELEMENT_STRING no_distance_dashes =
    lcd(faceplate.after(NO_DISTANCE_DASHES, no_distance_dashes), 324, no_distance_dashes_cb);
ELEMENT_STRING no_speed_dashes =
    lcd(faceplate.after(NO_SPEED_DASHES, no_speed_dashes), 440, no_speed_dashes_cb, 0, LCD_GAUGE);

ELEMENT_STRING to_from_calculation =
    text(faceplate.after(TO_FROM_CALCULATION, to_from_calculation), 127, 0, 475, 24, COURIER,
        profile::TO_FROM_FLAG, to_from_calculation_cb);
ELEMENT_STRING nav_frequency_calculation =
    text(faceplate.after(NAV_FREQUENCY_CALCULATION, nav_frequency_calculation), 184, 0, 418, 24, COURIER,
        profile::NAV_ACTIVE_FREQUENCY, nav_frequency_calculation_cb);

ELEMENT_ICON power_knob = icon(faceplate.after(POWER_KNOB, power_knob), 0x1300, 28, 67, 2, power_knob_cb);
// The six lamp strips lie on top of one another, each as wide as the key row.
ELEMENT_ICON com_lamp = icon(faceplate.after(COM_LAMP, com_lamp), 0x2300, 161, 54, 2, com_lamp_cb);
ELEMENT_ICON nav_lamp = icon(faceplate.after(NAV_LAMP, nav_lamp), 0x2400, 161, 54, 2, nav_lamp_cb);
ELEMENT_ICON sys_lamp = icon(faceplate.after(SYS_LAMP, sys_lamp), 0x2500, 161, 54, 2, sys_lamp_cb);
ELEMENT_ICON obs_lamp = icon(faceplate.after(OBS_LAMP, obs_lamp), 0x2600, 161, 54, 2, obs_lamp_cb);
ELEMENT_ICON sel_lamp = icon(faceplate.after(SEL_LAMP, sel_lamp), 0x3000, 161, 54, 2, sel_lamp_cb);
ELEMENT_ICON id_lamp = icon(faceplate.after(ID_LAMP, id_lamp), 0x2800, 161, 54, 2, id_lamp_cb);

ELEMENT_SLIDER deviation_bar_right =
    deviation_bar(faceplate.after(DEVIATION_BAR_RIGHT, deviation_bar_right), 0x3200, 335, right_bar_x_cb,
        right_bar_y_cb);
ELEMENT_ICON left_mask = icon(faceplate.after(LEFT_MASK, left_mask), 0x3400, 379, 24, 1, left_mask_cb);
ELEMENT_SLIDER deviation_bar_left =
    deviation_bar(faceplate.after(DEVIATION_BAR_LEFT, deviation_bar_left), 0x3300, 447, left_bar_x_cb,
        left_bar_y_cb);
ELEMENT_ICON right_mask = icon(faceplate.after(RIGHT_MASK, right_mask), 0x3600, 447, 24, 1, right_mask_cb);
ELEMENT_ICON to_from_symbol =
    icon(faceplate.after(TO_FROM_SYMBOL, to_from_symbol), 0x2200, 439, 24, 3, to_from_symbol_cb);

ELEMENT_STRING ident_message = lcd(faceplate.after(IDENT_MESSAGE, ident_message), 324, ident_message_cb);
ELEMENT_STRING voice_message = lcd(faceplate.after(VOICE_MESSAGE, voice_message), 324, voice_message_cb);

} // namespace
