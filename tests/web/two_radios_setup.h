// The workbench the server tests and the request fuzzer drive: the two COM radios, which send nothing unless
// clicked, with the default flight. SOURCE_DIR and GAUGE_DIR come from the build.
#pragma once

#include "workbench.h"

#include <filesystem>

inline host::web::WorkbenchSetup two_radios_setup()
{
    host::web::WorkbenchSetup setup;
    const std::filesystem::path repo(SOURCE_DIR);
    setup.setup = host::read_setup({}, repo / "tests/web/two_radios.cfg", repo / "flights/default.toml");
    setup.flights_dir = repo / "flights";
    setup.module_dirs = {GAUGE_DIR};
    return setup;
}
