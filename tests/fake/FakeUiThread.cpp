#include "tests/fake/FakeUiThread.h"

namespace platform::fake {

void FakeUiThread::Post(std::function<void()> task)
{
    std::lock_guard const lock(m_mutex);
    m_tasks.push_back(std::move(task));
}

int FakeUiThread::RunPending()
{
    int ran = 0;
    for (;;) {
        std::function<void()> task;
        {
            std::lock_guard const lock(m_mutex);
            if (m_tasks.empty())
                return ran;
            task = std::move(m_tasks.front());
            m_tasks.pop_front();
        }
        task();
        ++ran;
    }
}

}
