// A panel window drawn whole: each gauge where its panel.cfg line puts it, at the size the line gives.
#include "compositor.h"
#include "fonts.h"
#include "panel.h"
#include "panel_config.h"
#include "panel_picture.h"

#include "rgba_printer.h"

#include <gtest/gtest.h>

using namespace host;
using namespace host::draw;

namespace {

const char* const TWO_RADIOS = R"(
[Window00]
size_mm=600,200
gauge00=COM1_Corvane_QT3!COM1_Corvane_QT3, 10, 5, 600, 123
gauge01=COM2_Corvane_QT3!COM2_Corvane_QT3, 0, 140, 300
[Window01]
size_mm=100
)";

class PanelPicture : public ::testing::Test {
protected:
    Panel panel;
    Fonts fonts;

    void SetUp() override
    {
        load_panel(panel, parse_panel_config(TWO_RADIOS, "two_radios.cfg"), {GAUGE_OUTPUT_DIR});
        panel.frame();
    }
};

} // namespace

TEST_F(PanelPicture, GaugesSitWhereThePanelPutsThem)
{
    const Image window = render_panel_window(panel, 0, fonts);
    // The second radio keeps its proportions at half width: 300 x 61.
    ASSERT_EQ(window.width(), 610);
    ASSERT_EQ(window.height(), 140 + 61);

    const Image com1 = render_gauge(*panel.find("COM1_Corvane_QT3"), fonts);
    int compared = 0;
    for (int y = 0; y < com1.height(); ++y)
        for (int x = 0; x < com1.width(); ++x) {
            const Rgba& p = com1.at(x, y);
            if (p.a == 255) {
                ASSERT_EQ(window.at(10 + x, 5 + y), p) << x << "," << y;
                ++compared;
            } else {
                ASSERT_EQ(window.at(10 + x, 5 + y), PANEL_GREY) << "transparent at " << x << "," << y;
            }
        }
    EXPECT_GT(compared, com1.width() * com1.height() / 2);
    EXPECT_EQ(window.at(5, 2), PANEL_GREY) << "the panel shows between the gauges";
    EXPECT_EQ(window.at(605, 180), PANEL_GREY);
    EXPECT_NE(window.at(150, 170), PANEL_GREY) << "the half-size radio is drawn";
}

TEST(Resized, KeepsTransparencyAndAveragesColour)
{
    Image image(4, 2, Rgba{200, 100, 0, 255});
    image.at(0, 0) = image.at(1, 0) = image.at(0, 1) = image.at(1, 1) = Rgba{};
    image.at(3, 1) = Rgba{0, 100, 200, 255};
    const Image half = resized(image, 2, 1);
    EXPECT_EQ(half.at(0, 0).a, 0) << "a wholly transparent block stays transparent";
    EXPECT_EQ(half.at(1, 0), (Rgba{150, 100, 50, 255}));
}

TEST_F(PanelPicture, WindowsWithoutGaugesOrBeyondThePanelAreErrors)
{
    EXPECT_THROW(render_panel_window(panel, 1, fonts), std::runtime_error);
    EXPECT_THROW(render_panel_window(panel, 2, fonts), std::runtime_error);
}
