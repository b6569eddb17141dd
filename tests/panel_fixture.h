// A panel with gauges loaded from the build, driven the way a pilot would: clicks, frames, and a look at
// what the host sees. On failure, checks print what every element of the gauge shows.
#pragma once

#include "panel.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

inline std::filesystem::path gauge_path(const std::string& name)
{
    return std::filesystem::path(GAUGE_DIR) / (name + ".gau");
}

inline std::filesystem::path test_gauge_path(const std::string& name)
{
    return std::filesystem::path(TEST_GAUGE_DIR) / (name + ".gau");
}

class PanelTest : public ::testing::Test {
protected:
    host::Panel panel;
    size_t events_seen = 0;
    size_t sounds_seen = 0;

    // The key events sent since the last call.
    std::vector<uint32_t> new_events()
    {
        std::vector<uint32_t> out;
        for (; events_seen < panel.events().size(); ++events_seen) out.push_back(panel.events()[events_seen].event);
        return out;
    }

    std::vector<std::string> new_sounds()
    {
        std::vector<std::string> out;
        for (; sounds_seen < panel.sounds().size(); ++sounds_seen) out.push_back(panel.sounds()[sounds_seen].file);
        return out;
    }
};

// Asserts on one element and shows the whole faceplate when it fails.
#define EXPECT_TEXT(gauge, index, expected) \
    EXPECT_EQ((gauge).element(index).text, expected) << (gauge).describe()
#define EXPECT_HIDDEN(gauge, index, expected) \
    EXPECT_EQ((gauge).element(index).hidden, expected) << (gauge).describe()
#define EXPECT_FRAME(gauge, index, expected) \
    EXPECT_EQ((gauge).element(index).frame, expected) << (gauge).describe()
