// The workbench's HTTP server: the page's own files and the JSON API over one Workbench, on the loopback
// address only.
//
//   GET  /                         the page (and its other files: /app.js, /style.css, /sound/*.wav)
//   GET  /api/panel                windows, gauges at their places and sizes, hotspots with their cursors
//   GET  /api/flight               route, navaids and the aircraft's track so far
//   GET  /api/flights              the flights to choose from
//   GET  /api/state                the live state (?sounds_after=N&log_after=N)
//   GET  /api/stream               the same state as server-sent events, once a published frame
//   GET  /api/gauges/NAME/picture.png?scale=N     the gauge as drawn now
//   GET  /api/trace.jsonl          the frames that logged something, as `run --trace` writes them
//   POST /api/click                {"window":W,"x":X,"y":Y} in panel pixels, or {"gauge":G,"x":X,"y":Y}
//   POST /api/pause {"paused":B}   /api/speed {"speed":1|4|16}   /api/power {"on":B}
//   POST /api/power-failure {"seconds":S}   /api/restart {}   /api/flight {"name":N}   /api/jump {"nm":D}
//   POST /api/tokens {"token":T,"value":V}
//
// A bad request is answered with a 4xx status and {"error": "..."}.
#pragma once

#include "workbench.h"

#include <atomic>
#include <memory>
#include <string>

namespace httplib {
class Server;
}

namespace host::web {

constexpr const char* LOOPBACK = "127.0.0.1";

class Server {
public:
    explicit Server(Workbench& workbench);
    ~Server();

    // Listens on 127.0.0.1:port (0: a free port); returns the port. Throws std::runtime_error saying so
    // when the port is taken.
    int bind(int port);
    // Serves until stop(); returns at once if bind() has not succeeded.
    void run();
    void stop();

private:
    void routes();

    Workbench& workbench_;
    std::unique_ptr<httplib::Server> http_;
    // Set by stop(): the event streams end, so that the server's threads can be joined.
    std::shared_ptr<std::atomic<bool>> stopping_ = std::make_shared<std::atomic<bool>>(false);
};

} // namespace host::web
