// A navaid file in the fixed-column nav.dat layout that flight simulators and flight planners share
// (version 810 and later), plain or gzip-compressed: the VORs, localizers, their DMEs and the marker beacons
// a flight file may name by identifier. Glide slopes, NDBs and the later versions' approach records are read
// past; a line that cannot be a record stops the reading with the file and the line.
#pragma once

#include "flight_file.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace host {

class NavaidFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class NavaidFile {
public:
    // A navaid farther than this from where the flight starts is another station with the same identifier.
    static constexpr double SEARCH_RADIUS_NM = 300.0;

    // Throws NavaidFileError naming the file and the line.
    static NavaidFile read(const std::filesystem::path& file);
    static NavaidFile parse(const std::string& text, const std::filesystem::path& name);

    // The VOR or localizer `ident` (of `kind`, when given) nearest `near`, within SEARCH_RADIUS_NM.
    std::optional<Navaid> find(const std::string& ident, std::optional<NavaidKind> kind, geo::LatLon near) const;
    // The marker beacons of the runway the localizer serves.
    std::vector<Navaid> markers_of(const Navaid& localizer) const;

    int version() const { return version_; }
    std::size_t size() const { return entries_.size(); }
    const std::filesystem::path& name() const { return name_; }

private:
    struct Entry {
        Navaid navaid;
        std::string runway;   // localizers and markers: airport and runway, "KSFO 28R"
    };
    std::filesystem::path name_;
    int version_ = 0;
    std::vector<Entry> entries_;
};

// The navaid file given to the program (--navdata), which flight files read from then on take navaids from.
void set_default_navaid_file(std::shared_ptr<const NavaidFile> file);
const NavaidFile* default_navaid_file();

} // namespace host
