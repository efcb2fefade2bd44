// The fake clock that the ticker and overlay tests will run on: timers fire at their exact times.

#include "tests/fake/FakeTimers.h"

#include <gtest/gtest.h>

#include <vector>

using platform::fake::FakeTimers;

TEST(FakeTimers, FireAtTheirTimesInOrderAcrossOneLongAdvance)
{
    FakeTimers timers;
    std::vector<std::pair<char, std::int64_t>> fired;
    timers.StartRepeating(2000, [&] { fired.emplace_back('t', timers.NowMilliseconds()); });
    timers.StartOnce(3000, [&] {
        fired.emplace_back('o', timers.NowMilliseconds());
        timers.StartOnce(500, [&] { fired.emplace_back('n', timers.NowMilliseconds()); });
    });

    timers.Advance(1999);
    EXPECT_TRUE(fired.empty());
    timers.Advance(4001);
    EXPECT_EQ(fired,
        (std::vector<std::pair<char, std::int64_t>> {
            { 't', 2000 }, { 'o', 3000 }, { 'n', 3500 }, { 't', 4000 }, { 't', 6000 } }));
    EXPECT_EQ(timers.NowMilliseconds(), 6000);
    EXPECT_EQ(timers.Running(), 1u);
}
