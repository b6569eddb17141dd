// The records that cross the module boundary. Host and gauge modules include this one header, so both
// sides always agree on every field. Plain standard-layout structs, C callbacks, no C++ behaviour.
#pragma once

#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#define GAUGE_CALL __stdcall
#else
#define GAUGE_CALL
#endif

typedef double FLOAT64;

// ---- Numbers the host and the gauges share ------------------------------------------------------------

constexpr int32_t  MODULE_ID            = 0x13;
constexpr uint32_t MODULE_VERSION       = 0x800;
constexpr uint32_t GAUGE_HEADER_VERSION = 0x320;
constexpr int32_t  SERVICES_IMPORT_ID   = 0xF;

// Service ids the host sends to a gauge's service callback.
constexpr int32_t PANEL_SERVICE_PRE_INSTALL    = 2;
constexpr int32_t PANEL_SERVICE_PRE_INITIALIZE = 4;
constexpr int32_t PANEL_SERVICE_PRE_UPDATE     = 6;
constexpr int32_t PANEL_SERVICE_PRE_DRAW       = 10;
constexpr int32_t PANEL_SERVICE_PRE_KILL       = 12;

// Element kinds.
constexpr int32_t ELEMENT_TYPE_STATIC_IMAGE = 0;
constexpr int32_t ELEMENT_TYPE_STRING       = 2;
constexpr int32_t ELEMENT_TYPE_SLIDER       = 3;
constexpr int32_t ELEMENT_TYPE_ICON         = 4;

// Image flags every element of the suite carries, and the hidden flag a callback sets or clears.
constexpr uint32_t IMAGE_FLAGS_DEFAULT = 0x83;
constexpr uint32_t IMAGE_HIDDEN        = 0x40000000;

constexpr uint32_t STATIC_IMAGE_SETTING = 0xF;
constexpr uint32_t ICON_SETTING         = 3;
constexpr uint32_t STRING_TEXT_FLAGS    = 0x4240;
constexpr uint8_t  CHARSET_WINDOWS_1252 = 1;

// Mouse rectangle kinds, cursors and click kinds.
constexpr int32_t  MOUSE_RECT_EOL    = 0;
constexpr int32_t  MOUSE_RECT_PARENT = 1;
constexpr int32_t  MOUSE_RECT_CHILD  = 2;
constexpr int32_t  MOUSE_RECT_END    = 3;
constexpr int32_t  CURSOR_NONE       = -1;
constexpr int32_t  CURSOR_UPARROW    = 1;
constexpr int32_t  CURSOR_DOWNARROW  = 2;
constexpr int32_t  CURSOR_HAND       = 5;
constexpr uint32_t MOUSE_LEFTSINGLE  = 0x20000000;

// Named variables the suite publishes are 32-bit integers of this type.
constexpr int32_t NAMED_VAR_TYPE_INT32 = 0x13;

// Sounds are played asynchronously from a file.
constexpr uint32_t SOUND_ASYNC_FROM_FILE = 0x20001;

// ---- Records ------------------------------------------------------------------------------------------

struct GAUGEHDR;
struct ELEMENT_HEADER;

// The 8-byte value of a simulation variable: a FLOAT64, or for integer tokens (BCD frequencies, codes,
// flags) a 32-bit integer in the first 4 bytes.
union VAR_VALUE {
    FLOAT64 f;
    int32_t i;
    uint8_t bytes[8];
};
static_assert(sizeof(VAR_VALUE) == 8);

struct MODULE_VAR {
    int32_t   id;        // token number; 0 means none
    void*     var_ptr;   // filled by the host for a variable bound by name
    int32_t   var_type;
    VAR_VALUE var_value;
    VAR_VALUE var_old;
};

struct PIXPOINT {
    int32_t x;
    int32_t y;
};

struct FAILURE_RECORD {
    int32_t failure_key;
    int32_t action;
};

// What every element record begins with. `next_element` is a null-terminated list holding at most one
// child: the faceplate is one chain, drawn in order.
struct ELEMENT_HEADER {
    int32_t                element_type;
    int32_t                resource_id;     // bitmap resource, or -1 for text
    PIXPOINT               position;
    FAILURE_RECORD const*  failures;        // always an empty list
    uint32_t               image_flags;
    ELEMENT_HEADER* const* next_element;
};

struct ELEMENT_STATIC_IMAGE {
    ELEMENT_HEADER header;
    uint32_t       setting;                 // 0xF
};

