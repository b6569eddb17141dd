// The workbench server over HTTP on loopback, with the two COM radios and the default flight: what a browser
// may send, right and wrong. The simulation does not run by itself here: each test advances it by whole frames.
#include "server.h"
#include "tokens.h"
#include "two_radios_setup.h"
#include "workbench.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <cmath>
#include <thread>

namespace {

using nlohmann::json;

constexpr const char* COM1 = "COM1_Corvane_QT3";
constexpr const char* COM2 = "COM2_Corvane_QT3";

class ServerTest : public ::testing::Test {
protected:
    host::web::Workbench workbench{two_radios_setup()};
    host::web::Server server{workbench};
    int port = server.bind(0);
    std::thread serving{[this] { server.run(); }};
    httplib::Client client{host::web::LOOPBACK, port};

    ~ServerTest() override
    {
        server.stop();
        serving.join();
    }

    json post(const std::string& path, const std::string& body, int expected_status)
    {
        auto res = client.Post(path.c_str(), body, "application/json");
        EXPECT_TRUE(res) << path;
        if (!res) return {};
        EXPECT_EQ(res->status, expected_status) << path << " " << body << ": " << res->body;
        return json::parse(res->body, nullptr, false);
    }

    json get(const std::string& path, int expected_status = 200)
    {
        auto res = client.Get(path.c_str());
        EXPECT_TRUE(res) << path;
        if (!res) return {};
        EXPECT_EQ(res->status, expected_status) << path << ": " << res->body;
        return json::parse(res->body, nullptr, false);
    }

    json state() { return get("/api/state"); }

    // A point of a gauge's faceplate in the panel window's pixels (the radios sit at their own size).
    json window_point(const std::string& gauge, int x, int y)
    {
        const json panel = get("/api/panel");
        for (const json& g : panel["windows"][0]["gauges"])
            if (g["name"] == gauge) return json{{"window", 0}, {"x", g["x"].get<int>() + x}, {"y", g["y"].get<int>() + y}};
        ADD_FAILURE() << gauge << " is not on the panel";
        return json{};
    }

    json token(int32_t number)
    {
        const json s = state();
        for (const json& t : s["tokens"])
            if (t["token"] == number) return t["value"];
        return nullptr;
    }

    // The log entries of the given kind made since the test began.
    std::vector<json> logged(const std::string& kind)
    {
        std::vector<json> out;
        const json s = state();
        for (const json& e : s["log"])
            if (e["kind"] == kind) out.push_back(e);
        return out;
    }

    std::string error(const json& body) { return body.value("error", std::string()); }
};

TEST_F(ServerTest, MalformedRequestsAreRefusedWithAMessageAndChangeNothing)
{
    struct Case {
        const char* path;
        const char* body;
        int status;
        const char* message;
    };
    const Case cases[] = {
        {"/api/click", "{\"gauge\": ", 400, "not JSON"},
        {"/api/click", "[1, 2]", 400, "a JSON object"},
        {"/api/click", "{\"gauge\": \"COM1_Corvane_QT3\", \"x\": 10}", 400, "y is missing"},
        {"/api/click", "{\"gauge\": \"COM1_Corvane_QT3\", \"x\": \"10\", \"y\": 5}", 400, "x: a number"},
        {"/api/click", "{\"gauge\": \"NoSuch_Gauge\", \"x\": 10, \"y\": 5}", 404, "no gauge NoSuch_Gauge"},
        {"/api/click", "{\"window\": 7, \"x\": 10, \"y\": 5}", 404, "no window 7"},
        {"/api/click", "{\"window\": 0.5, \"x\": 10, \"y\": 5}", 400, "window: a whole number"},
        {"/api/speed", "{\"speed\": 2}", 400, "1, 4 or 16"},
        {"/api/pause", "{\"paused\": 1}", 400, "paused: true or false"},
        {"/api/power-failure", "{\"seconds\": -5}", 400, "power failure"},
        {"/api/jump", "{\"nm\": -1}", 400, "0 or more"},
        {"/api/flight", "{\"name\": \"../panels/default/panel\"}", 404, "no flight"},
        {"/api/tokens", "{\"token\": 617, \"value\": 1.5}", 400, "32-bit integer"},
        {"/api/tokens", "{\"token\": 617, \"value\": 4294967296}", 400, "32-bit integer"},
        {"/api/nothing", "{}", 404, "no such request"},
    };
    const json standby = token(host::token::COM1_STANDBY);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.path) + " " + c.body);
        const json body = post(c.path, c.body, c.status);
        EXPECT_NE(error(body).find(c.message), std::string::npos) << error(body);
    }
    workbench.advance(2);
    EXPECT_TRUE(logged("event").empty());
    EXPECT_TRUE(logged("sound").empty());
    EXPECT_EQ(token(host::token::COM1_STANDBY), standby);
    EXPECT_EQ(state()["speed"], 1);
    get("/api/gauges/NoSuch_Gauge/picture.png", 404);
    get("/api/gauges/NoSuch_Gauge", 404);
    get("/api/gauges/COM1_Corvane_QT3/picture.png?scale=9", 400);
}

