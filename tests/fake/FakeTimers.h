#pragma once
// Timers on a clock that moves only when a test says so.

#include "platform/Timers.h"

#include <cstdint>
#include <map>
#include <memory>

namespace platform::fake {

class FakeTimers final : public Timers {
public:
    TimerId StartOnce(int milliseconds, std::function<void()> callback) override;
    TimerId StartRepeating(int milliseconds, std::function<void()> callback) override;
    void Stop(TimerId id) override;

    // Moves the clock on, firing every timer whose time comes on the way, in order of time (of
    // starting, at equal times). Timers started by a callback fire too once their time comes.
    void Advance(int milliseconds);
    std::int64_t NowMilliseconds() const { return m_now; }
    std::size_t Running() const { return m_timers.size(); }

private:
    struct Timer {
        std::int64_t due = 0;
        int period = 0;
        bool repeating = false;
        std::shared_ptr<std::function<void()>> callback;
    };

    TimerId Start(int milliseconds, std::function<void()> callback, bool repeating);

    std::map<TimerId, Timer> m_timers;
    std::int64_t m_now = 0;
    TimerId m_lastId = 0;
};

}
