#include "server.h"

#include "embedded_files.h"

#include <httplib.h>
#include <sys/socket.h>

#include <cmath>
#include <functional>
#include <stdexcept>

namespace host::web {

namespace {

using nlohmann::json;

// Each browser holds an event stream and a few connections for pictures: enough threads for a room full.
constexpr std::size_t SERVER_THREADS = 96;
constexpr auto STREAM_WAIT = std::chrono::milliseconds(1000);

void send_json(httplib::Response& res, const json& body, int status = 200)
{
    res.status = status;
    res.set_header("Cache-Control", "no-store");
    // A message may quote a request's bytes, which need not be UTF-8: they are replaced, never a reason for
    // the answer itself to fail.
    res.set_content(body.dump(-1, ' ', false, json::error_handler_t::replace), "application/json");
}

void send_error(httplib::Response& res, int status, const std::string& message)
{
    send_json(res, json{{"error", message}}, status);
}

// A request body that must be a JSON object, read field by field with the field's name in every error.
class Body {
public:
    explicit Body(const std::string& text)
    {
        try {
            value_ = json::parse(text.empty() ? std::string("{}") : text);
        } catch (const json::parse_error& e) {
            throw WorkbenchError(400, std::string("the body is not JSON: ") + e.what());
        }
        if (!value_.is_object()) throw WorkbenchError(400, "the body is a JSON object");
    }
    bool has(const char* key) const { return value_.contains(key); }
    double number(const char* key) const
    {
        const json& v = field(key);
        if (!v.is_number()) throw WorkbenchError(400, std::string(key) + ": a number is wanted");
        return v.get<double>();
    }
    int64_t integer(const char* key) const
    {
        const double d = number(key);
        if (d != std::floor(d) || std::fabs(d) > 2147483647.0)
            throw WorkbenchError(400, std::string(key) + ": a whole number is wanted");
        return static_cast<int64_t>(d);
    }
    bool boolean(const char* key) const
    {
        const json& v = field(key);
        if (!v.is_boolean()) throw WorkbenchError(400, std::string(key) + ": true or false is wanted");
        return v.get<bool>();
    }
    std::string text(const char* key) const
    {
        const json& v = field(key);
        if (!v.is_string()) throw WorkbenchError(400, std::string(key) + ": a string is wanted");
        return v.get<std::string>();
    }

private:
    const json& field(const char* key) const
    {
        auto it = value_.find(key);
        if (it == value_.end()) throw WorkbenchError(400, std::string(key) + " is missing");
        return *it;
    }
    json value_;
};

// Every API handler answers a refusal with its status and message, and anything unexpected with 500.
using Handler = std::function<void(const httplib::Request&, httplib::Response&)>;
Handler guarded(Handler handler)
{
    return [handler](const httplib::Request& req, httplib::Response& res) {
        try {
            handler(req, res);
        } catch (const WorkbenchError& e) {
            send_error(res, e.status(), e.what());
        } catch (const std::exception& e) {
            send_error(res, 500, e.what());
        }
    };
}

uint64_t param(const httplib::Request& req, const char* key)
{
    if (!req.has_param(key)) return 0;
    try {
        return std::stoull(req.get_param_value(key));
    } catch (const std::exception&) {
        throw WorkbenchError(400, std::string(key) + ": a whole number is wanted");
    }
}

} // namespace

Server::Server(Workbench& workbench) : workbench_(workbench), http_(std::make_unique<httplib::Server>())
{
    http_->new_task_queue = [] { return new httplib::ThreadPool(SERVER_THREADS); };
    // Without SO_REUSEPORT, which would let a second server share the port unnoticed.
    http_->set_socket_options([](socket_t sock) {
        int yes = 1;
        setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    routes();
}

Server::~Server()
{
    stop();
}

int Server::bind(int port)
{
    if (port < 0 || port > 65535) throw std::runtime_error("port " + std::to_string(port) + ": 0 to 65535");
    if (port == 0) {
        const int bound = http_->bind_to_any_port(LOOPBACK);
        if (bound <= 0) throw std::runtime_error(std::string("cannot listen on ") + LOOPBACK);
        return bound;
    }
    if (!http_->bind_to_port(LOOPBACK, port))
        throw std::runtime_error(std::string("cannot listen on ") + LOOPBACK + ":" + std::to_string(port) +
                                 ": the port is taken (another program listens there); choose another with --port");
    return port;
}

void Server::run()
{
    http_->listen_after_bind();
}

void Server::stop()
{
    *stopping_ = true;
    if (http_) http_->stop();
}

void Server::routes()
{
    Workbench& wb = workbench_;
    httplib::Server& s = *http_;

    s.Get("/api/panel", guarded([&wb](auto&, auto& res) { send_json(res, wb.panel_description()); }));
    s.Get("/api/flight", guarded([&wb](auto&, auto& res) { send_json(res, wb.flight_description()); }));
    s.Get("/api/flights", guarded([&wb](auto&, auto& res) { send_json(res, wb.flights()); }));
    s.Get("/api/state", guarded([&wb](const httplib::Request& req, auto& res) {
        send_json(res, wb.state(param(req, "sounds_after"), param(req, "log_after")));
    }));
    s.Get("/api/trace.jsonl", guarded([&wb](auto&, httplib::Response& res) {
        res.set_header("Content-Disposition", "attachment; filename=\"workbench.jsonl\"");
        res.set_header("Cache-Control", "no-store");
        res.set_content(wb.trace_jsonl(), "application/x-ndjson");
    }));
    s.Get(R"(/api/gauges/([^/]+))", guarded([&wb](const httplib::Request& req, auto& res) {
        send_json(res, wb.gauge_view(req.matches[1]));
    }));
    s.Get(R"(/api/gauges/([^/]+)/picture\.png)", guarded([&wb](const httplib::Request& req, httplib::Response& res) {
        const uint64_t scale = req.has_param("scale") ? param(req, "scale") : 1;
        uint64_t version = 0;
        std::string png = wb.picture_png(req.matches[1], static_cast<int>(std::min<uint64_t>(scale, 1000)), version);
        res.set_header("X-Picture-Version", std::to_string(version));
        // A picture is asked for with its version in the query, so that each version may be kept.
        res.set_header("Cache-Control", req.has_param("v") ? "max-age=60" : "no-store");
        res.set_content(std::move(png), "image/png");
    }));

    // One state a published frame. Each stream remembers which sounds and log lines it has sent.
    auto stopping = stopping_;
    s.Get("/api/stream", [&wb, stopping](const httplib::Request& req, httplib::Response& res) {
        struct Cursor {
            uint64_t published = 0, sounds = 0, log = 0;
        };
        auto cursor = std::make_shared<Cursor>();
        try {
            cursor->sounds = param(req, "sounds_after");
            cursor->log = param(req, "log_after");
        } catch (const WorkbenchError& e) {
            send_error(res, e.status(), e.what());
            return;
        }
        res.set_header("Cache-Control", "no-store");
        res.set_chunked_content_provider("text/event-stream", [&wb, cursor, stopping](size_t, httplib::DataSink& sink) {
            const uint64_t now = wb.wait_for_publish(cursor->published, STREAM_WAIT);
            if (*stopping) return false;
            if (now == cursor->published) {
                // Nothing new (the simulation stands still): a comment keeps the connection alive.
                return sink.write(": idle\n\n", 8);
            }
            cursor->published = now;
            const json state = wb.state(cursor->sounds, cursor->log);
            cursor->sounds = state["sound_seq"].get<uint64_t>();
            cursor->log = state["log_seq"].get<uint64_t>();
            const std::string message = "data: " + state.dump() + "\n\n";
            return sink.write(message.data(), message.size());
        });
    });

    s.Post("/api/click", guarded([&wb](const httplib::Request& req, auto& res) {
        const Body body(req.body);
        const ClickResult r = body.has("gauge")
                                  ? wb.click_gauge(body.text("gauge"), body.number("x"), body.number("y"))
                                  : wb.click_window(static_cast<int>(body.integer("window")), body.number("x"),
                                                    body.number("y"));
        send_json(res, json{{"gauge", r.gauge}, {"hotspot", r.hotspot}, {"x", r.x}, {"y", r.y}, {"frame", r.frame}});
    }));
    // A command answers {"ok": true} once done; a body it cannot take answers 400 before anything changes.
    const auto command = [&s](const char* path, auto action) {
        s.Post(path, guarded([action](const httplib::Request& req, auto& res) {
            action(Body(req.body));
            send_json(res, json{{"ok", true}});
        }));
    };
    command("/api/pause", [&wb](const Body& body) { wb.pause(body.boolean("paused")); });
    command("/api/speed", [&wb](const Body& body) { wb.set_speed(static_cast<int>(body.integer("speed"))); });
    command("/api/power", [&wb](const Body& body) { wb.set_power(body.boolean("on")); });
    command("/api/power-failure", [&wb](const Body& body) { wb.fail_power(body.number("seconds")); });
    command("/api/restart", [&wb](const Body&) { wb.restart(); });
    command("/api/flight", [&wb](const Body& body) { wb.choose_flight(body.text("name")); });
    command("/api/jump", [&wb](const Body& body) { wb.jump(body.number("nm")); });
    command("/api/tokens", [&wb](const Body& body) {
        wb.edit_token(static_cast<int32_t>(body.integer("token")), body.number("value"));
    });
    command("/api/tokens/release",
            [&wb](const Body& body) { wb.release_token(static_cast<int32_t>(body.integer("token"))); });
    s.Post(R"(/api/.*)", [](const httplib::Request& req, httplib::Response& res) {
        send_error(res, 404, "no such request: POST " + req.path);
    });

    // The page's own files, by whole name; nothing is ever read from a folder.
    s.Get(R"(/.*)", [](const httplib::Request& req, httplib::Response& res) {
        if (req.path.rfind("/api/", 0) == 0) {
            send_error(res, 404, "no such request: GET " + req.path);
            return;
        }
        const EmbeddedFile* file = find_embedded_file(req.path == "/" ? "/index.html" : req.path);
        if (!file) {
            res.status = 404;
            res.set_content("not found\n", "text/plain");
            return;
        }
        res.set_content(std::string(file->bytes()), content_type(file->name));
    });
}

} // namespace host::web