TEST_F(ServerTest, AClickOutsideEveryGaugeIsRefusedAndOutsideEveryHotspotDoesNothing)
{
    // Below the window's lowest gauge lies no gauge.
    const int below = get("/api/panel")["windows"][0]["height"].get<int>() + 5;
    const json outside = post("/api/click", json{{"window", 0}, {"x", 300}, {"y", below}}.dump(), 422);
    EXPECT_NE(error(outside).find("no gauge at (300, " + std::to_string(below) + ") in window Window00"), std::string::npos)
        << outside;
    // The top left corner of COM2's faceplate holds no hotspot.
    const json blank = post("/api/click", window_point(COM2, 1, 1).dump(), 200);
    EXPECT_EQ(blank["gauge"], COM2);
    EXPECT_EQ(blank["hotspot"], 0);
    workbench.advance(2);
    EXPECT_TRUE(logged("event").empty());
    EXPECT_TRUE(logged("sound").empty());
}

TEST_F(ServerTest, ClicksReachTheGaugeUnderThePointAndTransferSwapsTheFrequencies)
{
    // COM1's power knob, right half, in panel pixels: hotspot 7.
    const json power = post("/api/click", window_point(COM1, 50, 70).dump(), 200);
    EXPECT_EQ(power["gauge"], COM1);
    EXPECT_EQ(power["hotspot"], 7);
    workbench.advance(2);
    const json active = token(host::token::COM1_ACTIVE), standby = token(host::token::COM1_STANDBY);
    ASSERT_NE(active, standby);
    EXPECT_EQ(post("/api/click", R"({"gauge": "COM1_Corvane_QT3", "x": 120, "y": 90})", 200)["hotspot"], 1);
    workbench.advance(2);
    EXPECT_EQ(token(host::token::COM1_ACTIVE), standby);
    EXPECT_EQ(token(host::token::COM1_STANDBY), active);

    const auto sounds = logged("sound");
    ASSERT_EQ(sounds.size(), 2u);
    EXPECT_EQ(sounds[0]["what"], "sound\\click.wav");
    const auto events = logged("event");
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0]["what"], "66372");   // COM1's swap
    // The export holds those frames as the trace writes them.
    auto trace = client.Get("/api/trace.jsonl");
    ASSERT_TRUE(trace);
    EXPECT_NE(trace->body.find(R"("events":[{"event":66372,"gauge":"COM1_Corvane_QT3","value":0}])"), std::string::npos);
}

TEST_F(ServerTest, APictureChangesVersionWhenTheGaugeShowsSomethingNew)
{
    auto picture = [&](const std::string& query) {
        auto res = client.Get(("/api/gauges/COM1_Corvane_QT3/picture.png" + query).c_str());
        EXPECT_TRUE(res && res->status == 200);
        return std::make_pair(res->get_header_value("X-Picture-Version"), res->body);
    };
    const auto [v1, dark] = picture("?scale=2");
    EXPECT_EQ(dark.substr(1, 3), "PNG");
    workbench.advance(5);
    EXPECT_EQ(picture("?scale=2").first, v1) << "nothing changed on the faceplate";
    post("/api/click", R"({"gauge": "COM1_Corvane_QT3", "x": 50, "y": 70})", 200);
    workbench.advance(1);
    const auto [v2, lit] = picture("?scale=2");
    EXPECT_NE(v2, v1);
    EXPECT_NE(lit, dark);
    EXPECT_EQ(state()["gauges"][COM1].get<uint64_t>(), std::stoull(v2));
    EXPECT_GT(picture("?scale=2").second.size(), picture("").second.size()) << "twice the pixels at scale 2";
}

