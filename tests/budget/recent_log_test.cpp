// The panel's logs keep the latest entries under their numbers from the start of the run; a reader that
// fell behind resumes at the oldest kept.
#include "recent_log.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(RecentLog, KeepsTheLatestUnderTheirNumbers)
{
    host::RecentLog<std::string> log(4);
    EXPECT_TRUE(log.empty());
    for (int i = 0; i < 10; ++i) log.next() = "entry " + std::to_string(i);
    EXPECT_EQ(log.size(), 10u);
    EXPECT_EQ(log.kept(), 4u);
    EXPECT_EQ(log.first(), 6u);
    EXPECT_EQ(log[6], "entry 6");
    EXPECT_EQ(log.back(), "entry 9");
    std::vector<std::string> kept(log.begin(), log.end());
    EXPECT_EQ(kept, (std::vector<std::string>{"entry 6", "entry 7", "entry 8", "entry 9"}));
}
