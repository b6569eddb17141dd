// Input written to break the host: a script, panel.cfg or flight file line that would hang it, wrap a number,
// reach outside the module folders or feed undefined behaviour is refused as the file is read, naming the
// file, the line and the problem; files that are folders, devices or cut short end in a message.
#include "bitmap_source.h"
#include "flight_file.h"
#include "image.h"
#include "module_file.h"
#include "panel.h"
#include "panel_config.h"
#include "script.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

struct Case {
    std::string text;
    std::string problem;   // the whole message must contain it
};

std::string problem_of(const std::function<void()>& read)
{
    try {
        read();
        return "";
    } catch (const std::exception& e) {
        return e.what();
    }
}

void expect_each(const std::vector<Case>& cases, const std::function<void(const std::string&)>& read)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::string problem = problem_of([&] { read(c.text); });
        EXPECT_NE(problem.find(c.problem), std::string::npos) << problem;
    }
}

// A scratch folder of the test's own, removed afterwards.
struct Scratch {
    fs::path dir = fs::temp_directory_path() /
                   ("hostile_"s + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    Scratch() { fs::remove_all(dir), fs::create_directories(dir); }
    ~Scratch() { fs::remove_all(dir); }
};

} // namespace

TEST(HostileScript, CountsDurationsNumbersAndValuesAreCheckedAsTheScriptIsRead)
{
    expect_each(
        {
            {"tick 0x7FFFFFFFFFFFFFFF", "h.script:1: tick 0x7FFFFFFFFFFFFFFF: more than 1555200 frames (24h00m00s"},
            {"tick 999999999", "h.script:1: tick 999999999: more than 1555200 frames"},
            {"tick 99999999999999999999", "'99999999999999999999' is not a whole number (count)"},
            {"wait 1e300s", "h.script:1: wait 1e300s: longer than 24h00m00s"},
            {"wait 86401 s", "wait 86401s: longer than 24h00m00s"},
            {"wait 86400s\nwait 86400s\ntick 18", "h.script:3: the script runs more than 48h00m00s"},
            // Numbers never wrap into 32 bits.
            {"set 0x100000269 1", "'0x100000269' is not a token number"},
            {"click COM1_Corvane_QT3 hotspot 4294967303", "'4294967303' is out of range (hotspot)"},
            {"click COM1_Corvane_QT3 at 4294967306 2", "'4294967306' is out of range (x)"},
            {"click COM1_Corvane_QT3 at 2 -4294967306", "'-4294967306' is out of range (y)"},
            {"expect COM1_Corvane_QT3 element 4294967298 shown", "'4294967298' is out of range (element)"},
            // Values `set` could never take stop the script before any line runs.
            {"tick\nset 604 1e300", "h.script:2: token 604 is the simulation time"},
            {"set 617 1e300", "h.script:1: token 617 holds an integer"},
            {"set 617 0x1999", "0x1999 is not a COM channel"},
            {"set 38 0x1288", "0x1288 is not a squawk code"},
            {"set 354 7", "token 354 is the marker beacon received"},
            {"set 75 0", "the altimeter setting is a pressure"},
            {"set 6 0.5", "token 6 holds a whole number"},
            // A NUL byte would end the module's name early: "X\0Y.gau" would load X.
            {"load \"COM1_Corvane_QT3\0.gau\""s, "h.script:1: a NUL byte in the line"},
        },
        [](const std::string& text) { host::parse_script(text, "h.script"); });
}

TEST(HostileScript, RightValuesStillRead)
{
    const host::Script s = host::parse_script("tick 1555200\nwait 86400s\nset 604 1e9\nset 617 0x1802\n"
                                              "click COM1_Corvane_QT3 hotspot 2147483647\n",
                                              "h.script");
    ASSERT_EQ(s.size(), 5u);
    EXPECT_EQ(s[0].number, 1555200);
    EXPECT_EQ(s[1].number, 1555200);
}

