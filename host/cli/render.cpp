#include "render.h"

#include "compositor.h"
#include "module_search.h"
#include "panel.h"
#include "panel_picture.h"
#include "picture_diff.h"
#include "png_file.h"
#include "script.h"
#include "setup.h"

#include <ostream>
#include <stdexcept>

namespace host {

namespace {

namespace fs = std::filesystem;

// The gauge on the panel, loaded now if the script has not loaded it, and drawn at least once.
Gauge& gauge_to_render(Panel& panel, const RenderOptions& options)
{
    const std::string name = fs::path(options.gauge).stem().string();
    Gauge* gauge = panel.find(name);
    if (!gauge) {
        // A module named by its path, or by its gauge name from the module folders.
        const fs::path given(options.gauge);
        const bool path = given.extension() == ".gau" || options.gauge.find('/') != std::string::npos;
        gauge = &panel.load(path ? given : find_module_file(options.gauge, options.module_dirs));
    }
    if (!gauge->drawn()) panel.frame();
    return *gauge;
}

fs::path difference_file(const fs::path& output)
{
    fs::path file = output;
    return file.replace_extension(".diff.png");
}

} // namespace

int render_command(const RenderOptions& options, std::ostream& out, std::ostream& err)
{
    try {
        const PanelSetup setup = read_setup(options.script, options.panel, options.flight);
        Panel panel;
        ScriptOptions script_options;
        script_options.module_dirs = options.module_dirs;
        script_options.out = &out;
        const int failures = start_setup(panel, setup, script_options);

        draw::Fonts fonts;
        draw::Image picture;
        std::string what;
        if (!options.gauge.empty()) {
            Gauge& gauge = gauge_to_render(panel, options);
            picture = draw::render_gauge(gauge, fonts);
            what = gauge.name();
        } else {
            if (panel.windows().empty())
                throw std::runtime_error("nothing to draw: name a gauge, or a panel with --panel or the script");
            bool drawn = !panel.gauges().empty();
            for (const auto& g : panel.gauges()) drawn = drawn && g->drawn();
            if (!drawn) panel.frame();
            picture = draw::render_panel_window(panel, options.window, fonts);
            what = "panel window " + panel.windows()[options.window].section;
        }
        picture = draw::scaled(picture, options.scale);
        if (options.output.has_parent_path()) fs::create_directories(options.output.parent_path());
        draw::write_png(picture, options.output);
        out << options.output.string() << ": " << what << ", " << picture.width() << " x " << picture.height()
            << "\n";
        if (failures) {
            err << options.script.string() << ": " << failures << " expectation(s) failed\n";
            return 1;
        }

        if (!options.expect.empty()) {
            if (!fs::exists(options.expect)) {
                err << options.expect.string() << ": no reference picture to compare with\n";
                return 1;
            }
            const draw::Image reference = draw::read_png(options.expect);
            const draw::PictureDifference difference = draw::compare_pictures(reference, picture);
            if (!difference.none()) {
                const fs::path diff_file = difference_file(options.output);
                draw::write_png(draw::difference_picture(reference, picture), diff_file);
                err << options.output.string() << " differs from " << options.expect.string() << ": "
                    << difference.describe() << "; the differences are marked in " << diff_file.string() << "\n";
                return 1;
            }
            out << options.output.string() << ": matches " << options.expect.string() << "\n";
        }
        return 0;
    } catch (const std::exception& e) {
        err << "panelhost: " << e.what() << "\n";
        return 2;
    }
}

} // namespace host
