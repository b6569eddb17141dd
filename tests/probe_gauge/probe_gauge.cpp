// A test gauge that shows the host's side of the framework: how often it was updated, drawn and reset, a
// named variable it publishes and one it binds, a long label, an icon, a slider and two hotspots that share
// a pixel column. Two builds, A and B, publish and bind each other's names; a third, C, publishes B's name
// as well.

#include "gauge_module.h"

#include "probe_faceplate.h"

namespace {

using namespace probe;

#if defined(PROBE_B)
constexpr char GAUGE_NAME[] = "Probe_Test_B";
constexpr char PUBLISHED_NAME[] = "probe_b";
constexpr char PEER_NAME[] = "probe_a";
constexpr int32_t PUBLISHED_OFFSET = 0;
#elif defined(PROBE_C)
// A second publisher of B's name, told apart by the value it publishes.
constexpr char GAUGE_NAME[] = "Probe_Test_C";
constexpr char PUBLISHED_NAME[] = "probe_b";
constexpr char PEER_NAME[] = "probe_a";
constexpr int32_t PUBLISHED_OFFSET = 1000;
#else
constexpr char GAUGE_NAME[] = "Probe_Test_A";
constexpr char PUBLISHED_NAME[] = "probe_a";
constexpr char PEER_NAME[] = "probe_b";
constexpr int32_t PUBLISHED_OFFSET = 0;
#endif

int32_t updates = 0;
int32_t draws = 0;
int32_t resets = 0;
int32_t hidden = 0;
int32_t published = 0;        // the named variable: the number of updates (plus the build's offset)
MODULE_VAR peer = module_var(0);

FLOAT64 GAUGE_CALL status_cb(ELEMENT_STRING* e)
{
    write_text(e, "u%d d%d r%d", updates, draws, resets);
    return 0.0;
}

FLOAT64 GAUGE_CALL peer_cb(ELEMENT_STRING* e)
{
    if (peer.var_ptr) write_text(e, "peer %d", *static_cast<int32_t*>(peer.var_ptr));
    else write_text(e, "peer none");
    return 0.0;
}

FLOAT64 GAUGE_CALL label_cb(ELEMENT_STRING* e)
{
    write_label(e, "Label", "%200.0f", 0.0);
    return 0.0;
}

FLOAT64 GAUGE_CALL icon_cb(ELEMENT_ICON* e)
{
    set_hidden(e->header, hidden != 0);
    return updates % 3;
}

FLOAT64 GAUGE_CALL slider_x_cb(ELEMENT_SLIDER*) { return 2.5; }
FLOAT64 GAUGE_CALL slider_y_cb(ELEMENT_SLIDER*) { return 7.0; }

extern ELEMENT_STATIC_IMAGE background;
extern ELEMENT_STRING status, peer_display, label;
extern ELEMENT_ICON icon;
extern ELEMENT_SLIDER slider;
constexpr auto faceplate = element_chain(background, status, peer_display, label, icon, slider);
static_assert(faceplate.size() == ELEMENT_COUNT);

constexpr ELEMENT_STRING text_element(int32_t y, STRING_CALLBACK cb, ELEMENT_HEADER* const* next)
{
    return ELEMENT_STRING{element_header(ELEMENT_TYPE_STRING, -1, 2, y, next),
                          {module_var(0), module_var(0), module_var(0)},
                          60, 10, 0x80FFFF, 0, 0, "Courier New", 400, CHARSET_WINDOWS_1252,
                          STRING_TEXT_FLAGS, nullptr, 0, cb};
}

ELEMENT_STATIC_IMAGE background = {
    element_header(ELEMENT_TYPE_STATIC_IMAGE, 0x100, 0, 0, faceplate.after(BACKGROUND, background)),
    STATIC_IMAGE_SETTING};
ELEMENT_STRING status = text_element(10, status_cb, faceplate.after(STATUS, status));
ELEMENT_STRING peer_display = text_element(20, peer_cb, faceplate.after(PEER, peer_display));
ELEMENT_STRING label = text_element(30, label_cb, faceplate.after(LABEL, label));
ELEMENT_ICON icon = {element_header(ELEMENT_TYPE_ICON, 0x200, 40, 2, faceplate.after(ICON, icon)), ICON_SETTING,
                     module_var(0), 3, icon_cb};
ELEMENT_SLIDER slider = {element_header(ELEMENT_TYPE_SLIDER, 0x300, 5, 5, faceplate.after(SLIDER, slider)),
                         module_var(0), 4.0, slider_x_cb, module_var(0), 0.0, slider_y_cb};

int32_t GAUGE_CALL left_key(PIXPOINT*, uint32_t)
{
    hidden = !hidden;
    trigger_key_event(LEFT_KEY_EVENT, 0);
    return 0;
}

int32_t GAUGE_CALL right_key(PIXPOINT*, uint32_t)
{
    play_sound(SOFT_CLICK_SOUND);
    trigger_key_event(RIGHT_KEY_EVENT, 0);
    return 0;
}

constexpr MOUSERECT hotspots[] = {
    hotspot_parent(),
    hotspot(10, 10, 10, 10, CURSOR_HAND, left_key),
    hotspot(19, 10, 11, 10, CURSOR_HAND, right_key),   // shares the column x = 19 with the box before
    hotspot_end_of_parent(),
    hotspot_end_of_list(),
};
static_assert(std::size(hotspots) == HOTSPOT_COUNT + 3);

void GAUGE_CALL service_callback(GAUGEHDR*, int32_t service_id, uint32_t)
{
    switch (service_id) {
    case PANEL_SERVICE_PRE_INSTALL: register_var_by_name(&published, NAMED_VAR_TYPE_INT32, PUBLISHED_NAME); break;
    case PANEL_SERVICE_PRE_INITIALIZE: initialize_var_by_name(&peer, PEER_NAME); break;
    case PANEL_SERVICE_PRE_UPDATE: published = ++updates + PUBLISHED_OFFSET; break;
    case PANEL_SERVICE_PRE_DRAW:
        ++draws;
        if (take_one_time_reset()) ++resets;
        break;
    case PANEL_SERVICE_PRE_KILL: unregister_var_by_name(PUBLISHED_NAME); break;
    default: break;
    }
}

GAUGEHDR gauge_header = {GAUGE_HEADER_VERSION, GAUGE_NAME, &background.header,
                         nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         100, 0, hotspots, service_callback, 0};

} // namespace

#if defined(PROBE_WRONG_VERSION)
extern "C" {
GAUGE_EXPORT MODULE_LINKAGE Linkage = {MODULE_ID, module_init, module_deinit, 0, 0, 0x700, {&gauge_header, nullptr}};
}
#else
GAUGE_MODULE(gauge_header)
#endif
