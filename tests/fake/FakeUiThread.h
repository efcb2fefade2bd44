#pragma once
// Tasks posted from any thread wait until the test runs them on its own thread.

#include "platform/UiThread.h"

#include <deque>
#include <mutex>

namespace platform::fake {

class FakeUiThread final : public UiThread {
public:
    void Post(std::function<void()> task) override;
    // Runs waiting tasks in order, also those they post, until none is left; how many ran.
    int RunPending();

private:
    std::mutex m_mutex;
    std::deque<std::function<void()>> m_tasks;
};

}