TEST(HostilePanelConfig, PlacesSizesAndModuleNamesAreCheckedAsTheFileIsRead)
{
    expect_each(
        {
            {"gauge00=M!G, 0, 0, 4000000", "p.cfg:2: width 4000000 lies outside 1 to 16384"},
            {"gauge00=M!G, 0, 0, 100, 9999999", "p.cfg:2: height 9999999 lies outside 1 to 16384"},
            {"gauge00=M!G, 9999999, 0", "p.cfg:2: x 9999999 lies outside -16384 to 16384"},
            {"gauge00=M!G, 0, -999999", "p.cfg:2: y -999999 lies outside -16384 to 16384"},
            {"gauge00=M!G, -300, 0, 300", "p.cfg:2: the gauge lies wholly left of its window"},
            {"gauge00=M!G, 0, -40, 300, 40", "p.cfg:2: the gauge lies wholly above its window"},
            // Module names are names: nothing is loaded from outside the module folders.
            {"gauge00=../../tmp/evil!G, 0, 0", "p.cfg:2: module '../../tmp/evil' is a path"},
            {"gauge00=/tmp/evil!G, 0, 0", "module '/tmp/evil' is a path"},
            {"gauge00=..\\evil!G, 0, 0", "module '..\\evil' is a path"},
            {"gauge00=C:evil!G, 0, 0", "module 'C:evil' is a path"},
            {"gauge00=..!G, 0, 0", "module '..' is a path"},
            {"gauge00=COM1_Corvane_QT3\0/../evil!G, 0, 0"s, "p.cfg:2: a NUL byte in the line"},
        },
        [](const std::string& line) { host::parse_panel_config("[Window00]\n" + line + "\n", "p.cfg"); });
    const host::PanelConfig edge =
        host::parse_panel_config("[Window00]\ngauge00=M!G, -16383, 16384, 16384, 16384\n", "p.cfg");
    EXPECT_EQ(edge.gauges.at(0).width, 16384) << "the largest sizes still read";
}

TEST(HostileFlight, TimesAreFiniteAndAtMostADay)
{
    const std::string flight = "[flight]\nname = \"t\"\nstart = 2024-06-15T12:00:00Z\ntrue_airspeed_kt = 120\n"
                               "climb_fpm = 500\ndescent_fpm = 500\n"
                               "[[route]]\nident = \"A\"\nlat = 50\nlon = 8\nalt_ft = 3000\n"
                               "[[route]]\nident = \"B\"\nlat = 50.5\nlon = 8\nalt_ft = 3000\n"
                               "[[event]]\n";
    expect_each(
        {
            {"at = nan\npower = false", "f.toml:18: event[1].at: must be a duration such as \"12m30s\""},
            {"at = inf\npower = false", "event[1].at: must be a duration"},
            {"at = -inf\npower = false", "event[1].at: must be a duration"},
            {"at = \"1e308h\"\npower = false", "event[1].at: must be a duration"},
            {"at = \"25h\"\npower = false", "event[1].at: is longer than 24h00m00s"},
            {"at = 1e300\npower = false", "event[1].at: is longer than 24h00m00s"},
            {"at = \"1m\"\ntime_jump = \"1e308h\"", "event[1].time_jump: must be a duration"},
            {"at = \"1m\"\ntime_jump = nan", "event[1].time_jump: must be a duration"},
            {"at = \"1m\"\ntime_jump = 90000", "event[1].time_jump: is longer than 24h00m00s"},
        },
        [&](const std::string& event) { host::parse_flight(flight + event + "\n", "f.toml"); });
    EXPECT_EQ(host::parse_flight(flight + "at = \"24h\"\ntime_jump = 86400\n", "f.toml").events.at(0).jump_s, 86400.0);
}

// Folders, devices without end and missing files, for each reader: a message, never an empty file read as
// a good one or a read without end.
TEST(HostileFiles, FoldersAndEndlessFilesAreRefusedByEveryReader)
{
    Scratch scratch;
    const std::vector<std::pair<const char*, std::function<void(const fs::path&)>>> readers = {
        {"script", [](const fs::path& f) { host::read_script(f); }},
        {"panel configuration", [](const fs::path& f) { host::read_panel_config(f); }},
        {"flight file", [](const fs::path& f) { host::read_flight(f); }},
    };
    for (const auto& [what, read] : readers) {
        SCOPED_TRACE(what);
        EXPECT_EQ(problem_of([&] { read(scratch.dir); }), scratch.dir.string() + ": is a folder, not a " + what);
        if (fs::exists("/dev/zero"))
            EXPECT_EQ(problem_of([&] { read("/dev/zero"); }), "/dev/zero: larger than 16 MiB: not a "s + what);
        EXPECT_EQ(problem_of([&] { read(scratch.dir / "none"); }), (scratch.dir / "none").string() + ": no such " + what);
    }
    // A faceplate bitmap that is a folder: named, not a stream's error.
    fs::create_directory(scratch.dir / "12.bmp");
    EXPECT_EQ(problem_of([&] { host::BitmapFolder(scratch.dir).bitmap(12); }),
              (scratch.dir / "12.bmp").string() + ": is a folder, not a bitmap");
    EXPECT_FALSE(host::BitmapFolder(scratch.dir).bitmap(13)) << "a missing bitmap is no error here";
}

