// The records' layout in the 32-bit Windows build, the one the simulator loads: 4-byte pointers, and every
// field at the offset that the fields before it give with their sizes and natural alignment (8 for the
// 8-byte values). The simulator reads these records by offset; a field the compiler placed elsewhere (a
// changed type, a pointer grown, a packing pragma) would pass every other check and show the pilot nothing,
// or worse, so the 32-bit build refuses to compile instead.
#pragma once

#include <cstddef>

#include "gauge_abi.h"

#define GAUGE_RECORD_SIZE(record, size) \
    static_assert(sizeof(record) == (size), #record " is not " #size " bytes in the 32-bit build")
#define GAUGE_FIELD_AT(record, field, offset) \
    static_assert(offsetof(record, field) == (offset), #record "." #field " is not at " #offset " in the 32-bit build")

static_assert(sizeof(void*) == 4 && alignof(FLOAT64) == 8, "a 32-bit build with 8-byte aligned FLOAT64");

GAUGE_RECORD_SIZE(VAR_VALUE, 8);

GAUGE_FIELD_AT(MODULE_VAR, id, 0);
GAUGE_FIELD_AT(MODULE_VAR, var_ptr, 4);
GAUGE_FIELD_AT(MODULE_VAR, var_type, 8);
GAUGE_FIELD_AT(MODULE_VAR, var_value, 16);
GAUGE_FIELD_AT(MODULE_VAR, var_old, 24);
GAUGE_RECORD_SIZE(MODULE_VAR, 32);

GAUGE_FIELD_AT(PIXPOINT, x, 0);
GAUGE_FIELD_AT(PIXPOINT, y, 4);
GAUGE_RECORD_SIZE(PIXPOINT, 8);

GAUGE_FIELD_AT(FAILURE_RECORD, failure_key, 0);
GAUGE_FIELD_AT(FAILURE_RECORD, action, 4);
GAUGE_RECORD_SIZE(FAILURE_RECORD, 8);

GAUGE_FIELD_AT(ELEMENT_HEADER, element_type, 0);
GAUGE_FIELD_AT(ELEMENT_HEADER, resource_id, 4);
GAUGE_FIELD_AT(ELEMENT_HEADER, position, 8);
GAUGE_FIELD_AT(ELEMENT_HEADER, failures, 16);
GAUGE_FIELD_AT(ELEMENT_HEADER, image_flags, 20);
GAUGE_FIELD_AT(ELEMENT_HEADER, next_element, 24);
GAUGE_RECORD_SIZE(ELEMENT_HEADER, 28);

GAUGE_FIELD_AT(ELEMENT_STATIC_IMAGE, header, 0);
GAUGE_FIELD_AT(ELEMENT_STATIC_IMAGE, setting, 28);
GAUGE_RECORD_SIZE(ELEMENT_STATIC_IMAGE, 32);

GAUGE_FIELD_AT(ELEMENT_STRING, header, 0);
GAUGE_FIELD_AT(ELEMENT_STRING, source_var, 32);
GAUGE_FIELD_AT(ELEMENT_STRING, box_width, 128);
GAUGE_FIELD_AT(ELEMENT_STRING, box_height, 132);
GAUGE_FIELD_AT(ELEMENT_STRING, fg_color, 136);
GAUGE_FIELD_AT(ELEMENT_STRING, bg_color, 140);
GAUGE_FIELD_AT(ELEMENT_STRING, hilite_color, 144);
GAUGE_FIELD_AT(ELEMENT_STRING, font_name, 148);
GAUGE_FIELD_AT(ELEMENT_STRING, font_weight, 180);
GAUGE_FIELD_AT(ELEMENT_STRING, char_set, 184);
GAUGE_FIELD_AT(ELEMENT_STRING, text_flags, 188);
GAUGE_FIELD_AT(ELEMENT_STRING, string, 192);
GAUGE_FIELD_AT(ELEMENT_STRING, max_string_length, 196);
GAUGE_FIELD_AT(ELEMENT_STRING, update_string, 200);
GAUGE_RECORD_SIZE(ELEMENT_STRING, 208);

GAUGE_FIELD_AT(ELEMENT_SLIDER, header, 0);
GAUGE_FIELD_AT(ELEMENT_SLIDER, source_var_x, 32);
GAUGE_FIELD_AT(ELEMENT_SLIDER, scale_x, 64);
GAUGE_FIELD_AT(ELEMENT_SLIDER, update_x, 72);
GAUGE_FIELD_AT(ELEMENT_SLIDER, source_var_y, 80);
GAUGE_FIELD_AT(ELEMENT_SLIDER, scale_y, 112);
GAUGE_FIELD_AT(ELEMENT_SLIDER, update_y, 120);
GAUGE_RECORD_SIZE(ELEMENT_SLIDER, 128);

GAUGE_FIELD_AT(ELEMENT_ICON, header, 0);
GAUGE_FIELD_AT(ELEMENT_ICON, setting, 28);
GAUGE_FIELD_AT(ELEMENT_ICON, source_var, 32);
GAUGE_FIELD_AT(ELEMENT_ICON, frame_count, 64);
GAUGE_FIELD_AT(ELEMENT_ICON, update_icon, 68);
GAUGE_RECORD_SIZE(ELEMENT_ICON, 72);

GAUGE_FIELD_AT(MOUSERECT, rect_type, 0);
GAUGE_FIELD_AT(MOUSERECT, x, 4);
GAUGE_FIELD_AT(MOUSERECT, y, 8);
GAUGE_FIELD_AT(MOUSERECT, width, 12);
GAUGE_FIELD_AT(MOUSERECT, height, 16);
GAUGE_FIELD_AT(MOUSERECT, cursor, 20);
GAUGE_FIELD_AT(MOUSERECT, help_id, 24);
GAUGE_FIELD_AT(MOUSERECT, click_kinds, 28);
GAUGE_FIELD_AT(MOUSERECT, event_id, 32);
GAUGE_FIELD_AT(MOUSERECT, callback, 36);
GAUGE_FIELD_AT(MOUSERECT, callback_data, 40);
GAUGE_RECORD_SIZE(MOUSERECT, 44);

GAUGE_FIELD_AT(GAUGEHDR, gauge_header_version, 0);
GAUGE_FIELD_AT(GAUGEHDR, gauge_name, 4);
GAUGE_FIELD_AT(GAUGEHDR, elements_list, 8);
GAUGE_FIELD_AT(GAUGEHDR, query_routine, 12);
GAUGE_FIELD_AT(GAUGEHDR, install_routine, 16);
GAUGE_FIELD_AT(GAUGEHDR, initialize_routine, 20);
GAUGE_FIELD_AT(GAUGEHDR, update_routine, 24);
GAUGE_FIELD_AT(GAUGEHDR, generate_routine, 28);
GAUGE_FIELD_AT(GAUGEHDR, draw_routine, 32);
GAUGE_FIELD_AT(GAUGEHDR, kill_routine, 36);
GAUGE_FIELD_AT(GAUGEHDR, size_x_mm, 40);
GAUGE_FIELD_AT(GAUGEHDR, size_y_mm, 44);
GAUGE_FIELD_AT(GAUGEHDR, mouse_rect, 48);
GAUGE_FIELD_AT(GAUGEHDR, gauge_callback, 52);
GAUGE_FIELD_AT(GAUGEHDR, user_data, 56);
GAUGE_RECORD_SIZE(GAUGEHDR, 60);

GAUGE_FIELD_AT(MODULE_LINKAGE, module_id, 0);
GAUGE_FIELD_AT(MODULE_LINKAGE, module_init, 4);
GAUGE_FIELD_AT(MODULE_LINKAGE, module_deinit, 8);
GAUGE_FIELD_AT(MODULE_LINKAGE, flags, 12);
GAUGE_FIELD_AT(MODULE_LINKAGE, priority, 16);
GAUGE_FIELD_AT(MODULE_LINKAGE, module_version, 20);
GAUGE_FIELD_AT(MODULE_LINKAGE, gauge_header_list, 24);
GAUGE_RECORD_SIZE(MODULE_LINKAGE, 32);

GAUGE_FIELD_AT(IMPORT_ENTRY, id, 0);
GAUGE_FIELD_AT(IMPORT_ENTRY, ptr, 4);
GAUGE_RECORD_SIZE(IMPORT_ENTRY, 8);

GAUGE_FIELD_AT(IMPORT_TABLE, services, 0);
GAUGE_FIELD_AT(IMPORT_TABLE, end, 8);
GAUGE_RECORD_SIZE(IMPORT_TABLE, 16);

GAUGE_FIELD_AT(PANEL_SERVICES, version, 0);
GAUGE_FIELD_AT(PANEL_SERVICES, lookup_var, 4);
GAUGE_FIELD_AT(PANEL_SERVICES, trigger_key_event, 8);
GAUGE_FIELD_AT(PANEL_SERVICES, register_var_by_name, 12);
GAUGE_FIELD_AT(PANEL_SERVICES, unregister_var_by_name, 16);
GAUGE_FIELD_AT(PANEL_SERVICES, initialize_var_by_name, 20);
GAUGE_FIELD_AT(PANEL_SERVICES, play_sound, 24);
GAUGE_RECORD_SIZE(PANEL_SERVICES, 28);

#undef GAUGE_RECORD_SIZE
#undef GAUGE_FIELD_AT
