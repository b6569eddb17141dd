// The names of a gauge's elements and hotspots, as its faceplate header numbers them (lower case, in table
// order), so that scripts and traces can say "standby_display" instead of "element 3". The build reads
// them from the instruments' headers (cmake/gauge_names.cmake): a module itself exports no names.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace host {

struct FaceplateNames {
    std::vector<std::string> elements;   // elements[0] names element 1, the background
    std::vector<std::string> hotspots;   // hotspots[0] names hotspot 1
};

// The names of a gauge the build knows, or null.
const FaceplateNames* faceplate_names(const std::string& gauge);

// Element or hotspot `number` (from 1) of a name list, or the number a name stands for; compares without
// regard to case.
std::optional<int> number_of_name(const std::vector<std::string>& names, const std::string& name);
std::string name_of_number(const std::vector<std::string>* names, int number);   // "" when unknown

} // namespace host