struct ELEMENT_STRING;
struct ELEMENT_SLIDER;
struct ELEMENT_ICON;
typedef FLOAT64 (GAUGE_CALL* STRING_CALLBACK)(ELEMENT_STRING*);
typedef FLOAT64 (GAUGE_CALL* SLIDER_CALLBACK)(ELEMENT_SLIDER*);
typedef FLOAT64 (GAUGE_CALL* ICON_CALLBACK)(ELEMENT_ICON*);

constexpr int STRING_SOURCE_COUNT = 3;
constexpr int FONT_NAME_CAPACITY  = 32;

struct ELEMENT_STRING {
    ELEMENT_HEADER  header;
    MODULE_VAR      source_var[STRING_SOURCE_COUNT];   // refreshed by the host before the callback
    int32_t         box_width;
    int32_t         box_height;
    uint32_t        fg_color;                          // 0x00BBGGRR
    uint32_t        bg_color;
    uint32_t        hilite_color;
    char            font_name[FONT_NAME_CAPACITY];
    int32_t         font_weight;
    uint8_t         char_set;
    uint32_t        text_flags;
    char*           string;                            // text buffer, provided by the host
    uint32_t        max_string_length;                 // its capacity in bytes, terminator included
    STRING_CALLBACK update_string;
};

struct ELEMENT_SLIDER {
    ELEMENT_HEADER  header;
    MODULE_VAR      source_var_x;
    FLOAT64         scale_x;
    SLIDER_CALLBACK update_x;
    MODULE_VAR      source_var_y;
    FLOAT64         scale_y;
    SLIDER_CALLBACK update_y;
};

struct ELEMENT_ICON {
    ELEMENT_HEADER header;
    uint32_t       setting;                 // 3
    MODULE_VAR     source_var;
    int32_t        frame_count;
    ICON_CALLBACK  update_icon;
};

typedef int32_t (GAUGE_CALL* MOUSE_CALLBACK)(PIXPOINT* point, uint32_t click_kinds);

struct MOUSERECT {
    int32_t        rect_type;
    int32_t        x, y, width, height;
    int32_t        cursor;
    uint32_t       help_id;
    uint32_t       click_kinds;
    uint32_t       event_id;
    MOUSE_CALLBACK callback;
    void*          callback_data;
};

typedef void (GAUGE_CALL* SERVICE_CALLBACK)(GAUGEHDR* gauge, int32_t service_id, uint32_t extra_data);
typedef void (GAUGE_CALL* MODULE_ROUTINE)();

struct GAUGEHDR {
    uint32_t         gauge_header_version;  // 0x320
    const char*      gauge_name;
    ELEMENT_HEADER*  elements_list;         // root element: the static background
    void*            query_routine;         // the routines below stay null: all work goes through
    void*            install_routine;       // the service callback
    void*            initialize_routine;
    void*            update_routine;
    void*            generate_routine;
    void*            draw_routine;
    void*            kill_routine;
    uint32_t         size_x_mm;             // 100
    uint32_t         size_y_mm;
    MOUSERECT const* mouse_rect;
    SERVICE_CALLBACK gauge_callback;
    uint32_t         user_data;
};

struct MODULE_LINKAGE {
    int32_t        module_id;               // 0x13
    MODULE_ROUTINE module_init;
    MODULE_ROUTINE module_deinit;
    uint32_t       flags;
    uint32_t       priority;
    uint32_t       module_version;          // 0x800
    GAUGEHDR*      gauge_header_list[2];    // one gauge, then null
};

struct IMPORT_ENTRY {
    int32_t id;
    void*   ptr;
};

struct IMPORT_TABLE {
    IMPORT_ENTRY services;                  // id 0xF, filled by the host
    IMPORT_ENTRY end;                       // (0, null)
};

// The host's services table, reached only through ImportTable at the moment of each call.
struct PANEL_SERVICES {
    uint32_t version;
    void (GAUGE_CALL* lookup_var)(MODULE_VAR* var);
    void (GAUGE_CALL* trigger_key_event)(uint32_t event, uint32_t value);
    void (GAUGE_CALL* register_var_by_name)(void* var, int32_t var_type, const char* name);
    void (GAUGE_CALL* unregister_var_by_name)(const char* name);
    void (GAUGE_CALL* initialize_var_by_name)(MODULE_VAR* var, const char* name);
    // Sounds outside Windows; on Windows the gauge calls PlaySoundA itself.
    void (GAUGE_CALL* play_sound)(const char* file, uint32_t flags);
};
constexpr uint32_t PANEL_SERVICES_VERSION = 1;

// In the 32-bit Windows build, every record's size and field offsets are checked as the simulator reads them.
#if defined(_WIN32) && !defined(_WIN64)
#include "record_layout_32.h"
#endif
