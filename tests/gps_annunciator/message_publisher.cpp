// A stand-in for a navigator beside the annunciator unit: it publishes "send_msg" at install, withdraws it
// at kill and, like a navigator, rewrites it at the end of every update, here from a simulation variable a
// test sets. It lets the unit's tests run before a navigator of the suite exists, and shows on its display
// what the unit wrote into its variable.

#include "gauge_module.h"

namespace {

constexpr int32_t MESSAGE_TOKEN = 9990;   // not a token of the simulator: the tests' own

int32_t published_msg = 0;
int32_t seen_before_update = 0;   // what the variable held when the update came: the unit's write shows here
MODULE_VAR message = module_var(MESSAGE_TOKEN);

FLOAT64 GAUGE_CALL seen_cb(ELEMENT_STRING* e)
{
    write_text(e, "seen %d", seen_before_update);
    return 0.0;
}

extern ELEMENT_STATIC_IMAGE background;
extern ELEMENT_STRING seen;
constexpr auto faceplate = element_chain(background, seen);

ELEMENT_STATIC_IMAGE background = {
    element_header(ELEMENT_TYPE_STATIC_IMAGE, 0x100, 0, 0, faceplate.after(1, background)), STATIC_IMAGE_SETTING};
ELEMENT_STRING seen = {element_header(ELEMENT_TYPE_STRING, -1, 2, 2, faceplate.after(2, seen)),
                       {module_var(0), module_var(0), module_var(0)},
                       60, 10, 0x80FFFF, 0, 0, "Courier New", 400, CHARSET_WINDOWS_1252,
                       STRING_TEXT_FLAGS, nullptr, 0, seen_cb};

constexpr MOUSERECT hotspots[] = {hotspot_parent(), hotspot_end_of_parent(), hotspot_end_of_list()};

void GAUGE_CALL service_callback(GAUGEHDR*, int32_t service_id, uint32_t)
{
    switch (service_id) {
    case PANEL_SERVICE_PRE_INSTALL: register_var_by_name(&published_msg, NAMED_VAR_TYPE_INT32, "send_msg"); break;
    case PANEL_SERVICE_PRE_UPDATE:
        seen_before_update = published_msg;
        lookup_var(&message);
        published_msg = truncate_to_int(message.var_value.f);
        break;
    case PANEL_SERVICE_PRE_KILL: unregister_var_by_name("send_msg"); break;
    default: break;
    }
}

GAUGEHDR gauge_header = {GAUGE_HEADER_VERSION, "Probe_Message_Publisher", &background.header,
                         nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         100, 0, hotspots, service_callback, 0};

} // namespace

GAUGE_MODULE(gauge_header)
