// `panelhost render`: one gauge, or a whole panel window, as a picture, after an optional script.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace host {

struct RenderOptions {
    std::string gauge;                                // gauge name, or a module's path; empty: the panel
    std::filesystem::path panel;                      // a panel.cfg to load first; may be empty
    std::filesystem::path flight;                     // a flight to start first; may be empty
    int window = 0;                                   // which window of the panel to draw
    std::filesystem::path script;                     // run first; may be empty
    std::filesystem::path output;                     // the PNG to write
    int scale = 1;                                    // every pixel drawn as scale x scale
    std::vector<std::filesystem::path> module_dirs;   // searched in order for <gauge name>.gau
    std::filesystem::path expect;                     // a reference picture to compare with; may be empty
};

// Writes the picture. Returns 0 when it was written (and matches the reference, if one was given), 1 when
// an expectation of the script failed or the picture differs from the reference (it is written all the
// same, with a difference picture beside it), 2 when it cannot be made (a bad script, a missing module,
// bitmap or font). Messages go to `out` and `err`.
int render_command(const RenderOptions& options, std::ostream& out, std::ostream& err);

} // namespace host
