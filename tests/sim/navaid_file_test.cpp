// Navaid files in the fixed-column layout: what a good one gives a flight, and how a bad line is refused.
#include "flight_text.h"
#include "navaid_file.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace host;

namespace {

const std::filesystem::path FIXTURES = SOURCE_DIR "/tests/sim/navdata";
const geo::LatLon BAY{37.6, -122.3};

std::string file_text(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The message a navaid text gets, or "" when it reads.
std::string problem(const std::string& text)
{
    try {
        NavaidFile::parse(text, "nav.dat");
        return "";
    } catch (const NavaidFileError& e) {
        return e.what();
    }
}

} // namespace

// Both layouts give the same VOR, its DME, the localizer with its DME and its runway's markers.
TEST(NavaidFile, ReadsVorsLocalizersDmesAndMarkers)
{
    for (const char* name : {"bay_810.dat", "bay_1100.dat"}) {
        SCOPED_TRACE(name);
        const NavaidFile file = NavaidFile::read(FIXTURES / name);
        const auto sfo = file.find("SFO", NavaidKind::Vor, BAY);
        ASSERT_TRUE(sfo);
        EXPECT_EQ(sfo->frequency, 115800);
        EXPECT_DOUBLE_EQ(sfo->position.lat, 37.61948);
        EXPECT_DOUBLE_EQ(sfo->elevation_ft, 13);
        EXPECT_DOUBLE_EQ(sfo->declination_deg, 17);
        EXPECT_EQ(sfo->vor_class, VorClass::Low);
        EXPECT_TRUE(sfo->dme);
        const auto loc = file.find("IGWQ", std::nullopt, BAY);
        ASSERT_TRUE(loc);
        EXPECT_EQ(loc->kind, NavaidKind::Localizer);
        EXPECT_EQ(loc->frequency, 111700);
        EXPECT_DOUBLE_EQ(loc->course_deg, 297.9);
        EXPECT_TRUE(loc->dme);
        const std::vector<Navaid> markers = file.markers_of(*loc);
        ASSERT_FALSE(markers.empty());
        EXPECT_EQ(markers[0].marker, 2);
        EXPECT_EQ(markers[0].ident, "MM KSFO 28R");
    }
    const NavaidFile file = NavaidFile::read(FIXTURES / "bay_810.dat");
    EXPECT_EQ(file.version(), 810);
    EXPECT_EQ(file.markers_of(*file.find("IGWQ", std::nullopt, BAY)).size(), 2u) << "28R's middle and inner, not 28L's outer";
    EXPECT_EQ(file.find("OSI", NavaidKind::Vor, BAY)->vor_class, VorClass::High);
    EXPECT_EQ(file.find("SJC", NavaidKind::Vor, BAY)->vor_class, VorClass::Terminal);
    EXPECT_FALSE(file.find("SJC", NavaidKind::Vor, BAY)->dme) << "no DME row for it";
    EXPECT_FALSE(file.find("SF", std::nullopt, BAY)) << "NDBs are read past";
    EXPECT_FALSE(file.find("IGWQ", NavaidKind::Vor, BAY)) << "a localizer is no VOR";
    // The namesake in Europe is not the Bay's SFO, and from Europe the Bay's is too far.
    EXPECT_DOUBLE_EQ(file.find("SFO", NavaidKind::Vor, {50.1, 8.1})->declination_deg, 1);
    EXPECT_FALSE(file.find("OSI", NavaidKind::Vor, {50.1, 8.1}));
}

TEST(NavaidFile, ReadsGzipAsPlain)
{
    const std::string text = file_text(FIXTURES / "bay_810.dat");
    const auto packed = std::filesystem::temp_directory_path() / ("navaid_file_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".dat.gz");
    gzFile out = gzopen(packed.string().c_str(), "wb");
    ASSERT_NE(out, nullptr);
    ASSERT_EQ(gzwrite(out, text.data(), static_cast<unsigned>(text.size())), static_cast<int>(text.size()));
    gzclose(out);
    const NavaidFile file = NavaidFile::read(packed);
    std::filesystem::remove(packed);
    ASSERT_TRUE(file.find("OSI", NavaidKind::Vor, BAY));
    EXPECT_EQ(file.find("OSI", NavaidKind::Vor, BAY)->elevation_ft, 2270);
}

// A wrong path ends in a message that names it, never in an endless read.
TEST(NavaidFile, WrongPathsAreNamed)
{
    struct Case { std::filesystem::path file; std::string expected; };
    const Case cases[] = {
        {FIXTURES / "missing.dat", "missing.dat: no such navaid file"},
        {FIXTURES, ": is a folder, not a navaid file"},
        {"/dev/zero", "/dev/zero: larger than 64 MiB: not a navaid file"},
    };
    for (const Case& c : cases) {
        try {
            NavaidFile::read(c.file);
            ADD_FAILURE() << c.file << " was read";
        } catch (const NavaidFileError& e) {
            EXPECT_NE(std::string(e.what()).find(c.expected), std::string::npos) << e.what();
        }
    }
}

TEST(NavaidFile, BadLinesNameTheFileAndTheLine)
{
    const std::string head = "I\n810 Version - test\n";
    const std::string vor = "3  37.6 -122.3 13 11580 40 17.0 SFO SAN FRANCISCO\n";
    struct Case { std::string text, expected; };
    const Case cases[] = {
        {"X\n810 Version\n", "nav.dat:1: not a navaid file: its first line is I or A"},
        {"I\nVersion 810\n", "nav.dat:2: not a navaid file: its second line begins with the version number"},
        {"I\n740 Version - older\n" + vor, "nav.dat:2: version 740: only version 810 and later are read"},
        {"I\n", "nav.dat:1: not a navaid file: no version line"},
        {head + "\n" + vor + "three 37.6 -122.3 13 11580 40 17.0 X\n", "nav.dat:5: 'three' is not a row code"},
        {head + "42 37.6 -122.3 13 11580 40 17.0 X NAME\n", "nav.dat:3: unknown row code 42"},
        {head + "3  37.6 -122.3 13 11580 40 17.0 SFO\n", "nav.dat:3: row code 3 has 9 columns or more, this line 8"},
        {head + "4  37.6 -122.3 13 11170 18 297.9 IGWQ KSFO\n", "nav.dat:3: row code 4 has 10 columns or more, this line 9"},
        {head + "3  97.6 -122.3 13 11580 40 17.0 SFO NAME\n", "nav.dat:3: latitude '97.6' is not between -90 and 90"},
        {head + "3  37.6 -122.3x 13 11580 40 17.0 SFO NAME\n", "nav.dat:3: longitude '-122.3x' is not between -180 and 180"},
        {head + "3  37.6 -122.3 99999 11580 40 17.0 SFO NAME\n", "nav.dat:3: elevation '99999' is not between -1500 and 30000 ft"},
        {head + "3  37.6 -122.3 13 115.80 40 17.0 SFO NAME\n", "nav.dat:3: frequency '115.80' is not a whole number"},
        {head + "3  37.6 -122.3 13 11580 -4 17.0 SFO NAME\n", "nav.dat:3: range '-4' is not between 0 and 1000 nm"},
        {head + "3  37.6 -122.3 13 11580 40 east SFO NAME\n", "nav.dat:3: 'east' is not a number"},
        {head + "3  37.6 -122.3 13 12580 40 17.0 SFO NAME\n", "nav.dat:3: VOR frequency 12580 is not on the NAV band"},
        {head + "4  37.6 -122.3 13 11580 18 297.9 IGWQ KSFO 28R ILS\n", "nav.dat:3: localizer frequency 11580 is not on the localizer band"},
    };
    for (const Case& c : cases) {
        const std::string got = problem(c.text);
        EXPECT_NE(got.find(c.expected), std::string::npos) << "expected: " << c.expected << "\n     got: " << got;
    }
    // Windows line ends, blank lines, the later versions' approach rows and anything after the end row.
    EXPECT_EQ(problem("A\r\n1150 Version\r\n\r\n" + vor + "16 37.6 -122.3 13 0 0 297.9 R28R KSFO K2 28R LTP\n99\nrubbish\n"), "");
}

// A flight names navaids by identifier; without a navaid file it is told where to get one.
TEST(NavaidFile, FlightsTakeNavaidsByIdentifier)
{
    const NavaidFile file = NavaidFile::read(FIXTURES / "bay_810.dat");
    const Flight f = read_flight(FIXTURES / "by_ident.toml", &file);
    ASSERT_EQ(f.navaids.size(), 4u) << "OSI, IGWQ and 28R's two markers";
    EXPECT_EQ(f.navaids[0].ident, "OSI");
    EXPECT_DOUBLE_EQ(f.navaids[0].elevation_ft, 2270);
    EXPECT_EQ(f.navaids[1].ident, "IGWQ");
    EXPECT_EQ(f.navaids[2].kind, NavaidKind::Marker);

    using namespace test_flight;
    const std::string route = waypoint("A", 37.6, -122.3, 3000) + waypoint("B", 37.5, -122.2, 3000);
    const auto message = [&](const std::string& navaid, const NavaidFile* navaids) {
        try {
            parse_flight(text(route, navaid), "test.toml", navaids);
            return std::string();
        } catch (const FlightFileError& e) {
            return std::string(e.what());
        }
    };
    EXPECT_NE(message("[[navaid]]\nident = \"OSI\"\n", nullptr).find("test.toml:19: navaid[1].lat: missing (or name a navaid file with --navdata to take OSI from it)"),
              std::string::npos);
    EXPECT_NE(message("[[navaid]]\nident = \"LAX\"\n", &file).find("navaid[1].ident: LAX: not in"), std::string::npos);
    EXPECT_NE(message("[[navaid]]\nident = \"IGWQ\"\ntype = \"vor\"\n", &file).find("IGWQ: not in"), std::string::npos);
    EXPECT_NE(message("[[navaid]]\nident = \"OSI\"\ntype = \"ndb\"\n", &file).find("navaid[1].type: a navaid taken from the navaid file is a vor or a localizer"),
              std::string::npos);
    EXPECT_NE(message("[[navaid]]\nident = \"OSI\"\nrange_nm = 50\n", &file).find("navaid[1].range_nm: unknown key"), std::string::npos);
}
