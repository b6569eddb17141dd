// Any request to the workbench's API: the first line is the method and the path (with its query), the
// rest the body. Every request is answered, 2xx or 4xx, never a crash or a 500; a frame then runs with
// whatever the request changed, and the state a browser reads is built from it.
#include "server.h"
#include "workbench.h"
#include "../web/two_radios_setup.h"

#include <httplib.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <string>
#include <thread>

namespace {

struct Bench {
    host::web::Workbench workbench{two_radios_setup()};
    host::web::Server server{workbench};
    int port = server.bind(0);
    std::thread serving{[this] { server.run(); }};
    httplib::Client client{host::web::LOOPBACK, port};

    Bench()
    {
        // One connection for every request, each sent at once.
        client.set_keep_alive(true);
        client.set_tcp_nodelay(true);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // One workbench for the whole run, as one browser would drive it; never destroyed (its server thread
    // lives as long as the fuzzer).
    static Bench* bench = new Bench;
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t end = input.find('\n');
    const std::string request = input.substr(0, end);
    const std::string body = end == std::string::npos ? "" : input.substr(end + 1);
    const size_t blank = request.find(' ');
    if (blank == std::string::npos) return 0;
    const std::string method = request.substr(0, blank), path = request.substr(blank + 1);
    // Only what a URL can carry: httplib refuses the rest before any handler sees it.
    if (path.empty() || path[0] != '/' || path.find_first_of(std::string(" \r\n\t\0", 5)) != std::string::npos) return 0;
    httplib::Result res = method == "POST" ? bench->client.Post(path, body, "application/json") : bench->client.Get(path);
    if (res && res->status >= 500) {
        std::fprintf(stderr, "%s %s\n%s\n-> %d %s\n", method.c_str(), path.c_str(), body.c_str(), res->status,
                     res->body.c_str());
        std::abort();
    }
    bench->workbench.advance(1);
    bench->workbench.state(0, 0);
    return 0;
}
