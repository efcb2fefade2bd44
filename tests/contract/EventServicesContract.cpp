// What timers and the way back to the user-interface thread must do, natively on the fakes and
// under Wine on the real message queue.

#include "EventServicesTarget.h"

#include <gtest/gtest.h>

#include <thread>
#include <utility>
#include <vector>

namespace {

class EventServicesContract : public ::testing::Test {
protected:
    std::unique_ptr<EventServices> m_services = MakeEventServicesUnderTest();
    platform::Timers& m_timers = m_services->Timers();
};

TEST_F(EventServicesContract, RepeatingTimerFiresUntilStoppedAndOnceFiresOnce)
{
    int repeats = 0;
    int onces = 0;
    platform::TimerId const repeating = m_timers.StartRepeating(20, [&] { ++repeats; });
    platform::TimerId const once = m_timers.StartOnce(20, [&] { ++onces; });
    ASSERT_NE(repeating, 0u);
    ASSERT_NE(once, 0u);
    EXPECT_NE(repeating, once);
    EXPECT_EQ(repeats + onces, 0) << "nothing fires from inside Start";

    m_services->ServeUntil([&] { return repeats >= 3; }, 3000);
    ASSERT_GE(repeats, 3);
    m_timers.Stop(repeating);
    int const stoppedAt = repeats;
    m_services->Serve(150);
    EXPECT_EQ(repeats, stoppedAt);
    EXPECT_EQ(onces, 1);
    // Ended and unknown ids are no harm.
    m_timers.Stop(once);
    m_timers.Stop(repeating);
    m_timers.Stop(0);
}

TEST_F(EventServicesContract, CallbacksMayStopAndStartTimers)
{
    int first = 0;
    int second = 0;
    int started = 0;
    int secondAtStop = -1;
    platform::TimerId firstId = 0;
    platform::TimerId secondId = 0;
    firstId = m_timers.StartRepeating(10, [&] {
        ++first;
        m_timers.Stop(firstId);
        m_timers.Stop(secondId);
        secondAtStop = second;
        m_timers.StartOnce(10, [&] { ++started; });
    });
    secondId = m_timers.StartRepeating(10, [&] { ++second; });

    m_services->ServeUntil([&] { return started == 1; }, 3000);
    m_services->Serve(150);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, secondAtStop);
    EXPECT_EQ(started, 1);
}

TEST_F(EventServicesContract, TasksFromOtherThreadsRunOnTheUiThreadInOrder)
{
    constexpr int PerThread = 50;
    std::vector<std::pair<int, int>> ran;
    bool allOnUiThread = true;
    auto const uiThread = std::this_thread::get_id();
    std::vector<std::thread> posters;
    for (int poster = 0; poster < 2; ++poster) {
        posters.emplace_back([&, poster] {
            for (int i = 0; i < PerThread; ++i) {
                m_services->UiThread()->Post([&, poster, i] {
                    allOnUiThread = allOnUiThread && std::this_thread::get_id() == uiThread;
                    ran.emplace_back(poster, i);
                });
            }
        });
    }
    for (auto& poster : posters)
        poster.join();
    // A task may post another; it runs after those already waiting.
    m_services->UiThread()->Post([&] { m_services->UiThread()->Post([&] { ran.emplace_back(9, 0); }); });

    m_services->ServeUntil([&] { return ran.size() == 2 * PerThread + 1; }, 3000);
    ASSERT_EQ(ran.size(), 2u * PerThread + 1);
    EXPECT_TRUE(allOnUiThread);
    EXPECT_EQ(ran.back(), std::make_pair(9, 0));
    int next[2] = { 0, 0 };
    for (size_t i = 0; i + 1 < ran.size(); ++i) {
        ASSERT_LT(ran[i].first, 2);
        EXPECT_EQ(ran[i].second, next[ran[i].first]++) << "in the order each thread posted";
    }
}

TEST_F(EventServicesContract, TasksLeftWhenTheUiThreadGoesAreDroppedUnrun)
{
    auto const held = std::make_shared<int>(0);
    bool ran = false;
    m_services->UiThread()->Post([held, &ran] { ran = true; });
    m_services->DropUiThread();
    EXPECT_EQ(held.use_count(), 1) << "what the task held is released";
    m_services->Serve(100);
    EXPECT_FALSE(ran);
}

}
