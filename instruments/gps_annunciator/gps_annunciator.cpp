// GPS annunciator/control unit: sits beside a navigator and shows four pairs of annunciators (NAV/GPS,
// MSG/PTK, OBS/HLD, APPR/ACTV). NAV or GPS lights from the simulation's navigation source, MSG whenever the
// navigator has a message pending. The NAV/GPS key switches the navigation source, GPS SEQ latches, TEST
// lights every lamp. The unit has no power switch: it works while the bus is live.
//
// Reads
//   773  bus power, FLOAT64, refreshed every update and truncated: 1 means the unit has power
//   0    an empty module variable, refreshed every update and not used
//   848  navigation source, FLOAT64, refreshed every update and truncated: 0 NAV receiver, 1 GPS
// Sends (always with the value 0)
//   66375  switch the navigation source between NAV and GPS
// Named variables: binds "send_msg", the navigator's message code (0 none, 1 count-down expired, 2 no TO
//   waypoint, 3 arrival), read through the binding at every use; writes 0 into it once, at its one-time reset.
//   With no navigator publishing it, the unit reads 0 and writes nothing.
// Sounds: soft click on the NAV/GPS and GPS SEQ keys, powered or not; the TEST button is silent.

#include "gauge_module.h"
#include GAUGE_PROFILE

#include "gps_annunciator_faceplate.h"

namespace {

using namespace gps_annunciator;

constexpr int32_t  BUS_POWER         = 773;     // 0x305
constexpr int32_t  NAV_SOURCE        = 848;     // 0x350
constexpr uint32_t NAV_SOURCE_TOGGLE = 66375;   // 0x10347
constexpr char     SEND_MSG[]        = "send_msg";

// ---- State --------------------------------------------------------------------------------------------

int32_t bus_power   = 0;
int32_t nav_source  = 0;
int32_t lamp_test   = 0;
int32_t seq_latched = 0;

// ---- Module variables, refreshed on every update in this order -----------------------------------------

MODULE_VAR module_vars[] = {module_var(BUS_POWER), module_var(0), module_var(NAV_SOURCE)};
MODULE_VAR& bus_power_var  = module_vars[0];
MODULE_VAR& nav_source_var = module_vars[2];

// The navigator's message code, bound by name at initialise; the host leaves the pointer null while no
// gauge publishes the name.
MODULE_VAR send_msg = module_var(0);

int32_t message_code()
{
    return send_msg.var_ptr != nullptr ? *static_cast<const int32_t*>(send_msg.var_ptr) : 0;
}

} // namespace

#include "display.h"
#include "controls.h"

namespace {

// ---- Services -----------------------------------------------------------------------------------------

void GAUGE_CALL service_callback(GAUGEHDR*, int32_t service_id, uint32_t)
{
    switch (service_id) {
    case PANEL_SERVICE_PRE_INITIALIZE:
        initialize_var_by_name(&send_msg, SEND_MSG);
        break;
    case PANEL_SERVICE_PRE_UPDATE:
        for (MODULE_VAR& var : module_vars) lookup_var(&var);
        bus_power = truncate_to_int(bus_power_var.var_value.f);
        nav_source = truncate_to_int(nav_source_var.var_value.f);
        break;
    case PANEL_SERVICE_PRE_DRAW:
        // The unit comes up dark, and clears the navigator's message once: the navigator's next update
        // publishes it again if it still stands.
        if (take_one_time_reset()) {
            bus_power = lamp_test = nav_source = 0;
            if (send_msg.var_ptr != nullptr) *static_cast<int32_t*>(send_msg.var_ptr) = 0;
            seq_latched = 0;
        }
        break;
    default:
        break;
    }
}

GAUGEHDR gauge_header = {GAUGE_HEADER_VERSION, profile::GAUGE_NAME, &background.header,
                         nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         100, 0, hotspots, service_callback, 0};

} // namespace

GAUGE_MODULE(gauge_header)
