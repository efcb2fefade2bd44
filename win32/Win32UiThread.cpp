#include "win32/Win32UiThread.h"

#include <windows.h>

namespace platform::win32 {

namespace {

constexpr UINT RunTasksMessage = WM_APP + 1;

}

Win32UiThread::Win32UiThread()
    : m_window([this](unsigned message, std::uintptr_t, std::intptr_t) {
        if (message == RunTasksMessage)
            RunNext();
    })
{
}

Win32UiThread::~Win32UiThread()
{
    std::deque<std::function<void()>> dropped;
    {
        std::lock_guard const lock(m_mutex);
        m_closed = true;
        dropped.swap(m_tasks);
    }
    // The dropped tasks (and what they hold) go here, outside the lock.
}

void Win32UiThread::Post(std::function<void()> task)
{
    std::lock_guard const lock(m_mutex);
    if (m_closed)
        return;
    m_tasks.push_back(std::move(task));
    WakeUp();
}

void Win32UiThread::WakeUp()
{
    // A wake-up that the system refused (a full queue) is tried again with the next post.
    if (!m_wakeUpPosted)
        m_wakeUpPosted = PostMessageW(static_cast<HWND>(m_window.Handle()), RunTasksMessage, 0, 0) != 0;
}

// One task per wake-up, the next wake-up posted before the task runs: a task that opens a modal
// loop (a message box) does not hold up the tasks behind it, and they still run in order.
void Win32UiThread::RunNext()
{
    std::function<void()> task;
    {
        std::lock_guard const lock(m_mutex);
        m_wakeUpPosted = false;
        if (m_tasks.empty())
            return;
        task = std::move(m_tasks.front());
        m_tasks.pop_front();
        if (!m_tasks.empty())
            WakeUp();
    }
    task();
}

}
