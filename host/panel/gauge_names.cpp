#include "gauge_names.h"

#include <algorithm>
#include <cctype>

namespace host {

namespace {

struct Entry {
    const char* gauge;
    FaceplateNames names;
};

const Entry ENTRIES[] = {
#include "gauge_names.inc"
};

bool same_without_case(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

const FaceplateNames* faceplate_names(const std::string& gauge)
{
    for (const Entry& e : ENTRIES)
        if (gauge == e.gauge) return &e.names;
    return nullptr;
}

std::optional<int> number_of_name(const std::vector<std::string>& names, const std::string& name)
{
    for (size_t i = 0; i < names.size(); ++i)
        if (same_without_case(names[i], name)) return static_cast<int>(i) + 1;
    return std::nullopt;
}

std::string name_of_number(const std::vector<std::string>* names, int number)
{
    if (!names || number < 1 || number > static_cast<int>(names->size())) return "";
    return (*names)[number - 1];
}

} // namespace host