TEST_F(ServerTest, OnlyThePagesOwnFilesAreServed)
{
    for (const char* path : {"/", "/app.js", "/style.css", "/sound/click.wav"}) {
        auto res = client.Get(path);
        ASSERT_TRUE(res) << path;
        EXPECT_EQ(res->status, 200) << path;
    }
    for (const char* path : {"/../../../../etc/passwd", "/%2e%2e/%2e%2e/etc/passwd", "/sound/../index.html",
                             "/sound/..%2f..%2fCMakeCache.txt", "/..%5c..%5cetc%5cpasswd", "/panels/default/panel.cfg",
                             "/api/gauges/..%2f..%2fetc/picture.png", "/index.html/.."}) {
        auto res = client.Get(path);
        ASSERT_TRUE(res) << path;
        EXPECT_GE(res->status, 400) << path;
        EXPECT_EQ(res->body.find("root:"), std::string::npos) << path;
        EXPECT_EQ(res->body.find("[Window00]"), std::string::npos) << path;
    }
}

TEST_F(ServerTest, ASecondServerOnTheSamePortIsRefusedWithAClearMessage)
{
    host::web::Server second(workbench);
    try {
        second.bind(port);
        FAIL() << "a second server took port " << port;
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("127.0.0.1:" + std::to_string(port) + ": the port is taken"), std::string::npos)
            << e.what();
    }
    EXPECT_TRUE(client.Get("/api/state")) << "the first still answers";
}

TEST_F(ServerTest, FlightControlsGoThroughTheSimulation)
{
    const double t0 = state()["time_s"];
    post("/api/pause", R"({"paused": true})", 200);
    workbench.advance(18);
    EXPECT_EQ(state()["time_s"], t0) << "paused, the clocks stand";
    post("/api/pause", R"({"paused": false})", 200);
    workbench.advance(18);
    EXPECT_NEAR(state()["time_s"].get<double>() - t0, 1.0, 1e-9);

    post("/api/power-failure", R"({"seconds": 2})", 200);
    workbench.advance(1);
    EXPECT_FALSE(state()["power"]);
    workbench.advance(2 * 18);
    EXPECT_TRUE(state()["power"]) << "the bus comes back by itself";
    post("/api/power", R"({"on": false})", 200);
    EXPECT_FALSE(state()["power"]);

    // A jump to the third waypoint: over it, with the fourth ahead.
    const json flight = get("/api/flight");
    const json& sjc = flight["route"][2];
    post("/api/jump", json{{"nm", sjc["distance_nm"]}}.dump(), 200);
    const json aircraft = state()["aircraft"];
    EXPECT_NEAR(aircraft["lat"].get<double>(), sjc["lat"].get<double>(), 1e-6);
    EXPECT_NEAR(aircraft["lon"].get<double>(), sjc["lon"].get<double>(), 1e-6);
    EXPECT_EQ(aircraft["to_index"], 3);
    post("/api/jump", json{{"nm", flight["length_nm"].get<double>() + 50}}.dump(), 200);
    EXPECT_EQ(state()["aircraft"]["to_index"], flight["route"].size()) << "beyond the end: no TO waypoint";

    post("/api/restart", "{}", 200);
    EXPECT_EQ(state()["aircraft"]["to_index"], 1);
    EXPECT_TRUE(state()["power"]) << "the flight starts with the bus live";
    EXPECT_EQ(get("/api/flights")["flights"], json::array({"default"}));
    post("/api/flight", R"({"name": "default"})", 200);

}

TEST_F(ServerTest, AnEditedTokenIsHeldUntilReleasedWhileTheSimulationChangesUnderneath)
{
    auto held = [&](int32_t number) {
        const json s = state();
        for (const json& t : s["tokens"])
            if (t["token"] == number) return t["held"].get<bool>();
        return false;
    };
    const json before = token(host::token::COM1_STANDBY);
    // A BCD digit above 9, which no key event could make.
    post("/api/tokens", R"({"token": 617, "value": 6250})", 200);   // 0x186A
    post("/api/click", R"({"gauge": "COM1_Corvane_QT3", "x": 50, "y": 70})", 200);    // power on
    workbench.advance(2);
    post("/api/click", R"({"gauge": "COM1_Corvane_QT3", "x": 570, "y": 70})", 200);   // one channel up
    workbench.advance(2);
    EXPECT_EQ(token(host::token::COM1_STANDBY), 0x186A);
    EXPECT_TRUE(held(host::token::COM1_STANDBY));
    // 1, 8, 6 and 10 through "1%d%d.%d%d": 118.610, shown as 118.61.
    EXPECT_EQ(workbench.gauge_view(COM1)["elements"][2]["text"], "s118.61") << "the gauge reads the held value";

    post("/api/tokens/release", R"({"token": 617})", 200);
    workbench.advance(1);
    EXPECT_FALSE(held(host::token::COM1_STANDBY));
    const json after = token(host::token::COM1_STANDBY);
    EXPECT_NE(after, 0x186A);
    EXPECT_NE(after, before) << "the channel step made while held shows on release";
}

} // namespace
