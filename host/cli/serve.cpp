#include "serve.h"

#include "dynamic_library.h"
#include "server.h"
#include "workbench.h"

#include <csignal>
#include <ostream>
#include <pthread.h>
#include <stdexcept>
#include <thread>

namespace host {

namespace {

namespace fs = std::filesystem;

// A default file: where it lies in a checkout, seen from the working folder or from the program's build
// folder.
fs::path find_default(const fs::path& relative, const char* option)
{
    for (const fs::path& base : {fs::current_path(), executable_dir().parent_path(), executable_dir()}) {
        const fs::path candidate = base / relative;
        if (fs::exists(candidate)) return candidate;
    }
    throw std::runtime_error("no " + relative.string() + " here: give " + option);
}

} // namespace

int serve_command(const ServeOptions& options, std::ostream& out, std::ostream& err)
{
    // SIGINT and SIGTERM are taken by one thread that stops the server; every other thread blocks them.
    sigset_t stop_signals;
    sigemptyset(&stop_signals);
    sigaddset(&stop_signals, SIGINT);
    sigaddset(&stop_signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stop_signals, nullptr);
    try {
        web::WorkbenchSetup setup;
        const fs::path panel = options.panel.empty() ? find_default("panels/default/panel.cfg", "--panel") : options.panel;
        const fs::path flight = options.flight.empty() ? find_default("flights/default.toml", "--flight") : options.flight;
        setup.setup = read_setup({}, panel, flight);
        setup.flights_dir = fs::absolute(flight).parent_path();
        setup.module_dirs = options.module_dirs;
        web::Workbench workbench(std::move(setup));
        web::Server server(workbench);
        const int port = server.bind(options.port);
        workbench.start();
        out << "workbench: http://" << web::LOOPBACK << ":" << port << "/  (panel " << panel.string() << ", flight "
            << flight.string() << "; Ctrl-C stops it)" << std::endl;
        std::thread stopper([&] {
            int signal = 0;
            sigwait(&stop_signals, &signal);
            server.stop();
        });
        server.run();
        // The server stopped by itself: wake the stopper with a signal of its own.
        pthread_kill(stopper.native_handle(), SIGTERM);
        stopper.join();
        workbench.stop();
        out << "workbench: stopped" << std::endl;
        return 0;
    } catch (const std::exception& e) {
        err << "panelhost: " << e.what() << "\n";
        return 2;
    }
}

} // namespace host
