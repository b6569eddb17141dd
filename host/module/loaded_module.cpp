#include "loaded_module.h"

#include "module_file.h"
#include "sound_import.h"

#include <cstdio>
#include <stdexcept>

namespace host {

namespace {

std::string hex(uint32_t v)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", v);
    return text;
}

} // namespace

LoadedModule::LoadedModule(const std::filesystem::path& path, PANEL_SERVICES* services) : path_(path)
{
    if (!std::filesystem::exists(path)) throw std::runtime_error(path.string() + ": no such module");
    check_module_file(path);
    library_ = std::make_unique<DynamicLibrary>(path);
    const std::string file = path.filename().string();

    linkage_ = static_cast<MODULE_LINKAGE*>(library_->symbol("Linkage"));
    imports_ = static_cast<IMPORT_TABLE*>(library_->symbol("ImportTable"));
    if (!linkage_) throw std::runtime_error(file + ": not a gauge module: it exports no Linkage record");
    if (!imports_) throw std::runtime_error(file + ": not a gauge module: it exports no ImportTable");
    if (linkage_->module_id != MODULE_ID)
        throw std::runtime_error(file + ": module id is " + hex(static_cast<uint32_t>(linkage_->module_id)) +
                                 ", expected " + hex(MODULE_ID));
    if (linkage_->module_version != MODULE_VERSION)
        throw std::runtime_error(file + ": module version is " + hex(linkage_->module_version) + ", expected " +
                                 hex(MODULE_VERSION));
    GAUGEHDR* gauge = linkage_->gauge_header_list[0];
    if (!gauge) throw std::runtime_error(file + ": the module holds no gauge");
    if (gauge->gauge_header_version != GAUGE_HEADER_VERSION)
        throw std::runtime_error(file + ": gauge header version is " + hex(gauge->gauge_header_version) +
                                 ", expected " + hex(GAUGE_HEADER_VERSION));
    if (!gauge->gauge_name) throw std::runtime_error(file + ": the gauge has no name");

    bool filled = false;
    for (IMPORT_ENTRY* entry = &imports_->services; entry->id != 0; ++entry)
        if (entry->id == SERVICES_IMPORT_ID) {
            entry->ptr = services;
            filled = true;
        }
    if (!filled) throw std::runtime_error(file + ": ImportTable has no entry for the services table");
    try {
        route_sound_import(library_->native_handle(), services);
    } catch (const std::exception& e) {
        throw std::runtime_error(file + ": " + e.what());
    }

    if (linkage_->module_init) linkage_->module_init();
}

LoadedModule::~LoadedModule()
{
    if (linkage_ && linkage_->module_deinit) linkage_->module_deinit();
}

std::string LoadedModule::gauge_name() const
{
    return gauge_header()->gauge_name;
}

} // namespace host