TEST(HostileModule, ACutShortModuleIsRefusedBeforeTheLoaderMapsIt)
{
    Scratch scratch;
    const fs::path whole = fs::path(GAUGE_DIR) / "COM1_Corvane_QT3.gau";
    std::ifstream in(whole, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 8192u);
    EXPECT_NO_THROW(host::check_module_file(whole));

    const fs::path cut = scratch.dir / "COM1_Corvane_QT3.gau";
    std::ofstream(cut, std::ios::binary).write(bytes.data(), 8192);
    host::Panel panel;
    const std::string problem = problem_of([&] { panel.load(cut); });
    EXPECT_EQ(problem.rfind(cut.string() + ": cannot load module (cut short: ", 0), 0u) << problem;
    EXPECT_NE(problem.find("the file has 8192"), std::string::npos) << problem;

    std::ofstream(scratch.dir / "text.gau") << "gauge\n";
    EXPECT_NE(problem_of([&] { panel.load(scratch.dir / "text.gau"); }).find("neither a shared object nor a DLL"),
              std::string::npos);
    fs::create_directory(scratch.dir / "folder.gau");
    EXPECT_NE(problem_of([&] { panel.load(scratch.dir / "folder.gau"); }).find("is a folder, not a module"),
              std::string::npos);
    EXPECT_TRUE(panel.gauges().empty());
}

// A DLL whose section table or section data run past the end of the file.
TEST(HostileModule, ADllIsLookedOverTheSameWay)
{
    Scratch scratch;
    auto put = [](std::string& b, size_t at, uint32_t v, int width) {
        for (int i = 0; i < width; ++i) b[at + i] = static_cast<char>(v >> (8 * i));
    };
    // MZ, the PE header at 64, one section of 512 bytes at 512: a file of 1024 bytes holds it all.
    std::string dll(1024, '\0');
    dll[0] = 'M', dll[1] = 'Z';
    put(dll, 0x3C, 64, 4);
    put(dll, 64, 0x4550, 4);
    put(dll, 64 + 6, 1, 2);          // one section
    put(dll, 64 + 20, 0, 2);         // no optional header
    put(dll, 64 + 22, 0x2000, 2);    // a DLL
    put(dll, 64 + 24 + 16, 512, 4);  // its raw data: 512 bytes
    put(dll, 64 + 24 + 20, 512, 4);  // at 512
    const fs::path file = scratch.dir / "m.gau";
    std::ofstream(file, std::ios::binary).write(dll.data(), static_cast<std::streamsize>(dll.size()));
    EXPECT_EQ(problem_of([&] { host::check_module_file(file); }), "");

    std::ofstream(file, std::ios::binary).write(dll.data(), 1000);
    EXPECT_EQ(problem_of([&] { host::check_module_file(file); }),
              file.string() + ": cannot load module (cut short: section 0 ends at byte 1024, the file has 1000)");
    std::ofstream(file, std::ios::binary).write(dll.data(), 100);
    EXPECT_NE(problem_of([&] { host::check_module_file(file); }).find("the section table ends at byte 128"),
              std::string::npos);
    put(dll, 64 + 22, 0, 2);
    std::ofstream(file, std::ios::binary).write(dll.data(), static_cast<std::streamsize>(dll.size()));
    EXPECT_NE(problem_of([&] { host::check_module_file(file); }).find("a program, not a DLL"), std::string::npos);
}

// "X.gau" is the file in the current folder, never one the system's library search finds elsewhere.
TEST(HostileModule, ABareModuleFileIsTakenFromTheCurrentFolder)
{
    Scratch scratch;
    fs::copy_file(fs::path(GAUGE_DIR) / "COM2_Corvane_QT3.gau", scratch.dir / "COM2_Corvane_QT3.gau");
    const fs::path before = fs::current_path();
    fs::current_path(scratch.dir);
    host::Panel panel;
    const std::string problem = problem_of([&] { panel.load("COM2_Corvane_QT3.gau"); });
    fs::current_path(before);
    EXPECT_EQ(problem, "");
    EXPECT_EQ(panel.gauges().size(), 1u);
}

TEST(HostilePicture, NoPictureLargerThanTheHostDraws)
{
    EXPECT_THROW(host::draw::Image(9999999, 9999999), std::length_error);
    EXPECT_THROW(host::draw::Image(8193, 8192), std::length_error);
    EXPECT_THROW(host::draw::scaled(host::draw::Image(2, 2), 1 << 30), std::length_error);
}
