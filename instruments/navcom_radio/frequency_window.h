// The left of the display and the key row: the frequency window with the COM or the NAV pair, the menu
// prompts, the power knob and the six key lamps.
#pragma once

namespace {

// Each frequency display shows its pair only while that radio is chosen and the set is powered, so the window
// never shows a stale pair of the other radio. The COM standby value is kept for the emergency channel even
// while the NAV pair is shown.
template <Mode mode, bool standby>
FLOAT64 GAUGE_CALL frequency_display_cb(ELEMENT_STRING* element)
{
    const float mhz = bcd_frequency_mhz(element->source_var[0].var_value.i);
    if constexpr (mode == COM_MODE && standby) com_standby_mhz = mhz;
    set_hidden(element->header, !(radio_mode == mode && powered == 1));
    if constexpr (standby) write_text(element, "s%5.2f", mhz);
    else write_text(element, "%5.2f", mhz);
    return 13.0;
}

// A prompt is a label followed by its element's own value, 0, far to the right where it is not seen.
FLOAT64 show_label(ELEMENT_STRING* element, bool shown, const char* label, const char* number_format)
{
    set_hidden(element->header, !shown);
    write_label(element, label, number_format, 0.0);
    return 0.0;
}

FLOAT64 GAUGE_CALL select_com_prompt_cb(ELEMENT_STRING* element)
{
    return show_label(element, menu_state == COM_MENU && emergency_selected == 0, "select COM ?", "%200.0f");
}

// The value 0 printed right behind the words completes the channel: emergncy 121.50.
FLOAT64 GAUGE_CALL emergency_prompt_cb(ELEMENT_STRING* element)
{
    set_hidden(element->header, !(menu_state == COM_MENU && emergency_selected == 1));
    write_text(element, "emergncy 121.5%.0f", 0.0);
    return 0.0;
}

FLOAT64 GAUGE_CALL select_nav_prompt_cb(ELEMENT_STRING* element)
{
    return show_label(element, menu_state == NAV_MENU, "select NAV?", "%200.2f");
}

FLOAT64 GAUGE_CALL show_dme_prompt_cb(ELEMENT_STRING* element)
{
    return show_label(element, menu_state == SHOW_DME_MENU, "show dme data?", "%200.0f");
}

FLOAT64 GAUGE_CALL remove_dme_prompt_cb(ELEMENT_STRING* element)
{
    return show_label(element, menu_state == REMOVE_DME_MENU, "remove dme data?", "%200.0f");
}

FLOAT64 GAUGE_CALL power_knob_cb(ELEMENT_ICON*)
{
    return power_switch == 1 ? 1.0 : 0.0;
}

// A lit lamp is a short bar above its key; every lamp goes dark without power.
FLOAT64 lamp(bool lit)
{
    return lit && powered == 1 ? 1.0 : 0.0;
}

FLOAT64 GAUGE_CALL com_lamp_cb(ELEMENT_ICON*) { return lamp(radio_mode == COM_MODE); }
FLOAT64 GAUGE_CALL nav_lamp_cb(ELEMENT_ICON*) { return lamp(radio_mode == NAV_MODE); }
FLOAT64 GAUGE_CALL sys_lamp_cb(ELEMENT_ICON*) { return lamp(monitor_on == 1); }
FLOAT64 GAUGE_CALL obs_lamp_cb(ELEMENT_ICON*) { return lamp(obs_mode == 1); }
FLOAT64 GAUGE_CALL sel_lamp_cb(ELEMENT_ICON*) { return lamp(menu_state > 0); }
FLOAT64 GAUGE_CALL id_lamp_cb(ELEMENT_ICON*) { return lamp(ident_state > 0); }

} // namespace
