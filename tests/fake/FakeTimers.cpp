#include "tests/fake/FakeTimers.h"

#include <algorithm>

namespace platform::fake {

TimerId FakeTimers::StartOnce(int milliseconds, std::function<void()> callback)
{
    return Start(milliseconds, std::move(callback), false);
}

TimerId FakeTimers::StartRepeating(int milliseconds, std::function<void()> callback)
{
    return Start(milliseconds, std::move(callback), true);
}

TimerId FakeTimers::Start(int milliseconds, std::function<void()> callback, bool repeating)
{
    // A period of 0 would fire forever without the clock moving: the system's timers too wait
    // a little at the least.
    int const period = std::max(milliseconds, 1);
    TimerId const id = ++m_lastId;
    m_timers[id] = { m_now + period, period, repeating, std::make_shared<std::function<void()>>(std::move(callback)) };
    return id;
}

void FakeTimers::Stop(TimerId id) { m_timers.erase(id); }

void FakeTimers::Advance(int milliseconds)
{
    std::int64_t const target = m_now + std::max(milliseconds, 0);
    for (;;) {
        auto next = m_timers.end();
        for (auto it = m_timers.begin(); it != m_timers.end(); ++it) {
            if (it->second.due <= target && (next == m_timers.end() || it->second.due < next->second.due))
                next = it;
        }
        if (next == m_timers.end())
            break;
        m_now = next->second.due;
        // Held here: the callback may stop its own timer.
        auto const callback = next->second.callback;
        if (next->second.repeating)
            next->second.due += next->second.period;
        else
            m_timers.erase(next);
        (*callback)();
    }
    m_now = target;
}

}
